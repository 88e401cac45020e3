// The rows of room table 2 (code 7): floor, room, place, quota item and its
// records, in layout A and in the flagged stream. Room table 1 is shown by
// the quota chapter writers (rows/bill_rows.h). Only what is visible in the
// current partition and kept by a floor selection is written.
#ifndef REPORTDATA_ROWS_ROOM_ROWS_H_
#define REPORTDATA_ROWS_ROOM_ROWS_H_

#include <string_view>
#include <vector>

#include "areas/room_tables.h"
#include "reportdata/framework.h"
#include "rows/row_layout.h"
#include "rows/tree_rows.h"

namespace reportdata {

// The floors by grade, each as its label followed by "层".
void ListRoomFloors(const std::vector<RoomFloor>& floors, CStringArray& items);

// Rows of the floors chosen by `name` (label, or label + "层"; every floor
// when empty).
void WriteRoomFloorRows(std::vector<RoomFloor>& floors, std::wstring_view name,
                        const RowOptions& options, RowWriter& writer);

// "#ZhangFlag#" floor, "#MemFlag#" room, "#PositionFlag#" place,
// "#DEItemFlag#" quota item, then its record lines.
void StreamRoomFloors(CStringArray& out, std::vector<RoomFloor>& floors, std::wstring_view name,
                      const StreamOptions& options);

}  // namespace reportdata

#endif  // REPORTDATA_ROWS_ROOM_ROWS_H_
