// The reading of a report table's layout A rows into its named columns. The
// columns of every table come from the module's table catalogue
// (reportdata/table_catalog.h); the JSON and CSV forms, the workbook and the
// report page all read rows through it, so every table shows the same
// columns everywhere.
#ifndef CLI_COLUMN_SCHEMA_H_
#define CLI_COLUMN_SCHEMA_H_

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "reportdata/grid_shape.h"
#include "reportdata/table_catalog.h"

namespace reportdata::cli {

// One row of a layout A answer read into the table's columns: its depth in
// the tree (0 for a top-level item) and one value per column, as text.
struct NamedRow {
  int depth = 0;
  std::vector<std::string> values;
  int tone = 0;  // > 0: an increase, < 0: a decrease; the workbook and the page colour it
};

// Depth and parent of every row of a layout A answer of the given width
// (0 read as 1); row 0 is the header. A trailing incomplete row is not counted.
GridShape ShapeOf(const std::vector<std::string>& flat, size_t width);

// Whether the text stands in one of the given cells of an ancestor of row r.
bool NamesAncestor(const std::vector<std::string>& flat, size_t width, const GridShape& shape,
                   size_t r, std::string_view text, std::span<const int> cells);

// Reads the rows after the header, leaving out rows deeper than max_depth
// (negative: none).
std::vector<NamedRow> ReadNamedRows(const std::vector<std::string>& flat, int width,
                                    std::span<const NamedColumn> columns, int max_depth = -1);

// The cells that label columns read, for folding them into one tree text.
std::vector<int> LabelCells(std::span<const NamedColumn> columns);

// One part of an item text, without the blanks that line it up in a grid.
std::string CellPartOf(std::string_view text, CellPart part);

// The value of a column by its key; empty when the table has no such column.
std::string ValueOf(std::span<const NamedColumn> columns, const NamedRow& row,
                    std::string_view key);

}  // namespace reportdata::cli

#endif  // CLI_COLUMN_SCHEMA_H_
