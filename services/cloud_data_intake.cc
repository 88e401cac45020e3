#include "services/cloud_data_intake.h"

#include <algorithm>

#include "keys/floor_text.h"
#include "keys/hash_index.h"

namespace reportdata {

size_t CloudDataIntake::MemberKeyHash::operator()(const MemberKey& key) const {
  uint64_t hash = HashMix(key.kind.hash(), key.unit.hash());
  hash = HashMix(hash, key.floor.hash());
  hash = HashMix(hash, key.type_path.hash());
  return HashMix(hash, key.code.hash());
}

size_t CloudDataIntake::ListedHash::operator()(const Listed& listed) const {
  return HashMix(listed.member, listed.name.hash());
}

CloudDataIntake::Member& CloudDataIntake::MemberOf(const RecordKeys& keys, bool bill,
                                                   const ParsedUnits::Unit& unit, size_t& at) {
  const PooledText& code = bill ? keys.bill_code : keys.quota_code;
  const MemberKey key{keys.kind, unit.text, keys.floor, keys.type_path, code};
  const auto [found, added] = member_index_.try_emplace(key, members_.size());
  at = found->second;
  if (!added) return members_[at];
  Member& member = members_.emplace_back();
  member.pos = data_.FindOrAddMember(CString(unit.base), CString(keys.floor.str()), bill ? 1 : 2,
                                     CString(keys.type_path.str()), CString(code.str()));
  return member;
}

void CloudDataIntake::Add(const RecordKeys& keys, const PooledText& component_name) {
  const bool bill = IsBillRecord(keys);
  const ParsedUnits::Unit& unit = units_.Of(bill ? keys.bill_unit : keys.quota_unit);
  size_t at = 0;
  Member& member = MemberOf(keys, bill, unit, at);
  CCloudDataSMem& filed = data_.Member(member.pos);

  const int item_id = LeadingInt(keys.sub_code.str());
  auto item = std::ranges::find_if(member.items, [&](const Item& known) {
    return known.id == item_id && known.name == keys.calc_item;
  });
  if (item == member.items.end()) {
    const size_t item_at =
        CCloudDataMng::FindOrAddItem(filed, item_id, CString(keys.calc_item.str()));
    item = member.items.insert(member.items.end(), Item{item_id, keys.calc_item, item_at});
  }
  filed.items[item->at].AddQuantity(keys.quantity * unit.factor);

  if (!component_name.empty() && listed_.insert(Listed{at, component_name}).second) {
    data_.KeyOfMember(member.pos);
    data_.AddComponentName(filed, CString(component_name.str()));
  }
  for (const PartitionShare& share : keys.partitions) {
    if (std::ranges::find(member.partitions, share.name) != member.partitions.end()) continue;
    member.partitions.push_back(share.name);
    CCloudDataMng::AddPartition(filed, CString(share.name.str()));
  }
}

}  // namespace reportdata
