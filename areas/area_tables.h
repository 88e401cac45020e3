// The tables the engine builds from areas, openings and rooms rather than
// from bill and quota items: the building-area summary (code 4), the door
// and window summary (code 5, regrouped as codes 40 and 15), the two room
// tables (codes 6 and 7) and the index analysis (code 10). The engine owns
// one AreaTables by value; the builds fill it, the table files restore it,
// and ReleaseAll empties it. The trees that other parts of the engine name
// (a build fills them beside the filing of records, or another table reads
// them) are its members; the others are kept among its owned trees
// (areas/owned_trees.h), reached by their own tables alone.
#ifndef REPORTDATA_AREAS_AREA_TABLES_H_
#define REPORTDATA_AREAS_AREA_TABLES_H_

#include "areas/building_area.h"
#include "areas/component_table.h"
#include "areas/index_analysis.h"
#include "areas/owned_trees.h"

namespace reportdata {

struct AreaTables {
  CAreaSummaryTable building_area;
  IndexAnalysisTable index_analysis;
  ComponentTable component_table;
  OwnedTrees owned;  // the door and window table's, the rooms, and those of their kind

  void Clear() {
    building_area.Clear();
    index_analysis.Clear();
    component_table.Clear();
    owned.Clear();
  }
};

}  // namespace reportdata

#endif  // REPORTDATA_AREAS_AREA_TABLES_H_
