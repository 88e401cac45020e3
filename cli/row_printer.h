// Turns the string arrays that the table facades answer into what a person
// or a program reads: layout A (a tree grid of fixed-width rows, the first
// one the header) as an indented, column-aligned text, and either
// layout as JSON; layout B (a stream of flagged records) as text or CSV.
// Everything here works on UTF-8 strings and holds no state.
#ifndef CLI_ROW_PRINTER_H_
#define CLI_ROW_PRINTER_H_

#include <string>
#include <string_view>
#include <vector>

namespace reportdata::cli {

enum class Align { kLeft, kRight };

// A column that a person reads: which cell of the row it shows, its title and
// how its values line up.
struct ColumnLayout {
  int cell = 0;
  std::string_view title;
  Align align = Align::kLeft;
};

// How the rows of one table are read. The cells from label_first to
// label_last name the row at its level of the tree (chapter, item, floor,
// component, position…); they fold into one tree column.
struct GridLayout {
  int width = 0;  // strings per row, the facade's GetparaNum
  int label_first = 2;
  int label_last = 2;
  std::string tree_title;
  std::vector<ColumnLayout> columns;  // the other readable cells, in order
  int unit_column = -1;               // the one of columns that holds the row's unit; -1: none
};

// One row of a layout A answer, as shown: its depth in the tree (0 for a
// top-level item), the tree text and the cells of the table's readable columns.
struct TreeRow {
  int depth = 0;
  std::string tree;
  std::vector<std::string> cells;
};

// Reads a layout A answer: skips the header row, finds each row's depth from
// its parent id, leaves out rows deeper than max_depth (negative: none), and
// leaves out of the tree text a label that already names an ancestor (the
// bill summary repeats the item text on every floor row, the quota tables by
// floor repeat the floor on every item). A trailing incomplete row is
// ignored.
std::vector<TreeRow> FoldRows(const std::vector<std::string>& flat, const GridLayout& grid,
                              int max_depth = -1);

// The cells of a row, by position, that FoldRows reads: the row and parent
// ids, the tree labels and the grid's columns.
std::vector<bool> CellsFoldRowsReads(const GridLayout& grid);

// Aligned text: a title line, a rule, then one line per row (more when a cell
// holds line breaks). The tree text is indented two blanks per level; columns
// that are empty in every row are left out.
std::string RenderText(const std::vector<TreeRow>& rows, const GridLayout& grid);

// The answer exactly as returned: an array of rows of width strings.
std::string RenderRowsJson(const std::vector<std::string>& flat, int width);

// A layout B answer exactly as returned: an array of strings.
std::string RenderStreamJson(const std::vector<std::string>& stream);

// A layout B answer, one flagged record a line, indented by its depth in the
// stream (a flag seen before closes the records opened after it).
std::string RenderStreamText(const std::vector<std::string>& stream);

// A layout B answer as CSV: the flag, then the record's cells, the first cell
// indented by depth.
std::string RenderStreamCsv(const std::vector<std::string>& stream);

}  // namespace reportdata::cli

#endif  // CLI_ROW_PRINTER_H_
