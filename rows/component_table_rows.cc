// The rows of the component table (构件表, codes 14 and 15): its flagged
// stream of layout B.
#include "areas/component_table.h"

#include <algorithm>
#include <string>
#include <vector>

#include "keys/number_format.h"
#include "model/natural_order.h"
#include "model/tree_order.h"
#include "rows/row_layout.h"

namespace reportdata {
namespace {

// "%d×%d".
std::wstring TimesText(long long pieces, int storeys) {
  std::wstring text = FormatInt(pieces);
  text += L'×';
  AppendInt(text, storeys);
  return text;
}

}  // namespace

void ComponentTable::Stream(std::wstring_view category, CStringArray& out) const {
  std::vector<const SCompGroup*> groups;
  for (const SCompGroup& group : groups_) {
    if (category.empty() || group.name == category) groups.push_back(&group);
  }
  std::stable_sort(groups.begin(), groups.end(),
                   [](const SCompGroup* a, const SCompGroup* b) { return CategoryBefore(*a, *b); });
  for (const SCompGroup* group : groups) {
    AppendCell(out, L"#ZhangFlag#");
    AppendCell(out, group->name);
    StreamGroup(*group, out);
  }
}

void ComponentTable::StreamGroup(const SCompGroup& group, CStringArray& out) const {
  std::vector<const SCompFloor*> floors;
  for (const SCompFloor& floor : group.floors) floors.push_back(&floor);
  std::stable_sort(floors.begin(), floors.end(),
                   [](const SCompFloor* a, const SCompFloor* b) { return a->grade < b->grade; });
  for (const SCompFloor* floor : floors) {
    // Counts come from the table file as written ("Num"), so their sum is
    // taken in 64 bits: a floor of a few large counts must not wrap.
    long long pieces = 0;
    std::vector<const SCompSection*> sections;
    for (const SCompSection& section : floor->sections) {
      pieces += section.count;
      sections.push_back(&section);
    }
    std::stable_sort(sections.begin(), sections.end(),
                     [](const SCompSection* a, const SCompSection* b) {
                       return CompareNatural(a->name, b->name) < 0;
                     });
    AppendCell(out, L"#FloorFlag#");
    AppendCell(out, floor->label);
    AppendCell(out, FormatInt(pieces));
    AppendCell(out, floor->num > 1 ? TimesText(pieces, floor->num) : std::wstring());
    for (const SCompSection* section : sections) {
      AppendCell(out, L"#RecordFlag#");
      AppendCell(out, section->name);
      AppendCell(out, FormatInt(static_cast<long long>(section->count) * floor->num));
      AppendCell(out,
                 section->type_text == L"异形" ? std::wstring_view() : section->type_text.str());
      AppendCell(out, floor->num >= 2 ? TimesText(section->count, floor->num) : std::wstring());
    }
  }
}

}  // namespace reportdata
