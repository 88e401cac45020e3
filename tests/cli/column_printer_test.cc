#include "cli/column_printer.h"

#include <gtest/gtest.h>

#include "cli/quantity_format.h"

namespace reportdata::cli {
namespace {

// A quota-by-floor-and-component answer: floor group, component, calculation
// item, quota item (its floor repeats the group's), record.
std::vector<std::string> FloorComponentRows() {
  const std::string quota = "A5-4  现浇混凝土 满堂基础\n                 混凝土强度等级:C35\n  ";
  const std::vector<std::vector<std::string>> rows = {
      {"1", "0", "", "", "", "", ""},
      {"2", "0", "0层", "", "", "", ""},
      {"3", "2", "MJ1", "", "", "", ""},
      {"4", "3", "", "实体", "", "", ""},
      {"5", "4", "", quota, "0层", "10m3", "47.520000"},
      {"6", "5", "", "", "", "10m3", "12.960000"},
  };
  std::vector<std::string> flat;
  for (const auto& row : rows) flat.insert(flat.end(), row.begin(), row.end());
  return flat;
}

constexpr NamedColumn kColumns[] = {
    {"floor", "楼层", ColumnKind::kText, ColumnUse::kLabel, {{2, CellPart::kWhole, 0}, {4}}},
    {"component", "构件", ColumnKind::kText, ColumnUse::kLabel, {{2, CellPart::kWhole, 1}}},
    {"calculation", "计算项目", ColumnKind::kText, ColumnUse::kLabel, {{3, CellPart::kWhole, 2}}},
    {"code", "编码", ColumnKind::kText, ColumnUse::kLabel, {{3, CellPart::kCode, 3}}},
    {"name", "名称", ColumnKind::kText, ColumnUse::kLabel, {{3, CellPart::kName, 3}}},
    {"features", "项目特征", ColumnKind::kText, ColumnUse::kLabel, {{3, CellPart::kFeatures}}},
    {"unit", "单位", ColumnKind::kText, ColumnUse::kValue, {{5}}},
    {"quantity", "工程量", ColumnKind::kNumber, ColumnUse::kValue, {{6}}},
};

TEST(ColumnPrinterTest, ReadsEachLevelIntoItsColumns) {
  const std::vector<NamedRow> rows = ReadNamedRows(FloorComponentRows(), 7, kColumns);
  ASSERT_EQ(rows.size(), 5u);
  const std::vector<std::vector<std::string>> expected = {
      {"0层", "", "", "", "", "", "", ""},
      {"", "MJ1", "", "", "", "", "", ""},
      {"", "", "实体", "", "", "", "", ""},
      // The floor repeats the group's and is left out; the features lose
      // the blanks that line them up.
      {"", "", "", "A5-4", "现浇混凝土 满堂基础", "混凝土强度等级:C35", "10m3", "47.520000"},
      {"", "", "", "", "", "", "10m3", "12.960000"},
  };
  for (size_t r = 0; r < rows.size(); ++r) {
    EXPECT_EQ(rows[r].depth, static_cast<int>(r));
    EXPECT_EQ(rows[r].values, expected[r]) << r;
  }
  EXPECT_EQ(ReadNamedRows(FloorComponentRows(), 7, kColumns, 1).size(), 2u);
}

TEST(ColumnPrinterTest, WritesCsvInSeparateColumnsWithChosenDecimals) {
  const std::string csv =
      RenderNamedCsv(kColumns, ReadNamedRows(FloorComponentRows(), 7, kColumns), 1);
  // The header is every table's, checked on the tool's CSV of each.
  EXPECT_NE(csv.find("\r\n3,,,,A5-4,现浇混凝土 满堂基础,混凝土强度等级:C35,10m3,47.5\r\n"),
            std::string::npos)
      << csv;
}

TEST(ColumnPrinterTest, UnitsChooseTheirDecimals) {
  const struct {
    std::string_view unit;
    int decimals;
  } cases[] = {{"m3", 2},    {"m2", 2}, {"个", 0},    {"10樘", 3},
               {"100m2", 3}, {"t", 3},  {"m3/m2", 4}, {"", 2}};
  for (const auto& c : cases) EXPECT_EQ(UnitDecimals(c.unit), c.decimals) << c.unit;
  EXPECT_EQ(FormatQuantity("无建筑面积", 2), "无建筑面积");
}

}  // namespace
}  // namespace reportdata::cli
