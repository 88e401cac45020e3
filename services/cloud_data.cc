// The cloud-index data library's records and the gathering of calculation
// results. A record is filed under its measurement unit (the base unit of
// its bill or quota unit, its quantity scaled to it), its floor label, and
// its member: the family (bill or quota), component type path and item code.
// Within the member its quantity adds up per calculation item. Every level is
// found through a hash index, so filing stays linear in the records.
#include "reportdata/cloud_data.h"

#include "keys/floor_text.h"
#include "keys/units.h"

namespace {

constexpr wchar_t kSeparator = L'\x1F';

int FamilyOf(const TJQd& record) { return record.kind == L"1" ? 1 : 2; }

// The unit a record is filed under and the factor its quantity is scaled by.
CString UnitOf(const TJQd& record, int& factor) {
  const CString& unit = record.kind == L"1" ? record.billUnit : record.quotaUnit;
  std::wstring base;
  factor = 1;
  if (reportdata::ParseUnit(unit.str(), &base, &factor)) return CString(std::move(base));
  return unit;
}

void AppendKeyPart(std::wstring& key, std::wstring_view part) {
  key += part;
  key += kSeparator;
}

// Fills key (kept by the caller, so that filing a record allocates nothing
// once its buffer has grown).
void SetMemberKey(std::wstring& key, const CString& unit, const CString& floor, int family,
                  const CString& type_path, const CString& code) {
  key.clear();
  AppendKeyPart(key, unit.str());
  AppendKeyPart(key, floor.str());
  key += static_cast<wchar_t>(L'0' + family);
  AppendKeyPart(key, type_path.str());
  key += code.str();
}

// Position of the first element of list that equal accepts; appends make()
// when there is none.
template <typename List, typename Equal, typename Make>
std::size_t FindOrAppend(List& list, Equal&& equal, Make&& make) {
  std::size_t at = 0;
  while (at < list.size() && !equal(list[at])) ++at;
  if (at == list.size()) list.push_back(make());
  return at;
}

}  // namespace

bool CCloudDataCalItem::operator<(const CCloudDataCalItem& other) const {
  if (id_ != other.id_) return id_ < other.id_;
  return name_ < other.name_;
}

bool CCloudDataSMem::operator<(const CCloudDataSMem& other) const {
  if (key == -1) return false;
  return key < other.key;
}

CCloudDataMng::CCloudDataMng() : version_(L"1.0.0") {}

void CCloudDataMng::Clear() {
  units_.clear();
  areas_.clear();
  calFloors_.clear();
  memberIndex_.clear();
  floorIndex_.clear();
  nameIndex_.clear();
}

CCloudDataMng::MemberPos CCloudDataMng::FindOrAddMember(const CString& unit, const CString& floor,
                                                        int key, const CString& typePath,
                                                        const CString& code) {
  // Lists read from a file have no index yet: it is built at the first look-up.
  if (memberIndex_.empty()) Reindex();
  SetMemberKey(scratch_, unit, floor, key, typePath, code);
  if (auto found = memberIndex_.find(scratch_); found != memberIndex_.end()) return found->second;
  // A new member: units and floors are few, so they are looked up in order.
  MemberPos pos{};
  pos.unit = FindOrAppend(
      units_, [&](const CCloudDataUnit& u) { return u.name == unit; },
      [&] {
        CCloudDataUnit made;
        made.name = unit;
        return made;
      });
  // A project can have tens of thousands of floors: they are found through
  // an index, or filing would take time in the square of their number.
  std::vector<CCloudDataFloor>& floors = units_[pos.unit].floors;
  std::wstring floor_key;
  AppendKeyPart(floor_key, unit.str());
  floor_key += floor.str();
  const auto [at, added] = floorIndex_.try_emplace(std::move(floor_key), floors.size());
  if (added) {
    const reportdata::FloorKey floor_order = reportdata::ParseFloorKey(floor.str());
    CCloudDataFloor& made = floors.emplace_back();
    made.floorName = floor;
    made.floorNum = floor_order.count;
    made.sortKey = floor_order.order_key;
  }
  pos.floor = at->second;
  CCloudDataFloor& floor_entry = floors[pos.floor];
  pos.member = floor_entry.members.size();
  CCloudDataSMem& member = floor_entry.members.emplace_back();
  member.key = key;
  member.typePath = typePath;
  member.code = code;
  memberIndex_.emplace(scratch_, pos);
  return pos;
}

