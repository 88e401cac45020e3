// Room table 2 rows of layouts A and B.
#include "rows/room_rows.h"

#include <algorithm>
#include <string>

#include "areas/sorted_view.h"
#include "keys/number_format.h"
#include "model/tree_order.h"
#include "model/tree_quantity.h"
#include "rows/quota_floor_rows.h"

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

}  // namespace

void ListRoomFloors(const std::vector<RoomFloor>& floors, CStringArray& items) {
  for (const RoomFloor* floor : ByGrade(floors)) Put(items, FloorText(floor->label));
}

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

}  // namespace reportdata
