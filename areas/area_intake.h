// Intake of the building-area table from the floor-area records of the
// calculation database: main-body ("FL_MainArea") and balcony ("FL_YTArea")
// areas, each landing on the project floor labels that stand for its floor.
#ifndef REPORTDATA_AREAS_AREA_INTAKE_H_
#define REPORTDATA_AREAS_AREA_INTAKE_H_

#include <vector>

#include "areas/building_area.h"
#include "reportdata/framework.h"
#include "reportdata/records.h"

namespace reportdata {

// Files records into table in their order. A record's floor is resolved
// against project_floors: each single floor it stands for lands on the first
// project label equal to it or standing for it; a floor no label stands for
// lands on itself and is appended to project_floors. Values below 0.001 and
// other kinds are dropped. Linear in records and project floors.
void AddFloorAreas(const std::vector<SNYFloorAreaRecord>& records,
                   std::vector<CString>& project_floors, CAreaSummaryTable& table);

}  // namespace reportdata

#endif  // REPORTDATA_AREAS_AREA_INTAKE_H_
