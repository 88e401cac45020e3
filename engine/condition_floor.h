// Order of the floor names that the host's condition lists show: the
// foundation and other non-numeric floors first, then basements, then the
// floors above ground, one name per floor key.
#ifndef REPORTDATA_ENGINE_CONDITION_FLOOR_H_
#define REPORTDATA_ENGINE_CONDITION_FLOOR_H_

#include <string_view>

#include "reportdata/framework.h"

namespace reportdata {

// Floor key of a condition floor name: after full-width "，" and "／" are read
// as "," and "/", the text before the first "," (else before the first "/",
// else the whole name) converted as the C runtime converts text to a number
// (non-numeric text gives 0), times 10, truncated. Out-of-range values give
// the integer minimum, as the processor's conversion does.
int ConditionFloorKey(std::wstring_view name);

// Reorders floors: names with key 0, then negative keys, then positive keys,
// each group in ascending key order; of several names with one key only the
// first stays. Names are kept as given.
void SortConditionFloor(CStringArray& floors);

}  // namespace reportdata

#endif  // REPORTDATA_ENGINE_CONDITION_FLOOR_H_
