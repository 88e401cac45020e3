// The named columns of a report table: which cells of a layout A row feed
// each column at which level of the tree, and the reading of the rows into
// those columns. The schema of every table is a data table in tables.cc; the
// JSON and CSV forms, the workbook and the report page all read rows through
// it, so a table added there shows the same columns everywhere.
#ifndef CLI_COLUMN_SCHEMA_H_
#define CLI_COLUMN_SCHEMA_H_

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace reportdata::cli {

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
// component…): a label that repeats an ancestor's is left out. kValue columns
// are the readable rest; kProgram columns (drawing handles) go only to JSON.
enum class ColumnUse { kLabel, kValue, kProgram };

struct NamedColumn {
  std::string_view key;    // the JSON member name
  std::string_view title;  // the heading in CSV, the workbook and the report page
  ColumnKind kind = ColumnKind::kText;
  ColumnUse use = ColumnUse::kValue;
  CellSource from[3] = {};  // the first that gives a non-empty value wins
};

// One row of a layout A answer read into the table's columns: its depth in
// the tree (0 for a top-level item) and one value per column, as text.
struct NamedRow {
  int depth = 0;
  std::vector<std::string> values;
  int tone = 0;  // > 0: an increase, < 0: a decrease; the workbook and the page colour it
};

// Depth and parent of every row of a layout A answer of the given width; row
// 0 is the header. A trailing incomplete row is not counted.
struct GridShape {
  size_t width = 1;
  std::vector<int> depth;
  std::vector<size_t> parent;  // kNone for a top-level row
  static constexpr size_t kNone = static_cast<size_t>(-1);
  size_t rows() const { return depth.size(); }
};
GridShape ShapeOf(const std::vector<std::string>& flat, int width);

// Whether the text stands in one of the given cells of an ancestor of row r.
bool NamesAncestor(const std::vector<std::string>& flat, const GridShape& shape, size_t r,
                   std::string_view text, std::span<const int> cells);

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
