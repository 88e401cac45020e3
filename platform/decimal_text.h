// Whether a text is a plain decimal number: the one reading of a number
// that the importer accepts as a quantity and that a spreadsheet takes as a
// number rather than a formula.
#pragma once

#include <string_view>

namespace reportdata {

// An optional sign, digits with an optional fraction (at least one digit in
// all), an optional exponent, and nothing else. Hexadecimal, a decimal
// comma, blanks, trailing letters and the empty text are not numbers,
// whatever a C library's reading would make of them.
bool IsDecimalNumber(std::string_view text);

}  // namespace reportdata
