// Layout A, the tree grid the host's report viewer reads: rows of a fixed
// number of cells, the first two being the row id and the parent row id. The
// first row is always the header row. RowWriter hands out ids in writing
// order so that every table's row writer numbers rows the same way; its
// counting form hands out the same ids and makes no cell, so that a table's
// rows are counted by the very writer that would write them. A reader's view
// of a table leaves out the instance lists (the drawing handles of each
// component and record): a host needs them to find the elements in the
// drawing, a reader never reads them, and they are most of a large table's
// text.
#ifndef REPORTDATA_ROWS_ROW_LAYOUT_H_
#define REPORTDATA_ROWS_ROW_LAYOUT_H_

#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>

#include "reportdata/framework.h"

namespace reportdata {

// Appends one cell, made in place: CStringArray::Add would copy it once more.
inline void AppendCell(CStringArray& rows, std::wstring_view cell) {
  rows.items().emplace_back(cell);
}
inline void AppendCell(CStringArray& rows, const wchar_t* cell) {
  AppendCell(rows, std::wstring_view(cell));
}
inline void AppendCell(CStringArray& rows, std::wstring&& cell) {
  rows.items().emplace_back(std::move(cell));
}

// Appends the header row: "1", "0", the condition text, then empty cells up
// to `columns` cells.
void AppendHeaderRow(int columns, std::wstring_view condition, CStringArray& rows);

// Whether a layout A answer carries the instance lists.
enum class InstanceLists { kKept, kLeftOut };

// Writes the rows of one layout A answer into a caller-owned array, or
// counts them. The array must outlive the writer.
class RowWriter {
 public:
  // Appends the header row to `rows` (which the caller has cleared or not, as
  // the table requires); the next row written gets id 2.
  RowWriter(int columns, std::wstring_view condition, CStringArray& rows,
            InstanceLists lists = InstanceLists::kKept);

  // The counting form: ids as above, no header and no cell appended.
  explicit RowWriter(int columns) : columns_(columns), lists_(InstanceLists::kLeftOut) {}

  // Appends one row below `parent` (0 for a top-level row) with the given
  // table cells, padded with empty cells to the column count; returns its id.
  // REQUIRES: cells.size() <= columns - 2.
  int AddRow(int parent, std::initializer_list<std::wstring_view> cells);

  // The same row with one more cell after `cells`, taken over rather than
  // copied: a component's handle list runs to thousands of characters.
  int AddRow(int parent, std::initializer_list<std::wstring_view> cells, std::wstring&& last);

  int columns() const { return columns_; }

  // Whether the rows carry instance lists; a row writer makes a list only
  // when they do, and hands an empty one otherwise.
  bool keeps_lists() const { return lists_ == InstanceLists::kKept; }

  // Whether this is the counting form: a row writer then makes no cell text
  // (amounts, formulas, floor texts), since none would be kept.
  bool counting() const { return rows_ == nullptr; }

  // The rows added so far, the header not counted.
  int rows_added() const { return next_id_ - 2; }

 private:
  // Appends the id, the parent id and `cells`; returns the id.
  int StartRow(int parent, std::initializer_list<std::wstring_view> cells);
  // Appends empty cells from cell `written` to the column count.
  void Pad(int written);

  int columns_;
  InstanceLists lists_;
  int next_id_ = 2;
  CStringArray* rows_ = nullptr;  // null in the counting form
};

}  // namespace reportdata

#endif  // REPORTDATA_ROWS_ROW_LAYOUT_H_
