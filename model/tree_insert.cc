// Merge rules of the report tree levels.
#include "model/tree_insert.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace reportdata {
namespace {

constexpr double kSameQuantity = 1e-7;

// Equal as multisets: each entry occurs as often in one list as in the other.
bool SamePartitions(const std::vector<PartitionShare>& node,
                    std::span<const PartitionShare> record) {
  if (node.size() != record.size()) return false;
  // Records of one project list their partitions in one order: equal lists
  // are nearly always equal entry by entry.
  bool in_step = true;
  for (size_t i = 0; i < node.size() && in_step; ++i) in_step = node[i] == record[i];
  if (in_step) return true;
  // A record carries one entry per partition of the project, a handful.
  for (const PartitionShare& share : node) {
    size_t in_node = 0;
    for (const PartitionShare& other : node) in_node += share == other;
    size_t in_record = 0;
    for (const PartitionShare& other : record) in_record += share == other;
    // A quantity that is not a number equals nothing, not even itself.
    if (in_node == 0 || in_node != in_record) return false;
  }
  return true;
}

// Quantity buckets of width 1e-7: two quantities closer than 1e-7 lie in the
// same or neighbouring buckets.
int64_t Bucket(double quantity) {
  const double scaled = std::floor(quantity / kSameQuantity);
  if (std::isnan(scaled)) return 0;
  if (scaled >= 9.0e18) return INT64_MAX;
  if (scaled <= -9.0e18) return INT64_MIN;
  return static_cast<int64_t>(scaled);
}

uint32_t RecordKeyHash(uint64_t description_hash, uint64_t partition_hash, int64_t bucket) {
  return HashFold(
      HashMix(HashMix(description_hash, partition_hash), static_cast<uint64_t>(bucket)));
}

uint32_t NodeKeyHash(const SQdRecordNode& node) {
  return RecordKeyHash(HashText(CutAtBars(node.description)), PartitionHash(node.partitions),
                       Bucket(node.quantity));
}

bool SameFeature(const SNYTJReportDEFeature& a, const SNYTJReportDEFeature& b) {
  return a.code == b.code && a.name == b.name && a.unit == b.unit &&
         SameCategories(a.categories, b.categories);
}

// Whether `full` cut at its first "||" is `cut`, itself cut already: the
// comparison of every candidate node, without searching its text for "||".
bool CutsTo(std::wstring_view full, std::wstring_view cut) {
  if (!full.starts_with(cut)) return false;
  if (full.size() == cut.size()) return true;
  // The first "||" of full must start right after cut, not on its last '|'.
  return full.substr(cut.size()).starts_with(L"||") && !cut.ends_with(L'|');
}

void AppendInstance(SQdRecordNode& node, const RecordKeys& keys) {
  ++node.count;
  if (keys.handle.empty()) return;
  node.handles += "$$";
  node.handles += keys.handle;
  node.positions += '$';
  node.positions += keys.position;
}

}  // namespace

uint32_t TextHash(std::wstring_view text) { return HashFold(HashText(text)); }

bool SameCategories(std::span<const SNYTJFenLeiVarDescInfo> a,
                    std::span<const SNYTJFenLeiVarDescInfo> b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (a[i].var != b[i].var || a[i].name != b[i].name || a[i].value != b[i].value) return false;
  }
  return true;
}

