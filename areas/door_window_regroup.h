// The regrouped view of the door and window table (codes 40 and 15): kind →
// (type name, occurrence key) → floor, each floor counting its occurrences.
// Built afresh from the table, or from a selection of it, for each query
// that shows it; the caller owns the result.
#ifndef REPORTDATA_AREAS_DOOR_WINDOW_REGROUP_H_
#define REPORTDATA_AREAS_DOOR_WINDOW_REGROUP_H_

#include <string>
#include <vector>

#include "areas/door_window.h"
#include "keys/hash_index.h"

namespace reportdata {

struct RegroupedFloor : AreaFloorHead {
  int occurrences = 0;
  int Count() const { return occurrences * num; }
};

struct RegroupedEntry {
  std::wstring type_name;
  std::wstring key;
  std::wstring lookup;  // type name, U+001F, key: the entry's index key
  std::vector<RegroupedFloor> floors;
  HashIndex floor_index;
  int Count() const;
};

struct RegroupedKind {
  std::wstring kind;
  std::vector<RegroupedEntry> entries;
  HashIndex entry_index;
};

// Every occurrence of the all-occurrence lists, in table order.
std::vector<RegroupedKind> Regroup(const std::vector<SDoorWindowKind>& kinds);

}  // namespace reportdata

#endif  // REPORTDATA_AREAS_DOOR_WINDOW_REGROUP_H_
