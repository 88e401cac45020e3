// Index analysis intake: a record goes to the first group whose unit its own
// unit converts to and in which an item lists its type path and calculation
// item; the first such item of the group takes its quantity in the group's
// base unit.
#include "areas/index_analysis.h"

#include "keys/floor_text.h"
#include "keys/hash_index.h"
#include "keys/units.h"
#include "model/tree_insert.h"

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

void SIndexItem::AddQuantity(std::wstring_view label, double quantity) {
  const int found = FindFirst(
      floors, floor_index, [&] { return TextHash(label); },
      [](const SIndexFloorQty& floor) { return TextHash(floor.label); },
      [&](const SIndexFloorQty& floor) { return floor.label == label; });
  if (found >= 0) {
    floors[found].quantity += quantity;
    return;
  }
  SIndexFloorQty& floor = floors.emplace_back(MakeFloor<SIndexFloorQty>(label));
  floor.quantity = quantity;
}

void SIndexItem::AppendFloor(SIndexFloorQty floor) { floors.push_back(std::move(floor)); }

StoreyAreas::StoreyAreas(const CAreaSummaryTable& area) {
  storeys_.reserve(area.floors().size());
  for (const SAreaFloorItem& floor : area.floors()) {
    storeys_.push_back({PooledText(floor.label), floor.StoreyArea()});
  }
  index_.Sync(storeys_.size(), [&](size_t i) { return TextHash(storeys_[i].label); });
}

std::optional<double> StoreyAreas::Of(std::wstring_view label) const {
  std::optional<double> area;
  size_t first = storeys_.size();
  index_.ForEach(TextHash(label), [&](size_t at) {
    if (at < first && storeys_[at].label == label) {
      first = at;
      area = storeys_[at].area;
    }
  });
  return area;
}

std::optional<double> SIndexGroup::StoreyArea(std::wstring_view label) const {
  return storeys ? storeys->Of(label) : std::nullopt;
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
  asked_.clear();
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

size_t IndexAnalysisTable::SourceHash::operator()(const Source& source) const {
  return HashMix(source.type_path.hash(), source.item.hash());
}

const IndexAnalysisTable::Candidates* IndexAnalysisTable::CandidatesOf(const PooledText& type_path,
                                                                       const PooledText& item) {
  const auto [asked, added] = asked_.try_emplace(Source{type_path, item}, nullptr);
  if (added) {
    SetSourceKey(scratch_, type_path.str(), item.str());
    if (auto found = source_index_.find(scratch_); found != source_index_.end()) {
      asked->second = &found->second;
    }
  }
  return asked->second;
}

bool IndexAnalysisTable::Offer(const RecordKeys& keys) {
  const Candidates* candidates = CandidatesOf(keys.type_path, keys.calc_item);
  if (candidates == nullptr) return false;
  const ParsedUnits::Unit& unit = units_.Of(OwnUnit(keys));
  if (!unit.known) return false;
  for (const auto& [g, i] : *candidates) {
    SIndexGroup& group = groups_[g];
    if (group.unit != unit.base) continue;
    // The group's own copy of the quantity in its base unit, as the
    // record's text rewritten with "%f" reads back.
    const double quantity =
        unit.factor == 1 ? keys.quantity : ScaleQuantity(keys.quantity, unit.factor);
    group.items[i].AddQuantity(keys.floor.str(), quantity);
    return true;
  }
  return false;
}

void IndexAnalysisTable::SetBuildingArea(const CAreaSummaryTable& area) {
  const double total = area.Area();
  const auto storeys = std::make_shared<const StoreyAreas>(area);
  for (SIndexGroup& group : groups_) {
    group.storeys = storeys;
    group.building_area = total;
  }
}

void IndexAnalysisTable::Clear() {
  groups_.clear();
  source_index_.clear();
  asked_.clear();
  units_ = {};
}

}  // namespace reportdata
