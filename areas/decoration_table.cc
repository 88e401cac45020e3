// The decoration kinds, filing finishes into a decoration table and the rows
// of the decoration report.
#include "areas/decoration_table.h"

#include <algorithm>
#include <unordered_map>

#include "keys/floor_text.h"
#include "keys/number_format.h"
#include "model/find_or_append.h"
#include "model/natural_order.h"

namespace reportdata {
namespace {

constexpr DecorationKind kKinds[] = {
    {L"ZS\\DMS28", L"楼地面", 0, true},  {L"ZS\\TPS28", L"天棚", 1, true},
    {L"ZS\\DD28", L"吊顶", 2, true},     {L"ZS\\NQS28", L"内墙面", 3, true},
    {L"ZS\\QQS28", L"墙裙", 4, true},    {L"ZS\\TJS28", L"踢脚", 5, true},
    {L"ZS\\WQS28", L"外墙面", 6, false}, {L"ZS\\ZMS28", L"柱面", 7, false},
    {L"ZS\\ZQQS28", L"柱裙", 8, false},  {L"ZS\\ZTJS28", L"柱踢脚", 9, false},
    {L"ZS\\WMS1", L"屋面", 10, false},   {L"ZS\\WMS31", L"屋面防水", 11, false},
    {L"ZS\\BWC1", L"保温", 12, false},
};

constexpr std::wstring_view kBaseLayers[] = {
    L"ZS\\DMS27", L"ZS\\TPS27", L"ZS\\DD27",  L"ZS\\NQS27",  L"ZS\\QQS27",
    L"ZS\\TJS27", L"ZS\\WQS27", L"ZS\\ZMS27", L"ZS\\ZQQS27", L"ZS\\ZTJS27",
};

// Quantity of one room on one floor of the report: a label counts once per
// floor it stands for; a requested floor inside a range takes one floor.
double RoomQuantity(const DecorationRoom& room, const std::wstring& floor, bool requested) {
  double quantity = 0.0;
  for (const DecorationFloor& entry : room.floors) {
    if (entry.label == floor) {
      quantity += entry.quantity * ParseFloorKey(entry.label).count;
    } else if (requested && CoversFloor(entry.label, floor)) {
      quantity += entry.quantity;
    }
  }
  return quantity;
}

// Every floor label of the table, by floor order.
std::vector<std::wstring> TableFloors(const SDecTable& table) {
  std::vector<std::wstring> floors;
  std::unordered_map<std::wstring, int> seen;
  for (const DecorationChapter& chapter : table.chapters()) {
    for (const DecorationAttribute& attribute : chapter.attributes) {
      for (const DecorationRoom& room : attribute.rooms) {
        for (const DecorationFloor& floor : room.floors) {
          if (seen.emplace(floor.label, ParseFloorKey(floor.label).order_key).second) {
            floors.push_back(floor.label);
          }
        }
      }
    }
  }
  std::stable_sort(floors.begin(), floors.end(),
                   [&](const auto& a, const auto& b) { return seen[a] < seen[b]; });
  return floors;
}

// Rooms by natural name order, the finishes outside every room last.
std::vector<const DecorationRoom*> SortedRooms(const DecorationAttribute& attribute) {
  std::vector<const DecorationRoom*> rooms;
  for (const DecorationRoom& room : attribute.rooms) rooms.push_back(&room);
  std::stable_sort(rooms.begin(), rooms.end(), [](const auto* a, const auto* b) {
    if (a->name.empty() != b->name.empty()) return b->name.empty();
    return CompareNatural(a->name, b->name) < 0;
  });
  return rooms;
}

SWLReportDecSmallInfo MakeRow(const DecorationChapter& chapter, const std::wstring& floor,
                              std::wstring_view attribute, std::wstring_view room,
                              double quantity) {
  SWLReportDecSmallInfo row;
  row.kind = chapter.kind.str();
  row.floor = floor;
  row.attribute = attribute;
  row.room = room;
  row.quantity = FormatQuantity(quantity);
  return row;
}

// The rows of one chapter on one floor; returns how many.
int ChapterRows(const DecorationChapter& chapter, const std::wstring& floor, bool requested,
                const SWLReportInputInfo& input, CArray<SWLReportDecSmallInfo>& rows) {
  int count = 0;
  double floor_total = 0.0;
  for (const DecorationAttribute& attribute : chapter.attributes) {
    if (!input.typePaths.IsEmpty() &&
        std::find(input.typePaths.begin(), input.typePaths.end(),
                  CString(attribute.type_path.str())) == input.typePaths.end()) {
      continue;
    }
    double attribute_total = 0.0;
    bool any = false;
    for (const DecorationRoom* room : SortedRooms(attribute)) {
      const double quantity = RoomQuantity(*room, floor, requested);
      if (quantity == 0.0) continue;
      any = true;
      floor_total += quantity;
      attribute_total += quantity;
      if (chapter.room_flag) {
        rows.Add(
            MakeRow(chapter, floor, attribute.name,
                    room->name.empty() ? std::wstring_view(kNoRoom) : std::wstring_view(room->name),
                    quantity));
        ++count;
      }
    }
    // Kinds outside rooms show one row per finish, whatever rooms it touched.
    if (!chapter.room_flag && any) {
      rows.Add(MakeRow(chapter, floor, attribute.name, L"", attribute_total));
      ++count;
    }
  }
  if (chapter.room_flag && count > 0) {
    rows.Add(MakeRow(chapter, floor, L"", kFloorSubtotal, floor_total));
  }
  return count;
}

}  // namespace

const DecorationKind* FindDecorationKind(std::wstring_view code) {
  for (const DecorationKind& kind : kKinds) {
    if (kind.code == code) return &kind;
  }
  return nullptr;
}

bool IsBaseLayerCode(std::wstring_view code) {
  return std::find(std::begin(kBaseLayers), std::end(kBaseLayers), code) != std::end(kBaseLayers);
}

void SDecTable::Add(const DecorationPlace& place, const DecorationKind& kind, double quantity) {
  DecorationChapter& chapter = FindOrAppend(
      chapters_, chapter_index_, kind.name,
      [](const DecorationChapter& c) -> std::wstring_view { return c.kind; },
      [&] {
        DecorationChapter made;
        made.kind = kind.name;
        made.order = kind.order;
        made.room_flag = kind.room_flag;
        return made;
      });
  DecorationAttribute& attribute = FindOrAppendComponent(
      chapter.attributes, chapter.attribute_index, place.component, place.type_path);
  DecorationRoom& room = FindOrAppend(
      attribute.rooms, attribute.room_index, place.room,
      [](const DecorationRoom& r) -> const PooledText& { return r.name; },
      [&] {
        return DecorationRoom{place.room, {}, {}};
      });
  DecorationFloor& floor = FindOrAppend(
      room.floors, room.floor_index, place.floor,
      [](const DecorationFloor& f) -> const PooledText& { return f.label; },
      [&] {
        return DecorationFloor{place.floor, 0.0};
      });
  floor.quantity += quantity;
}

void SDecTable::Sort() {
  std::stable_sort(
      chapters_.begin(), chapters_.end(),
      [](const DecorationChapter& a, const DecorationChapter& b) { return a.order < b.order; });
  chapter_index_.Reset();
}

void SDecTable::Clear() {
  chapters_.clear();
  chapter_index_.Reset();
}

void DecorationRows(const SDecTable& table, const SWLReportInputInfo& input,
                    std::map<int, CString>& kinds, CArray<SWLReportDecSmallInfo>& rows) {
  rows.RemoveAll();
  const bool requested = !input.floors.IsEmpty();
  std::vector<std::wstring> floors;
  if (requested) {
    for (const CString& floor : input.floors) floors.push_back(floor.str());
  } else {
    floors = TableFloors(table);
  }
  std::vector<const DecorationChapter*> chapters;
  for (const DecorationChapter& chapter : table.chapters()) chapters.push_back(&chapter);
  std::stable_sort(chapters.begin(), chapters.end(),
                   [](const auto* a, const auto* b) { return a->order < b->order; });
  for (const std::wstring& floor : floors) {
    for (const DecorationChapter* chapter : chapters) {
      if (ChapterRows(*chapter, floor, requested, input, rows) > 0) {
        kinds[chapter->order] = chapter->kind.str();
      }
    }
  }
}

}  // namespace reportdata
