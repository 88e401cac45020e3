#include "cli/report_page.h"

#include <gtest/gtest.h>

namespace reportdata::cli {
namespace {

constexpr NamedColumn kArea[] = {
    {"name", "名称", ColumnKind::kText, ColumnUse::kLabel, {{2}, {4}}},
    {"floor", "楼层", ColumnKind::kText, ColumnUse::kLabel, {{3}}},
    {"unit", "单位", ColumnKind::kText, ColumnUse::kValue, {{5}}},
    {"quantity", "面积", ColumnKind::kNumber, ColumnUse::kValue, {{6}}},
};

// The building-area chart's part of the page.
std::string AreaChart(const std::vector<NamedRow>& rows) {
  const std::string page = RenderReportPage("p", {{"建筑面积汇总表", "mj", kArea, true, rows}});
  const size_t start = page.find("<figure id=\"chart-area\">");
  return page.substr(start, page.find("</figure>", start) - start);
}

size_t Count(const std::string& text, const std::string& what) {
  size_t n = 0;
  for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
  return n;
}

TEST(ReportPageTest, ChartsTheBuildingAreaByFloorOrSaysThereIsNone) {
  const std::vector<NamedRow> filled = {
      {0, {"建筑<面积>", "", "m2", "1500.000000"}},
      {1, {"", "1层", "m2", "500.000000"}},
      {2, {"主体建筑面积", "", "m2", "480.000000"}},
      {1, {"", "2,5层", "m2", "1000.000000"}},
  };
  const std::string chart = AreaChart(filled);
  EXPECT_EQ(Count(chart, "<rect"), 2u) << chart;
  EXPECT_NE(chart.find(">2,5层<"), std::string::npos);
  EXPECT_NE(chart.find(">1000.00<"), std::string::npos);
  // The longest bar is the largest floor.
  EXPECT_NE(chart.find("width=\"420\""), std::string::npos);
  EXPECT_NE(AreaChart({}).find("无建筑面积数据"), std::string::npos);
  const std::string page = RenderReportPage("p", {{"建筑面积汇总表", "mj", kArea, true, filled}});
  EXPECT_NE(page.find("建筑&lt;面积&gt;"), std::string::npos);
  EXPECT_EQ(Count(AreaChart({}), "<rect"), 0u);
}

}  // namespace
}  // namespace reportdata::cli
