// Filing quota records into the two room tables.
#include "areas/room_tables.h"

#include "keys/floor_text.h"
#include "model/find_or_append.h"
#include "model/tree_insert.h"

namespace reportdata {

void RoomTables::Add(const RecordKeys& record) {
  const std::wstring& room = record.room.str();
  if (room.empty()) return;
  const double quantity = record.quantity;
  bool created = false;

  SDeChapterNode& chapter = FindOrAddChapter(by_room_, by_room_index_, room, room);
  SDeItemNode& item = FindOrAddQuotaItem(chapter.items, chapter.item_index, record, created);
  if (created) item.bill_code = record.bill_code;
  InsertIntoFloors(item.floors, item.floor_index, record, record.component_name, record.quota_unit,
                   quantity);

  RoomFloor& floor = FindOrAppend(
      by_floor_, by_floor_index_, record.floor,
      [](const RoomFloor& f) -> const std::wstring& { return f.label; },
      [&] { return MakeFloor<RoomFloor>(record.floor); });
  RoomGroup& group = FindOrAppend(
      floor.rooms, floor.room_index, record.room,
      [](const RoomGroup& g) -> const PooledText& { return g.room; },
      [&] {
        return RoomGroup{record.room, {}, {}};
      });
  std::wstring& lookup = lookup_;
  lookup.assign(record.place.str()).append(1, L'\x1F').append(record.place2.str());
  RoomPlace& place = FindOrAppend(
      group.places, group.place_index, lookup,
      [](const RoomPlace& p) -> const std::wstring& { return p.lookup; },
      [&] {
        RoomPlace made;
        made.name = record.place.empty() ? kCustomPlace : record.place.str();
        made.room = record.room;
        made.type_path = record.type_path;
        made.second = record.place2.str();
        made.lookup = lookup;
        return made;
      });
  SDeCalcQuotaNode& quota = FindOrAddQuotaItem(place.quotas, place.quota_index, record, created);
  if (created) quota.num = floor.num;
  InsertRecord(quota.records, quota.record_index, record, quantity);
}

void RoomTables::Clear() {
  by_room_.clear();
  by_room_index_.Reset();
  by_floor_.clear();
  by_floor_index_.Reset();
}

}  // namespace reportdata
