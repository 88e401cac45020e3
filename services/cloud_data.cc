// The cloud-index data library's records and the gathering of calculation
// results. A record is filed under its measurement unit (the base unit of
// its bill or quota unit, its quantity scaled to it), its floor label, and
// its member: the family (bill or quota), component type path and item code.
// Within the member its quantity adds up per calculation item. Floors,
// members and component names are found through the library's hash index
// kept beside each list, keyed by hashes of the texts the list already
// holds: a project of tens of thousands of floors files its records in time
// linear in them, and a new entry costs the lists' own texts only.
#include "reportdata/cloud_data.h"

#include <algorithm>

#include "keys/floor_text.h"
#include "keys/hash_index.h"
#include "keys/units.h"

using reportdata::FindFirst;
using reportdata::HashFold;
using reportdata::HashIndex;
using reportdata::HashMix;
using reportdata::HashText;

// Each unit's floors by name, each floor's members by key, type path and
// code, and the component names of the members that list more than a few.
// Positions are those of the lists; an index reaches entries appended to
// its list (by filing or by a file read) at its next lookup.
struct CCloudDataMng::Index {
  struct Floor {
    HashIndex members;
    std::vector<HashIndex> names;  // by member position; grown for long lists only
  };
  struct Unit {
    HashIndex floors;
    std::vector<Floor> floor_indexes;  // by floor position
  };
  std::vector<Unit> units;  // by unit position

  Unit& UnitAt(std::size_t at) {
    if (units.size() <= at) units.resize(at + 1);
    return units[at];
  }
  static Floor& FloorAt(Unit& unit, std::size_t at) {
    if (unit.floor_indexes.size() <= at) unit.floor_indexes.resize(at + 1);
    return unit.floor_indexes[at];
  }
};

