// The rows of the door and window table: layout A of the kinds (code 5), and
// the flagged stream of the regrouped view (code 40).
#ifndef REPORTDATA_ROWS_DOOR_WINDOW_ROWS_H_
#define REPORTDATA_ROWS_DOOR_WINDOW_ROWS_H_

#include <string_view>
#include <vector>

#include "areas/door_window.h"
#include "areas/door_window_regroup.h"
#include "reportdata/framework.h"
#include "rows/row_layout.h"

namespace reportdata {

struct DoorWindowRowOptions {
  const std::wstring* kind = nullptr;  // only the kind of this text; every kind when null
  bool occurrences = false;            // occurrence rows below each floor row
  bool merge = true;                   // occurrence rows of the merged list, else of all
};

// Writes the rows of eleven cells of `kinds` below the writer's header.
void WriteDoorWindowRows(const std::vector<SDoorWindowKind>& kinds,
                         const DoorWindowRowOptions& options, RowWriter& writer);

// Appends the stream of the regrouped kinds whose text equals `name` (every
// kind when it is empty).
void StreamDoorWindows(const std::vector<RegroupedKind>& kinds, std::wstring_view name,
                       CStringArray& out);

}  // namespace reportdata

#endif  // REPORTDATA_ROWS_DOOR_WINDOW_ROWS_H_
