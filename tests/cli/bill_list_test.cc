#include "cli/bill_list.h"

#include <gtest/gtest.h>

namespace reportdata::cli {
namespace {

constexpr NamedColumn kColumns[] = {
    {"chapter", "章节"}, {"code", "编码"}, {"name", "名称"},       {"features", "项目特征"},
    {"floor", "楼层"},   {"unit", "单位"}, {"quantity", "工程量"},
};

TEST(BillListTest, NumbersItemsInChapterOrderWithUniqueTwelveDigitCodes) {
  const std::vector<NamedRow> rows = {
      {0, {"混凝土及钢筋混凝土工程", "", "", "", "", "", ""}},
      {1, {"", "010502001", "矩形柱", "1.混凝土强度等级:C30", "", "m3", "12.500000"}},
      {2, {"", "", "", "", "2,5层", "m3", "10.000000"}},
      {1, {"", "010502001", "矩形柱", "1.混凝土强度等级:C35", "", "m3", "3.000000"}},
      // Kept as it is; the serials of 010502001 pass it by.
      {1, {"", "010502001003", "矩形柱", "1.混凝土强度等级:C40", "", "m3", "1.000000"}},
      {0, {"砌筑工程", "", "", "", "", "", ""}},
      {1, {"", "010502001", "矩形柱", "1.混凝土强度等级:C45", "", "m3", "2.000000"}},
      {1, {"", "010401001", "砖基础", "", "", "m3", "4.000000"}},
  };
  // Each line as "number|code|name|features|unit|quantity"; a chapter line
  // as its name alone.
  std::vector<std::string> lines;
  for (const BillListLine& line : BillList(kColumns, rows)) {
    lines.push_back(line.chapter ? line.name
                                 : line.number + "|" + line.code + "|" + line.name + "|" +
                                       line.features + "|" + line.unit + "|" + line.quantity);
  }
  EXPECT_EQ(lines, (std::vector<std::string>{
                       "混凝土及钢筋混凝土工程",
                       "1|010502001001|矩形柱|1.混凝土强度等级:C30|m3|12.500000",
                       "2|010502001002|矩形柱|1.混凝土强度等级:C35|m3|3.000000",
                       "3|010502001003|矩形柱|1.混凝土强度等级:C40|m3|1.000000",
                       "砌筑工程",
                       "4|010502001004|矩形柱|1.混凝土强度等级:C45|m3|2.000000",
                       "5|010401001001|砖基础||m3|4.000000",
                   }));
}

}  // namespace
}  // namespace reportdata::cli
