#include "cli/quantity_format.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

namespace reportdata::cli {

int UnitDecimals(std::string_view unit) {
  if (unit.find('/') != std::string_view::npos) return 4;
  const size_t digits = std::min(unit.find_first_not_of("0123456789"), unit.size());
  if (digits > 0) return 3;  // a multiple such as 10m3 or 10樘
  const std::string_view base = unit.substr(digits);
  for (std::string_view piece :
       {"个", "樘", "根", "块", "件", "套", "处", "座", "只", "组", "榀"}) {
    if (base == piece) return 0;
  }
  if (base == "t" || base == "吨") return 3;
  return 2;
}

std::optional<double> ParseQuantity(std::string_view text) {
  double value = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  if (text.empty() || error != std::errc() || stop != end) return std::nullopt;
  return value;
}

std::string FormatQuantity(const std::string& text, int decimals) {
  const std::optional<double> value = decimals >= 0 ? ParseQuantity(text) : std::nullopt;
  if (!value) return text;
  char out[64];
  std::snprintf(out, sizeof out, "%.*f", decimals, *value);
  return out;
}

}  // namespace reportdata::cli
