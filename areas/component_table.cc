// Component table intake.
#include "areas/component_table.h"

#include <algorithm>

#include "keys/floor_text.h"
#include "model/find_or_append.h"

namespace reportdata {

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

}  // namespace reportdata
