#include "cli/bill_list.h"

#include <cstdio>
#include <map>
#include <set>

namespace reportdata::cli {

std::vector<BillListLine> BillList(std::span<const NamedColumn> columns,
                                   const std::vector<NamedRow>& rows) {
  const auto value = [&](const NamedRow& row, std::string_view key) {
    return ValueOf(columns, row, key);
  };
  std::set<std::string> taken;  // twelve-digit codes in use
  for (const NamedRow& row : rows) {
    if (row.depth == 1 && value(row, "code").size() == 12) taken.insert(value(row, "code"));
  }
  std::map<std::string, int> last_serial;  // by nine-digit code
  std::vector<BillListLine> lines;
  size_t items = 0;
  for (const NamedRow& row : rows) {
    if (row.depth == 0) {
      BillListLine& chapter = lines.emplace_back();
      chapter.chapter = true;
      chapter.name = value(row, "chapter");
      continue;
    }
    if (row.depth != 1) continue;
    BillListLine line{.number = std::to_string(++items),
                      .code = value(row, "code"),
                      .name = value(row, "name"),
                      .features = value(row, "features"),
                      .unit = value(row, "unit"),
                      .quantity = value(row, "quantity")};
    if (line.code.size() != 12) {
      int& serial = last_serial[line.code];
      std::string code;
      do {
        char digits[16];
        std::snprintf(digits, sizeof digits, "%03d", ++serial);
        code = line.code + digits;
      } while (taken.contains(code));
      taken.insert(code);
      line.code = std::move(code);
    }
    lines.push_back(std::move(line));
  }
  return lines;
}

}  // namespace reportdata::cli
