// What a build files a calculation-result record by: the texts of its bill
// item, quota item, floor, component, description and room as entries of the
// text pool, its quantity as a number, and its lists. The
// bill and quota trees keep their nodes' texts in the pool too, so a record
// finds its merge partner by comparing pointers and mixing stored hashes,
// and a new node takes the entries as they are. The calculation-result
// reader interns each key text of the database once and hands the keys out
// with each record; a record from a host's service is interned
// field by field (KeysOf). The keys refer to the record's lists rather than
// hold them: a reader decodes each distinct list of a database once and
// hands out the decoded list with every record that names it. The keys
// also carry the instance's position and
// handle as UTF-8, the form the merged instance lists keep, and its
// calculation item, which the cloud-index data and the index analysis file
// by. The trees, the tables of the areas and those two read nothing else of a
// record, so a build files the stored results from their keys alone.
#ifndef REPORTDATA_KEYS_RECORD_KEYS_H_
#define REPORTDATA_KEYS_RECORD_KEYS_H_

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "keys/pooled_text.h"
#include "reportdata/records.h"

namespace reportdata {

// A record's quantity within one partition of the project.
struct PartitionShare {
  PooledText name;     // partition name
  PooledText formula;  // the second text of the entry (formula within the partition)
  double quantity = 0.0;

  // Equal names, formulas and quantities: a quantity that is not a number
  // equals nothing, not even itself.
  bool operator==(const PartitionShare&) const = default;
};

// The lists of a record, held for keys made from the record itself.
struct RecordLists {
  std::vector<PartitionShare> partitions;
  std::vector<SNYTJFenLeiVarDescInfo> categories;
  std::vector<SNYTJReportDEFeature> quota_features;
};

// The record description as records are compared: cut at its first "||".
std::wstring_view CutAtBars(std::wstring_view description);

// A record's quantity text as a number (0 when it is not one).
double ParseQuantity(const CString& text);

struct RecordKeys {
  PooledText bill_code;
  PooledText bill_name;
  PooledText bill_unit;
  PooledText feature;
  PooledText quota_code;
  PooledText quota_name;
  PooledText quota_unit;
  PooledText floor;
  PooledText component_name;
  PooledText type_path;
  PooledText sub_type;
  PooledText sub_code;
  PooledText description;      // as the record has it
  PooledText description_cut;  // cut at its first "||", as records are compared
  PooledText kind;             // "1" for a bill record
  PooledText extra;
  PooledText grade;
  PooledText room;
  PooledText place;
  PooledText place2;
  // The calculation item: empty where the reader was not asked for it, as
  // only the cloud-index data and the index analysis read it.
  PooledText calc_item;
  int id = 0;
  double quantity = 0.0;  // the quantity text read as ParseQuantity reads it
  // The instance's position and handle in UTF-8, as the merged lists of a
  // measurement record hold them: nearly unique, so not interned.
  std::string position;
  std::string handle;
  // The lists, held by the reader that read the keys for as long as it
  // lives, or by `held` for keys made from a record: the partition entries
  // as a measurement record keeps them, and their PartitionHash; the
  // categories and the quota features.
  std::span<const PartitionShare> partitions;
  uint64_t partition_hash = 0;
  std::span<const SNYTJFenLeiVarDescInfo> categories;
  std::span<const SNYTJReportDEFeature> quota_features;
  // What the lists refer to when the keys were made from a record (KeysOf),
  // so that such keys can be copied and outlive their record; null for keys
  // of a reader.
  std::shared_ptr<const RecordLists> held;
};

// The keys of a classified entry: its bill record and each quota record.
struct EntryKeys {
  RecordKeys bill;
  std::vector<RecordKeys> quotas;
};

// A bill record (kind "1") belongs to the bill side and is measured in its
// bill item's unit; any other record to the quota side and its quota unit.
inline bool IsBillKind(const PooledText& kind) {
  // Asked of every record, so compared in place rather than through wmemcmp.
  const std::wstring& text = kind.str();
  return text.size() == 1 && text[0] == L'1';
}
inline bool IsBillRecord(const RecordKeys& keys) { return IsBillKind(keys.kind); }
inline const PooledText& OwnUnit(const RecordKeys& keys) {
  return IsBillRecord(keys) ? keys.bill_unit : keys.quota_unit;
}

RecordKeys KeysOf(const TJQd& record);

// The partition entries of a record as pool entries.
void PooledShares(const std::vector<SNYTJFenQuInfo>& shares, std::vector<PartitionShare>& out);

// A hash of partition entries that does not depend on their order: entries
// match as sets.
uint64_t PartitionHash(std::span<const PartitionShare> shares);

// Fills `keys` for `entry`, reusing its quota list.
void KeysOf(const SNYTJQdDeClassResult& entry, EntryKeys& keys);
EntryKeys KeysOf(const SNYTJQdDeClassResult& entry);

}  // namespace reportdata

#endif  // REPORTDATA_KEYS_RECORD_KEYS_H_
