// printf-exact number texts through a narrow buffer, widened by hand: the
// digits, sign, point and "inf"/"nan" letters are all ASCII. The fixed
// formatting of the standard library gives printf's digits, correctly
// rounded as printf rounds them, without its locale machinery.
#include "model/number_format.h"

#include <charconv>

namespace reportdata {
namespace {

void AppendAscii(std::wstring& out, std::string_view text) {
  const size_t first = out.size();
  out.resize(first + text.size());
  for (size_t i = 0; i < text.size(); ++i) out[first + i] = static_cast<unsigned char>(text[i]);
}

}  // namespace

std::string_view PrintFixed(double value, int decimals, char (&buffer)[kFixedChars]) {
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
