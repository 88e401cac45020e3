// The common number text of quantities, in the wide texts of records and in
// the UTF-8 of table files alike: a sign, at most fifteen digits with at most
// one point among them, and nothing after them that continues a number. Such
// a text is read in one pass, without the general conversions: its digits
// make an integer below 2^53 and its decimals a power of ten exact in a
// double, so their one quotient is correctly rounded, as strtod and from_chars
// round. Any other text (an exponent, a hexadecimal "x", more digits, blanks
// first) is left to the caller's general way.
#ifndef REPORTDATA_KEYS_PLAIN_DECIMAL_H_
#define REPORTDATA_KEYS_PLAIN_DECIMAL_H_

#include <cstdint>
#include <string_view>

#include "keys/powers_of_ten.h"

namespace reportdata {

// The number at the start of text when it is such a plain decimal; false
// otherwise, value untouched.
template <typename Char>
bool PlainDecimal(std::basic_string_view<Char> text, double& value) {
  constexpr size_t kMostDigits = 15;
  const auto is_digit = [](Char ch) { return ch >= Char('0') && ch <= Char('9'); };
  size_t i = 0;
  const bool negative = !text.empty() && text[0] == Char('-');
  if (negative || (!text.empty() && text[0] == Char('+'))) ++i;
  // Digits beyond the fifteenth wrap the integer harmlessly: such a text is
  // turned away below.
  uint64_t integer = 0;
  const size_t first = i;
  for (; i < text.size() && is_digit(text[i]); ++i) {
    integer = integer * 10 + static_cast<uint64_t>(text[i] - Char('0'));
  }
  size_t digits = i - first;
  size_t decimals = 0;
  if (i < text.size() && text[i] == Char('.')) {
    const size_t first_decimal = ++i;
    for (; i < text.size() && is_digit(text[i]); ++i) {
      integer = integer * 10 + static_cast<uint64_t>(text[i] - Char('0'));
    }
    decimals = i - first_decimal;
    digits += decimals;
  }
  if (digits == 0 || digits > kMostDigits) return false;
  if (i < text.size()) {
    const Char next = text[i];
    if (next == Char('e') || next == Char('E') || next == Char('x') || next == Char('X'))
      return false;
  }
  value = static_cast<double>(integer) / kPowersOfTen[decimals];
  if (negative) value = -value;
  return true;
}

}  // namespace reportdata

#endif  // REPORTDATA_KEYS_PLAIN_DECIMAL_H_
