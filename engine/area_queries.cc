// The engine's answers from the area tables: tree items and rows of the
// building-area summary (code 4), of the door and window summary (5, with
// its regrouped view 40 and 15) and of the room tables (6, 7), the project
// areas, the floors of the door and window table, and the intake of the
// building area and the doors and windows during a build.
#include "areas/area_intake.h"
#include "areas/building_area_rows.h"
#include "areas/door_window_regroup.h"
#include "areas/door_window_rows.h"
#include "areas/room_rows.h"
#include "areas/sorted_view.h"
#include "engine/analyze.h"
#include "engine/bill_rows.h"
#include "keys/number_format.h"

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

constexpr int kRoomColumns = 12;

RowOptions RoomRowOptions(const RowFilter& filter, bool records) {
  RowOptions options;
  options.filter = filter;
  options.records = records;
  return options;
}

StreamOptions RoomStreamOptions(const RowFilter& filter) {
  StreamOptions options;
  options.filter = filter;
  return options;
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
    case 6:
      ListChapters(areas_.rooms.by_room(), areas_.rooms.by_room_index(), partition_, items);
      return true;
    case 7:
      ListRoomFloors(areas_.rooms.by_floor(), items);
      return true;
    default:
      return false;
  }
}

void CAnalyze::WriteRoomRows(int code, std::wstring_view name, const RowFilter& filter,
                             bool records, CStringArray& rows) {
  rows.RemoveAll();
  RowWriter writer(kRoomColumns, condition_, rows);
  const RowOptions options = RoomRowOptions(filter, records);
  if (code == 6) {
    WriteQuotaChapterRows(areas_.rooms.by_room(), areas_.rooms.by_room_index(),
                          ChapterChoice{name, {}}, options, writer);
  } else {
    WriteRoomFloorRows(areas_.rooms.by_floor(), name, options, writer);
  }
}

void CAnalyze::StreamRooms(int code, std::wstring_view name, const RowFilter& filter,
                           CStringArray& out) {
  const StreamOptions options = RoomStreamOptions(filter);
  if (code == 6) {
    StreamQuotaChapters(out, areas_.rooms.by_room(), areas_.rooms.by_room_index(),
                        ChapterChoice{name, {}}, options);
  } else {
    StreamRoomFloors(out, areas_.rooms.by_floor(), name, options);
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
    case 6:
    case 7:
      WriteRoomRows(code, name, RowFilter{partition_, nullptr}, !name.empty(), rows);
      return true;
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
    case 6:
    case 7: {
      const FloorSelection selection(floors, second);
      WriteRoomRows(code, {}, RowFilter{partition_, &selection}, true, rows);
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
    case 6:
    case 7:
      StreamRooms(code, name, RowFilter{partition_, nullptr}, rows);
      return true;
    case 14:
    case 15:
      StreamComponentTable(code, name, rows);
      return true;
    default:
      return false;
  }
}

void CAnalyze::StreamComponentTable(int code, std::wstring_view category, CStringArray& out) {
  ComponentTable& table = areas_.component_table;
  // A project whose report directory has no component table file fills the
  // table from the component summary of the side asked for.
  if (table.groups().empty()) {
    if (tables_.component_summary().empty()) {
      if (code == 14) {
        tables_.BuildComponentSummaryFromBills();
      } else {
        tables_.BuildComponentSummaryFromQuotas();
      }
    }
    table.AddSummary(tables_.component_summary());
  }
  table.Stream(category, out);
}

bool CAnalyze::AreaDataByCondition(int code, CStringArray& a, CStringArray& b, CStringArray& c) {
  switch (code) {
    case 4:
      StreamBuildingArea(areas_.building_area.SelectFloors(Labels(a)), c);
      return true;
    case 40:
      StreamDoorWindows(Regroup(areas_.doors_windows.Select(Labels(a), Labels(b))), {}, c);
      return true;
    case 6: {
      const FloorSelection selection(a, b);
      StreamRooms(code, {}, RowFilter{partition_, &selection}, c);
      return true;
    }
    default:
      return false;
  }
}

}  // namespace reportdata
