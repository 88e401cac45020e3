// The engine's answers from the area tables: tree items and rows of the
// building-area summary (code 4) and of the door and window summary (5, with
// its regrouped view 40 and 15), the project areas, the floors of the door
// and window table, and the intake of both tables during a build.
#include "areas/area_intake.h"
#include "areas/building_area_rows.h"
#include "areas/door_window_regroup.h"
#include "areas/door_window_rows.h"
#include "areas/sorted_view.h"
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

void CAnalyze::GetDoorWindowFloors(CStringArray& floors) {
  floors.RemoveAll();
  std::vector<SAreaFloorItem> labelled;
  for (const std::wstring& label : areas_.doors_windows.FloorLabels()) {
    labelled.push_back(MakeAreaFloor(label));
  }
  for (const SAreaFloorItem* floor : ByGrade(labelled)) floors.Add(CString(floor->label + L"层"));
}

void CAnalyze::BuildDoorWindows() {
  areas_.doors_windows.Clear();
  std::vector<SNYDoorWindowRecord> records;
  if (database_ == nullptr || !database_->GetDoorWindows(records)) return;
  AddDoorWindows(records, areas_.doors_windows);
}

void CAnalyze::BuildBuildingArea() {
  std::vector<SNYFloorAreaRecord> records;
  if (database_ == nullptr || !database_->GetFloorAreas(records)) return;
  AddFloorAreas(records, cal_floors_, areas_.building_area);
  for (const SAreaFloorItem& floor : areas_.building_area.floors()) {
    cloud_.AddArea(floor.label, floor.Area());
  }
}

bool CAnalyze::AreaTreeItem(int code, CStringArray& items) {
  switch (code) {
    case 4:
      items.Add(CString(areas_.building_area.name()));
      return true;
    case 5:
      for (const SDoorWindowKind& kind : areas_.doors_windows.kinds())
        items.Add(CString(kind.kind));
      return true;
    case 15:
      for (const RegroupedKind& kind : Regroup(areas_.doors_windows.kinds())) {
        items.Add(CString(kind.kind));
      }
      return true;
    default:
      return false;
  }
}

bool CAnalyze::AreaItemData(int code, std::wstring_view name, CStringArray& rows) {
  switch (code) {
    case 4:
      WriteBuildingAreaRows(areas_.building_area, condition_, rows);
      return true;
    case 5: {
      const std::wstring kind(name);
      DoorWindowRowOptions options;
      options.kind = name.empty() ? nullptr : &kind;
      options.occurrences = !name.empty();
      options.merge = merge_;
      WriteDoorWindowRows(areas_.doors_windows.kinds(), options, condition_, rows);
      return true;
    }
    default:
      return false;
  }
}

bool CAnalyze::AreaSelectedData(int code, const CStringArray& floors, const CStringArray& second,
                                CStringArray& rows) {
  switch (code) {
    case 4:
      WriteBuildingAreaRows(areas_.building_area.SelectFloors(Labels(floors)), condition_, rows);
      return true;
    case 5: {
      DoorWindowRowOptions options;
      options.occurrences = true;
      options.merge = merge_;
      WriteDoorWindowRows(areas_.doors_windows.Select(Labels(floors), Labels(second)), options,
                          condition_, rows);
      return true;
    }
    default:
      return false;
  }
}

bool CAnalyze::AreaNewItemData(int code, std::wstring_view name, CStringArray& rows) {
  switch (code) {
    case 4:
      StreamBuildingArea(areas_.building_area, rows);
      return true;
    case 40:
      StreamDoorWindows(Regroup(areas_.doors_windows.kinds()), name, rows);
      return true;
    default:
      return false;
  }
}

bool CAnalyze::AreaDataByCondition(int code, CStringArray& a, CStringArray& b, CStringArray& c) {
  switch (code) {
    case 4:
      StreamBuildingArea(areas_.building_area.SelectFloors(Labels(a)), c);
      return true;
    case 40:
      StreamDoorWindows(Regroup(areas_.doors_windows.Select(Labels(a), Labels(b))), {}, c);
      return true;
    default:
      return false;
  }
}

}  // namespace reportdata
