// The decimals a unit calls for when a quantity is shown to people: the
// tool's text, workbook and report page, and the comparison, which counts a
// difference as none when it rounds to zero at them. A pure rule on the unit
// text, shared as source by the module and the tool.
#ifndef REPORTDATA_MODEL_UNIT_DECIMALS_H_
#define REPORTDATA_MODEL_UNIT_DECIMALS_H_

#include <string_view>

namespace reportdata {

// None for pieces (个, 樘, 根…), three for tonnes and for units with a
// multiplier (10m3, 100m2), four for ratios (m3/m2), two for everything else
// (m, m2, m3, kg…). The unit is UTF-8.
int UnitDecimals(std::string_view unit);

}  // namespace reportdata

#endif  // REPORTDATA_MODEL_UNIT_DECIMALS_H_
