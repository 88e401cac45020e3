// The definitions of the codes answered from the area tables: the building
// area (4), the doors and windows (5, regrouped 40 and 15), the room tables
// (6, 7), the index analysis (10), the component table's stream of the
// quota side (15) and the handle query's own code (0).
#include "areas/door_window_regroup.h"
#include "engine/table_definitions.h"
#include "rows/bill_rows.h"
#include "rows/building_area_rows.h"
#include "rows/door_window_rows.h"
#include "rows/index_analysis_rows.h"
#include "rows/room_rows.h"
#include "rows/row_layout.h"
#include "rows/row_selection.h"
#include "rows/tree_rows.h"

namespace reportdata {
namespace {

std::vector<std::wstring> Labels(const CStringArray& floors) {
  std::vector<std::wstring> labels;
  labels.reserve(floors.GetSize());
  for (INT_PTR i = 0; i < floors.GetSize(); ++i) labels.push_back(floors[i].str());
  return labels;
}

CodeDefinition BuildingArea() {
  CodeDefinition area{4, CodeDefinition::kAllHeld};
  area.tree_items = [](TableContext& context, CStringArray& items) {
    items.Add(CString(context.areas.building_area.name()));
  };
  // Its rows are appended, and a name chooses nothing.
  area.item_rows = [](TableContext& context, std::wstring_view, RowWriter& writer) {
    WriteBuildingAreaRows(context.areas.building_area, writer);
  };
  area.item_rows_append = true;
  area.selected_rows = [](TableContext& context, const CStringArray& floors, const CStringArray&,
                          CStringArray& rows) {
    RowWriter writer(WidthOf(4), context.state.condition, rows);
    WriteBuildingAreaRows(context.areas.building_area.SelectFloors(Labels(floors)), writer);
  };
  area.stream = [](TableContext& context, std::wstring_view, CStringArray& out) {
    StreamBuildingArea(context.areas.building_area, out);
  };
  area.by_condition = [](TableContext& context, CStringArray& a, CStringArray&, CStringArray& c,
                         std::wstring_view) {
    StreamBuildingArea(context.areas.building_area.SelectFloors(Labels(a)), c);
  };
  return area;
}

// Layout A of doors and windows (5), appended; the regrouped stream (40)
// and tree items (15).
CodeDefinition DoorsWindows() {
  CodeDefinition doors{5, CodeDefinition::kAllHeld};
  doors.tree_items = [](TableContext& context, CStringArray& items) {
    for (const SDoorWindowKind& kind : context.areas.doors_windows.kinds())
      items.Add(CString(kind.kind));
  };
  doors.item_rows = [](TableContext& context, std::wstring_view name, RowWriter& writer) {
    const std::wstring kind(name);
    DoorWindowRowOptions options;
    options.kind = name.empty() ? nullptr : &kind;
    options.occurrences = !name.empty();
    options.merge = context.state.merge;
    WriteDoorWindowRows(context.areas.doors_windows.kinds(), options, writer);
  };
  doors.item_rows_append = true;
  doors.selected_rows = [](TableContext& context, const CStringArray& floors,
                           const CStringArray& codes, CStringArray& rows) {
    DoorWindowRowOptions options;
    options.occurrences = true;
    options.merge = context.state.merge;
    RowWriter writer(WidthOf(5), context.state.condition, rows);
    WriteDoorWindowRows(context.areas.doors_windows.Select(Labels(floors), Labels(codes)), options,
                        writer);
  };
  return doors;
}

CodeDefinition RegroupedDoorsWindows() {
  CodeDefinition regrouped{40, CodeDefinition::kAllHeld};
  regrouped.stream = [](TableContext& context, std::wstring_view name, CStringArray& out) {
    StreamDoorWindows(Regroup(context.areas.doors_windows.kinds()), name, out);
  };
  regrouped.by_condition = [](TableContext& context, CStringArray& a, CStringArray& b,
                              CStringArray& c, std::wstring_view) {
    StreamDoorWindows(Regroup(context.areas.doors_windows.Select(Labels(a), Labels(b))), {}, c);
  };
  return regrouped;
}

// Code 15: the regrouped door and window kinds as tree items, and the
// component table of the quota side as new-style rows.
CodeDefinition QuotaComponentTable() {
  CodeDefinition table{15, CodeDefinition::kAllHeld};
  table.tree_items = [](TableContext& context, CStringArray& items) {
    for (const RegroupedKind& kind : Regroup(context.areas.doors_windows.kinds()))
      items.Add(CString(kind.kind));
  };
  table.stream = [](TableContext& context, std::wstring_view name, CStringArray& out) {
    StreamComponentTable(context, false, name, out);
  };
  return table;
}

// Room table 1 (room → quota item → floor → component → record) reads its
// rooms as chapters; room table 2 groups them by floor.
void WriteRoomRows(TableContext& context, bool by_room, std::wstring_view name,
                   const FloorSelection* selection, RowWriter& writer) {
  RowOptions options;
  options.filter = RowFilter{context.state.partition, selection};
  options.records = selection != nullptr || !name.empty();
  RoomTables& rooms = context.areas.rooms;
  if (by_room) {
    WriteQuotaChapterRows(rooms.by_room(), rooms.by_room_index(), ChapterChoice{name, {}}, options,
                          writer);
  } else {
    WriteRoomFloorRows(rooms.by_floor(), name, options, writer);
  }
}

void StreamRooms(TableContext& context, bool by_room, std::wstring_view name,
                 const FloorSelection* selection, CStringArray& out) {
  StreamOptions options;
  options.filter = RowFilter{context.state.partition, selection};
  RoomTables& rooms = context.areas.rooms;
  if (by_room) {
    StreamQuotaChapters(out, rooms.by_room(), rooms.by_room_index(), ChapterChoice{name, {}},
                        options);
  } else {
    StreamRoomFloors(out, rooms.by_floor(), name, options);
  }
}

template <bool kByRoom>
CodeDefinition RoomTable(int code, int handle_floor_cell) {
  CodeDefinition room{code, CodeDefinition::kAllHeld, handle_floor_cell};
  room.tree_items = [](TableContext& context, CStringArray& items) {
    RoomTables& rooms = context.areas.rooms;
    if (kByRoom) {
      ListChapters(rooms.by_room(), rooms.by_room_index(), context.state.partition, items);
    } else {
      ListRoomFloors(rooms.by_floor(), items);
    }
  };
  room.item_rows = [](TableContext& context, std::wstring_view name, RowWriter& writer) {
    WriteRoomRows(context, kByRoom, name, nullptr, writer);
  };
  room.selected_rows = [](TableContext& context, const CStringArray& floors,
                          const CStringArray& second, CStringArray& rows) {
    const FloorSelection selection(floors, second);
    rows.RemoveAll();
    RowWriter writer(WidthOf(kByRoom ? 6 : 7), context.state.condition, rows);
    WriteRoomRows(context, kByRoom, {}, &selection, writer);
  };
  room.stream = [](TableContext& context, std::wstring_view name, CStringArray& out) {
    StreamRooms(context, kByRoom, name, nullptr, out);
  };
  // Room table 2 answers no selection of its stream.
  if (kByRoom) {
    room.by_condition = [](TableContext& context, CStringArray& a, CStringArray& b, CStringArray& c,
                           std::wstring_view) {
      const FloorSelection selection(a, b);
      StreamRooms(context, kByRoom, {}, &selection, c);
    };
  }
  return room;
}

// The index analysis answers no floor selection.
CodeDefinition IndexAnalysis() {
  CodeDefinition index{10, CodeDefinition::kAllHeld};
  index.tree_items = [](TableContext& context, CStringArray& items) {
    for (const SIndexGroup& group : context.areas.index_analysis.groups())
      items.Add(CString(group.name));
  };
  index.item_rows = [](TableContext& context, std::wstring_view name, RowWriter& writer) {
    WriteIndexAnalysisRows(context.areas.index_analysis, name, writer);
  };
  index.stream = [](TableContext& context, std::wstring_view name, CStringArray& out) {
    StreamIndexAnalysis(context.areas.index_analysis, name, out);
  };
  return index;
}

const CodeDefinition kCodes[] = {
    // The handle query of a row that names its floor in cell 0.
    CodeDefinition{0, CodeDefinition::kAllHeld, 0},
    BuildingArea(),
    DoorsWindows(),
    RegroupedDoorsWindows(),
    QuotaComponentTable(),
    RoomTable<true>(6, 2),
    RoomTable<false>(7, 0),
    IndexAnalysis(),
};

}  // namespace

std::span<const CodeDefinition> AreaCodes() { return kCodes; }

void StreamComponentTable(TableContext& context, bool from_bills, std::wstring_view category,
                          CStringArray& out) {
  ComponentTable& table = context.areas.component_table;
  if (table.groups().empty()) {
    if (context.tables.component_summary().empty()) {
      if (from_bills) {
        context.tables.BuildComponentSummaryFromBills();
      } else {
        context.tables.BuildComponentSummaryFromQuotas();
      }
    }
    table.AddSummary(context.tables.component_summary());
  }
  table.Stream(category, out);
}

}  // namespace reportdata
