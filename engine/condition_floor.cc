// Condition floor order.
#include "engine/condition_floor.h"

#include <climits>
#include <cmath>
#include <map>
#include <string>

#include "keys/floor_text.h"

namespace reportdata {

int ConditionFloorKey(std::wstring_view name) {
  std::wstring text(name);
  for (wchar_t& ch : text) {
    if (ch == L'，') ch = L',';
    if (ch == L'／') ch = L'/';
  }
  size_t end = text.find(L',');
  if (end == std::wstring::npos) end = text.find(L'/');
  if (end != std::wstring::npos) text.resize(end);
  const double scaled = std::trunc(LeadingDouble(text) * 10);
  if (!(scaled >= INT_MIN && scaled <= INT_MAX)) return INT_MIN;
  return static_cast<int>(scaled);
}

void SortConditionFloor(CStringArray& floors) {
  std::map<int, CString> zero;
  std::map<int, CString> negative;
  std::map<int, CString> positive;
  for (const CString& name : floors) {
    const int key = ConditionFloorKey(name.str());
    auto& group = key == 0 ? zero : (key < 0 ? negative : positive);
    group.try_emplace(key, name);
  }
  floors.RemoveAll();
  for (const auto* group : {&zero, &negative, &positive}) {
    for (const auto& [key, name] : *group) floors.Add(name);
  }
}

}  // namespace reportdata
