// The table file of the building-area summary, "\mj.xml". The writer saves
// the whole file or leaves the old one (TableFileError on failure); the
// reader appends to the table, skips a missing or unparsable file, and
// throws TableFileError for a file of foreign shape, leaving the table as it
// was before the file.
#ifndef REPORTDATA_PERSIST_BUILDING_AREA_FILE_H_
#define REPORTDATA_PERSIST_BUILDING_AREA_FILE_H_

#include <string_view>

#include "areas/building_area.h"
#include "persist/table_file.h"

namespace reportdata {

inline constexpr TableFileLayout kBuildingAreaFile{L"\\mj.xml", "建筑面积汇总表", "Chapter"};
// The building-area file is read under this spelling.
inline constexpr wchar_t kBuildingAreaReadName[] = L"\\MJ.xml";

// "\mj.xml": one "Chapter" holding a "Chapter%d" per floor entry from 0.
void WriteBuildingArea(std::wstring_view dir, const CAreaSummaryTable& table);
// Read as "\MJ.xml"; acts only when the root has exactly one child. Num and
// Grade come from the file, not from the labels.
void ReadBuildingArea(std::wstring_view dir, CAreaSummaryTable& table);

}  // namespace reportdata

#endif  // REPORTDATA_PERSIST_BUILDING_AREA_FILE_H_
