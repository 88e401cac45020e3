// The cloud-index data manager gathers records by category, floor and
// component, and its records order as the cloud reports expect.
#include "reportdata/cloud_data.h"

#include <gtest/gtest.h>

namespace reportdata {
namespace {

TJQd Record(int id, const wchar_t* type_path, const wchar_t* floor, const wchar_t* name,
            const wchar_t* sub_code, const wchar_t* calc_item, const wchar_t* quantity) {
  TJQd record;
  record.id = id;
  record.typePath = type_path;
  record.floor = floor;
  record.componentName = name;
  record.subCode = sub_code;
  record.calcItem = calc_item;
  record.quantity = quantity;
  return record;
}

TEST(CloudData, GathersByCategoryFloorAndComponent) {
  CCloudDataMng data;
  EXPECT_EQ(data.GetVertion(), L"1.0.0");
  TJQd first = Record(5, L"Q\\TWQ", L"1", L"Q1", L"1", L"体积", L"2.5");
  first.handle = L"$$A";
  first.partitions = {{L"1区", L"", 1.0}, {L"2区", L"", 1.5}};
  data.AddData(first);
  TJQd again = Record(6, L"Q\\TWQ", L"1", L"Q1", L"1", L"体积", L"0.5");
  again.partitions = {{L"1区", L"", 0.5}};
  data.AddData(again);
  data.AddData(Record(7, L"Q\\TWQ", L"1", L"Q1", L"3", L"模板", L"4"));
  data.AddData(Record(8, L"Q\\TNQ", L"2,5", L"Q2", L"1", L"体积", L"1"));
  data.AddData(Record(9, L"L\\KL", L"0", L"KL1", L"1", L"体积", L"1"));

  const auto& units = data.GetUnits();
  ASSERT_EQ(units.size(), 2u);
  EXPECT_EQ(units[0].name, L"Q");
  EXPECT_EQ(units[1].name, L"L");
  ASSERT_EQ(units[0].floors.size(), 2u);
  const CCloudDataFloor& floor1 = units[0].floors[0];
  EXPECT_EQ(floor1.floorName, L"1");
  EXPECT_EQ(floor1.floorNum, 1);
  EXPECT_EQ(floor1.sortKey, 10);
  ASSERT_EQ(floor1.members.size(), 1u);
  const CCloudDataSMem& wall = floor1.members[0];
  EXPECT_EQ(wall.key, 5);
  EXPECT_EQ(wall.name, L"Q1");
  EXPECT_EQ(wall.typePath, L"Q\\TWQ");
  ASSERT_EQ(wall.items.size(), 2u);
  EXPECT_EQ(wall.items[0].GetId(), 1);
  EXPECT_EQ(wall.items[0].GetName(), L"体积");
  EXPECT_DOUBLE_EQ(wall.items[0].GetQuantity(), 3.0);
  EXPECT_DOUBLE_EQ(wall.items[1].GetQuantity(), 4.0);
  EXPECT_EQ(wall.handles, (std::vector<CString>{L"$$A"}));
  EXPECT_EQ(wall.partitions, (std::vector<CString>{L"1区", L"2区"}));
  EXPECT_EQ(units[0].floors[1].floorNum, 4);
  EXPECT_EQ(units[0].floors[1].sortKey, 20);
  EXPECT_EQ(units[1].floors[0].sortKey, -1000);

  data.AddArea(L"1", 100.0);
  data.AddArea(L"-1", 80.0);
  data.InitDifCalArea({L"-1", L"1"});
  ASSERT_EQ(data.GetAreas().size(), 2u);
  EXPECT_EQ(data.GetAreas()[1].GetFloorName(), L"-1");
  EXPECT_EQ(data.GetAreas()[1].GetSortKey(), -10);
  EXPECT_DOUBLE_EQ(data.GetAreas()[1].GetFloorArea(), 80.0);
  EXPECT_TRUE(data.GetAreas()[1] < data.GetAreas()[0]);
  EXPECT_EQ(data.GetCalFloors().size(), 2u);

  CCloudDataMng copy = data;
  data.Clear();
  EXPECT_TRUE(data.GetUnits().empty());
  EXPECT_TRUE(data.GetAreas().empty());
  EXPECT_EQ(data.GetVertion(), L"1.0.0");
  EXPECT_EQ(copy.GetUnits().size(), 2u);
  copy.AddData(Record(10, L"Q\\TWQ", L"1", L"Q1", L"1", L"体积", L"1"));  // the copy's index works
  EXPECT_DOUBLE_EQ(copy.GetUnits()[0].floors[0].members[0].items[0].GetQuantity(), 4.0);
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
  EXPECT_FALSE(none < none);
  CCloudDataUnit a, b;
  a.name = L"L";
  b.name = L"Q";
  EXPECT_TRUE(a < b);
}

}  // namespace
}  // namespace reportdata
