// The report tables that the tool shows are the entries of the module's
// table catalogue (reportdata/table_catalog.h), queried through the
// catalogue's row queries; this module adds how the tool names and prints
// them.
#ifndef CLI_TABLES_H_
#define CLI_TABLES_H_

#include <string>
#include <string_view>

#include "cli/column_schema.h"
#include "cli/row_printer.h"
#include "reportdata/table_catalog.h"

namespace reportdata::cli {

// "清单汇总表 (qd), 清单消耗量表 (qdxhl), …" for messages.
std::string TableNames();

// The reading of the table's rows for the text printer: its label cells fold
// into the tree, its value columns follow.
GridLayout GridOf(const CatalogTable& table);

// "bill", "quota", or "area" for the tables that either reload reads.
std::string_view SideName(TableSide side);

}  // namespace reportdata::cli

#endif  // CLI_TABLES_H_
