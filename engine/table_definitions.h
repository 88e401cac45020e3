// The definitions of the report tables: for every table type code, which
// tree answers its row queries and how (tree items, layout A rows of an
// item or of a floor selection, the layout B stream and its selection), the
// held table file its queries need read first, and the cell of its rows that
// holds the floor for the handle query. The engine reaches every table only
// through these; a code without a definition answers nothing. The tables'
// names, files and named columns are their catalogue entries
// (reportdata/table_catalog.h); docs/design.md says how a table is added.
#ifndef REPORTDATA_ENGINE_TABLE_DEFINITIONS_H_
#define REPORTDATA_ENGINE_TABLE_DEFINITIONS_H_

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "areas/area_tables.h"
#include "engine/deferred_reads.h"
#include "keys/record_keys.h"
#include "model/report_tables.h"
#include "reportdata/framework.h"
#include "reportdata/services.h"
#include "reportdata/table_catalog.h"
#include "rows/row_layout.h"

namespace reportdata {

struct TableFileLayout;

// What a query reads and writes through: the engine's trees and its state.
struct TableContext {
  ReportTables& tables;
  AreaTables& areas;
  QueryState state;
};

// The answers of one table type code. A null operation answers nothing and
// leaves its arrays alone.
struct CodeDefinition {
  int code;
  // The bill or quota tree whose held file the queries read first, by its
  // layout A code; kAllHeld for every held file.
  int held;
  static constexpr int kAllHeld = DeferredReads::kOther;
  int handle_floor_cell = -1;  // -1: the handle query does not serve the code
  // Appends the tree items (the engine clears `items` first).
  void (*tree_items)(TableContext& context, CStringArray& items) = nullptr;
  // Layout A of one item, or of every item when `name` is empty, below the
  // header of a writer as wide as the catalogue entry's rows. The answer
  // and the count of the whole table both run through it.
  void (*item_rows)(TableContext& context, std::wstring_view name, RowWriter& writer) = nullptr;
  // The layout A answer is appended to the caller's rows, else they are
  // cleared first.
  bool item_rows_append = false;
  // Layout A narrowed by a floor list and a second list.
  void (*selected_rows)(TableContext& context, const CStringArray& floors,
                        const CStringArray& second, CStringArray& rows) = nullptr;
  // Layout B, appended.
  void (*stream)(TableContext& context, std::wstring_view name, CStringArray& out) = nullptr;
  // Layout B narrowed by lists and the condition; which array is the output
  // is the code's own (the bill and quota chapter tables: a, the others: c).
  void (*by_condition)(TableContext& context, CStringArray& a, CStringArray& b, CStringArray& c,
                       std::wstring_view condition) = nullptr;
};

// The definitions of the bill and quota trees' codes (1 to 3, 11 to 14, 21
// to 23, 31 to 33, 50), and of the codes that belong to no catalogue table:
// the handle query's own (0) and the component table of the quota side (15).
std::span<const CodeDefinition> BillQuotaCodes();
std::span<const CodeDefinition> AreaCodes();

// The definition of a code; null when it has none.
const CodeDefinition* DefinitionOf(int code);

// The width of the layout A rows of the catalogue entry whose code is
// `code`, its facade's GetparaNum. REQUIRES: the catalogue has the code.
int WidthOf(int code);

// How the table of a catalogue entry is written to its file and read back.
struct FileDefinition {
  int code;                       // the layout A code of its catalogue entry
  const TableFileLayout* layout;  // its name ("\qd.xml" …, its stem's) and envelope
  // Where another table's file carries the same "Table_Name" (the door and
  // window and the room tables share one), the name the elements of its
  // first chapter begin with, which tells the files apart; else null.
  const char* inner_prefix;
  // A reload holds the file for the first query of its table, else reads
  // it at once.
  bool held;
  void (*write)(TableContext& context, std::wstring_view dir);
  void (*read)(TableContext& context, std::wstring_view dir);
};

// The table files in catalogue order.
std::span<const FileDefinition> TableFiles();

// A record as a build hands it to the tables filed from the records: which
// build reads it, and where.
enum class FiledRecord {
  kBill,        // bill build: the bill record of an entry or other item that has a name
  kEntryQuota,  // bill build: a quota record of an entry that is not a facade's
  kLooseQuota,  // bill build: a loose quota record of the quota kind, not a facade's
  kQuota,       // quota build: a quota result
  kOtherQuota,  // quota build: a quota result of an other item
};

// How a table filed from the records takes them. Its tree is one of the
// engine's area tables, or one of their owned trees.
struct RecordFiling {
  // Empties the tree at the start of each build, and when a quota build
  // fails part way; null when the tree keeps what earlier builds filed.
  void (*start)(AreaTables& areas) = nullptr;
  // Files one record.
  void (*file)(AreaTables& areas, const RecordKeys& record, FiledRecord as) = nullptr;
};

// Everything that is one table's own: its catalogue entry and named
// columns, the definitions of its codes and its file. Each area table is
// defined in a file of its own under engine/tables/, together with the
// forwarders of its facade; the bill and quota tables, which share their
// row writers, in one (their codes are BillQuotaCodes(), so `codes` is
// empty there).
struct TableDefinition {
  CatalogTable catalog;
  std::span<const CodeDefinition> codes;
  FileDefinition file;
  // For a table read from the calculation database rather than filed from
  // the records (null for the others): its intake at the end of a build,
  // which replaces the table with the database's records. No database
  // leaves it empty; false, the table empty, when the database could not
  // be read.
  bool (*read_database)(IDMDatabase* database, AreaTables& areas) = nullptr;
  // The code of its layout B rows where it is not its catalogue entry's
  // (the door and window table streams its kinds regrouped).
  int stream_code = 0;
  // For a table filed from the calculation records, as they stream in (null
  // for the others): what its tree takes of each build.
  RecordFiling filing = {};
};

// The tables filed from the records, in catalogue order.
std::span<const TableDefinition* const> RecordFiledTables();

// Every table in catalogue order: the bill side's tables, the quota side's,
// then those of either side, each side by table type code. The catalogue,
// the file list and the dispatch by code are read from here.
std::span<const TableDefinition* const> TableDefinitions();

// Enters tables into TableDefinitions(). Each file of engine/tables/ holds
// one registration, at namespace scope, of the tables it defines:
//   const TableDefinition kTables[] = {...};
//   const TableRegistration kRegistered{kTables};
// The list takes each table into its catalogue place, so the order in which
// the files are initialised does not matter; nothing reads the list before
// main() runs.
struct TableRegistration {
  explicit TableRegistration(std::span<const TableDefinition> tables);
};

// The table whose catalogue entry's code is `code`; null when there is none.
const TableDefinition* TableOf(int code);

// The texts of a floor or name list of a selection query.
std::vector<std::wstring> TextsOf(const CStringArray& list);

// Short words for the named columns of the table definitions.
namespace column_words {
inline constexpr ColumnKind N = ColumnKind::kNumber;
inline constexpr ColumnKind T = ColumnKind::kText;
inline constexpr ColumnUse kLabel = ColumnUse::kLabel;
inline constexpr ColumnUse kValue = ColumnUse::kValue;
inline constexpr ColumnUse kProgram = ColumnUse::kProgram;
inline constexpr CellPart kCode = CellPart::kCode;
inline constexpr CellPart kName = CellPart::kName;
inline constexpr CellPart kFeatures = CellPart::kFeatures;
inline constexpr CellPart kWhole = CellPart::kWhole;
inline constexpr TableSide kBill = TableSide::kBill;
inline constexpr TableSide kQuota = TableSide::kQuota;
inline constexpr TableSide kEither = TableSide::kEither;
}  // namespace column_words

// The row queries by code. Each returns false, leaving its arrays alone,
// when the code's definition has no such answer. The tree items are cleared
// first when answered.
bool AnswerTreeItems(TableContext context, int code, CStringArray& items);
bool AnswerItemRows(TableContext context, int code, std::wstring_view name, CStringArray& rows,
                    InstanceLists lists = InstanceLists::kKept);
// The rows AnswerItemRows gives for every item (an empty name), the header
// not counted, made by no cell; 0 when the code answers none.
std::size_t CountItemRows(TableContext context, int code);
bool AnswerSelectedRows(TableContext context, int code, const CStringArray& floors,
                        const CStringArray& second, CStringArray& rows);
bool AnswerStream(TableContext context, int code, std::wstring_view name, CStringArray& out);
bool AnswerByCondition(TableContext context, int code, CStringArray& a, CStringArray& b,
                       CStringArray& c, std::wstring_view condition);

// The new-style rows of the component table (codes 14 and 15): a project
// whose report directory had no component table file fills it from the
// component summary of the bill side (from_bills) or of the quota side.
void StreamComponentTable(TableContext& context, bool from_bills, std::wstring_view category,
                          CStringArray& out);

}  // namespace reportdata

#endif  // REPORTDATA_ENGINE_TABLE_DEFINITIONS_H_
