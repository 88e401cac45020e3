// The cloud-index data manager: gathering by unit, floor and member, the
// floor, area and quantity questions of the templates, and its file.
#include "reportdata/cloud_data.h"

#include <gtest/gtest.h>

#include "reportdata/errors.h"
#include "support/records.h"
#include "support/temp_dir.h"

namespace reportdata {
namespace {

using testing::Calc;
using testing::Rec;

// Walls on floor 1 (2 m3) and on the range 2,3 (1 m3 a storey), a slab's
// formwork on floor 1, and a quota record of the wall in "10m3".
CCloudDataMng SampleData() {
  CCloudDataMng data;
  data.AddData(Calc(Rec{.quantity = L"1.5"}.Bill(L"010401001", L"墙"), L"体积"));
  data.AddData(
      Calc(Rec{.component = L"墙2", .quantity = L"0.5"}.Bill(L"010401001", L"墙"), L"体积"));
  data.AddData(Calc(Rec{.floor = L"2,3"}.Bill(L"010401001", L"墙"), L"体积"));
  data.AddData(Calc(Rec{.type_path = L"B\\XB", .quantity = L"8"}.Bill(L"011702", L"模板", L"m2"),
                    L"模板面积", L"4"));
  data.AddData(Calc(Rec{.quantity = L"0.2"}.Quota(L"A4-1", L"墙", L"10m3"), L"体积"));
  data.AddArea(L"-1", 80.0);
  data.AddArea(L"1", 100.0);
  data.AddArea(L"2,3", 240.0);
  return data;
}

TEST(CloudData, GathersByUnitFloorAndMember) {
  const CCloudDataMng data = SampleData();
  EXPECT_EQ(data.GetVertion(), L"1.0.0");  // the version its file is written with
  const auto& units = data.GetUnits();
  ASSERT_EQ(units.size(), 2u);
  EXPECT_EQ(units[0].name.str() + units[1].name.str(), L"m3m2");
  ASSERT_EQ(units[0].floors.size(), 2u);
  EXPECT_EQ(std::pair(units[0].floors[1].floorNum, units[0].floors[1].sortKey), std::pair(2, 20));
  EXPECT_EQ(data.GetAreas().at(2).GetSortKey(), 20);  // areas take the same order keys
  const auto& members = units[0].floors[0].members;
  ASSERT_EQ(members.size(), 2u);  // the bill item and the quota item
  EXPECT_EQ(std::pair(members[0].key, members[0].code), std::pair(1, CString(L"010401001")));
  EXPECT_EQ(members[0].componentNames, (std::vector<CString>{L"墙1", L"墙2"}));
  ASSERT_EQ(members[0].items.size(), 1u);
  EXPECT_DOUBLE_EQ(members[0].items[0].GetQuantity(), 2.0);
  EXPECT_EQ(members[1].key, 2);
  EXPECT_DOUBLE_EQ(members[1].items[0].GetQuantity(), 2.0);  // 0.2 of 10m3
}

TEST(CloudData, AnswersConditions) {
  const CCloudDataMng data = SampleData();
  struct Case {
    const wchar_t* keywords;
    const wchar_t* unit;
    std::vector<CString> floors;
    bool found;
    double quantity;
    std::vector<CString> excludes = {};
  };
  const Case cases[] = {
      {L"Q", L"m3", {L"1"}, true, 2.0},
      {L"Q", L"m3", {L"2,3"}, true, 2.0},  // two storeys of 1
      {L"Q", L"m3", {L"3"}, true, 1.0},
      {L"Q\\TWQ:体积", L"10m3", {L"1", L"2,3"}, true, 0.4},
      {L"Q\\TW", L"m3", {L"1"}, false, 0.0},  // a path matches whole segments only
      {L"#0104；B\\XB", L"", {L"1"}, true, 10.0},
      {L"#A4", L"m3", {L"1"}, true, 2.0},  // no bill matches: the quota record answers
      {L"*", L"m2", {L"1"}, true, 8.0},
      {L"Q:模板面积", L"m2", {L"1"}, false, 0.0},
      {L"Q", L"m3", {L"-1"}, false, 0.0},
      {L"*", L"m3", {L"1"}, false, 0.0, {L"#0104", L"#A4"}},
  };
  for (const Case& c : cases) {
    SCloudNormQuantity answer;
    const SCloudNormCondition condition{c.keywords, c.unit, c.floors, c.excludes};
    EXPECT_EQ(data.GetQuantityByCondition(answer, condition, true), c.found) << c.keywords;
    EXPECT_DOUBLE_EQ(answer.quantity, c.quantity) << c.keywords;
  }
  SCloudNormQuantity share;
  data.GetQuantityByCondition(share, {L"Q", L"m3", {L"1"}, {}}, true);
  EXPECT_DOUBLE_EQ(share.rateNumerator, 2.0);
  EXPECT_DOUBLE_EQ(share.rateDenominator, 4.0);
}

TEST(CloudData, FloorsAndAreasByKind) {
  CCloudDataMng data = SampleData();
  std::vector<CString> floors;
  const std::pair<ECloudFloorType, std::vector<CString>> kinds[] = {
      {eCloudFloorAll, {L"-1", L"1", L"2,3"}},
      {eCloudFloorFirst, {L"1"}},
      {eCloudFloorUnder, {L"-1"}},
      {eCloudFloorAbove, {L"1", L"2,3"}},
  };
  for (const auto& [kind, expected] : kinds) {
    data.GetFloorAry(floors, kind);
    EXPECT_EQ(floors, expected) << kind;
  }
  // A storey of a range has its share; a range of floors adds what it covers.
  EXPECT_EQ(std::vector({data.GetFloorArea(eCloudAreaAll), data.GetFloorArea(eCloudAreaUnder),
                         data.GetFloorArea(eCloudAreaAbove), data.GetFloorArea(eCloudAreaFirst),
                         data.GetFloorNameArea(L"3"), data.GetFloorNameArea(L"2,3"),
                         data.GetFloorNameArea(L"1,3")}),
            std::vector<double>({420, 80, 340, 100, 120, 240, 100 + 240}));

  data.InitDifCalArea({L"3", L"-1"});  // the calculated floors win over the areas
  data.GetFloorAry(floors, eCloudFloorAll);
  EXPECT_EQ(floors, (std::vector<CString>{L"-1", L"3"}));
}

TEST(CloudData, FileRoundTrip) {
  testing::TempDir dir;
  CCloudDataMng data = SampleData();
  data.InitDifCalArea({L"-1", L"1", L"2,3"});
  data.WriteToXmlFile(dir.wpath());

  CCloudDataMng read;
  read.AddArea(L"9", 1.0);  // replaced by the file
  read.ReadFromXmlFile(dir.wpath());
  EXPECT_EQ(read.GetAreas().size(), 3u);
  EXPECT_EQ(read.GetCalFloors().size(), 3u);
  EXPECT_DOUBLE_EQ(read.GetFloorNameArea(L"2,3"), 240.0);
  read.AddData(Calc(Rec{.component = L"墙3"}.Bill(L"010401001", L"墙"), L"体积"));
  SCloudNormQuantity answer;
  EXPECT_TRUE(read.GetQuantityByCondition(answer, {L"Q", L"m3", {L"1"}, {}}, false));
  EXPECT_DOUBLE_EQ(answer.quantity, 3.0);  // the new record joins the member read back
  EXPECT_EQ(read.GetUnits()[0].floors[0].members[0].componentNames.size(), 3u);

  dir.Write("CloudData.xml", "<云指标数据><Area Name=\"1\" Area=\"5\"/>text</云指标数据>");
  EXPECT_THROW(read.ReadFromXmlFile(dir.wpath()), TableFileError);
  EXPECT_TRUE(read.GetAreas().empty());
  dir.Write("CloudData.xml", "not xml");
  read.ReadFromXmlFile(dir.wpath());
  EXPECT_TRUE(read.GetUnits().empty());
}

TEST(CloudData, RecordOrders) {
  EXPECT_TRUE(CCloudDataCalItem(1, 0, L"b") < CCloudDataCalItem(2, 0, L"a"));
  EXPECT_TRUE(CCloudDataCalItem(1, 0, L"a") < CCloudDataCalItem(1, 0, L"b"));
  EXPECT_FALSE(CCloudDataCalItem(1, 5, L"a") < CCloudDataCalItem(1, 0, L"a"));
  CCloudDataSMem none, three, five;
  three.key = 3;
  five.key = 5;
  EXPECT_TRUE(three < five);
  EXPECT_FALSE(five < three);
  EXPECT_FALSE(none < three);
}

}  // namespace
}  // namespace reportdata
