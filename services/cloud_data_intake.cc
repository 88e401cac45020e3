#include "services/cloud_data_intake.h"

#include "keys/floor_text.h"

namespace reportdata {

uint32_t CloudDataIntake::MemberKey::Hash() const {
  uint64_t hash = HashMix(kind.hash(), unit.hash());
  hash = HashMix(hash, floor.hash());
  hash = HashMix(hash, type_path.hash());
  return HashFold(HashMix(hash, code.hash()));
}

const CCloudDataMng::MemberPos& CloudDataIntake::MemberOf(const RecordKeys& keys, bool bill,
                                                          const ParsedUnits::Unit& unit) {
  const PooledText& code = bill ? keys.bill_code : keys.quota_code;
  const MemberKey key{keys.kind, unit.text, keys.floor, keys.type_path, code};
  const int found = FindFirst(
      members_, member_index_, [&] { return key.Hash(); },
      [](const Member& member) { return member.key.Hash(); },
      [&](const Member& member) { return member.key == key; });
  if (found >= 0) return members_[found].pos;
  return members_
      .emplace_back(Member{
          key, data_.FindOrAddMember(unit.base, keys.floor, bill ? 1 : 2, keys.type_path, code)})
      .pos;
}

void CloudDataIntake::Add(const RecordKeys& keys, const PooledText& component_name) {
  const bool bill = IsBillRecord(keys);
  const ParsedUnits::Unit& unit = units_.Of(bill ? keys.bill_unit : keys.quota_unit);
  const CCloudDataMng::MemberPos pos = MemberOf(keys, bill, unit);
  CCloudDataSMem& filed = data_.Member(pos);
  CCloudDataMng::FindOrAddItem(filed, LeadingInt(keys.sub_code.str()), keys.calc_item)
      .AddQuantity(keys.quantity * unit.factor);
  if (!component_name.empty()) {
    data_.AddComponentName(pos, component_name, HashFold(component_name.hash()));
  }
  for (const PartitionShare& share : keys.partitions) {
    CCloudDataMng::AddPartition(filed, share.name);
  }
}

}  // namespace reportdata
