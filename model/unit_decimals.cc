#include "model/unit_decimals.h"

#include <algorithm>

namespace reportdata {

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

}  // namespace reportdata
