// The fixed catalogues of the concrete quantities (实物量): which component
// codes (a component kind code followed by its sub-code, such as "Q\TWQ1")
// count as concrete and under which group and item they are reported, and
// the volume and area units the physical-quantity tables accept with their
// factors. Constant data built into the module; the texts live for the whole
// process.
#ifndef REPORTDATA_MODEL_CONCRETE_CATALOGUE_H_
#define REPORTDATA_MODEL_CONCRETE_CATALOGUE_H_

#include <span>
#include <string_view>

namespace reportdata {

// One catalogued component code with the group and item it is reported under.
struct ConcreteComponentEntry {
  std::wstring_view code;   // type path + sub-code: "Q\TWQ1", "LX\HJD95"
  std::wstring_view group;  // "墙"
  int group_order;          // sorts groups
  std::wstring_view item;   // "砼外墙"
  int item_order;           // sorts items within a group
};

// Every catalogued code in group order, then item order.
std::span<const ConcreteComponentEntry> ConcreteComponents();

// The entry of a component code, or nullptr for a code outside the
// catalogue. Constant time after the first call.
const ConcreteComponentEntry* FindConcreteComponent(std::wstring_view code);

// The factor that turns a quantity in `unit` into cubic metres: 1, 10, 100 or
// 1000 for the twelve volume texts ("m3", "10立方米", "100立米"…); 0 for any
// other text.
int VolumeUnitFactor(std::wstring_view unit);

// The same for the twelve area texts ("m2", "10平方米", "100平米"…).
int AreaUnitFactor(std::wstring_view unit);

}  // namespace reportdata

#endif  // REPORTDATA_MODEL_CONCRETE_CATALOGUE_H_
