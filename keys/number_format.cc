// printf-exact number texts through a narrow buffer, widened by hand: the
// digits, sign, point and "inf"/"nan" letters are all ASCII. The fixed
// formatting of the standard library gives printf's digits, correctly
// rounded as printf rounds them, without its locale machinery; the
// quantities of the tables take a shorter way to the same digits.
#include "keys/number_format.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <iterator>

#include "keys/powers_of_ten.h"

namespace reportdata {
namespace {

// A quantity whose digits up to the last decimal fit in an integer below
// 2^52 (nearly every quantity of a table, at six decimals up to about four
// thousand million), as an integer count of 10^-decimals rounded as printf
// rounds the exact binary value: to nearest, a half to even. The product
// |value| * 10^decimals is rounded once; only a product that lands on a
// half can hide which side of it the exact value lies, and the product's
// rounding error, exact through fma, tells. False when the shorter way
// does not apply (too many decimals, too large, not finite).
bool ScaledDigits(double value, int decimals, uint64_t& digits) {
  if (decimals >= static_cast<int>(std::size(kPowersOfTen))) return false;
  const double magnitude = std::fabs(value);
  const double scale = kPowersOfTen[decimals];
  const double product = magnitude * scale;
  if (!(product < 0x1p52)) return false;
  const double error = std::fma(magnitude, scale, -product);
  double whole = std::floor(product);
  const double rest = product - whole;  // exact below 2^52
  const bool above_half = rest > 0.5 || (rest == 0.5 && error > 0);
  const bool half = rest == 0.5 && error == 0;
  if (above_half || (half && std::fmod(whole, 2.0) != 0)) whole += 1;
  digits = static_cast<uint64_t>(whole);
  return true;
}

// "[-]int.frac" of a count of 10^-decimals; the sign is the value's, as
// printf writes "-0.00" for a small negative value.
std::string_view PrintScaled(bool negative, uint64_t digits, int decimals, char* buffer) {
  uint64_t unit = 1;
  for (int i = 0; i < decimals; ++i) unit *= 10;
  char* out = buffer;
  if (negative) *out++ = '-';
  out = std::to_chars(out, buffer + kFixedChars, digits / unit).ptr;
  if (decimals > 0) {
    *out++ = '.';
    uint64_t fraction = digits % unit;
    for (int i = decimals - 1; i >= 0; --i) {
      out[i] = static_cast<char>('0' + fraction % 10);
      fraction /= 10;
    }
    out += decimals;
  }
  return std::string_view(buffer, static_cast<size_t>(out - buffer));
}

void AppendAscii(std::wstring& out, std::string_view text) {
  const size_t first = out.size();
  out.resize(first + text.size());
  for (size_t i = 0; i < text.size(); ++i) out[first + i] = static_cast<unsigned char>(text[i]);
}

}  // namespace

std::string_view PrintFixed(double value, int decimals, char (&buffer)[kFixedChars]) {
  uint64_t digits = 0;
  if (ScaledDigits(value, decimals, digits)) {
    return PrintScaled(std::signbit(value), digits, decimals, buffer);
  }
  const std::to_chars_result printed =
      std::to_chars(buffer, buffer + kFixedChars, value, std::chars_format::fixed, decimals);
  return std::string_view(buffer, static_cast<size_t>(printed.ptr - buffer));
}

void AppendFixed(std::wstring& out, double value, int decimals) {
  char buffer[kFixedChars];
  AppendAscii(out, PrintFixed(value, decimals, buffer));
}

void AppendInt(std::wstring& out, long long value) {
  char buffer[24];
  const std::to_chars_result printed = std::to_chars(buffer, buffer + sizeof buffer, value);
  AppendAscii(out, std::string_view(buffer, static_cast<size_t>(printed.ptr - buffer)));
}

std::wstring FormatQuantity(double value) {
  std::wstring out;
  AppendFixed(out, value, 6);
  return out;
}

std::wstring FormatInt(long long value) {
  std::wstring out;
  AppendInt(out, value);
  return out;
}

}  // namespace reportdata
