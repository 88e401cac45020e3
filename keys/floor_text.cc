// Floor text parsing and expansion.
#include "keys/floor_text.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>
#include <cwchar>
#include <cwctype>
#include <iterator>

#include "keys/number_format.h"
#include "keys/plain_decimal.h"

namespace reportdata {
namespace {

bool IsComma(wchar_t ch) { return ch == L',' || ch == L'\xFF0C'; }
bool IsSlash(wchar_t ch) { return ch == L'/' || ch == L'\xFF0F'; }

size_t FindComma(std::wstring_view text) {
  for (size_t i = 0; i < text.size(); ++i) {
    if (IsComma(text[i])) return i;
  }
  return std::wstring_view::npos;
}

size_t FindSlash(std::wstring_view text, size_t from = 0) {
  for (size_t i = from; i < text.size(); ++i) {
    if (IsSlash(text[i])) return i;
  }
  return std::wstring_view::npos;
}

// Expansion of a range: a and b as written, the integers between them.
struct Range {
  std::wstring_view first;
  std::wstring_view last;
};

// The written text with the full-width separators replaced, as a part of an
// expansion is handed out.
std::wstring Normalized(std::wstring_view text) {
  std::wstring out(text);
  for (wchar_t& ch : out) {
    if (IsComma(ch)) ch = L',';
    if (IsSlash(ch)) ch = L'/';
  }
  return out;
}

bool EqualsNormalized(std::wstring_view written, std::wstring_view floor) {
  if (written.size() != floor.size()) return false;
  for (size_t i = 0; i < written.size(); ++i) {
    wchar_t ch = written[i];
    if (IsComma(ch)) ch = L',';
    if (IsSlash(ch)) ch = L'/';
    if (ch != floor[i]) return false;
  }
  return true;
}

// Whether `floor` is exactly the "%d" text of some integer in [low, high].
bool IsIntegerTextBetween(std::wstring_view floor, long long low, long long high) {
  if (low > high || floor.empty()) return false;
  size_t i = 0;
  bool negative = false;
  if (floor[0] == L'-') {
    negative = true;
    i = 1;
  }
  if (i >= floor.size() || floor.size() - i > 11) return false;
  if (floor[i] == L'0' && floor.size() - i > 1) return false;  // "%d" writes no leading zero
  long long value = 0;
  for (; i < floor.size(); ++i) {
    if (floor[i] < L'0' || floor[i] > L'9') return false;
    value = value * 10 + (floor[i] - L'0');
  }
  if (negative) {
    if (value == 0) return false;  // "%d" never writes "-0"
    value = -value;
  }
  return value >= low && value <= high;
}

}  // namespace

int LeadingInt(std::wstring_view text) {
  size_t i = 0;
  while (i < text.size() && std::iswspace(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == L'+' || text[i] == L'-')) negative = text[i++] == L'-';
  long long value = 0;
  for (; i < text.size() && text[i] >= L'0' && text[i] <= L'9'; ++i) {
    value = value * 10 + (text[i] - L'0');
    if (value > static_cast<long long>(INT_MAX) + 1) break;
  }
  if (negative) value = -value;
  if (value > INT_MAX) return INT_MAX;
  if (value < INT_MIN) return INT_MIN;
  return static_cast<int>(value);
}

namespace {

bool IsAsciiDigit(wchar_t ch) { return ch >= L'0' && ch <= L'9'; }

// The plain decimal number at the start of text ("12", "-0.5", "3.2e4"), as
// wcstod reads it, without the locale machinery of wcstod: nearly every
// quantity and floor text is one. False where wcstod must decide: no digit,
// a hexadecimal number, "inf" or "nan", a number too long for the buffer or
// outside the range of a double.
bool LeadingDecimal(std::wstring_view text, double& value) {
  char digits[64];
  size_t size = 0;
  size_t i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == L'+' || text[i] == L'-')) negative = text[i++] == L'-';
  const auto take = [&](auto accepts) {
    size_t taken = 0;
    for (; i < text.size() && accepts(text[i]) && size < sizeof(digits); ++i, ++taken) {
      digits[size++] = static_cast<char>(text[i]);
    }
    return taken;
  };
  size_t mantissa_digits = take(IsAsciiDigit);
  if (i < text.size() && text[i] == L'.') {
    if (size == sizeof(digits)) return false;
    digits[size++] = '.';
    ++i;
    mantissa_digits += take(IsAsciiDigit);
  }
  if (mantissa_digits == 0 || size == sizeof(digits)) return false;
  if (i < text.size() && (text[i] == L'x' || text[i] == L'X')) return false;
  // An exponent counts only with a digit after its "e" and sign.
  if (i < text.size() && (text[i] == L'e' || text[i] == L'E')) {
    size_t sign = i + 1 < text.size() && (text[i + 1] == L'+' || text[i + 1] == L'-') ? 1 : 0;
    if (i + 1 + sign < text.size() && IsAsciiDigit(text[i + 1 + sign])) {
      if (size + 1 + sign >= sizeof(digits)) return false;
      digits[size++] = 'e';
      if (sign) digits[size++] = static_cast<char>(text[i + 1]);
      i += 1 + sign;
      take(IsAsciiDigit);
      if (size == sizeof(digits)) return false;
    }
  }
  const auto parsed = std::from_chars(digits, digits + size, value, std::chars_format::general);
  if (parsed.ec != std::errc()) return false;
  if (negative) value = -value;
  return true;
}

}  // namespace

