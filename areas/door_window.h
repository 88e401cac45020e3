// The door and window summary (门窗汇总表, code 5): doors, windows and
// openings counted by kind, type, floor and occurrence. The engine owns one
// table; the intake and the "\mc.xml" reader fill it, the row writers read
// it. Every list keeps an index beside it so that an occurrence finds its
// kind, type, floor and merged entry without scanning.
#ifndef REPORTDATA_AREAS_DOOR_WINDOW_H_
#define REPORTDATA_AREAS_DOOR_WINDOW_H_

#include <string>
#include <string_view>
#include <vector>

#include "areas/area_floor_head.h"
#include "keys/hash_index.h"
#include "keys/pooled_text.h"
#include "reportdata/records.h"

namespace reportdata {

// One occurrence as the intake builds it.
struct SDoorWindowRecord {
  std::wstring code;      // component code such as "MCD\M"
  std::wstring floor;     // floor label
  std::wstring position;  // "其他位置" when the source gives none
  std::wstring type_name;
  std::wstring key;  // identifies the occurrence
};

// Positions and occurrence keys repeat from floor to floor, so they are
// pooled: an occurrence costs its list entry alone.
struct SDoorWindowPos {
  PooledText position;
  PooledText key;
  int count = 1;  // pieces
};

struct SDoorWindowFloor : AreaFloorHead {
  std::vector<SDoorWindowPos> all;     // one entry per occurrence
  std::vector<SDoorWindowPos> merged;  // one entry per occurrence key
  HashIndex merged_index;

  // num × Σ count of the merged entries.
  int Count() const;
  // Appends an occurrence to both lists.
  void AddOccurrence(std::wstring_view position, std::wstring_view key);
};

struct SDoorWindowType {
  std::wstring name;
  std::vector<SDoorWindowFloor> floors;
  HashIndex floor_index;
  int Count() const;
};

struct SDoorWindowKind {
  std::wstring kind;  // kind text, "" for codes outside the seven kinds
  std::vector<SDoorWindowType> types;
  HashIndex type_index;
  int Count() const;
};

// A floor entry of the label, its storeys and order key read from it.
inline SDoorWindowFloor MakeDoorWindowFloor(std::wstring_view label) {
  return MakeFloor<SDoorWindowFloor>(label);
}

// Kind text of a component code: "门", "窗", "飘窗", "墙洞", "转角飘窗",
// "老虎窗", "带形窗", or "" for any other code.
std::wstring_view DoorWindowKindText(std::wstring_view code);

class DoorWindowTable {
 public:
  std::vector<SDoorWindowKind>& kinds() { return kinds_; }
  const std::vector<SDoorWindowKind>& kinds() const { return kinds_; }

  // Files one occurrence under its kind, type and floor.
  void Add(const SDoorWindowRecord& record);
  void Clear();

  // Every distinct floor label of the table, in table order.
  std::vector<std::wstring> FloorLabels() const;

  // Copies of the kind groups for the listed component codes and floors: for
  // each group in table order and each listed code of its kind, the group
  // with only the floor groups matching a listed floor (relabelled as the
  // building-area selection does); groups left without types are dropped.
  std::vector<SDoorWindowKind> Select(const std::vector<std::wstring>& floors,
                                      const std::vector<std::wstring>& codes) const;

 private:
  std::vector<SDoorWindowKind> kinds_;
  HashIndex kind_index_;
};

// Files the door and window records of the calculation database in their
// order. A component type number the kind catalogue does not know gives an
// empty code, so its occurrences are kept under the kind "".
void AddDoorWindows(const std::vector<SNYDoorWindowRecord>& records, DoorWindowTable& table);

}  // namespace reportdata

#endif  // REPORTDATA_AREAS_DOOR_WINDOW_H_
