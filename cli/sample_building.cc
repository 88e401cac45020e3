#include "cli/sample_building.h"

#include <algorithm>
#include <array>
#include <cstdio>

#include "cli/sample_geometry.h"

namespace reportdata::cli {
namespace {

constexpr int kOffsets = 200;

std::string Replace(std::string text, std::string_view key, std::string_view value) {
  for (size_t at = text.find(key); at != std::string::npos; at = text.find(key, at + value.size()))
    text.replace(at, key.size(), value);
  return text;
}

}  // namespace

std::string QuantityText(long long milli, int factor) {
  size_t decimals = 3;
  long long unit = 1000;
  for (int f = factor; f >= 10; f /= 10) {
    ++decimals;
    unit *= 10;
  }
  const bool negative = milli < 0;
  if (negative) milli = -milli;
  std::string fraction = std::to_string(milli % unit);
  fraction.insert(0, decimals - fraction.size(), '0');
  return (negative ? "-" : "") + std::to_string(milli / unit) + "." + fraction;
}

SampleBuilding::SampleBuilding(const SampleOptions& options)
    : options_(options), random_(options.seed) {
  const int above = std::max(1, options.floors);
  const auto add = [&](std::string label, std::string kind, int number, int count, int height,
                       int bottom) {
    floors_.push_back({std::move(label), std::move(kind), number, count, height, bottom});
  };
  const auto storey = [&](int number, int count, std::string label) {
    add(std::move(label), number == above || number + count - 1 == above ? "顶层" : "标准层",
        number, count, 3000, 4500 + (number - 2) * 3000);
  };
  add("0", "基础层", 0, 1, 0, -8700);
  add("-2", "地下室", -2, 1, 3900, -7800);
  add("-1", "地下室", -1, 1, 3900, -3900);
  add("1", above == 1 ? "顶层" : "首层", 1, 1, 4500, 0);
  const auto single = [&](int n) { storey(n, 1, std::to_string(n)); };
  if (above >= 9) {
    storey(2, above - 6, "2," + std::to_string(above - 5));
    storey(above - 4, 2, std::to_string(above - 4) + "/" + std::to_string(above - 2));
    single(above - 3);
    single(above - 1);
    single(above);
  } else if (above >= 4) {
    storey(2, above - 2, "2," + std::to_string(above - 1));
    single(above);
  } else {
    for (int n = 2; n <= above; ++n) single(n);
  }
  const int named = 2 + static_cast<int>(options.seed % 2);
  for (int p = 1; p <= named; ++p) partitions_.push_back(std::to_string(p) + "区");
  partitions_.emplace_back(kRest);
}

SampleBuilding::Instance SampleBuilding::NextInstance() {
  Instance in;
  char handle[24];
  std::snprintf(handle, sizeof handle, "%llX", 0x3A0 + next_id_);
  in.handle = handle;
  in.id = next_id_++;
  return in;
}

long long SampleBuilding::MainArea(const SampleFloor& floor) const {
  return floor.number == 0 ? 0 : Area(kLength, kDepth) * options_.scale;
}

long long SampleBuilding::BalconyArea(const SampleFloor& floor) const {
  if (floor.number < 1 || floor.kind == "顶层") return 0;
  return Area(2 * kBay, 1800) / 2 * 2 * options_.scale;  // two balconies counted at half area
}

bool SampleBuilding::OnFloor(Levels levels, const SampleFloor& floor) const {
  switch (levels) {
    case Levels::kFoundation:
      return floor.number == 0;
    case Levels::kBasement:
      return floor.number < 0;
    case Levels::kGround:
      return floor.number == 1;
    case Levels::kAboveGround:
      return floor.number >= 1;
    case Levels::kUpper:
      return floor.number >= 2;
    case Levels::kBuilding:
      return floor.number != 0;
  }
  return false;
}

std::vector<SampleShare> SampleBuilding::Shares(int first_axis, int last_axis, int spread,
                                                long long milli, int factor) const {
  const int named = static_cast<int>(partitions_.size()) - 1;
  // Index of the partition that holds an axis; the rest is the last index.
  const auto owner = [&](int axis) {
    return axis > kPartitionedAxes ? named : (axis - 1) * named / kPartitionedAxes;
  };
  std::vector<long long> weight(partitions_.size(), 0);
  if (spread > 0) {
    // The partition of the first axis takes the largest share, the ones
    // after it (the rest wrapping round to the first) less and less.
    const size_t start = static_cast<size_t>(owner(first_axis));
    for (int k = 0; k < spread; ++k)
      weight[(start + static_cast<size_t>(k)) % weight.size()] = spread - k;
  } else if (first_axis >= last_axis) {
    weight[static_cast<size_t>(owner(first_axis))] = 2;
  } else {
    // Each bay counts half to the partition of either axis that bounds it.
    for (int axis = first_axis; axis < last_axis; ++axis) {
      ++weight[static_cast<size_t>(owner(axis))];
      ++weight[static_cast<size_t>(owner(axis + 1))];
    }
  }
  long long total = 0;
  for (long long w : weight) total += w;
  std::vector<SampleShare> shares;
  long long given = 0;
  size_t last = 0;
  for (size_t p = 0; p < weight.size(); ++p)
    if (weight[p] > 0) last = p;
  for (size_t p = 0; p < weight.size(); ++p) {
    if (weight[p] == 0) continue;
    const long long part = p == last ? milli - given : milli * weight[p] / total;
    given += part;
    shares.push_back({partitions_[p], QuantityText(part, factor)});
  }
  return shares;
}

void SampleBuilding::MakeDistinct(Instance& instance, bool rename) {
  // Instances stand at one of kOffsets measured offsets from their axis,
  // so that only a few of a large building's instances come out alike.
  const long long offset = 1 + random_.Below(kOffsets);
  instance.position += "+" + QuantityText(offset);
  for (size_t m = 0; m < instance.quantity.size(); ++m) {
    // A count stays whole: a door is one door.
    if (instance.quantity[m] == 0 || m == static_cast<size_t>(Measure::kCount)) continue;
    instance.quantity[m] += offset;
    instance.formula[m] += "+" + QuantityText(offset);
  }
  if (rename) {
    const int suffix = random_.Below(25);
    if (suffix > 0) instance.name += "-" + std::to_string(suffix + 1);
  }
  instance.spread = random_.Chance(80) ? 2 + random_.Below(2) : 0;
}

void SampleBuilding::Emit(const Instance& instance, std::string_view type_path,
                          std::string_view sub_type, std::span<const SampleItem> items,
                          const SampleFloor& floor, const EntrySink& sink) {
  for (const SampleItem& item : items) {
    const size_t m = static_cast<size_t>(item.measure);
    const long long milli = instance.quantity[m];
    const bool graded = item.feature.find("{grade}") != std::string_view::npos;
    const std::string_view grade =
        graded ? instance.grade : (item.measure == Measure::kCushion ? "C15" : "");
    SampleRecord& bill = bill_;
    bill.id = instance.id;
    bill.bill_code = item.bill_code;
    bill.bill_name = item.bill_name;
    bill.bill_unit = item.bill_unit;
    bill.description = instance.formula[m];
    bill.quantity = QuantityText(milli);
    bill.sub_type = sub_type;
    bill.type_path = type_path;
    bill.component_name = instance.name;
    bill.position = instance.position;
    bill.handle = instance.handle;
    bill.grade = grade;
    bill.floor = floor.label;
    bill.kind = "1";
    bill.sub_code = item.sub_code;
    bill.quota_code = bill.quota_name = bill.quota_unit = {};
    bill.room = instance.room;
    bill.place = instance.place;
    bill.place2 = {};
    bill.partitions = Shares(instance.first_axis, instance.last_axis, instance.spread, milli, 1);
    bill.feature = Replace(Replace(Replace(Replace(std::string(item.feature), "{grade}", grade),
                                           "{name}", instance.name),
                                   "{size}", instance.size),
                           "{thick}", instance.thickness);
    bill.category_grade = {};
    bill.quota_features = item.quotas;
    bill.features_grade = grade;
    bill.calc_item = item.calc_item;
    quotas_.resize(item.quotas.size());
    for (size_t q = 0; q < item.quotas.size(); ++q) {
      const SampleQuota& quota = item.quotas[q];
      SampleRecord& record = quotas_[q];
      record = bill;
      record.kind = "2";
      record.quota_code = quota.code;
      record.quota_name = quota.name;
      record.quota_unit = quota.unit;
      // A quota may count another measure of the instance than its bill item.
      const size_t qm = quota.measure == Measure::kAsItem ? m : static_cast<size_t>(quota.measure);
      const long long quota_milli = instance.quantity[qm];
      record.description = instance.formula[qm];
      record.quantity = QuantityText(quota_milli, quota.factor);
      record.partitions = Shares(instance.first_axis, instance.last_axis, instance.spread,
                                 quota_milli, quota.factor);
      record.feature.clear();
      record.category_grade = quota.graded ? grade : std::string_view();
      record.quota_features = {};
      record.features_grade = {};
    }
    sink(bill, quotas_);
  }
}

void SampleBuilding::WalkClassified(const EntrySink& sink) {
  for (const SampleFloor& floor : floors_) {
    for (const SampleComponent& component : SampleComponents()) {
      if (OnFloor(component.levels, floor)) PlaceComponent(component, floor, sink);
    }
    if (floor.number >= 1) PlaceRooms(floor, sink);
    PlaceBayWindows(floor);
  }
}

}  // namespace reportdata::cli
