// Floor texts: the floor text of a record names one floor ("3"), a
// range of floors ("2,5") or a list of floors ("2/4/6"). This module turns a
// floor text into its floor count and order key, expands it into the
// single floors it stands for, and answers whether one floor text covers a
// single floor, which is how facade decoration counted once per floor group
// finds its group. Full-width "，" and "／" count as "," and "/" everywhere.
#ifndef REPORTDATA_KEYS_FLOOR_TEXT_H_
#define REPORTDATA_KEYS_FLOOR_TEXT_H_

#include <string>
#include <string_view>
#include <vector>

namespace reportdata {

// A range of more floors than this (no building has them; a slip such as
// "1,1000000000") stands for its two ends only when it is expanded or asked
// whether it covers a floor. Its floor count is what its numbers say.
inline constexpr long long kMaxRangeFloors = 1000;

struct FloorKey {
  int count = 1;          // floors the floor text stands for
  int order_key = -1000;  // floors sort by this key; floor "0" sorts first of all
};

// Floor count and order key of a floor text.
FloorKey ParseFloorKey(std::wstring_view floor_text);

// Appends the single floors that `floor_text` stands for to `floors` and returns
// true; a floor text without a separator after its first character (a
// single floor) appends nothing and returns false.
bool ExpandFloors(std::wstring_view floor_text, std::vector<std::wstring>& floors);

// True when `floor_text` is a single floor, that is ExpandFloors would return false.
bool IsSingleFloor(std::wstring_view floor_text);

// True when `floor` is one of the floors that ExpandFloors gives for `floor_text`.
// Does not allocate for ranges.
bool CoversFloor(std::wstring_view floor_text, std::wstring_view floor);

// Guarded numbers, shared by every reader of numbers in texts (floor
// labels, quantities, ids, attributes): nothing out of range or not a number
// reaches an int conversion or a signed subtraction.

// The leading integer of a text the way the C runtime's _wtoi reads it (0
// when there is none, clamped to the int range).
int LeadingInt(std::wstring_view text);

// The leading real number of a text the way _wtof reads it: 0 when there is
// none, and 0 too when it is not finite ("nan", "inf", "1e400"), so that a
// damaged text never turns a whole sum into nan or inf.
double LeadingDouble(std::wstring_view text);

// value truncated toward zero and clamped to the int range; NaN gives 0.
int ClampToInt(double value);

// Floors from low to high, both counted (high - low + 1), clamped to the int
// range; low and high may be any ints.
int RangeFloorCount(long long low, long long high);

// Facade decoration ("ZS\LMZS", "ZS\LMDK") is counted once per floor group
// rather than once per floor.
bool IsFacadeTypePath(std::wstring_view type_path);

// Component name of a facade record: name + "[" + floor + "层]".
std::wstring FacadeComponentName(std::wstring_view name, std::wstring_view floor);

}  // namespace reportdata

#endif  // REPORTDATA_KEYS_FLOOR_TEXT_H_
