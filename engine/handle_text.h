// The handle query behind the facades' GetHandles: from a row the viewer
// shows and the row's handle text, the floor the row stands for and the
// drawing handles of its instances, each with its two texts.
#ifndef REPORTDATA_ENGINE_HANDLE_TEXT_H_
#define REPORTDATA_ENGINE_HANDLE_TEXT_H_

#include "reportdata/framework.h"

namespace reportdata {

// The row cell that holds the floor for a table type code: 2 for codes 1, 3,
// 6 and 11, 3 for code 2, 0 for codes 0, 7 and 12; -1 for codes the handle
// query does not serve.
int HandleFloorCell(int code);

// For a served code: sets floor to the floor cell of row_cells cut before its
// first "层" (empty when the cell has no "层" or the row is too short), then
// appends to out, for each group of handles, each handle, the group's first
// text and its second text. handles is a "$"-joined sequence of groups
// "h1$h2$...￥first￥second"; empty handles are skipped, a group without "￥"
// ends the parse. For other codes floor and out are left unchanged.
void ParseHandles(int code, const CStringArray& row_cells, const CString& handles, CString& floor,
                  CStringArray& out);

}  // namespace reportdata

#endif  // REPORTDATA_ENGINE_HANDLE_TEXT_H_
