// The table files of the tables built from areas, openings and rooms:
// "\mj.xml" (building area), "\mc.xml" (doors and windows), "\room1.xml" and
// "\room2.xml" (rooms). Writers save the whole file or leave the old one
// (TableFileError on failure). Readers append to the table, skip a missing
// or unparsable file, and throw TableFileError for a file of foreign shape,
// leaving the table as it was before the file.
#ifndef REPORTDATA_PERSIST_AREA_TABLE_FILES_H_
#define REPORTDATA_PERSIST_AREA_TABLE_FILES_H_

#include <string_view>

#include "areas/building_area.h"
#include "areas/door_window.h"

namespace reportdata {

// "\mj.xml": one "Chapter" holding a "Chapter%d" per floor entry from 0.
void WriteBuildingArea(std::wstring_view dir, const CAreaSummaryTable& table);
// Read as "\MJ.xml"; acts only when the root has exactly one child. Num and
// Grade come from the file, not from the labels.
void ReadBuildingArea(std::wstring_view dir, CAreaSummaryTable& table);

// "\mc.xml": kind "Chapter%d", type "Obj%d", floor "Floor%d" and one record
// "Floor%d" per occurrence (its position and its key as "Formula"). The
// reader files each record into both occurrence lists again, so the merged
// list and the counts come back as built; floors take num and grade from
// their labels.
void WriteDoorWindows(std::wstring_view dir, const DoorWindowTable& table);
void ReadDoorWindows(std::wstring_view dir, DoorWindowTable& table);

}  // namespace reportdata

#endif  // REPORTDATA_PERSIST_AREA_TABLE_FILES_H_
