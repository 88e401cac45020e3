// The table file of the door and window summary, "\mc.xml". The writer
// saves the whole file or leaves the old one (TableFileError on failure);
// the reader appends to the table, skips a missing or unparsable file, and
// throws TableFileError for a file of foreign shape, leaving the table as it
// was before the file.
#ifndef REPORTDATA_PERSIST_DOOR_WINDOW_FILE_H_
#define REPORTDATA_PERSIST_DOOR_WINDOW_FILE_H_

#include <string_view>

#include "areas/door_window.h"
#include "persist/table_file.h"

namespace reportdata {

inline constexpr TableFileLayout kDoorWindowFile{L"\\mc.xml", "门窗汇总表", "Chapter"};

// "\mc.xml": kind "Chapter%d", type "Obj%d", floor "Floor%d" and one record
// "Floor%d" per occurrence (its position and its key as "Formula"). The
// reader files each record into both occurrence lists again, so the merged
// list and the counts come back as built; floors take num and grade from
// their labels.
void WriteDoorWindows(std::wstring_view dir, const DoorWindowTable& table);
void ReadDoorWindows(std::wstring_view dir, DoorWindowTable& table);

}  // namespace reportdata

#endif  // REPORTDATA_PERSIST_DOOR_WINDOW_FILE_H_
