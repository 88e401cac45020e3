// printf-exact number texts through a narrow buffer, widened by hand: the
// digits, sign, point and "inf"/"nan" letters are all ASCII.
#include "model/number_format.h"

#include <cstdio>

namespace reportdata {
namespace {

void AppendAscii(std::wstring& out, const char* text, int length) {
  const size_t first = out.size();
  out.resize(first + static_cast<size_t>(length));
  for (int i = 0; i < length; ++i) out[first + i] = static_cast<unsigned char>(text[i]);
}

}  // namespace

void AppendFixed(std::wstring& out, double value, int decimals) {
  char buffer[64];
  int length = std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
  if (length < 0) return;
  if (static_cast<size_t>(length) < sizeof buffer) {
    AppendAscii(out, buffer, length);
    return;
  }
  // Quantities beyond 1e50 need a longer buffer; they are never hot.
  std::string wide_buffer(static_cast<size_t>(length) + 1, '\0');
  std::snprintf(wide_buffer.data(), wide_buffer.size(), "%.*f", decimals, value);
  AppendAscii(out, wide_buffer.data(), length);
}

void AppendInt(std::wstring& out, long long value) {
  char buffer[24];
  const int length = std::snprintf(buffer, sizeof buffer, "%lld", value);
  AppendAscii(out, buffer, length);
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
