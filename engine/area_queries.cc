// The engine's answers from the area tables outside the row queries (the
// project areas) and the intake of
// the building area and of the tables read from the calculation database
// during a build.
#include "areas/area_intake.h"
#include "engine/analyze.h"
#include "engine/table_definitions.h"
#include "keys/number_format.h"

namespace reportdata {
namespace {

// "" for an area of at most 0.01 m², else "%.2f".
CString AreaText(double area) {
  if (area <= 0.01) return CString();
  std::wstring text;
  AppendFixed(text, area, 2);
  return CString(text);
}

}  // namespace

void CAnalyze::GetProjectArea(CString& total, CString& above_ground, CString& below_ground,
                              CString& first_floor) {
  deferred_.LoadAll();
  const ProjectAreas areas = areas_.building_area.Areas();
  total = AreaText(areas.total);
  above_ground = AreaText(areas.above_ground);
  below_ground = AreaText(areas.below_ground);
  first_floor = AreaText(areas.first_floor);
}

bool CAnalyze::ReadDatabaseTables() {
  bool read = true;
  for (const TableDefinition* table : TableDefinitions()) {
    if (table->read_database != nullptr) read = table->read_database(database_, areas_) && read;
  }
  return read;
}

bool CAnalyze::BuildBuildingArea() {
  std::vector<SNYFloorAreaRecord> records;
  if (database_ == nullptr) return true;
  if (!database_->GetFloorAreas(records)) return false;
  AddFloorAreas(records, cal_floors_, areas_.building_area);
  for (const SAreaFloorItem& floor : areas_.building_area.floors()) {
    cloud_.AddArea(floor.label, floor.Area());
  }
  return true;
}

}  // namespace reportdata
