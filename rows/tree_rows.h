// Rows of the lower tree levels shared by the bill and quota tables: an
// item's floors, a floor's components and a component's measurement records,
// in layout A (tree grid, via RowWriter) and layout B (flagged stream). Each
// level is sorted in place before it is written and only what is visible and
// selected is written.
#ifndef REPORTDATA_ROWS_TREE_ROWS_H_
#define REPORTDATA_ROWS_TREE_ROWS_H_

#include <string>
#include <string_view>
#include <vector>

#include "model/report_tree.h"
#include "reportdata/framework.h"
#include "rows/row_layout.h"
#include "rows/row_selection.h"

namespace reportdata {

// Cell layout of a layout A answer below the item level.
struct RowOptions {
  RowFilter filter;
  bool merge = true;     // false: merged records are written once per instance
  bool records = false;  // write record rows
  bool wide = false;     // bill consumption: one more column (the quota text) before the floor
};

// Floor rows of an item, each followed by its component and record rows.
void WriteFloorRows(RowWriter& writer, int item_row, std::wstring_view item_text,
                    std::vector<SQdFloorNode>& floors, FloorIndex& index,
                    const RowOptions& options);

// A floor-level row (an item's quantity on one floor, or a quota item of a
// floor group): display text, floor text, unit, quantity and formula.
int WriteFloorLevelRow(RowWriter& writer, int parent, bool wide, std::wstring_view text,
                       std::wstring_view floor_text, std::wstring_view unit, double quantity,
                       std::wstring_view formula);

// Component rows (with their records) of components that `match` keeps.
void WriteComponentRows(RowWriter& writer, int parent, std::vector<SQdCompNode>& components,
                        HashIndex& index, const FloorMatch& match, std::wstring_view unit,
                        const RowOptions& options);

// Record rows of visible records.
void WriteRecordRows(RowWriter& writer, int parent, std::vector<SQdRecordNode>& records,
                     HashIndex& index, std::wstring_view unit, const RowOptions& options);

// The record line of the JSS streams: none, the description as stored (or
// the partition entry's text), or the description cut before "||".
enum class RecordLine { kNone, kDescription, kCutDescription };

struct StreamOptions {
  RowFilter filter;
  bool merge = true;
  RecordLine records = RecordLine::kNone;
};

// "#FloorFlag#" records of an item's floors with their components.
void StreamFloors(CStringArray& out, std::vector<SQdFloorNode>& floors, FloorIndex& index,
                  const StreamOptions& options);

// "#AttNameFlag#" records of the components that `match` keeps.
void StreamComponents(CStringArray& out, std::vector<SQdCompNode>& components, HashIndex& index,
                      const FloorMatch& match, const StreamOptions& options);

// "#RecordFlag#" lines of visible records (nothing for RecordLine::kNone).
void StreamRecords(CStringArray& out, std::vector<SQdRecordNode>& records, HashIndex& index,
                   const StreamOptions& options);

// Concatenated handle lists of the visible records.
std::wstring ComponentHandles(const SQdCompNode& component, std::wstring_view partition);
std::wstring ComponentHandles(const std::vector<SQdRecordNode>& records,
                              std::wstring_view partition);

// Appends one string to a row array.
void Put(CStringArray& out, std::wstring_view text);
void Put(CStringArray& out, std::wstring&& text);
void Put(CStringArray& out, const wchar_t* text);

// Floor text followed by "层".
std::wstring FloorText(std::wstring_view floor_text);

}  // namespace reportdata

#endif  // REPORTDATA_ROWS_TREE_ROWS_H_
