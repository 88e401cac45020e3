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

ProjectInfo Project() {
  ProjectInfo project;
  project.name = "p";
  return project;
}

// The building-area chart's part of the page.
std::string AreaChart(const std::vector<NamedRow>& rows) {
  const std::string page =
      RenderReportPage(Project(), {{"建筑面积汇总表", "mj", kArea, true, rows}});
  const size_t start = page.find("<figure id=\"chart-area\">");
  return page.substr(start, page.find("</figure>", start) - start);
}

size_t Count(const std::string& text, const std::string& what) {
  size_t n = 0;
  for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
  return n;
}

TEST(ReportPageTest, ChartsTheBuildingAreaOfOneStoreyByFloorOrSaysThereIsNone) {
  const std::vector<NamedRow> filled = {
      {0, {"建筑<面积>", "", "m2", "1500.000000"}},  {1, {"", "1层", "m2", "500.000000"}},
      {2, {"主体建筑面积", "", "m2", "480.000000"}}, {1, {"", "2,5层", "m2", "1000.000000"}},
      {1, {"", "6/8层", "m2", "1200.000000"}},
  };
  const std::string chart = AreaChart(filled);
  EXPECT_EQ(Count(chart, "<rect"), 3u) << chart;
  // A floor of four storeys and one of two show the area of one of them.
  EXPECT_NE(chart.find(">2,5层<"), std::string::npos);
  EXPECT_NE(chart.find(">250.00<"), std::string::npos) << chart;
  EXPECT_NE(chart.find(">600.00<"), std::string::npos) << chart;
  // The longest bar is the largest storey, and the chart scales to the page.
  EXPECT_NE(chart.find("width=\"420\""), std::string::npos);
  EXPECT_NE(chart.find("viewBox=\""), std::string::npos);
  EXPECT_NE(AreaChart({}).find("无建筑面积数据"), std::string::npos);
  const std::string page =
      RenderReportPage(Project(), {{"建筑面积汇总表", "mj", kArea, true, filled}});
  EXPECT_NE(page.find("建筑&lt;面积&gt;"), std::string::npos);
  EXPECT_EQ(Count(AreaChart({}), "<rect"), 0u);
}

constexpr NamedColumn kIndex[] = {
    {"group", "指标组", ColumnKind::kText, ColumnUse::kLabel, {{2}}},
    {"item", "指标项", ColumnKind::kText, ColumnUse::kLabel, {{3}}},
    {"floor", "楼层", ColumnKind::kText, ColumnUse::kLabel, {{4}}},
    {"unit", "单位", ColumnKind::kText, ColumnUse::kValue, {{5}}},
    {"quantity", "指标", ColumnKind::kNumber, ColumnUse::kValue, {{6}}},
};

TEST(ReportPageTest, ChartsEachIndexGroupApartInItsOwnUnit) {
  const std::vector<NamedRow> rows = {
      {0, {"土方工程", "", "", "m3/m2", "1.799344"}},   {1, {"", "挖土", "", "m3/m2", "1.799344"}},
      {0, {"混凝土工程", "", "", "m3/m2", "0.091999"}}, {1, {"", "柱", "", "m3/m2", "0.003000"}},
      {2, {"", "", "2,5层", "m3/m2", "0.002570"}},      {1, {"", "板", "", "m3/m2", "0.003989"}},
  };
  const std::string page =
      RenderReportPage(Project(), {{"指标分析表", "zbfx", kIndex, true, rows}});
  const size_t concrete = page.find("<figure id=\"chart-index-2\">");
  ASSERT_NE(concrete, std::string::npos) << page;
  const std::string chart = page.substr(concrete, page.find("</figure>", concrete) - concrete);
  // Earthworks stay out of the concrete chart, and floors out of its items.
  EXPECT_EQ(Count(chart, "<rect"), 2u) << chart;
  EXPECT_EQ(chart.find("挖土"), std::string::npos);
  EXPECT_NE(chart.find(">0.0040<"), std::string::npos) << chart;
}

}  // namespace
}  // namespace reportdata::cli
