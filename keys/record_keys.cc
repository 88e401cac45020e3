#include "keys/record_keys.h"

#include <cstring>
#include <utility>

#include "keys/floor_text.h"
#include "keys/hash_index.h"
#include "platform/text.h"

namespace reportdata {
namespace {

uint64_t QuantityBits(double value) {
  if (value == 0.0) value = 0.0;  // -0 and 0 are the same quantity
  uint64_t bits;
  std::memcpy(&bits, &value, sizeof bits);
  return bits;
}

}  // namespace

std::wstring_view CutAtBars(std::wstring_view description) {
  return description.substr(0, description.find(L"||"));
}

double ParseQuantity(const CString& text) { return LeadingDouble(text.str()); }

void PooledShares(const std::vector<SNYTJFenQuInfo>& shares, std::vector<PartitionShare>& out) {
  out.clear();
  for (const SNYTJFenQuInfo& share : shares) {
    out.push_back(PartitionShare{share.name.str(), share.formula.str(), share.quantity});
  }
}

uint64_t PartitionHash(std::span<const PartitionShare> shares) {
  uint64_t sum = shares.size();
  for (const PartitionShare& share : shares) {
    sum += HashMix(HashMix(share.name.hash(), share.formula.hash()), QuantityBits(share.quantity));
  }
  return sum;
}

RecordKeys KeysOf(const TJQd& record) {
  RecordKeys keys;
  keys.bill_code = record.billCode.str();
  keys.bill_name = record.billName.str();
  keys.bill_unit = record.billUnit.str();
  keys.feature = record.feature.str();
  keys.quota_code = record.quotaCode.str();
  keys.quota_name = record.quotaName.str();
  keys.quota_unit = record.quotaUnit.str();
  keys.floor = record.floor.str();
  keys.component_name = record.componentName.str();
  keys.type_path = record.typePath.str();
  keys.sub_type = record.subType.str();
  keys.sub_code = record.subCode.str();
  keys.description = record.description.str();
  keys.description_cut = CutAtBars(record.description.str());
  keys.kind = record.kind.str();
  keys.extra = record.extra.str();
  keys.grade = record.grade.str();
  keys.room = record.room.str();
  keys.place = record.place.str();
  keys.place2 = record.place2.str();
  keys.calc_item = record.calcItem.str();
  keys.id = record.id;
  keys.quantity = ParseQuantity(record.quantity);
  keys.position = ToUtf8(record.position.str());
  keys.handle = ToUtf8(record.handle.str());
  auto lists = std::make_shared<RecordLists>();
  PooledShares(record.partitions, lists->partitions);
  lists->categories = record.categories;
  lists->quota_features = record.quotaFeatures;
  keys.partitions = lists->partitions;
  keys.partition_hash = PartitionHash(keys.partitions);
  keys.categories = lists->categories;
  keys.quota_features = lists->quota_features;
  keys.held = std::move(lists);
  return keys;
}

void KeysOf(const SNYTJQdDeClassResult& entry, EntryKeys& keys) {
  keys.bill = KeysOf(entry.bill);
  keys.quotas.resize(entry.quotas.size());
  for (size_t i = 0; i < entry.quotas.size(); ++i) keys.quotas[i] = KeysOf(entry.quotas[i]);
}

EntryKeys KeysOf(const SNYTJQdDeClassResult& entry) {
  EntryKeys keys;
  KeysOf(entry, keys);
  return keys;
}

}  // namespace reportdata
