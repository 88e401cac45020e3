// A table's rows in its named columns, for programs and spreadsheets: JSON
// with the column names as members and quantities as numbers, and CSV with
// one column per named column, level first.
#ifndef CLI_COLUMN_PRINTER_H_
#define CLI_COLUMN_PRINTER_H_

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "cli/column_schema.h"

namespace reportdata::cli {

// {"table": name, "columns": [{"name", "title", "type"}…], "rows": [{"level": 0, …}…]},
// one row a line. Number columns hold JSON numbers, null when empty, rounded
// as `decimals` chooses (quantity_format.h); text columns hold strings.
std::string RenderNamedJson(std::string_view table, std::span<const NamedColumn> columns,
                            const std::vector<NamedRow>& rows, int decimals);

// CSV with the byte order mark: 层级 and the titles of the columns that people
// read (drawing handles are left out), then one line per row. Quantities are
// re-formatted as `decimals` chooses (quantity_format.h).
std::string RenderNamedCsv(std::span<const NamedColumn> columns, const std::vector<NamedRow>& rows,
                           int decimals);

}  // namespace reportdata::cli

#endif  // CLI_COLUMN_PRINTER_H_
