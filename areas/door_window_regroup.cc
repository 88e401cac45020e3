// Regrouping the door and window table by type name and occurrence key.
#include "areas/door_window_regroup.h"

#include "model/find_or_append.h"

namespace reportdata {

int RegroupedEntry::Count() const {
  int pieces = 0;
  for (const RegroupedFloor& floor : floors) pieces += floor.Count();
  return pieces;
}

std::vector<RegroupedKind> Regroup(const std::vector<SDoorWindowKind>& kinds) {
  std::vector<RegroupedKind> regrouped;
  HashIndex kind_index;
  std::wstring lookup;
  for (const SDoorWindowKind& kind : kinds) {
    RegroupedKind& target = FindOrAppend(
        regrouped, kind_index, kind.kind,
        [](const RegroupedKind& k) -> const std::wstring& { return k.kind; },
        [&] {
          return RegroupedKind{kind.kind, {}, {}};
        });
    for (const SDoorWindowType& type : kind.types) {
      for (const SDoorWindowFloor& floor : type.floors) {
        for (const SDoorWindowPos& occurrence : floor.all) {
          lookup = type.name;
          lookup += L'\x1F';
          lookup += occurrence.key;
          RegroupedEntry& entry = FindOrAppend(
              target.entries, target.entry_index, lookup,
              [](const RegroupedEntry& e) -> const std::wstring& { return e.lookup; },
              [&] {
                return RegroupedEntry{type.name, occurrence.key, lookup, {}, {}};
              });
          RegroupedFloor& counted = FindOrAppend(
              entry.floors, entry.floor_index, floor.label,
              [](const RegroupedFloor& f) -> const std::wstring& { return f.label; },
              [&] {
                return RegroupedFloor{floor, 0};
              });
          ++counted.occurrences;
        }
      }
    }
  }
  return regrouped;
}

}  // namespace reportdata
