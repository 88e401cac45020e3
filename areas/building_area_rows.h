// The rows of the building-area table: layout A (a total row, floor rows
// sorted by grade, one item row per area) and the flagged stream of layout B
// (nine totals, then each floor with its main and balcony area).
#ifndef REPORTDATA_AREAS_BUILDING_AREA_ROWS_H_
#define REPORTDATA_AREAS_BUILDING_AREA_ROWS_H_

#include <string_view>

#include "areas/building_area.h"
#include "reportdata/framework.h"

namespace reportdata {

// Appends the header row and the table's rows of ten cells to rows.
void WriteBuildingAreaRows(const CAreaSummaryTable& table, std::wstring_view condition,
                           CStringArray& rows);

// Appends the layout B stream of the table to out.
void StreamBuildingArea(const CAreaSummaryTable& table, CStringArray& out);

}  // namespace reportdata

#endif  // REPORTDATA_AREAS_BUILDING_AREA_ROWS_H_