double LeadingDouble(std::wstring_view text) {
  double plain = 0.0;
  if (PlainDecimal(text, plain)) return plain;
  size_t start = 0;
  while (start < text.size() && std::iswspace(static_cast<wint_t>(text[start]))) ++start;
  double value = 0.0;
  if (LeadingDecimal(text.substr(start), value)) return value;
  // wcstod needs a terminated text; quantity texts fit the stack buffer.
  wchar_t buffer[64];
  if (text.size() < std::size(buffer)) {
    std::copy(text.begin(), text.end(), buffer);
    buffer[text.size()] = L'\0';
    value = std::wcstod(buffer, nullptr);
  } else {
    const std::wstring copy(text);
    value = std::wcstod(copy.c_str(), nullptr);
  }
  return std::isfinite(value) ? value : 0.0;
}

int ClampToInt(double value) {
  if (std::isnan(value)) return 0;
  if (value >= static_cast<double>(INT_MAX)) return INT_MAX;
  if (value <= static_cast<double>(INT_MIN)) return INT_MIN;
  return static_cast<int>(value);
}

int RangeFloorCount(long long low, long long high) {
  const long long count = high - low + 1;
  return static_cast<int>(std::clamp<long long>(count, INT_MIN, INT_MAX));
}

FloorKey ParseFloorKey(std::wstring_view floor_text) {
  FloorKey result;
  std::wstring_view first = floor_text;
  if (const size_t comma = FindComma(floor_text); comma != std::wstring_view::npos) {
    first = floor_text.substr(0, comma);
    result.count = RangeFloorCount(LeadingInt(first), LeadingInt(floor_text.substr(comma + 1)));
  } else if (const size_t slash = FindSlash(floor_text); slash != std::wstring_view::npos) {
    first = floor_text.substr(0, slash);
    int parts = 1;
    for (wchar_t ch : floor_text) parts += IsSlash(ch) ? 1 : 0;
    result.count = parts;
  }
  const int key = ClampToInt(LeadingDouble(first) * 10.0);
  result.order_key = key == 0 ? -1000 : key;
  return result;
}

namespace {

// The range a floor text stands for, when its first "," comes after its
// first character.
bool AsRange(std::wstring_view floor_text, Range& range) {
  const size_t comma = FindComma(floor_text);
  if (comma == std::wstring_view::npos || comma < 1) return false;
  range.first = floor_text.substr(0, comma);
  range.last = floor_text.substr(comma + 1);
  return true;
}

// Ranges beyond kMaxRangeFloors floors are not filled in between their ends.
bool IsTooWide(long long low, long long high) { return high - low + 1 > kMaxRangeFloors; }

bool IsList(std::wstring_view floor_text) {
  const size_t slash = FindSlash(floor_text);
  return slash != std::wstring_view::npos && slash >= 1;
}

}  // namespace

bool ExpandFloors(std::wstring_view floor_text, std::vector<std::wstring>& floors) {
  if (floor_text.empty()) return false;
  if (Range range; AsRange(floor_text, range)) {
    const long long low = LeadingInt(range.first);
    const long long high = LeadingInt(range.last);
    floors.push_back(Normalized(range.first));
    if (!IsTooWide(low, high)) {
      for (long long floor = low + 1; floor <= high - 1; ++floor)
        floors.push_back(FormatInt(floor));
    }
    floors.push_back(Normalized(range.last));
    return true;
  }
  if (!IsList(floor_text)) return false;
  size_t start = 0;
  while (start <= floor_text.size()) {
    size_t end = FindSlash(floor_text, start);
    if (end == std::wstring_view::npos) end = floor_text.size();
    if (end > start) floors.push_back(Normalized(floor_text.substr(start, end - start)));
    start = end + 1;
  }
  return true;
}

bool IsSingleFloor(std::wstring_view floor_text) {
  if (floor_text.empty()) return true;
  Range range;
  return !AsRange(floor_text, range) && !IsList(floor_text);
}

bool CoversFloor(std::wstring_view floor_text, std::wstring_view floor) {
  if (Range range; AsRange(floor_text, range)) {
    if (EqualsNormalized(range.first, floor) || EqualsNormalized(range.last, floor)) return true;
    const long long low = LeadingInt(range.first);
    const long long high = LeadingInt(range.last);
    return !IsTooWide(low, high) && IsIntegerTextBetween(floor, low + 1, high - 1);
  }
  if (!IsList(floor_text)) return false;
  size_t start = 0;
  while (start <= floor_text.size()) {
    size_t end = FindSlash(floor_text, start);
    if (end == std::wstring_view::npos) end = floor_text.size();
    if (end > start && EqualsNormalized(floor_text.substr(start, end - start), floor)) return true;
    start = end + 1;
  }
  return false;
}

bool IsFacadeTypePath(std::wstring_view type_path) {
  // Views of a known length: asked of every record, so the literals'
  // lengths are not counted again each time.
  static constexpr std::wstring_view kFacadeTypePaths[] = {L"ZS\\LMZS", L"ZS\\LMDK"};
  return type_path == kFacadeTypePaths[0] || type_path == kFacadeTypePaths[1];
}

std::wstring FacadeComponentName(std::wstring_view name, std::wstring_view floor) {
  std::wstring out;
  out.reserve(name.size() + floor.size() + 3);
  out.append(name).append(L"[").append(floor).append(L"层]");
  return out;
}

}  // namespace reportdata
