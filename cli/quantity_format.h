// How quantities are shown: the decimals a unit calls for in text, the
// workbook and the report page, and quantities re-formatted to a chosen
// number of decimals (`--decimals`). The facades write every quantity with
// six decimals.
#ifndef CLI_QUANTITY_FORMAT_H_
#define CLI_QUANTITY_FORMAT_H_

#include <optional>
#include <string>
#include <string_view>

#include "model/unit_decimals.h"

namespace reportdata::cli {

// A choice of decimals is a count from 0, or one of these.
constexpr int kDecimalsAsWritten = -1;  // the module's text, six decimals
constexpr int kDecimalsOfUnit = -2;     // UnitDecimals of the row's unit

// The decimals that choice gives a quantity in the unit.
inline int DecimalsFor(int choice, std::string_view unit) {
  return choice == kDecimalsOfUnit ? UnitDecimals(unit) : choice;
}

// The quantity text as a number; nothing when it is empty or not a number.
std::optional<double> ParseQuantity(std::string_view text);

// The value with that many decimals, and a sign before it when `sign` is
// set ("+1.50").
std::string Fixed(double value, int decimals, bool sign = false);

// The quantity with that many decimals; the text unchanged when decimals is
// negative or the text is not a number.
std::string FormatQuantity(const std::string& text, int decimals);

}  // namespace reportdata::cli

#endif  // CLI_QUANTITY_FORMAT_H_
