// The engine's answers from the area tables outside the row queries (the
// project areas, the floors of the door and window table) and the intake of
// the building area and the doors and windows during a build.
#include "areas/area_intake.h"
#include "areas/sorted_view.h"
#include "engine/analyze.h"
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

void CAnalyze::GetDoorWindowFloors(CStringArray& floors) {
  deferred_.LoadAll();
  floors.RemoveAll();
  std::vector<SDoorWindowFloor> labelled;
  for (const std::wstring& label : areas_.doors_windows.FloorLabels()) {
    labelled.push_back(MakeDoorWindowFloor(label));
  }
  for (const SDoorWindowFloor* floor : ByGrade(labelled)) {
    floors.Add(CString(floor->label + L"层"));
  }
}

bool CAnalyze::BuildDoorWindows() {
  areas_.doors_windows.Clear();
  std::vector<SNYDoorWindowRecord> records;
  if (database_ == nullptr) return true;
  if (!database_->GetDoorWindows(records)) return false;
  AddDoorWindows(records, areas_.doors_windows);
  return true;
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
