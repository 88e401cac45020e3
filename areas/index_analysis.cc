// Index analysis intake: a record goes to the first group whose unit its own
// unit converts to and in which an item lists its type path and calculation
// item; the first such item of the group takes its quantity in the group's
// base unit.
#include "areas/index_analysis.h"

#include "model/floor_text.h"
#include "model/units.h"

namespace reportdata {
namespace {

void SetSourceKey(std::wstring& key, std::wstring_view type_path, std::wstring_view item) {
  key.assign(type_path);
  key += L'\x1F';
  key += item;
}

}  // namespace

double SIndexItem::Quantity() const {
  double total = 0.0;
  for (const SIndexFloorQty& floor : floors) total += floor.quantity * floor.num;
  return total;
}

void SIndexItem::AddQuantity(const std::wstring& label, double quantity) {
  if (auto found = floor_index.find(label); found != floor_index.end()) {
    floors[found->second].quantity += quantity;
    return;
  }
  const FloorKey key = ParseFloorKey(label);
  AppendFloor({label, key.count, key.order_key, quantity});
}

void SIndexItem::AppendFloor(SIndexFloorQty floor) {
  floor_index.emplace(floor.label, floors.size());
  floors.push_back(std::move(floor));
}

double SIndexGroup::RatioQuantity() const {
  const wchar_t* only = name == kEarthworkGroup ? L"挖土"
                        : name == kRoofGroup    ? L"防水卷材"
                                                : nullptr;
  double total = 0.0;
  for (const SIndexItem& item : items) {
    if (only == nullptr) {
      total += item.Quantity();
    } else if (item.name == only) {
      return item.Quantity();
    }
  }
  return total;
}

void IndexAnalysisTable::SetGroups(std::vector<SIndexGroup> groups) {
  groups_ = std::move(groups);
  IndexSources();
}

void IndexAnalysisTable::AppendGroup(SIndexGroup group) { groups_.push_back(std::move(group)); }

void IndexAnalysisTable::IndexSources() {
  source_index_.clear();
  for (size_t g = 0; g < groups_.size(); ++g) {
    for (size_t i = 0; i < groups_[g].items.size(); ++i) {
      for (const SIndexSource& source : groups_[g].items[i].sources) {
        SetSourceKey(scratch_, source.type_path, source.item);
        auto& candidates = source_index_[scratch_];
        // An item listing the same source twice is one candidate.
        if (candidates.empty() || candidates.back() != std::pair(g, i))
          candidates.emplace_back(g, i);
      }
    }
  }
}

bool IndexAnalysisTable::Offer(const TJQd& record) {
  SetSourceKey(scratch_, record.typePath.str(), record.calcItem.str());
  auto found = source_index_.find(scratch_);
  if (found == source_index_.end()) return false;
  const CString& unit = record.kind == L"1" ? record.billUnit : record.quotaUnit;
  std::wstring base;
  int factor = 1;
  if (!ParseUnit(unit.str(), &base, &factor)) return false;
  for (const auto& [g, i] : found->second) {
    SIndexGroup& group = groups_[g];
    if (group.unit != base) continue;
    // The group's own copy of the quantity in its base unit, as the
    // record's text rewritten with "%f" reads back.
    const double read = LeadingDouble(record.quantity.str());
    const double quantity = factor == 1 ? read : ScaleQuantity(read, factor);
    group.items[i].AddQuantity(record.floor.str(), quantity);
    return true;
  }
  return false;
}

void IndexAnalysisTable::SetBuildingArea(const CAreaSummaryTable& area) {
  const double total = area.Area();
  for (SIndexGroup& group : groups_) {
    group.floors = area.floors();
    group.building_area = total;
  }
}

void IndexAnalysisTable::Clear() {
  groups_.clear();
  source_index_.clear();
}

}  // namespace reportdata
