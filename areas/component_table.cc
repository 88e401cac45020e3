// Component table intake and rows.
#include "areas/component_table.h"

#include <algorithm>

#include "engine/row_layout.h"
#include "keys/floor_text.h"
#include "keys/number_format.h"
#include "model/find_or_append.h"
#include "model/natural_order.h"
#include "model/tree_order.h"

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

SCompSection& ComponentTable::FindOrAddSection(const CompRecord& record) {
  SCompGroup& group = FindOrAppend(
      groups_, group_index_, record.category,
      [](const SCompGroup& g) -> const std::wstring& { return g.name; },
      [&] {
        return SCompGroup{std::wstring(record.category), record.order, {}, {}};
      });
  SCompFloor& floor = FindOrAppend(
      group.floors, group.floor_index, record.floor,
      [](const SCompFloor& f) -> const std::wstring& { return f.label; },
      [&] { return MakeFloor<SCompFloor>(record.floor); });
  const int section_at = FindFirst(
      floor.sections, floor.section_index,
      [&] { return ComponentHash(record.name, record.type_path, record.type_text); },
      [](const SCompSection& section) {
        return ComponentHash(section.name, section.type_path, section.type_text);
      },
      [&](const SCompSection& section) {
        return section.name == record.name && section.type_path == record.type_path &&
               section.type_text == record.type_text;
      });
  return section_at >= 0 ? floor.sections[section_at]
                         : floor.sections.emplace_back(SCompSection{
                               0, record.name, record.type_path, record.type_text, {}});
}

void ComponentTable::Add(const CompRecord& record) {
  SCompSection& section = FindOrAddSection(record);
  if (section.handles.Add(record.handle)) section.count += record.count;
}

void ComponentTable::AddSummary(const std::vector<GjhzGroupNode>& summary) {
  for (const GjhzGroupNode& group : summary) {
    for (const GjhzFloorNode& floor : group.floors) {
      for (const GjhzRecord& entry : floor.records) {
        // All handles of an entry land in one section: it is looked up once.
        CompRecord place;
        place.category = group.name;
        place.order = group.order;
        place.floor = floor.floor_text;
        place.name = entry.name;
        place.type_path = entry.type_path;
        place.type_text = entry.type_text;
        SCompSection& section = FindOrAddSection(place);
        // The handle lists of the instances run together with "$" between
        // and inside them ("$$3DB$$$$3DC"); every run of other characters is
        // one drawing handle. Instances without handles count once.
        std::string_view handles = entry.handles;
        bool any = false;
        while (!handles.empty()) {
          const size_t start = handles.find_first_not_of('$');
          if (start == std::string_view::npos) break;
          handles.remove_prefix(start);
          const size_t end = std::min(handles.find('$'), handles.size());
          if (section.handles.Add(handles.substr(0, end))) ++section.count;
          any = true;
          handles.remove_prefix(end);
        }
        if (!any && section.handles.Add({})) section.count += entry.count;
      }
    }
  }
}

void ComponentTable::AppendGroup(SCompGroup group) { groups_.push_back(std::move(group)); }

void ComponentTable::Clear() {
  groups_.clear();
  group_index_.Reset();
}

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