namespace {

int FamilyOf(const TJQd& record) { return record.kind == L"1" ? 1 : 2; }

// The unit a record is filed under and the factor its quantity is scaled by.
CString UnitOf(const TJQd& record, int& factor) {
  const CString& unit = record.kind == L"1" ? record.billUnit : record.quotaUnit;
  std::wstring base;
  factor = 1;
  if (reportdata::ParseUnit(unit.str(), &base, &factor)) return CString(std::move(base));
  return unit;
}

uint32_t TextKey(std::wstring_view text) { return HashFold(HashText(text)); }

uint32_t MemberKey(int key, std::wstring_view type_path, std::wstring_view code) {
  return HashFold(
      HashMix(HashMix(static_cast<uint64_t>(key), HashText(type_path)), HashText(code)));
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

CCloudDataMng::CCloudDataMng(const CCloudDataMng& other)
    : units_(other.units_),
      areas_(other.areas_),
      calFloors_(other.calFloors_),
      version_(other.version_) {}

CCloudDataMng& CCloudDataMng::operator=(const CCloudDataMng& other) {
  if (this != &other) *this = CCloudDataMng(other);
  return *this;
}

CCloudDataMng::CCloudDataMng(CCloudDataMng&& other) noexcept = default;
CCloudDataMng& CCloudDataMng::operator=(CCloudDataMng&& other) noexcept = default;
CCloudDataMng::~CCloudDataMng() = default;

CCloudDataMng::Index& CCloudDataMng::Indexes() {
  if (!index_) index_ = std::make_unique<Index>();
  return *index_;
}

void CCloudDataMng::Clear() {
  units_.clear();
  areas_.clear();
  calFloors_.clear();
  index_.reset();
}

CCloudDataMng::MemberPos CCloudDataMng::FindOrAddMember(std::wstring_view unit,
                                                        std::wstring_view floor, int key,
                                                        std::wstring_view typePath,
                                                        std::wstring_view code) {
  MemberPos pos{};
  // Units are few: they are looked up in order.
  pos.unit = FindOrAppend(
      units_, [&](const CCloudDataUnit& u) { return u.name.str() == unit; },
      [&] {
        CCloudDataUnit made;
        made.name = CString(unit);
        return made;
      });
  Index::Unit& unit_index = Indexes().UnitAt(pos.unit);
  std::vector<CCloudDataFloor>& floors = units_[pos.unit].floors;
  const int found_floor = FindFirst(
      floors, unit_index.floors, [&] { return TextKey(floor); },
      [](const CCloudDataFloor& f) { return TextKey(f.floorName.str()); },
      [&](const CCloudDataFloor& f) { return f.floorName.str() == floor; });
  if (found_floor >= 0) {
    pos.floor = static_cast<std::size_t>(found_floor);
  } else {
    const reportdata::FloorKey floor_order = reportdata::ParseFloorKey(floor);
    pos.floor = floors.size();
    CCloudDataFloor& made = floors.emplace_back();
    made.floorName = CString(floor);
    made.floorNum = floor_order.count;
    made.sortKey = floor_order.order_key;
  }
  std::vector<CCloudDataSMem>& members = floors[pos.floor].members;
  const int found_member = FindFirst(
      members, Index::FloorAt(unit_index, pos.floor).members,
      [&] { return MemberKey(key, typePath, code); },
      [](const CCloudDataSMem& m) { return MemberKey(m.key, m.typePath.str(), m.code.str()); },
      [&](const CCloudDataSMem& m) {
        return m.key == key && m.typePath.str() == typePath && m.code.str() == code;
      });
  if (found_member >= 0) {
    pos.member = static_cast<std::size_t>(found_member);
    return pos;
  }
  pos.member = members.size();
  CCloudDataSMem& member = members.emplace_back();
  member.key = key;
  member.typePath = CString(typePath);
  member.code = CString(code);
  return pos;
}

CCloudDataCalItem& CCloudDataMng::FindOrAddItem(CCloudDataSMem& member, int id,
                                                std::wstring_view name) {
  return member.items[FindOrAppend(
      member.items,
      [&](const CCloudDataCalItem& i) { return i.GetId() == id && i.GetName().str() == name; },
      [&] { return CCloudDataCalItem(id, 0.0, CString(name)); })];
}

void CCloudDataMng::AddComponentName(const MemberPos& pos, std::wstring_view name, uint32_t hash) {
  std::vector<CString>& names = Member(pos).componentNames;
  const auto equal = [&](const CString& listed) { return listed.str() == name; };
  bool listed = false;
  if (names.size() <= HashIndex::kScanLimit) {
    listed = std::ranges::any_of(names, equal);
  } else {
    // Only a member listing many components (a wall type on many walls)
    // keeps an index of them.
    Index::Floor& floor = Index::FloorAt(Indexes().UnitAt(pos.unit), pos.floor);
    if (floor.names.size() <= pos.member) floor.names.resize(pos.member + 1);
    listed = FindFirst(
                 names, floor.names[pos.member], [&] { return hash; },
                 [](const CString& n) { return TextKey(n.str()); }, equal) >= 0;
  }
  if (!listed) names.emplace_back(name);
}

void CCloudDataMng::AddPartition(CCloudDataSMem& member, std::wstring_view name) {
  FindOrAppend(
      member.partitions, [&](const CString& listed) { return listed.str() == name; },
      [&] { return CString(name); });
}

void CCloudDataMng::AddData(const TJQd& record) {
  int factor = 1;
  const CString unit = UnitOf(record, factor);
  const int family = FamilyOf(record);
  const CString& code = family == 1 ? record.billCode : record.quotaCode;
  const MemberPos pos = FindOrAddMember(unit, record.floor, family, record.typePath, code);
  CCloudDataSMem& member = Member(pos);
  const int item_id = reportdata::LeadingInt(record.subCode.str());
  const double quantity = reportdata::LeadingDouble(record.quantity.str()) * factor;
  FindOrAddItem(member, item_id, record.calcItem).AddQuantity(quantity);
  if (!record.componentName.IsEmpty()) {
    AddComponentName(pos, record.componentName, TextKey(record.componentName));
  }
  for (const SNYTJFenQuInfo& partition : record.partitions) AddPartition(member, partition.name);
}

void CCloudDataMng::AddArea(const CString& floorName, double area) {
  const reportdata::FloorKey key = reportdata::ParseFloorKey(floorName.str());
  areas_.emplace_back(key.count, key.order_key, floorName, area);
}

void CCloudDataMng::InitDifCalArea(const std::vector<CString>& floors) { calFloors_ = floors; }
