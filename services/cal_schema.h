// The layout of a project's calculation database ("\CalResult.mdb"), an
// SQLite file: which tables hold the calculation results, the floor and
// door/window records, the component index, quota prices, category display
// settings and the project's own chapter tables. docs/database.md describes
// every table; the version below changes whenever the layout does.
#ifndef REPORTDATA_SERVICES_CAL_SCHEMA_H_
#define REPORTDATA_SERVICES_CAL_SCHEMA_H_

#include <string>

namespace reportdata {

// PRAGMA application_id of the file: "RDCR" marks a calculation database of
// this module, so that an unrelated SQLite file is not mistaken for one.
inline constexpr long long kCalApplicationId = 0x52444352;
// PRAGMA user_version of the one layout this module writes and reads: a
// record's texts are one blob (services/packed_texts.h), its key texts are
// numbers of the key_text table and its lists numbers of the key_list
// table. The version fixes how many texts a
// record holds (RecordTextsOf), so a field added to the records makes a new
// version, and a database of another version is refused, not misread.
inline constexpr long long kCalSchemaVersion = 4;

// The record tables. Each holds whole calculation-result records, one per
// row, in the order of their rowids.
enum class RecordTable {
  kClassified,        // bill records, each followed by its quota records
  kLooseQuota,        // quota records classified under no bill
  kOtherItem,         // other items (其他项目), in the form of kClassified
  kQuotaResult,       // quota results, when stored
  kOtherQuotaResult,  // quota results of the other items, when stored
};

const char* RecordTableName(RecordTable table);

// The fields of a record, in TJQd field order: the id, then texts. A text's
// place in the blob of texts is one less than its field.
enum RecordField : int {
  kFieldId,
  kFieldBillCode,
  kFieldBillName,
  kFieldBillUnit,
  kFieldDescription,
  kFieldQuantity,
  kFieldSubType,
  kFieldTypePath,
  kFieldComponentName,
  kFieldPosition,
  kFieldHandle,
  kFieldGrade,
  kFieldFloor,
  kFieldKind,
  kFieldSubCode,
  kFieldQuotaCode,
  kFieldQuotaName,
  kFieldQuotaUnit,
  kFieldRoom,
  kFieldPlace,
  kFieldPlace2,
  kFieldPartitions,
  kFieldFeature,
  kFieldCategories,
  kFieldQuotaFeatures,
  kFieldExtra,
  kFieldCalcItem,
};
inline constexpr int kRecordFieldCount = kFieldCalcItem + 1;

// The texts in the blob of a record of layout version `version`: every field
// but the id. 0 for a version this module does not read. A blob of any other
// count is a damaged row of its version.
constexpr int RecordTextsOf(long long version) {
  return version == kCalSchemaVersion ? kRecordFieldCount - 1 : 0;
}
inline constexpr int kRecordTextCount = RecordTextsOf(kCalSchemaVersion);

// Whether a text field is a key text: one of the few codes, names, units,
// floors, kinds and places that the records of a project repeat, which the
// report trees are keyed by. They are stored once, in the key_text table,
// and a record holds their numbers. The calculation items are a handful
// too, read by the cloud-index data and the index analysis for every bill
// record. The quantity, the instance's position and handle are nearly unique
// to their record, and the lists are list fields (below).
constexpr bool IsKeyField(int field) {
  switch (field) {
    case kFieldId:
    case kFieldQuantity:
    case kFieldPosition:
    case kFieldHandle:
    case kFieldPartitions:
    case kFieldCategories:
    case kFieldQuotaFeatures:
      return false;
    default:
      return true;
  }
}
// Whether a text field is a list (services/record_pack.h): the records of a
// project repeat a few thousand partition lists, a handful of category lists
// and of quota feature lists. Each distinct packed list is stored once, in
// the key_list table, and a record holds its number, so that a build decodes
// each list once instead of on every record.
constexpr bool IsListField(int field) {
  return field == kFieldPartitions || field == kFieldCategories || field == kFieldQuotaFeatures;
}
// The record columns shared by every record table, after the role column of
// the classified tables: the id and the blob of the texts.
extern const char kRecordColumns[];

// Role of a row of the classified tables: a bill starts an entry, the quota
// rows after it belong to it.
inline constexpr int kRoleBill = 0;
inline constexpr int kRoleQuota = 1;

// Meta keys and values that say where the quota results come from.
inline constexpr char kMetaQuotaResults[] = "quota_results";
inline constexpr char kMetaOtherQuotaResults[] = "other_quota_results";
inline constexpr char kSourceStored[] = "stored";
// Derived: the quota rows of the classified table, then the loose quotas.
inline constexpr char kSourceClassified[] = "classified";
// Derived: the quota rows of the other-items table.
inline constexpr char kSourceOtherItems[] = "other_items";
// The meta key holding how many rows of a classified table have the role
// ("classified.role0"), written with the rows. Counting the rows of one role
// reads every row; the table's own row count is quick, and tells whether the
// counts written still add up to it.
std::string RoleRowsKey(RecordTable table, int role);

// Present once a category display configuration was written.
inline constexpr char kMetaCategoryShow[] = "category_show";

// Statements that create every table of an empty database and stamp the
// application id and version.
extern const char kCreateSchema[];

}  // namespace reportdata

#endif  // REPORTDATA_SERVICES_CAL_SCHEMA_H_
