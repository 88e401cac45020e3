// Narrowing of a row query by partition, floor list and component names.
#include "rows/row_selection.h"

#include "keys/floor_text.h"

namespace reportdata {
namespace {

std::wstring FloorTag(std::wstring_view floor) {
  std::wstring tag = L"[";
  tag.append(floor).append(L"层]");
  return tag;
}

}  // namespace

FloorSelection::FloorSelection(const CStringArray& floors, const CStringArray& names) {
  for (const CString& floor : floors) {
    Requested& requested = requested_.emplace_back();
    requested.floor = floor.str();
    ExpandFloors(requested.floor, requested.expansion);
    requested.tags.push_back(FloorTag(requested.floor));
    for (const std::wstring& single : requested.expansion)
      requested.tags.push_back(FloorTag(single));
  }
  for (const CString& name : names) names_.insert(name.str());
}

void FloorSelection::Match(std::wstring_view floor_text, std::vector<int>& hits) const {
  for (size_t i = 0; i < requested_.size(); ++i) {
    const Requested& requested = requested_[i];
    bool stays = requested.floor == floor_text;
    for (size_t j = 0; !stays && j < requested.expansion.size(); ++j) {
      stays = requested.expansion[j] == floor_text;
    }
    if (stays) hits.push_back(static_cast<int>(i));
  }
}

bool FloorSelection::KeepsComponent(std::wstring_view floor_text, const std::vector<int>& hits,
                                    std::wstring_view name, bool facade) const {
  if (!HasName(name)) return false;
  for (int hit : hits) {
    const Requested& requested = requested_[hit];
    if (requested.floor == floor_text || !facade) return true;
    for (const std::wstring& tag : requested.tags) {
      if (name.find(tag) != std::wstring_view::npos) return true;
    }
  }
  return false;
}

FloorMatch::FloorMatch(const RowFilter& filter, std::wstring_view floor_text)
    : filter_(filter), floor_text_(floor_text) {
  if (filter.selection == nullptr) return;
  filter.selection->Match(floor_text, hits_);
  stays_ = !hits_.empty();
}

bool FloorMatch::Keeps(std::wstring_view component_name, std::wstring_view type_path) const {
  if (filter_.selection == nullptr) return true;
  return stays_ && filter_.selection->KeepsComponent(floor_text_, hits_, component_name,
                                                     IsFacadeTypePath(type_path));
}

FloorSum SumFloor(const SQdFloorNode& floor, const FloorMatch& match, std::wstring_view partition) {
  return SumComponents(floor.components, match, partition);
}

FloorSum SumComponents(const std::vector<SQdCompNode>& components, const FloorMatch& match,
                       std::wstring_view partition) {
  FloorSum sum;
  if (!match.stays()) return sum;
  for (const SQdCompNode& component : components) {
    if (!match.Keeps(component.name, component.type_path)) continue;
    sum.Add(component, SumComponent(component, partition));
  }
  return sum;
}

ItemSum SumFloors(const std::vector<SQdFloorNode>& floors, const RowFilter& filter) {
  ItemSum sum;
  for (const SQdFloorNode& floor : floors) {
    const FloorMatch match(filter, floor.floor_text);
    const FloorSum floor_sum = SumFloor(floor, match, filter.partition);
    if (!floor_sum.visible) continue;
    sum.visible = true;
    sum.quantity += floor_sum.Total(floor.count);
  }
  return sum;
}

}  // namespace reportdata
