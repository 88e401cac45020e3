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
  const struct {
    bool chapter;
    const char* number;
    const char* code;
    const char* name;
    const char* quantity;
  } expected[] = {
      {true, "", "", "混凝土及钢筋混凝土工程", ""},
      {false, "1", "010502001001", "矩形柱", "12.500000"},
      {false, "2", "010502001002", "矩形柱", "3.000000"},
      {false, "3", "010502001003", "矩形柱", "1.000000"},
      {true, "", "", "砌筑工程", ""},
      {false, "4", "010502001004", "矩形柱", "2.000000"},
      {false, "5", "010401001001", "砖基础", "4.000000"},
  };
  const std::vector<BillListLine> lines = BillList(kColumns, rows);
  ASSERT_EQ(lines.size(), std::size(expected));
  for (size_t i = 0; i < lines.size(); ++i) {
    EXPECT_EQ(lines[i].chapter, expected[i].chapter) << i;
    EXPECT_EQ(lines[i].number, expected[i].number) << i;
    EXPECT_EQ(lines[i].code, expected[i].code) << i;
    EXPECT_EQ(lines[i].name, expected[i].name) << i;
    EXPECT_EQ(lines[i].quantity, expected[i].quantity) << i;
  }
  EXPECT_EQ(lines[2].features, "1.混凝土强度等级:C35");
  EXPECT_EQ(lines[2].unit, "m3");
}

}  // namespace
}  // namespace reportdata::cli
