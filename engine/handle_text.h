// The handle query behind the facades' GetHandles: from a row the viewer
// shows and the row's handle text, the floor the row stands for and the
// drawing handles of its instances, each with its two texts.
#ifndef REPORTDATA_ENGINE_HANDLE_TEXT_H_
#define REPORTDATA_ENGINE_HANDLE_TEXT_H_

#include "reportdata/framework.h"

namespace reportdata {

// Sets floor to the cell floor_cell of row_cells (the cell that a table's
// definition names, see table_definitions.h) cut before its first "层"
// (empty when the cell has no "层" or the row is too short), then appends to
// out, for each group of handles, each handle, the group's first text and
// its second text. handles is a "$"-joined sequence of groups
// "h1$h2$...￥first￥second"; empty handles are skipped, a group without "￥"
// ends the parse. REQUIRES: floor_cell >= 0.
void ParseHandles(int floor_cell, const CStringArray& row_cells, const CString& handles,
                  CString& floor, CStringArray& out);

}  // namespace reportdata

#endif  // REPORTDATA_ENGINE_HANDLE_TEXT_H_