void InsertRecord(std::vector<SQdRecordNode>& records, HashIndex& index, const RecordKeys& keys,
                  double quantity) {
  const PooledText& description = keys.description_cut;
  auto matches = [&](const SQdRecordNode& node) {
    return std::fabs(node.quantity - quantity) < kSameQuantity &&
           (node.description == keys.description || CutsTo(node.description, description)) &&
           SamePartitions(node.partitions, keys.partitions);
  };
  int found = -1;
  if (records.size() <= HashIndex::kScanLimit) {
    for (size_t i = 0; i < records.size() && found < 0; ++i) {
      if (matches(records[i])) found = static_cast<int>(i);
    }
  } else {
    index.Sync(records.size(), [&](size_t i) { return NodeKeyHash(records[i]); });
    const uint64_t description_hash = description.hash();
    const uint64_t partition_hash = keys.partition_hash;
    // Rounding is monotone, so every quantity within 1e-7 falls in [low, high].
    const int64_t low = Bucket(quantity - kSameQuantity);
    const int64_t high = Bucket(quantity + kSameQuantity);
    for (int64_t bucket = low;; ++bucket) {
      index.ForEach(RecordKeyHash(description_hash, partition_hash, bucket), [&](size_t position) {
        if ((found < 0 || static_cast<int>(position) < found) && matches(records[position])) {
          found = static_cast<int>(position);
        }
      });
      if (bucket >= high || bucket - low >= 4) break;
    }
  }
  if (found >= 0) {
    AppendInstance(records[found], keys);
    return;
  }
  SQdRecordNode& node = records.emplace_back();
  node.positions = keys.position;
  node.description = keys.description;
  node.quantity = quantity;
  if (!keys.handle.empty()) {
    node.handles += '$';
    node.handles += keys.handle;
  }
  node.partitions.assign(keys.partitions.begin(), keys.partitions.end());
}

SQdCompNode& FindOrAddComponent(std::vector<SQdCompNode>& components, HashIndex& index,
                                const PooledText& name, const PooledText& type_path,
                                const PooledText& sub_type) {
  const int found = FindFirst(
      components, index, [&] { return ComponentHash(name, type_path, sub_type); },
      [](const SQdCompNode& c) { return ComponentHash(c.name, c.type_path, c.sub_type); },
      [&](const SQdCompNode& c) {
        return c.name == name && c.type_path == type_path && c.sub_type == sub_type;
      });
  if (found >= 0) return components[found];
  SQdCompNode& component = components.emplace_back();
  component.name = name;
  component.type_path = type_path;
  component.sub_type = sub_type;
  return component;
}

void InsertIntoFloors(std::vector<SQdFloorNode>& floors, FloorIndex& index, const RecordKeys& keys,
                      const PooledText& component_name, const PooledText& unit, double quantity) {
  const PooledText& floor_text = keys.floor;
  const bool facade = IsFacadeTypePath(keys.type_path);
  const int found = FindFloor(floors, index, floor_text, facade);
  SQdFloorNode* floor = found >= 0 ? &floors[found] : nullptr;
  if (floor == nullptr) {
    floor = &floors.emplace_back();
    floor->floor_text = floor_text;
    const FloorKey parsed = ParseFloorKey(floor_text);
    floor->count = parsed.count;
    floor->order_key = parsed.order_key;
    floor->unit = unit;
  }
  SQdCompNode& component = FindOrAddComponent(floor->components, floor->component_index,
                                              component_name, keys.type_path, keys.sub_type);
  InsertRecord(component.records, component.record_index, keys, quantity);
}

bool SameBillItem(const SQdItemNode& item, const RecordKeys& keys) {
  if (item.code != keys.bill_code || item.name != keys.bill_name || item.unit != keys.bill_unit ||
      item.feature != keys.feature || item.quota_features.size() != keys.quota_features.size()) {
    return false;
  }
  for (size_t i = 0; i < item.quota_features.size(); ++i) {
    if (!SameFeature(item.quota_features[i], keys.quota_features[i])) return false;
  }
  return true;
}

uint32_t BillItemHash(const PooledText& code, const PooledText& name, const PooledText& unit,
                      const PooledText& feature, size_t features) {
  uint64_t hash = HashMix(code.hash(), name.hash());
  hash = HashMix(HashMix(hash, unit.hash()), feature.hash());
  return HashFold(HashMix(hash, features));
}

void FillBillItem(SQdItemNode& item, const RecordKeys& keys) {
  item.code = keys.bill_code;
  item.name = keys.bill_name;
  item.unit = keys.bill_unit;
  item.feature = keys.feature;
  item.quota_features.assign(keys.quota_features.begin(), keys.quota_features.end());
  item.extra = keys.extra;
}

uint32_t QuotaItemHash(const PooledText& code, const PooledText& name, const PooledText& unit,
                       size_t categories) {
  return HashFold(HashMix(HashMix(HashMix(code.hash(), name.hash()), unit.hash()), categories));
}

}  // namespace reportdata
