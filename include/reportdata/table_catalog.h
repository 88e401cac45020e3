// The catalogue of the report tables, read-only: for each table its table
// type codes, its Chinese name, the stem of its table file, the build side
// whose write and read sequences hold that file, the cells of its layout A
// rows (GetparaNum) and its named columns, each with the cells of those rows
// that it is read from. The module's own table definitions fill it, so a
// viewer, an exporter or a comparison of two projects that reads rows
// through it reads each cell under the title of what the row writer put
// there. The catalogue is static: its texts and arrays live as long as the
// process, and nothing in it changes.
#ifndef REPORTDATA_TABLE_CATALOG_H_
#define REPORTDATA_TABLE_CATALOG_H_

#include <cstddef>
#include <span>
#include <string_view>

#include "reportdata/export.h"
#include "reportdata/framework.h"

namespace reportdata {

// How a cell's text gives a column's value. Bill and quota items show one
// text: "code  name", then the features on the following lines.
enum class CellPart { kWhole, kCode, kName, kFeatures };

// One cell that may feed a column; depth limits it to rows at that level of
// the tree (0: top-level items), -1 to none.
struct CellSource {
  int cell = -1;
  CellPart part = CellPart::kWhole;
  int depth = -1;
};

enum class ColumnKind { kText, kNumber };

// kLabel columns name the row at its level of the tree (chapter, code, floor,
// component…): a row is matched across two projects by its labels, and a
// label that repeats an ancestor's is left out. kValue columns are the
// readable rest; a kValue column of kind kNumber is a quantity (see
// IsQuantity). kProgram columns (drawing handles) are for programs only.
enum class ColumnUse { kLabel, kValue, kProgram };

struct NamedColumn {
  std::string_view key;    // the JSON member name
  std::string_view title;  // the heading in CSV, the workbook and the report page
  ColumnKind kind = ColumnKind::kText;
  ColumnUse use = ColumnUse::kValue;
  CellSource from[3] = {};  // the first that gives a non-empty value wins
};

// A quantity: a number that adds up over the rows it sums.
constexpr bool IsQuantity(const NamedColumn& column) {
  return column.use == ColumnUse::kValue && column.kind == ColumnKind::kNumber;
}

// The unit of the row's quantity (m3, 樘 …).
constexpr bool IsUnit(const NamedColumn& column) { return column.key == "unit"; }

// Which reload reads a table's file back: the bill reload, the quota reload,
// or either (the area, door and window, room and index analysis files are
// written and read by both).
enum class TableSide { kBill, kQuota, kEither };

struct CatalogTable {
  int code;                    // the table type code of its layout A rows
  std::span<const int> codes;  // every table type code that answers from its tree
  std::string_view name;       // 清单汇总表 …
  std::string_view stem;       // qd …; the file is stem + ".xml"
  TableSide side;
  int width;                             // cells of a layout A row, its facade's GetparaNum
  std::span<const NamedColumn> columns;  // the named columns of its rows
  // The second list of a floor selection that keeps every row of the
  // floors: these texts, then each value of this named column in the whole
  // table (none when empty). The bill and quota tables and room table 1
  // take their components, the door and window table its kinds' component
  // codes, the building area, which selects by floor only, nothing.
  std::string_view second_column = {};
  std::span<const std::string_view> second_texts = {};
};

// Every table in the order the tool lists them.
REPORTDATA_API std::span<const CatalogTable> TableCatalog();

// The table of that Chinese name or file stem; null when there is none.
REPORTDATA_API const CatalogTable* FindCatalogTable(std::string_view name_or_stem);

// The rows of the table's whole-table answer (GetTotalData) on the module's
// current tables, the header not counted, counted by its row writer without
// making a cell: a whole-table answer of a large project is hundreds of
// megabytes of texts.
REPORTDATA_API std::size_t CountTableRows(const CatalogTable& table);

// The row queries of the table's facade, answered from the module's current
// tables. Its tree items (GetTreeItem).
REPORTDATA_API void TableTreeItems(const CatalogTable& table, CStringArray& items);

// Layout A of one item (GetItemData), or of the whole table (GetTotalData)
// when `name` is empty.
REPORTDATA_API void TableItemRows(const CatalogTable& table, const CString& name,
                                  CStringArray& rows);

// Layout B of one item, or of every item when `name` is empty (the
// facade's GetNewItemData; the bill summary's GetNewQdHz).
REPORTDATA_API void TableStreamRows(const CatalogTable& table, const CString& name,
                                    CStringArray& rows);

// Whether the table answers a floor selection (the three-array
// GetItemData); the index analysis does not.
REPORTDATA_API bool SelectsFloors(const CatalogTable& table);

// Layout A of the floors' rows that the second list keeps (see
// CatalogTable::second_column); nothing when the table selects no floors.
REPORTDATA_API void TableFloorRows(const CatalogTable& table, CStringArray& floors,
                                   CStringArray& second, CStringArray& rows);

// The table's whole-table answer (GetTotalData) with the instance lists left
// empty: the drawing handles of each component and record, which a host
// needs to find elements in the drawing and a reader of the table never
// reads, and which are most of a large table's text.
REPORTDATA_API void ShownTableRows(const CatalogTable& table, CStringArray& rows);

}  // namespace reportdata

#endif  // REPORTDATA_TABLE_CATALOG_H_
