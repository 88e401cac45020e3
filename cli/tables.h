// The report tables that the tool shows: each entry of the module's table
// catalogue (its name, file stem, side and named columns) with the facade
// operations that answer for it. A table of the catalogue is shown once its
// facade is bound here by its table type code.
#ifndef CLI_TABLES_H_
#define CLI_TABLES_H_

#include <span>
#include <string>
#include <string_view>

#include "cli/column_schema.h"
#include "cli/row_printer.h"
#include "reportdata/framework.h"
#include "reportdata/table_catalog.h"

namespace reportdata::cli {

using Side = TableSide;

struct TableDef {
  // From the catalogue entry of the table.
  std::string_view name;  // 清单汇总表 …
  std::string_view stem;  // qd …; the file is stem + ".xml"
  Side side;
  int (*para_num)();
  void (*tree_items)(CStringArray& items);
  void (*total_rows)(CStringArray& rows);               // layout A, whole table
  void (*item_rows)(CString name, CStringArray& rows);  // layout A, one item
  void (*stream)(CString name, CStringArray& rows);     // layout B; "" for every item
  // Layout A narrowed to floors (the three-array query); null when the table
  // answers no selection.
  void (*select_rows)(CStringArray& floors, CStringArray& second, CStringArray& rows);
  // The selection's second list: every value of this column of the whole
  // table, or else these texts.
  std::string_view second_column;
  std::span<const std::string_view> second_texts;
  std::span<const NamedColumn> columns;  // the named columns of its rows
};

std::span<const TableDef> AllTables();

// The table of that Chinese name or file stem; null when there is none.
const TableDef* FindTable(std::string_view name);

// "清单汇总表 (qd), 清单消耗量表 (qdxhl), …" for messages.
std::string TableNames();

// The reading of the table's rows for the text printer: its label cells fold
// into the tree, its value columns follow.
GridLayout GridOf(const TableDef& table);

// Rows of the whole-table answer (GetTotalData), header not counted.
std::size_t CountTotalRows(const TableDef& table);

// "bill", "quota", or "area" for the tables that either reload reads.
std::string_view SideName(Side side);

}  // namespace reportdata::cli

#endif  // CLI_TABLES_H_
