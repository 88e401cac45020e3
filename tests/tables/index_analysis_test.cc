// The index analysis: intake by source and unit, ratios over the building
// area in both layouts, the texts for small areas, and its files.
// The cells the sample fills under each of its named columns close the file.
#include <gtest/gtest.h>

#include "areas/index_analysis.h"
#include "cli/named_columns.h"
#include "persist/index_table_files.h"
#include "support/records.h"
#include "support/temp_dir.h"
#include "tables/area_answers.h"

namespace reportdata {
namespace {

using testing::Rec;

SIndexGroup Group(const wchar_t* name, const wchar_t* unit,
                  std::vector<std::pair<const wchar_t*, const wchar_t*>> items) {
  SIndexGroup group{name, unit};
  for (const auto& [item, calc_item] : items) {
    group.items.push_back({item, {{L"J\\TF", calc_item}}});
  }
  return group;
}

RecordKeys Earth(const wchar_t* calc_item, const wchar_t* quantity, const wchar_t* unit = L"m3",
                 const wchar_t* floor = L"0") {
  TJQd record = Rec{.floor = floor, .type_path = L"J\\TF", .quantity = quantity}.Quota(
      L"A1-1", L"土方", unit);
  record.calcItem = calc_item;
  return KeysOf(record);
}

CAreaSummaryTable Area(std::vector<std::pair<const wchar_t*, const wchar_t*>> floors) {
  CAreaSummaryTable area;
  for (const auto& [label, quantity] : floors)
    area.AddItem(label, AreaKind::kMain, {quantity, L""});
  return area;
}

// The table's code asked over `table`.
testing::AreaAnswers Answers(const IndexAnalysisTable& table) {
  testing::AreaAnswers answers;
  answers.areas.index_analysis = table;
  return answers;
}

// The layout A rows after the header.
std::vector<std::wstring> Rows(const IndexAnalysisTable& table) {
  const std::vector<std::wstring> all = Answers(table).ItemRows(10);
  return {all.begin() + 1, all.end()};
}

TEST(IndexAnalysis, EarthworkRatiosUseTheExcavationAlone) {
  IndexAnalysisTable table;
  table.SetGroups({Group(L"土方工程", L"m3", {{L"挖土", L"挖土方"}, {L"回填", L"回填土"}}),
                   Group(L"屋面工程", L"m3", {{L"保温", L"保温"}})});
  EXPECT_TRUE(table.Offer(Earth(L"挖土方", L"0.5", L"1000m3")));
  EXPECT_TRUE(table.Offer(Earth(L"回填土", L"300")));
  EXPECT_TRUE(table.Offer(Earth(L"保温", L"7")));
  EXPECT_FALSE(table.Offer(Earth(L"挖土方", L"1", L"m2")));  // no m2 group
  table.SetBuildingArea(Area({{L"1", L"1000.000"}}));
  EXPECT_EQ(Rows(table), (std::vector<std::wstring>{
                             L"2|0|土方工程|||m3/m2|0.500000|500.00/1000.00||",
                             L"3|2||挖土||m3/m2|0.500000|500.00/1000.00||",
                             L"4|2||回填||m3/m2|0.300000|300.00/1000.00||",
                             L"5|0|屋面工程|||m3/m2|0.000000|0.00/1000.00||",
                             L"6|5||保温||m3/m2|0.007000|7.00/1000.00||",
                             L"7|6|||0层|m3/m2|0.007000|7.00/1000.00||",
                         }));
  EXPECT_EQ(testing::Joined(Answers(table).Stream(10, L"土方工程")),
            L"#ZhangFlag#|土方工程|m3/m2|500.000000|0.500000000|#AttNameFlag#|挖土|500.000000|"
            L"0.500000000|m3/m2|#FloorFlag#|0层|500.000000|0.500000000||#AttNameFlag#|回填|"
            L"300.000000|0.300000000|m3/m2|#FloorFlag#|0层|300.000000|0.300000000|");
}

TEST(IndexAnalysis, FloorRowsDivideByOneStorey) {
  IndexAnalysisTable table;
  table.SetGroups({Group(L"混凝土工程", L"m2", {{L"板", L"实体"}})});
  table.Offer(Earth(L"实体", L"9", L"10m2", L"3,5"));  // 10m2 counts ten times
  table.Offer(Earth(L"实体", L"5", L"m2", L"7"));      // no area entry: the zero form
  table.Offer(Earth(L"实体", L"5", L"m2", L"8"));      // an area of 1: the zero form
  table.SetBuildingArea(Area({{L"3,5", L"100.000"}, {L"8", L"1.000"}}));
  EXPECT_EQ(Rows(table), (std::vector<std::wstring>{
                             L"2|0|混凝土工程|||m2/m2|0.930233|280.00/301.00||",
                             L"3|2||板||m2/m2|0.930233|280.00/301.00||",
                             L"4|3|||3,5层|m2/m2|0.900000|90.00/100.00|单层|",
                             L"5|3|||7层|m2/m2|0|0.0||",
                             L"6|3|||8层|m2/m2|0|0.0||",
                         }));
}

TEST(IndexAnalysis, SmallAreasSayWhyThereIsNoRatio) {
  struct Case {
    const wchar_t* group;
    const wchar_t* area;
    std::vector<std::wstring> rows;
  };
  const Case cases[] = {
      {L"混凝土工程", nullptr, {L"2|0|混凝土工程|||m3/m2|0|无建筑面积||"}},
      {L"混凝土工程", L"0.500", {L"2|0|混凝土工程|||m3/m2|0|建筑面积小于等于1||"}},
      {L"土方工程",
       L"1.000",
       {L"2|0|土方工程|||m3/m2|0|建筑面积小于等于1||", L"3|2||挖土||m3/m2|0|建筑面积小于等于1||"}},
  };
  for (const Case& c : cases) {
    IndexAnalysisTable table;
    table.SetGroups({Group(c.group, L"m3", {{L"挖土", L"挖土方"}})});
    table.Offer(Earth(L"挖土方", L"5"));
    table.SetBuildingArea(c.area ? Area({{L"1", c.area}}) : CAreaSummaryTable());
    EXPECT_EQ(Rows(table), c.rows) << c.group;
  }
}

TEST(IndexAnalysis, FilesRoundTrip) {
  testing::TempDir dir;
  dir.Write("AnalyzeComponent.xml",
            "<指标分析表><!-- note --><G Name=\"土方工程\" Unit=\"m3\"><I Name=\"挖土\">"
            "<S GJType=\"J\\TF\" Item=\"挖土方\"/></I></G></指标分析表>");
  std::vector<SIndexGroup> groups;
  ASSERT_TRUE(ReadIndexSettings(dir.wpath(), groups));
  IndexAnalysisTable table;
  table.SetGroups(groups);
  table.Offer(Earth(L"挖土方", L"2.5", L"m3", L"2,3"));
  WriteIndexAnalysis(dir.wpath(), table);
  EXPECT_EQ(dir.Read("zbfx.xml"),
            "<工程数据 Version=\"10\" Table_Name=\"指标分析表\"><Chapter1 Name=\"土方工程\" "
            "Unit=\"m3\"><Section0 Name=\"挖土\"><Floor0 Name=\"2,3\" N=\"2\" G=\"20\" "
            "Q=\"2.500000\"/></Section0></Chapter1></工程数据>");
  IndexAnalysisTable read;
  ReadIndexAnalysis(dir.wpath(), read);
  ASSERT_EQ(read.groups().size(), 1u);
  EXPECT_DOUBLE_EQ(read.groups()[0].items[0].Quantity(), 5.0);

  for (const char* bad : {"<其他/>", "<指标分析表>", "garbage"}) {
    dir.Write("AnalyzeComponent.xml", bad);
    EXPECT_FALSE(ReadIndexSettings(dir.wpath(), groups)) << bad;
    EXPECT_TRUE(groups.empty());
  }
}

TEST(IndexAnalysisColumnsTest, EachTitleStandsOverItsCells) {
  // clang-format off
  testing::ExpectNamedColumns("zbfx", {
      {"土方工程", "group", "指标组", "土方工程"},
      {"土方工程", "item", "指标项", "挖土"},
      {"混凝土工程", "floor", "楼层", "-2层"},
      {"土方工程", "unit", "单位", "m3/m2"},
      {"土方工程", "quantity", "指标", "1.799344"},
      {"土方工程", "formula", "计算式", "13035.60/7244.64"},
      {"混凝土工程", "description", "说明", "单层"},
  });
  // clang-format on
}

}  // namespace
}  // namespace reportdata
