// The building-area table: floor entries, their areas and the floor selection.
#include "areas/building_area.h"

#include "areas/sorted_view.h"
#include "keys/floor_text.h"
#include "model/tree_insert.h"

namespace reportdata {
namespace {

double SumQuantities(const std::vector<SAreaItem>& items) {
  double sum = 0.0;
  for (const SAreaItem& item : items) sum += LeadingDouble(item.quantity);
  return sum;
}

}  // namespace

double SAreaFloorItem::MainArea() const { return SumQuantities(mainItems) * num; }

double SAreaFloorItem::BalconyArea() const { return SumQuantities(balconyItems) * num; }

double SAreaFloorItem::StoreyArea() const {
  return SumQuantities(mainItems) + SumQuantities(balconyItems);
}

bool SelectsFloor(std::wstring_view label, std::wstring_view wanted) {
  return label == wanted || (IsSingleFloor(wanted) && CoversFloor(label, wanted));
}

bool IsBelowGround(std::wstring_view label) { return LeadingInt(label) < 1; }

void CAreaSummaryTable::AddItem(std::wstring_view label, AreaKind kind, SAreaItem item) {
  const int found = FindFirst(
      floors_, by_label_, [&] { return TextHash(label); },
      [](const SAreaFloorItem& floor) { return TextHash(floor.label); },
      [&](const SAreaFloorItem& floor) { return floor.label == label; });
  SAreaFloorItem& floor =
      found >= 0 ? floors_[found] : floors_.emplace_back(MakeFloor<SAreaFloorItem>(label));
  (kind == AreaKind::kMain ? floor.mainItems : floor.balconyItems).push_back(std::move(item));
}

void CAreaSummaryTable::AppendFloor(SAreaFloorItem floor) { floors_.push_back(std::move(floor)); }

void CAreaSummaryTable::Clear() {
  floors_.clear();
  by_label_.Reset();
}

double CAreaSummaryTable::Area() const {
  double area = 0.0;
  for (const SAreaFloorItem& floor : floors_) area += floor.Area();
  return area;
}

ProjectAreas CAreaSummaryTable::Areas() const {
  ProjectAreas areas;
  for (const SAreaFloorItem& floor : floors_) {
    const double area = floor.Area();
    areas.total += area;
    (IsBelowGround(floor.label) ? areas.below_ground : areas.above_ground) += area;
    if (LeadingInt(floor.label) == 1) areas.first_floor = area;
  }
  return areas;
}

CAreaSummaryTable CAreaSummaryTable::SelectFloors(const std::vector<std::wstring>& labels) const {
  CAreaSummaryTable copy;
  copy.name_ = name_;
  for (const SAreaFloorItem& floor : floors_) {
    for (const std::wstring& label : labels) {
      if (!SelectsFloor(floor.label, label)) continue;
      SAreaFloorItem selected = MakeFloor<SAreaFloorItem>(label);
      selected.mainItems = floor.mainItems;
      selected.balconyItems = floor.balconyItems;
      copy.AppendFloor(std::move(selected));
    }
  }
  return copy;
}

std::vector<const SAreaFloorItem*> CAreaSummaryTable::SortedFloors() const {
  return ByGrade(floors_);
}

}  // namespace reportdata
