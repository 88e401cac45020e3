// Component summary rows.
#include "rows/component_summary_rows.h"

#include "keys/floor_text.h"
#include "keys/number_format.h"
#include "model/natural_order.h"
#include "model/tree_order.h"
#include "platform/text.h"
#include "rows/tree_rows.h"

namespace reportdata {
namespace {

void SortGroups(std::vector<GjhzGroupNode>& groups, HashIndex& index) {
  SortList(groups, index, CategoryBefore<GjhzGroupNode>);
}

void SortGroupFloors(GjhzGroupNode& group) {
  SortList(group.floors, group.floor_index, [](const GjhzFloorNode& a, const GjhzFloorNode& b) {
    return a.order_key < b.order_key;
  });
}

void SortEntries(GjhzFloorNode& floor) {
  SortList(floor.records, floor.record_index, [](const GjhzRecord& a, const GjhzRecord& b) {
    return CompareNatural(a.name, b.name) < 0;
  });
}

}  // namespace

void ListComponentGroups(std::vector<GjhzGroupNode>& groups, HashIndex& index,
                         CStringArray& items) {
  SortGroups(groups, index);
  for (const GjhzGroupNode& group : groups) Put(items, group.name);
}

void StreamComponentSummary(CStringArray& out, std::vector<GjhzGroupNode>& groups, HashIndex& index,
                            std::wstring_view name, const FloorSelection* selection) {
  SortGroups(groups, index);
  std::vector<int> hits;
  std::vector<const GjhzRecord*> kept;
  for (GjhzGroupNode& group : groups) {
    if (!name.empty() && group.name != name) continue;
    SortGroupFloors(group);
    bool opened = false;
    for (GjhzFloorNode& floor : group.floors) {
      kept.clear();
      hits.clear();
      if (selection != nullptr) selection->Match(floor.floor_text, hits);
      SortEntries(floor);
      int count = 0;
      for (const GjhzRecord& entry : floor.records) {
        if (selection != nullptr && !selection->KeepsComponent(floor.floor_text, hits, entry.name,
                                                               IsFacadeTypePath(entry.type_path))) {
          continue;
        }
        kept.push_back(&entry);
        count += entry.count;
      }
      if (kept.empty()) continue;
      if (!opened) {
        Put(out, L"#ZhangFlag#");
        Put(out, group.name);
        opened = true;
      }
      Put(out, L"#FloorFlag#");
      Put(out, FloorText(floor.floor_text));
      Put(out, FormatInt(count));
      for (const GjhzRecord* entry : kept) {
        Put(out, L"#MemFlag#");
        Put(out, entry->name);
        Put(out, entry->type_text);
        Put(out, FormatInt(entry->count));
        Put(out, FromUtf8(entry->handles));
      }
    }
    // A group is listed even when it has no entries, unless narrowed away.
    if (!opened && selection == nullptr) {
      Put(out, L"#ZhangFlag#");
      Put(out, group.name);
    }
  }
}

}  // namespace reportdata
