// The engine's answers from the area tables: tree items and rows of the
// building-area summary (code 4), the project areas, the floors of the door
// and window table, and the intake of the building area during a build.
#include "areas/area_intake.h"
#include "areas/building_area_rows.h"
#include "engine/analyze.h"
#include "model/number_format.h"

namespace reportdata {
namespace {

std::vector<std::wstring> Labels(const CStringArray& floors) {
  std::vector<std::wstring> labels;
  labels.reserve(floors.GetSize());
  for (INT_PTR i = 0; i < floors.GetSize(); ++i) labels.push_back(floors[i].str());
  return labels;
}

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
  const ProjectAreas areas = areas_.building_area.Areas();
  total = AreaText(areas.total);
  above_ground = AreaText(areas.above_ground);
  below_ground = AreaText(areas.below_ground);
  first_floor = AreaText(areas.first_floor);
}

void CAnalyze::GetDoorWindowFloors(CStringArray& /*floors*/) {}

void CAnalyze::BuildBuildingArea() {
  std::vector<SNYFloorAreaRecord> records;
  if (database_ == nullptr || !database_->GetFloorAreas(records)) return;
  AddFloorAreas(records, cal_floors_, areas_.building_area);
  for (const SAreaFloorItem& floor : areas_.building_area.floors()) {
    cloud_.AddArea(floor.label, floor.Area());
  }
}

bool CAnalyze::AreaTreeItem(int code, CStringArray& items) {
  if (code != 4) return false;
  items.Add(CString(areas_.building_area.name()));
  return true;
}

bool CAnalyze::AreaItemData(int code, std::wstring_view /*name*/, CStringArray& rows) {
  if (code != 4) return false;
  WriteBuildingAreaRows(areas_.building_area, condition_, rows);
  return true;
}

bool CAnalyze::AreaSelectedData(int code, const CStringArray& floors,
                                const CStringArray& /*second*/, CStringArray& rows) {
  if (code != 4) return false;
  WriteBuildingAreaRows(areas_.building_area.SelectFloors(Labels(floors)), condition_, rows);
  return true;
}

bool CAnalyze::AreaNewItemData(int code, std::wstring_view /*name*/, CStringArray& rows) {
  if (code != 4) return false;
  StreamBuildingArea(areas_.building_area, rows);
  return true;
}

bool CAnalyze::AreaDataByCondition(int code, CStringArray& a, CStringArray& /*b*/,
                                   CStringArray& c) {
  if (code != 4) return false;
  StreamBuildingArea(areas_.building_area.SelectFloors(Labels(a)), c);
  return true;
}

}  // namespace reportdata
