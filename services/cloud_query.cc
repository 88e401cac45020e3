// The questions the cloud index templates ask the gathered data: the floors
// of a kind, building areas by scope and by floor, and the quantity of the
// records a condition's keywords name over its floors.
//
// A keyword is SOURCE or SOURCE:ITEM. SOURCE "*" takes every member; "#P"
// the members whose bill or quota code starts with P; a text with "\" the
// members whose type path equals it or starts with it and "\"; any other
// text the members whose category (type path before its first "\") equals
// it. ITEM keeps only that calculation item. A condition counts the bill
// records when any bill record matches it, else the quota records, so that a
// project built on both sides is not counted twice.
#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "keys/floor_text.h"
#include "keys/units.h"
#include "reportdata/cloud_data.h"

namespace {

using reportdata::CoversFloor;
using reportdata::IsSingleFloor;
using reportdata::LeadingInt;

struct Keyword {
  std::wstring source;
  std::wstring item;  // empty for every item
};

std::wstring_view Trimmed(std::wstring_view text) {
  while (!text.empty() && (text.front() == L' ' || text.front() == L'\x3000'))
    text.remove_prefix(1);
  while (!text.empty() && (text.back() == L' ' || text.back() == L'\x3000')) text.remove_suffix(1);
  return text;
}

void AddKeywords(std::wstring_view text, std::vector<Keyword>& out) {
  while (!text.empty()) {
    std::size_t end = 0;
    while (end < text.size() && text[end] != L';' && text[end] != L'\xFF1B') ++end;
    const std::wstring_view word = Trimmed(text.substr(0, end));
    text.remove_prefix(std::min(end + 1, text.size()));
    if (word.empty()) continue;
    const std::size_t colon = word.find_first_of(L":\xFF1A");
    Keyword& keyword = out.emplace_back();
    keyword.source = Trimmed(word.substr(0, colon));
    if (colon != std::wstring_view::npos) keyword.item = Trimmed(word.substr(colon + 1));
  }
}

std::vector<Keyword> ParseKeywords(const CString& text) {
  std::vector<Keyword> keywords;
  AddKeywords(text.str(), keywords);
  return keywords;
}

std::vector<Keyword> ParseKeywords(const std::vector<CString>& texts) {
  std::vector<Keyword> keywords;
  for (const CString& text : texts) AddKeywords(text.str(), keywords);
  return keywords;
}

bool SourceMatches(std::wstring_view source, const CCloudDataSMem& member) {
  const std::wstring& path = member.typePath.str();
  if (source == L"*") return true;
  if (source.starts_with(L'#')) return member.code.str().starts_with(source.substr(1));
  if (source.find(L'\\') != std::wstring_view::npos) {
    return path.starts_with(source) &&
           (path.size() == source.size() || path[source.size()] == L'\\');
  }
  return std::wstring_view(path).substr(0, path.find(L'\\')) == source;
}

bool Matches(const std::vector<Keyword>& keywords, const CCloudDataSMem& member,
             const CCloudDataCalItem& item) {
  for (const Keyword& keyword : keywords) {
    if ((keyword.item.empty() || keyword.item == item.GetName().str()) &&
        SourceMatches(keyword.source, member)) {
      return true;
    }
  }
  return false;
}

bool BelowGround(const CString& floor) { return LeadingInt(floor.str()) < 1; }

// Storeys of the label (standing for `storeys` storeys) that `floor` names.
int Overlap(const std::wstring& label, int storeys, const std::wstring& floor) {
  if (label == floor) return storeys;
  if (IsSingleFloor(floor)) return CoversFloor(label, floor) ? 1 : 0;
  if (IsSingleFloor(label)) return CoversFloor(floor, label) ? 1 : 0;
  std::vector<std::wstring> singles;
  reportdata::ExpandFloors(label, singles);
  return static_cast<int>(
      std::count_if(singles.begin(), singles.end(),
                    [&](const std::wstring& one) { return CoversFloor(floor, one); }));
}

// Storeys of a label that the floors of a condition stand for.
int StoreysCovered(const std::wstring& label, int storeys, const std::vector<CString>& floors) {
  int covered = 0;
  for (const CString& floor : floors) covered += Overlap(label, storeys, floor.str());
  return covered;
}

}  // namespace

