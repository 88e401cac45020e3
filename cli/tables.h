// The report tables that the tool shows, by their Chinese name and by the
// stem of their table file, with the facade operations that answer for each
// and how a person reads its cells.
#ifndef CLI_TABLES_H_
#define CLI_TABLES_H_

#include <span>
#include <string>
#include <string_view>

#include "cli/row_printer.h"
#include "reportdata/framework.h"

namespace reportdata::cli {

// Which reload reads a table's file back: the bill reload, the quota reload,
// or either (the area, door and window, room and index analysis files are
// read by both).
enum class Side { kBill, kQuota, kEither };

struct TableSpec {
  std::string_view name;  // 清单汇总表 …
  std::string_view stem;  // qd …; the file is stem + ".xml"
  Side side;
  int (*para_num)();
  void (*tree_items)(CStringArray& items);
  void (*total_rows)(CStringArray& rows);               // layout A, whole table
  void (*item_rows)(CString name, CStringArray& rows);  // layout A, one item
  void (*stream)(CString name, CStringArray& rows);     // layout B; "" for every item
  int label_first;  // cells that name a row at its level of the tree
  int label_last;
  std::span<const ColumnSpec> columns;  // the other cells a person reads
};

std::span<const TableSpec> AllTables();

// The table of that Chinese name or file stem; null when there is none.
const TableSpec* FindTable(std::string_view name);

// "清单汇总表 (qd), 清单消耗量表 (qdxhl), …" for messages.
std::string TableNames();

// The reading of the table's rows for the printers.
GridSpec GridOf(const TableSpec& table);

}  // namespace reportdata::cli

#endif  // CLI_TABLES_H_
