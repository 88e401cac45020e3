// The cloud-index data library's records and the gathering of calculation
// results per component category and floor. A record's category is the
// category letters of its component kind code (the text before the first
// "\" of the type path, "Q" for "Q\TWQ"); its floor is its floor text; its
// member is its component (name and type path), whose quantities add up per
// calculation item.
#include "reportdata/cloud_data.h"

#include <cwchar>

namespace {

// Storey count and sort key of a floor label: "3" is one storey with key 30,
// "2,5" four storeys from 2, "2/4/6" three storeys from 2; a label 0 sorts
// first with key -1000.
void ParseFloorLabel(const CString& label, int& count, int& sort_key) {
  std::wstring text = label.str();
  for (wchar_t& ch : text) {
    if (ch == L'\xFF0C') ch = L',';
    if (ch == L'\xFF0F') ch = L'/';
  }
  const std::size_t comma = text.find(L',');
  const std::size_t slash = text.find(L'/');
  std::wstring first = text;
  count = 1;
  if (comma != std::wstring::npos) {
    first = text.substr(0, comma);
    count = std::wcstol(text.c_str() + comma + 1, nullptr, 10) -
            std::wcstol(first.c_str(), nullptr, 10) + 1;
  } else if (slash != std::wstring::npos) {
    first = text.substr(0, slash);
    count = 1;
    for (wchar_t ch : text) count += ch == L'/';
  }
  sort_key = static_cast<int>(std::wcstod(first.c_str(), nullptr) * 10);
  if (sort_key == 0) sort_key = -1000;
}

CString CategoryOf(const CString& type_path) {
  const int slash = type_path.Find(L'\\');
  return slash < 0 ? type_path : type_path.Left(slash);
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
}

void CCloudDataMng::AddData(const TJQd& record) {
  const CString category = CategoryOf(record.typePath);
  std::wstring index_key = category.str();
  for (const CString* part : {&record.floor, &record.componentName, &record.typePath}) {
    index_key += L'\x1F';
    index_key += part->str();
  }
  auto found = memberIndex_.find(index_key);
  if (found == memberIndex_.end()) {
    MemberPos pos{0, 0, 0};
    while (pos.unit < units_.size() && units_[pos.unit].name != category) ++pos.unit;
    if (pos.unit == units_.size()) units_.emplace_back().name = category;
    std::vector<CCloudDataFloor>& floors = units_[pos.unit].floors;
    while (pos.floor < floors.size() && floors[pos.floor].floorName != record.floor) ++pos.floor;
    if (pos.floor == floors.size()) {
      CCloudDataFloor& floor = floors.emplace_back();
      floor.floorName = record.floor;
      ParseFloorLabel(record.floor, floor.floorNum, floor.sortKey);
    }
    std::vector<CCloudDataSMem>& members = floors[pos.floor].members;
    pos.member = members.size();
    CCloudDataSMem& member = members.emplace_back();
    member.key = record.id;
    member.name = record.componentName;
    member.typePath = record.typePath;
    found = memberIndex_.emplace(std::move(index_key), pos).first;
  }
  const MemberPos& pos = found->second;
  CCloudDataSMem& member = units_[pos.unit].floors[pos.floor].members[pos.member];

  const int item_id = static_cast<int>(std::wcstol(record.subCode.GetString(), nullptr, 10));
  const double quantity = std::wcstod(record.quantity.GetString(), nullptr);
  bool added = false;
  for (CCloudDataCalItem& item : member.items) {
    if (item.GetId() == item_id && item.GetName() == record.calcItem) {
      item.AddQuantity(quantity);
      added = true;
      break;
    }
  }
  if (!added) member.items.emplace_back(item_id, quantity, record.calcItem);
  if (!record.handle.IsEmpty()) member.handles.push_back(record.handle);
  for (const SNYTJFenQuInfo& partition : record.partitions) {
    bool known = false;
    for (const CString& name : member.partitions) known = known || name == partition.name;
    if (!known) member.partitions.push_back(partition.name);
  }
}

void CCloudDataMng::AddArea(const CString& floorName, double area) {
  int count = 0;
  int sort_key = 0;
  ParseFloorLabel(floorName, count, sort_key);
  areas_.emplace_back(count, sort_key, floorName, area);
}

void CCloudDataMng::InitDifCalArea(const std::vector<CString>& floors) { calFloors_ = floors; }
