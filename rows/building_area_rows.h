// The rows of the building-area table: layout A (a total row, floor rows
// sorted by grade, one item row per area) and the flagged stream of layout B
// (nine totals, then each floor with its main and balcony area).
#ifndef REPORTDATA_ROWS_BUILDING_AREA_ROWS_H_
#define REPORTDATA_ROWS_BUILDING_AREA_ROWS_H_

#include "areas/building_area.h"
#include "reportdata/framework.h"
#include "rows/row_layout.h"

namespace reportdata {

// Writes the table's rows of ten cells below the writer's header.
void WriteBuildingAreaRows(const CAreaSummaryTable& table, RowWriter& writer);

// Appends the layout B stream of the table to out.
void StreamBuildingArea(const CAreaSummaryTable& table, CStringArray& out);

}  // namespace reportdata

#endif  // REPORTDATA_ROWS_BUILDING_AREA_ROWS_H_