void CCloudDataMng::GetFloorAry(std::vector<CString>& floors, ECloudFloorType kind) const {
  floors.clear();
  std::vector<CString> all = calFloors_;
  if (all.empty()) {
    for (const CCloudDataArea& area : areas_) all.push_back(area.GetFloorName());
  }
  if (all.empty()) {
    for (const CCloudDataUnit& unit : units_) {
      for (const CCloudDataFloor& floor : unit.floors) {
        if (std::find(all.begin(), all.end(), floor.floorName) == all.end()) {
          all.push_back(floor.floorName);
        }
      }
    }
  }
  for (const CString& floor : all) {
    const bool keep = kind == eCloudFloorAll ||
                      (kind == eCloudFloorFirst && LeadingInt(floor.str()) == 1) ||
                      (kind == eCloudFloorUnder && BelowGround(floor)) ||
                      (kind == eCloudFloorAbove && !BelowGround(floor));
    if (keep) floors.push_back(floor);
  }
  std::stable_sort(floors.begin(), floors.end(), [](const CString& a, const CString& b) {
    return reportdata::ParseFloorKey(a.str()).order_key <
           reportdata::ParseFloorKey(b.str()).order_key;
  });
}

double CCloudDataMng::GetFloorArea(ECloudAreaType type) const {
  double total = 0.0;
  for (const CCloudDataArea& area : areas_) {
    const bool below = BelowGround(area.GetFloorName());
    if (type == eCloudAreaAll || (type == eCloudAreaUnder && below) ||
        (type == eCloudAreaAbove && !below)) {
      total += area.GetFloorArea();
    } else if (type == eCloudAreaFirst && LeadingInt(area.GetFloorName().str()) == 1) {
      total = area.GetFloorArea();  // the last entry that reads as the first floor
    }
  }
  return total;
}

double CCloudDataMng::GetFloorNameArea(const CString& floorName) const {
  double total = 0.0;
  for (const CCloudDataArea& area : areas_) {
    const int storeys = area.GetFloorNum();
    const std::wstring& label = area.GetFloorName().str();
    if (label == floorName.str()) {
      total += area.GetFloorArea();
    } else if (storeys > 0) {
      total += area.GetFloorArea() * Overlap(label, storeys, floorName.str()) / storeys;
    }
  }
  return total;
}

bool CCloudDataMng::GetQuantityByCondition(SCloudNormQuantity& quantity,
                                           const SCloudNormCondition& condition, bool rate) const {
  quantity = SCloudNormQuantity();
  const std::vector<Keyword> keywords = ParseKeywords(condition.keyWords);
  const std::vector<Keyword> excludes = ParseKeywords(condition.excludes);
  std::wstring base = condition.unit.str();
  int factor = 1;
  reportdata::ParseUnit(condition.unit.str(), &base, &factor);
  const bool any_unit = condition.unit.IsEmpty();
  auto counts = [&](const CCloudDataSMem& member, const CCloudDataCalItem& item) {
    return Matches(keywords, member, item) && !Matches(excludes, member, item);
  };

  // The family answers the condition: bills when any bill record matches.
  int family = 2;
  for (const CCloudDataUnit& unit : units_) {
    if (!any_unit && unit.name.str() != base) continue;
    for (const CCloudDataFloor& floor : unit.floors) {
      for (const CCloudDataSMem& member : floor.members) {
        if (member.key != 1) continue;
        for (const CCloudDataCalItem& item : member.items) {
          if (counts(member, item)) family = 1;
        }
      }
    }
  }

  bool found = false;
  double in_floors = 0.0;
  double everywhere = 0.0;
  for (const CCloudDataUnit& unit : units_) {
    if (!any_unit && unit.name.str() != base) continue;
    for (const CCloudDataFloor& floor : unit.floors) {
      const int storeys = StoreysCovered(floor.floorName.str(), floor.floorNum, condition.floors);
      for (const CCloudDataSMem& member : floor.members) {
        if (member.key != family) continue;
        // Facade decoration is gathered once for its whole floor group.
        const bool facade = reportdata::IsFacadeTypePath(member.typePath.str());
        const double all_storeys = facade ? 1.0 : floor.floorNum;
        const double covered =
            facade ? (floor.floorNum > 0 ? static_cast<double>(storeys) / floor.floorNum : 0.0)
                   : storeys;
        for (const CCloudDataCalItem& item : member.items) {
          if (!counts(member, item)) continue;
          everywhere += item.GetQuantity() * all_storeys;
          if (storeys > 0) {
            found = true;
            in_floors += item.GetQuantity() * covered;
          }
        }
      }
    }
  }
  quantity.quantity = in_floors / factor;
  if (rate) {
    quantity.rateNumerator = in_floors / factor;
    quantity.rateDenominator = everywhere / factor;
  }
  return found;
}
