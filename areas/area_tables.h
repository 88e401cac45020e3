// The tables the engine builds from areas, openings and rooms rather than
// from bill and quota items: the building-area summary (code 4) and the
// index analysis (code 10), and the component table. The engine
// owns one AreaTables by value; the builds fill it, the table files restore
// it, and ReleaseAll empties it.
#ifndef REPORTDATA_AREAS_AREA_TABLES_H_
#define REPORTDATA_AREAS_AREA_TABLES_H_

#include "areas/building_area.h"
#include "areas/component_table.h"
#include "areas/index_analysis.h"

namespace reportdata {

struct AreaTables {
  CAreaSummaryTable building_area;
  IndexAnalysisTable index_analysis;
  ComponentTable component_table;

  void Clear() {
    building_area.Clear();
    index_analysis.Clear();
    component_table.Clear();
  }
};

}  // namespace reportdata

#endif  // REPORTDATA_AREAS_AREA_TABLES_H_
