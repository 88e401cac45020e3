#include "cli/quantity_format.h"

#include <charconv>
#include <cstdio>

namespace reportdata::cli {

std::optional<double> ParseQuantity(std::string_view text) {
  double value = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  if (text.empty() || error != std::errc() || stop != end) return std::nullopt;
  return value;
}

std::string Fixed(double value, int decimals, bool sign) {
  char out[64];
  std::snprintf(out, sizeof out, sign ? "%+.*f" : "%.*f", decimals, value);
  return out;
}

std::string FormatQuantity(const std::string& text, int decimals) {
  const std::optional<double> value = decimals >= 0 ? ParseQuantity(text) : std::nullopt;
  return value ? Fixed(*value, decimals) : text;
}

}  // namespace reportdata::cli
