// The table files of the two room tables, "\room1.xml" and "\room2.xml"
// (both carry the door and window summary's "Table_Name"). Writers save the
// whole file or leave the old one (TableFileError on failure); readers
// append to the tables, skip a missing or unparsable file, and throw
// TableFileError for a file of foreign shape, leaving the tables as they
// were before the file.
#ifndef REPORTDATA_PERSIST_ROOM_TABLE_FILES_H_
#define REPORTDATA_PERSIST_ROOM_TABLE_FILES_H_

#include <string_view>

#include "areas/room_tables.h"
#include "persist/table_file.h"

namespace reportdata {

inline constexpr TableFileLayout kRoomTable1File{L"\\room1.xml", "门窗汇总表", "Chapter"};
inline constexpr TableFileLayout kRoomTable2File{L"\\room2.xml", "门窗汇总表", "Chapter"};

// "\room1.xml": room "Chapter%d", quota "Type%d", floor "Floor%d",
// component "Floor%d" ("Pos" its sub-type), record "Rec%d". "\room2.xml":
// floor "Chapter%d", room "Floor%d", place "Pos%d", quota "De%d", record
// "Floor%d". Records keep their counted quantity (count × one piece) and
// their text cut at "||"; the count comes back from the "$"-joined positions
// of the merged instances.
void WriteRoomTable1(std::wstring_view dir, const RoomTables& rooms);
void ReadRoomTable1(std::wstring_view dir, RoomTables& rooms);
void WriteRoomTable2(std::wstring_view dir, const RoomTables& rooms);
void ReadRoomTable2(std::wstring_view dir, RoomTables& rooms);

}  // namespace reportdata

#endif  // REPORTDATA_PERSIST_ROOM_TABLE_FILES_H_
