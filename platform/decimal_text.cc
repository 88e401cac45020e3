#include "platform/decimal_text.h"

namespace reportdata {
namespace {

bool IsDigit(char ch) { return ch >= '0' && ch <= '9'; }

}  // namespace

bool IsDecimalNumber(std::string_view text) {
  size_t at = 0;
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) ++at;
  size_t digits = 0;
  while (at < text.size() && IsDigit(text[at])) ++at, ++digits;
  if (at < text.size() && text[at] == '.') {
    ++at;
    while (at < text.size() && IsDigit(text[at])) ++at, ++digits;
  }
  if (digits == 0) return false;
  if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
    ++at;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) ++at;
    const size_t exponent_start = at;
    while (at < text.size() && IsDigit(text[at])) ++at;
    if (at == exponent_start) return false;
  }
  return at == text.size();
}

}  // namespace reportdata
