// The door and window table: filing occurrences, counts and the selection.
#include "areas/door_window.h"

#include <unordered_set>

#include "areas/building_area.h"
#include "keys/floor_text.h"
#include "model/catalogues.h"
#include "model/find_or_append.h"

namespace reportdata {
namespace {

template <typename Node>
const std::wstring& LabelOf(const Node& node) {
  return node.label;
}

}  // namespace

int SDoorWindowFloor::Count() const {
  int pieces = 0;
  for (const SDoorWindowPos& entry : merged) pieces += entry.count;
  return num * pieces;
}

void SDoorWindowFloor::AddOccurrence(std::wstring_view position, std::wstring_view key) {
  const SDoorWindowPos& occurrence = all.emplace_back(SDoorWindowPos{position, key, 1});
  SDoorWindowPos& entry = FindOrAppend(
      merged, merged_index, occurrence.key,
      [](const SDoorWindowPos& pos) -> const PooledText& { return pos.key; },
      [&] {
        return SDoorWindowPos{occurrence.position, occurrence.key, 0};
      });
  ++entry.count;
}

int SDoorWindowType::Count() const {
  int pieces = 0;
  for (const SDoorWindowFloor& floor : floors) pieces += floor.Count();
  return pieces;
}

int SDoorWindowKind::Count() const {
  int pieces = 0;
  for (const SDoorWindowType& type : types) pieces += type.Count();
  return pieces;
}

std::wstring_view DoorWindowKindText(std::wstring_view code) {
  struct Kind {
    std::wstring_view code;
    std::wstring_view text;
  };
  static constexpr Kind kKinds[] = {
      {L"MCD\\M", L"门"},       {L"MCD\\C", L"窗"},         {L"MCD\\PC", L"飘窗"},
      {L"MCD\\QD", L"墙洞"},    {L"MCD\\ZPC", L"转角飘窗"}, {L"MCD\\LHC", L"老虎窗"},
      {L"MCD\\DXC", L"带形窗"},
  };
  for (const Kind& kind : kKinds) {
    if (kind.code == code) return kind.text;
  }
  return {};
}

void DoorWindowTable::Add(const SDoorWindowRecord& record) {
  const std::wstring_view kind_text = DoorWindowKindText(record.code);
  SDoorWindowKind& kind = FindOrAppend(
      kinds_, kind_index_, kind_text,
      [](const SDoorWindowKind& k) -> const std::wstring& { return k.kind; },
      [&] {
        return SDoorWindowKind{std::wstring(kind_text), {}, {}};
      });
  SDoorWindowType& type = FindOrAppend(
      kind.types, kind.type_index, record.type_name,
      [](const SDoorWindowType& t) -> const std::wstring& { return t.name; },
      [&] {
        return SDoorWindowType{record.type_name, {}, {}};
      });
  SDoorWindowFloor& floor =
      FindOrAppend(type.floors, type.floor_index, record.floor, LabelOf<SDoorWindowFloor>,
                   [&] { return MakeDoorWindowFloor(record.floor); });
  floor.AddOccurrence(record.position, record.key);
}

void DoorWindowTable::Clear() {
  kinds_.clear();
  kind_index_.Reset();
}

std::vector<std::wstring> DoorWindowTable::FloorLabels() const {
  std::vector<std::wstring> labels;
  std::unordered_set<std::wstring> seen;
  for (const SDoorWindowKind& kind : kinds_) {
    for (const SDoorWindowType& type : kind.types) {
      for (const SDoorWindowFloor& floor : type.floors) {
        if (seen.insert(floor.label).second) labels.push_back(floor.label);
      }
    }
  }
  return labels;
}

std::vector<SDoorWindowKind> DoorWindowTable::Select(const std::vector<std::wstring>& floors,
                                                     const std::vector<std::wstring>& codes) const {
  std::vector<SDoorWindowKind> selected;
  for (const SDoorWindowKind& kind : kinds_) {
    for (const std::wstring& code : codes) {
      if (DoorWindowKindText(code) != kind.kind) continue;
      SDoorWindowKind copy{kind.kind, {}, {}};
      for (const SDoorWindowType& type : kind.types) {
        SDoorWindowType kept{type.name, {}, {}};
        for (const SDoorWindowFloor& floor : type.floors) {
          for (const std::wstring& wanted : floors) {
            if (!SelectsFloor(floor.label, wanted)) continue;
            SDoorWindowFloor relabelled = MakeDoorWindowFloor(wanted);
            relabelled.all = floor.all;
            relabelled.merged = floor.merged;
            kept.floors.push_back(std::move(relabelled));
          }
        }
        if (!kept.floors.empty()) copy.types.push_back(std::move(kept));
      }
      if (!copy.types.empty()) selected.push_back(std::move(copy));
    }
  }
  return selected;
}

void AddDoorWindows(const std::vector<SNYDoorWindowRecord>& records, DoorWindowTable& table) {
  // One occurrence whose texts are assigned in place, so that a record
  // costs no text of its own.
  SDoorWindowRecord occurrence;
  for (const SNYDoorWindowRecord& record : records) {
    const ComponentKind* kind = FindComponentKind(record.type);
    occurrence.code.assign(kind != nullptr ? kind->code : std::wstring_view());
    occurrence.floor.assign(record.floor.str());
    occurrence.position.assign(record.position.IsEmpty() ? std::wstring_view(L"其他位置")
                                                         : std::wstring_view(record.position));
    occurrence.type_name.assign(record.typeName.str());
    occurrence.key.assign(record.key.str());
    table.Add(occurrence);
  }
}

}  // namespace reportdata
