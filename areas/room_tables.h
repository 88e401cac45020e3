// The two room tables: the quota items of the components that belong to a
// room, by room (room table 1, code 6) and by floor, room and place (room
// table 2, code 7). Only quota records with a room text enter. Room table 1
// is a list of quota chapters named by room, so it is filed, sorted and shown
// as the quota summary is; room table 2 holds its quota items with their
// records directly, as the quota summary by floor and component does. The
// engine owns both; the builds and the table file readers fill them.
#ifndef REPORTDATA_AREAS_ROOM_TABLES_H_
#define REPORTDATA_AREAS_ROOM_TABLES_H_

#include <string>
#include <vector>

#include "areas/area_floor_head.h"
#include "keys/hash_index.h"
#include "keys/record_keys.h"
#include "model/report_tree.h"
#include "reportdata/records.h"

namespace reportdata {

inline constexpr wchar_t kCustomPlace[] = L"自定义位置";

// A place within a room: the two place texts of its records, the room and
// the component kind.
struct RoomPlace : CalcQuotaList {
  std::wstring name;     // the first place text, "自定义位置" when it is empty
  PooledText room;       // the room text
  PooledText type_path;  // component kind code of the first record
  std::wstring second;   // the second place text
  std::wstring lookup;   // first place text, U+001F, second: the index key
};

struct RoomGroup {
  PooledText room;
  std::vector<RoomPlace> places;
  HashIndex place_index;
};

struct RoomFloor : AreaFloorHead {
  std::vector<RoomGroup> rooms;
  HashIndex room_index;
};

class RoomTables {
 public:
  // Room table 1: chapter name and order id are the room text.
  std::vector<SDeChapterNode>& by_room() { return by_room_; }
  HashIndex& by_room_index() { return by_room_index_; }
  const std::vector<SDeChapterNode>& by_room() const { return by_room_; }
  // Room table 2.
  std::vector<RoomFloor>& by_floor() { return by_floor_; }
  const std::vector<RoomFloor>& by_floor() const { return by_floor_; }

  // Files a quota record into both tables; a record without a room text is
  // left out.
  void Add(const RecordKeys& record);
  void Clear();

 private:
  std::vector<SDeChapterNode> by_room_;
  HashIndex by_room_index_;
  std::vector<RoomFloor> by_floor_;
  HashIndex by_floor_index_;
  std::wstring lookup_;  // place key of the record filed last, reused
};

}  // namespace reportdata

#endif  // REPORTDATA_AREAS_ROOM_TABLES_H_
