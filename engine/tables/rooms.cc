// The two room tables: room table 1 (房间汇总表, code 6: room → quota item →
// floor → component → record, its rooms read as chapters) and room table 2
// (分层房间汇总表, code 7: the rooms grouped by floor). For each its
// catalogue entry and columns, the definition of its code, its rows (room
// table 2's own: floor, room, place, quota item and its records, only what
// is visible in the current partition and kept by a floor selection; room
// table 1 is shown by the quota chapter writers of rows/bill_rows.h), its file
// ("\room1.xml", "\room2.xml") and the forwarders of its facade (RoomTable1,
// RoomTable2). Both are filed from one intake into RoomTables.
#include <algorithm>
#include <string>

#include "areas/room_tables.h"
#include "areas/sorted_view.h"
#include "engine/analyze.h"
#include "engine/facade_forwarders.h"
#include "engine/table_definitions.h"
#include "keys/floor_text.h"
#include "keys/number_format.h"
#include "model/tree_order.h"
#include "model/tree_quantity.h"
#include "persist/room_table_files.h"
#include "reportdata/facades.h"
#include "rows/bill_rows.h"
#include "rows/quota_floor_rows.h"
#include "rows/row_selection.h"
#include "rows/tree_rows.h"

namespace reportdata {
namespace {

// Quantity of a quota item of one floor: its visible records times the
// storeys of the floor.
struct QuotaSum {
  double quantity = 0.0;
  bool visible = false;
};

QuotaSum SumQuota(const SDeCalcQuotaNode& quota, int num, std::wstring_view partition) {
  QuotaSum sum;
  for (const SQdRecordNode& record : quota.records) {
    if (!RecordVisible(record, partition)) continue;
    sum.visible = true;
    sum.quantity += RecordQuantity(record, partition);
  }
  sum.quantity *= num;
  return sum;
}

bool PlaceVisible(const RoomPlace& place, std::wstring_view partition) {
  for (const SDeCalcQuotaNode& quota : place.quotas) {
    if (SumQuota(quota, 1, partition).visible) return true;
  }
  return false;
}

bool RoomVisible(const RoomGroup& room, std::wstring_view partition) {
  for (const RoomPlace& place : room.places) {
    if (PlaceVisible(place, partition)) return true;
  }
  return false;
}

// Room table 2 names its floors by their label followed by "层", as its tree
// items list them; the bare label chooses no floor.
bool FloorChosen(std::wstring_view label, std::wstring_view name) {
  return name.empty() ||
         (name.size() == label.size() + 1 && name.starts_with(label) && name.back() == L'层');
}

bool FloorShown(const RoomFloor& floor, std::wstring_view name, const RowFilter& filter) {
  if (!FloorChosen(floor.label, name) || !FloorMatch(filter, floor.label).stays()) return false;
  for (const RoomGroup& room : floor.rooms) {
    if (RoomVisible(room, filter.partition)) return true;
  }
  return false;
}

// The floors by grade; the quota lists below them are sorted in place.
std::vector<RoomFloor*> ByGradeMutable(std::vector<RoomFloor>& floors) {
  std::vector<RoomFloor*> view;
  view.reserve(floors.size());
  for (RoomFloor& floor : floors) view.push_back(&floor);
  std::stable_sort(view.begin(), view.end(),
                   [](const RoomFloor* a, const RoomFloor* b) { return a->grade < b->grade; });
  return view;
}

// The floors by grade, each as its label followed by "层".
void ListRoomFloors(const std::vector<RoomFloor>& floors, CStringArray& items) {
  for (const RoomFloor* floor : ByGrade(floors)) Put(items, FloorText(floor->label));
}

// Rows of the floors chosen by `name` (label, or label + "层"; every floor
// when empty).
void WriteRoomFloorRows(std::vector<RoomFloor>& floors, std::wstring_view name,
                        const RowOptions& options, RowWriter& writer) {
  const std::wstring_view partition = options.filter.partition;
  for (RoomFloor* floor : ByGradeMutable(floors)) {
    if (!FloorShown(*floor, name, options.filter)) continue;
    const int floor_row = writer.AddRow(0, {FloorText(floor->label)});
    for (RoomGroup& room : floor->rooms) {
      if (!RoomVisible(room, partition)) continue;
      const int room_row = writer.AddRow(floor_row, {L"", room.room});
      for (RoomPlace& place : room.places) {
        if (!PlaceVisible(place, partition)) continue;
        const int place_row = writer.AddRow(room_row, {L"", L"", place.name});
        SortQuotaItems(place);
        for (SDeCalcQuotaNode& quota : place.quotas) {
          const QuotaSum sum = SumQuota(quota, floor->num, partition);
          if (!sum.visible) continue;
          const int quota_row = writer.AddRow(
              place_row, {L"", QuotaItemText(quota.code, quota.name, quota.categories), L"", L"",
                          L"", quota.unit, FormatQuantity(sum.quantity)});
          if (options.records) {
            WriteRecordRows(writer, quota_row, quota.records, quota.record_index, quota.unit,
                            options);
          }
        }
      }
    }
  }
}

// "#ZhangFlag#" floor, "#MemFlag#" room, "#PositionFlag#" place,
// "#DEItemFlag#" quota item, then its record lines.
void StreamRoomFloors(CStringArray& out, std::vector<RoomFloor>& floors, std::wstring_view name,
                      const StreamOptions& options) {
  const std::wstring_view partition = options.filter.partition;
  for (RoomFloor* floor : ByGradeMutable(floors)) {
    if (!FloorShown(*floor, name, options.filter)) continue;
    Put(out, L"#ZhangFlag#");
    Put(out, FloorText(floor->label));
    for (RoomGroup& room : floor->rooms) {
      if (!RoomVisible(room, partition)) continue;
      Put(out, L"#MemFlag#");
      Put(out, room.room);
      for (RoomPlace& place : room.places) {
        if (!PlaceVisible(place, partition)) continue;
        Put(out, L"#PositionFlag#");
        Put(out, place.name);
        SortQuotaItems(place);
        for (SDeCalcQuotaNode& quota : place.quotas) {
          const QuotaSum sum = SumQuota(quota, floor->num, partition);
          if (!sum.visible) continue;
          Put(out, L"#DEItemFlag#");
          Put(out, quota.code);
          Put(out, quota.name);
          Put(out, quota.unit);
          Put(out, FormatQuantity(sum.quantity));
          Put(out, CategoryText(quota.categories));
          StreamRecords(out, quota.records, quota.record_index, options);
        }
      }
    }
  }
}

using namespace column_words;

// Room table 1: room → quota item → floor → component → record.
constexpr NamedColumn kRoomColumns[] = {
    {"room", "房间", T, kLabel, {{2}}},
    {"code", "编码", T, kLabel, {{3, kCode}}},
    {"name", "名称", T, kLabel, {{3, kName}}},
    {"features", "项目特征", T, kLabel, {{3, kFeatures}}},
    {"floor", "楼层", T, kLabel, {{4}}},
    {"component", "构件", T, kLabel, {{5}}},
    {"position", "位置", T, kLabel, {{6}}},
    {"unit", "单位", T, kValue, {{7}}},
    {"quantity", "工程量", N, kValue, {{8}}},
    {"description", "说明", T, kValue, {{9}}},
    {"formula", "计算式", T, kValue, {{10}}},
    {"handles", "图元", T, kProgram, {{11}}},
};
// Room table 2: floor (cell 2) → room (cell 3) → place (cell 4) → quota
// item (cell 3) → record.
constexpr NamedColumn kFloorRoomColumns[] = {
    {"floor", "楼层", T, kLabel, {{2, kWhole, 0}}},
    {"room", "房间", T, kLabel, {{3, kWhole, 1}}},
    {"place", "位置类别", T, kLabel, {{4, kWhole, 2}}},
    {"code", "编码", T, kLabel, {{3, kCode, 3}}},
    {"name", "名称", T, kLabel, {{3, kName, 3}}},
    {"features", "项目特征", T, kLabel, {{3, kFeatures, 3}}},
    {"position", "位置", T, kLabel, {{6}}},
    {"unit", "单位", T, kValue, {{7}}},
    {"quantity", "工程量", N, kValue, {{8}}},
    {"description", "说明", T, kValue, {{9}}},
    {"formula", "计算式", T, kValue, {{10}}},
    {"handles", "图元", T, kProgram, {{11}}},
};
constexpr int kRoomTable1Codes[] = {6};
constexpr int kRoomTable2Codes[] = {7};

// The rooms both tables read, kept among the engine's owned trees.
RoomTables& RoomsOf(AreaTables& areas) { return areas.owned.Of<RoomTables>(); }

// The rooms take the quota records of the entries and the loose quota
// records of the bill build, and the quota results of the quota build, a
// facade's excepted; each build starts them empty.
const RecordFiling kRoomFiling{
    [](AreaTables& areas) { RoomsOf(areas).Clear(); },
    [](AreaTables& areas, const RecordKeys& record, FiledRecord as) {
      if (as == FiledRecord::kEntryQuota || as == FiledRecord::kLooseQuota ||
          (as == FiledRecord::kQuota && !IsFacadeTypePath(record.type_path))) {
        RoomsOf(areas).Add(record);
      }
    }};

// Room table 1 (room → quota item → floor → component → record) reads its
// rooms as chapters; room table 2 groups them by floor.
void WriteRoomRows(TableContext& context, bool by_room, std::wstring_view name,
                   const FloorSelection* selection, RowWriter& writer) {
  RowOptions options;
  options.filter = RowFilter{context.state.partition, selection};
  options.records = selection != nullptr || !name.empty();
  RoomTables& rooms = RoomsOf(context.areas);
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
  RoomTables& rooms = RoomsOf(context.areas);
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
    RoomTables& rooms = RoomsOf(context.areas);
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

const CodeDefinition kRoomTable1Definitions[] = {RoomTable<true>(6, 2)};
const CodeDefinition kRoomTable2Definitions[] = {RoomTable<false>(7, 0)};
const TableDefinition kTables[] = {
    {{6, kRoomTable1Codes, "房间汇总表", "room1", kEither, 12, kRoomColumns, "component"},
     kRoomTable1Definitions,
     {6, &kRoomTable1File, "Type", true,
      [](TableContext& c, std::wstring_view dir) { WriteRoomTable1(dir, RoomsOf(c.areas)); },
      [](TableContext& c, std::wstring_view dir) { ReadRoomTable1(dir, RoomsOf(c.areas)); }},
     nullptr,
     0,
     kRoomFiling},
    {{7, kRoomTable2Codes, "分层房间汇总表", "room2", kEither, 12, kFloorRoomColumns},
     kRoomTable2Definitions,
     {7, &kRoomTable2File, "Floor", true,
      [](TableContext& c, std::wstring_view dir) { WriteRoomTable2(dir, RoomsOf(c.areas)); },
      [](TableContext& c, std::wstring_view dir) { ReadRoomTable2(dir, RoomsOf(c.areas)); }}},
};
const TableRegistration kRegistered{kTables};

}  // namespace
}  // namespace reportdata

using reportdata::GetEngine;

REPORTDATA_TREE_TABLE_FORWARDERS(RoomTable1, 6)
void RoomTable1::GetNewItemData(CString name, CStringArray& rows) {
  GetEngine()->GetNewItemData(name, rows, 6);
}
void RoomTable1::GetNewItemData(CStringArray& floors, CStringArray& second, CStringArray& rows) {
  GetEngine()->GetDataByCondition(floors, second, rows, 6, CString());
}
REPORTDATA_HANDLE_FORWARDER(RoomTable1, 6)

int RoomTable2::GetparaNum() { return reportdata::WidthOf(7); }
void RoomTable2::GetTreeItem(CStringArray& items) { GetEngine()->GetTreeItem(items, 7); }
void RoomTable2::GetItemData(CString name, CStringArray& rows) {
  GetEngine()->GetItemData(name, rows, 7);
}
void RoomTable2::GetTotalData(CStringArray& rows) { GetEngine()->GetItemData(CString(), rows, 7); }
void RoomTable2::GetItemData(CStringArray& floors, CStringArray& second, CStringArray& rows) {
  GetEngine()->GetItemData(floors, second, rows, 7);
}
void RoomTable2::GetNewItemData(CString name, CStringArray& rows) {
  GetEngine()->GetNewItemData(name, rows, 7);
}
void RoomTable2::GetNewItemData(CStringArray& floors, CStringArray& second, CStringArray& rows) {
  // The condition query has no branch for room table 2: nothing is answered.
  GetEngine()->GetDataByCondition(floors, second, rows, 7, CString());
}
REPORTDATA_HANDLE_FORWARDER(RoomTable2, 7)