void CCloudDataMng::KeyOfMember(const MemberPos& pos) {
  const CCloudDataUnit& unit = units_[pos.unit];
  const CCloudDataFloor& floor = unit.floors[pos.floor];
  const CCloudDataSMem& member = floor.members[pos.member];
  SetMemberKey(scratch_, unit.name, floor.floorName, member.key, member.typePath, member.code);
}

std::size_t CCloudDataMng::FindOrAddItem(CCloudDataSMem& member, int id, const CString& name) {
  return FindOrAppend(
      member.items,
      [&](const CCloudDataCalItem& i) { return i.GetId() == id && i.GetName() == name; },
      [&] { return CCloudDataCalItem(id, 0.0, name); });
}

void CCloudDataMng::AddComponentName(CCloudDataSMem& member, const CString& name) {
  const std::size_t key_size = scratch_.size();
  scratch_ += kSeparator;
  scratch_ += name.str();
  if (nameIndex_.insert(scratch_).second) member.componentNames.push_back(name);
  scratch_.resize(key_size);
}

void CCloudDataMng::AddPartition(CCloudDataSMem& member, const CString& name) {
  FindOrAppend(
      member.partitions, [&](const CString& listed) { return listed == name; },
      [&] { return name; });
}

void CCloudDataMng::AddData(const TJQd& record) {
  int factor = 1;
  const CString unit = UnitOf(record, factor);
  const int family = FamilyOf(record);
  const CString& code = family == 1 ? record.billCode : record.quotaCode;
  CCloudDataSMem& member =
      Member(FindOrAddMember(unit, record.floor, family, record.typePath, code));
  const int item_id = reportdata::LeadingInt(record.subCode.str());
  const double quantity = reportdata::LeadingDouble(record.quantity.str()) * factor;
  member.items[FindOrAddItem(member, item_id, record.calcItem)].AddQuantity(quantity);
  if (!record.componentName.IsEmpty()) AddComponentName(member, record.componentName);
  for (const SNYTJFenQuInfo& partition : record.partitions) AddPartition(member, partition.name);
}

void CCloudDataMng::Reindex() {
  memberIndex_.clear();
  floorIndex_.clear();
  nameIndex_.clear();
  for (std::size_t u = 0; u < units_.size(); ++u) {
    for (std::size_t f = 0; f < units_[u].floors.size(); ++f) {
      const CCloudDataFloor& floor = units_[u].floors[f];
      std::wstring floor_key;
      AppendKeyPart(floor_key, units_[u].name.str());
      floor_key += floor.floorName.str();
      floorIndex_.try_emplace(std::move(floor_key), f);
      for (std::size_t m = 0; m < floor.members.size(); ++m) {
        KeyOfMember(MemberPos{u, f, m});
        memberIndex_.emplace(scratch_, MemberPos{u, f, m});
        for (const CString& name : floor.members[m].componentNames) {
          nameIndex_.insert(scratch_ + kSeparator + name.str());
        }
      }
    }
  }
}

void CCloudDataMng::AddArea(const CString& floorName, double area) {
  const reportdata::FloorKey key = reportdata::ParseFloorKey(floorName.str());
  areas_.emplace_back(key.count, key.order_key, floorName, area);
}

void CCloudDataMng::InitDifCalArea(const std::vector<CString>& floors) { calFloors_ = floors; }
