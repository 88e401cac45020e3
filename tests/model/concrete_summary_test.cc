// The concrete table's intake and the three physical-quantity summaries.
#include "model/concrete_summary.h"

#include <gtest/gtest.h>

#include "support/records.h"

namespace reportdata {
namespace {

using testing::Rec;
using testing::Share;

// A bill record of 砼外墙 ("Q\TWQ" + "1") with one share per partition.
TJQd Wall(std::wstring floor, std::wstring grade, std::vector<SNYTJFenQuInfo> shares,
          std::wstring unit = L"m3", int id = 1, std::wstring handle = L"h1") {
  TJQd record = Rec{.floor = floor, .handle = handle}.Bill(L"010504001", L"直形墙", unit);
  record.subCode = L"1";
  record.grade = grade;
  record.id = id;
  record.partitions = std::move(shares);
  return record;
}

SWLReportInputInfo Input(std::vector<std::wstring> floors = {}) {
  SWLReportInputInfo input;
  for (const std::wstring& floor : floors) input.floors.Add(floor.c_str());
  return input;
}

// Group entry "墙" of the row named `row`, empty text when absent.
template <typename Rows>
std::wstring WallQuantity(const Rows& rows, std::wstring_view row) {
  for (const auto& r : rows) {
    if (r.name.str() != row) continue;
    for (const SWLReportEntryInfo& entry : r.entries) {
      if (entry.name == L"墙") return entry.quantity.str();
    }
  }
  return L"";
}

TEST(ConcreteIntakeTest, SkipsWhatIsNotCatalogedConcrete) {
  struct Case {
    const char* label;
    TJQd record;
    bool kept;
  };
  TJQd other_code = Wall(L"1", L"C30", {Share(L"1区", 1)});
  other_code.subCode = L"2";
  const Case cases[] = {
      {"graded wall", Wall(L"1", L"C30", {Share(L"1区", 1)}), true},
      {"no grade", Wall(L"1", L"", {Share(L"1区", 1)}), false},
      {"formwork sub-code", other_code, false},
      {"area unit", Wall(L"1", L"C30", {Share(L"1区", 1)}, L"m2"), false},
      {"wide volume unit", Wall(L"1", L"C30", {Share(L"1区", 1)}, L"100立米"), true},
  };
  for (const Case& c : cases) {
    STongTable table;
    table.Add(KeysOf(c.record));
    EXPECT_EQ(table.floors().size(), c.kept ? 1u : 0u) << c.label;
  }
}

TEST(ConcreteIntakeTest, CountsAnInstanceOnceExceptPostPourStrips) {
  STongTable table;
  table.Add(KeysOf(Wall(L"1", L"c30", {Share(L"1区", 2)})));
  table.Add(KeysOf(Wall(L"1", L"C30", {Share(L"1区", 2)})));  // same handle and identity
  table.Add(KeysOf(Wall(L"1", L"C30", {Share(L"1区", 3)}, L"m3", 2)));
  // Handle "h1" with identity 23 and "h12" with 3 are two instances.
  table.Add(KeysOf(Wall(L"1", L"C30", {Share(L"1区", 1)}, L"m3", 23)));
  table.Add(KeysOf(Wall(L"1", L"C30", {Share(L"1区", 1)}, L"m3", 3, L"h12")));
  table.Add(
      KeysOf(Wall(L"1", L"C30", {Share(L"1区", 1)}, L"m3", 2, L"h2")));  // identity 2, new handle
  TJQd strip = Wall(L"1", L"C40", {Share(L"1区", 5)});
  strip.typePath = L"LX\\HJD";
  strip.subCode = L"95";
  table.Add(KeysOf(strip));
  table.Add(KeysOf(strip));

  const ConcreteItem& wall = table.floors()[0].groups[0].items[0];
  ASSERT_EQ(wall.components[0].positions[0].grades.size(), 1u);  // c30 and C30 are one grade
  EXPECT_DOUBLE_EQ(wall.components[0].positions[0].grades[0].shares[0].quantity, 8);
  EXPECT_EQ(wall.components[0].positions[0].handles, "$$h1$$h1$$h1$$h12$$h2");
  const ConcreteGroup& strips = table.floors()[0].groups[1];
  EXPECT_EQ(strips.name, L"主体后浇带");
  EXPECT_DOUBLE_EQ(strips.items[0].components[0].positions[0].grades[0].shares[0].quantity, 10);

  // Past a handful of instances a position finds them through its index:
  // twenty instances, each identity with two handles and each handle with
  // ten identities, all delivered twice.
  STongTable many;
  for (int round = 0; round < 2; ++round) {
    for (int n = 0; n < 20; ++n) {
      many.Add(KeysOf(
          Wall(L"1", L"C30", {Share(L"1区", 1)}, L"m3", n / 2, L"h" + std::to_wstring(n % 2))));
    }
  }
  const ConcretePosition& position = many.floors()[0].groups[0].items[0].components[0].positions[0];
  EXPECT_DOUBLE_EQ(position.grades[0].shares[0].quantity, 20);
  EXPECT_EQ(position.handles.size(), 20 * std::string("$$h0").size());
}

TEST(ConcreteSummaryTest, FloorRowsMultiplyByTheFloorsTheyStandFor) {
  STongTable table;
  table.Add(KeysOf(Wall(L"2,5", L"C30", {Share(L"1区", 1.0), Share(L"2区", 0.5)}, L"10m3")));
  table.Add(KeysOf(Wall(L"1", L"C35", {Share(L"2区", 2)}, L"m3", 7)));
  struct Case {
    std::vector<std::wstring> floors;
    std::wstring row;
    std::wstring wall;
  };
  const Case cases[] = {
      {{}, L"2,5层", L"60.000000"},                                // 15 m3 on each of four floors
      {{L"3"}, L"3层", L"15.000000"},                              // one floor of the range
      {{L"2,5"}, L"2,5层", L"60.000000"}, {{L"6"}, L"合计", L""},  // no bucket covers floor 6
      {{}, L"合计", L"62.000000"},
  };
  for (const Case& c : cases) {
    std::map<CString, CString> grades;
    CArray<SWLReportFloorInfo> rows;
    SummarizeByFloor(table, Input(c.floors), grades, rows);
    EXPECT_EQ(WallQuantity(rows, c.row), c.wall);
    EXPECT_EQ(rows[rows.GetUpperBound()].name, kTotalsRow);
  }
  std::map<CString, CString> grades;
  CArray<SWLReportFloorInfo> rows;
  SummarizeByFloor(table, Input(), grades, rows);
  EXPECT_EQ(grades.size(), 2u);
  const SWLReportFloorInfo& total = rows[rows.GetUpperBound()];
  EXPECT_EQ(total.entries.back().name, kComponentTotal);
  EXPECT_EQ(total.entries.back().quantity, L"62.000000");
  EXPECT_EQ(rows[0].entries.back().name, kComponentSubtotal);
  EXPECT_EQ(rows[0].entries.back().order, kSubtotalOrder);
}

TEST(ConcreteSummaryTest, PartitionRowsSplitTheWholeQuantity) {
  STongTable table;
  table.Add(KeysOf(Wall(L"1", L"C30", {Share(L"1区", 1), Share(L"未分区", 2)})));
  table.Add(KeysOf(Wall(L"2", L"C30", {Share(L"1区", 4)}, L"m3", 2)));
  const std::vector<std::wstring> partitions = {L"1区", L"2区", L"未分区"};
  std::map<CString, CString> grades;

  CArray<SWLReportFloorFenQuInfo> by_floor;
  SummarizeByFloorPartition(table, Input(), partitions, grades, by_floor);
  std::vector<std::wstring> names;
  for (const auto& row : by_floor) names.push_back(row.name.str() + L"@" + row.floorText.str());
  EXPECT_EQ(names, (std::vector<std::wstring>{L"1区@1", L"未分区@1", L"小计(m3)@1", L"1区@2",
                                              L"小计(m3)@2", L"合计@"}));
  EXPECT_EQ(WallQuantity(by_floor, kTotalsRow), L"7.000000");

  CArray<SWLReportFenQuFloorInfo> by_partition;
  SummarizeByPartitionFloor(table, Input(), partitions, grades, by_partition);
  names.clear();
  for (const auto& row : by_partition) names.push_back(row.name.str() + L"@" + row.partition.str());
  EXPECT_EQ(names, (std::vector<std::wstring>{L"1层@1区", L"2层@1区", L"小计@1区", L"1层@未分区",
                                              L"小计@未分区", L"合计@"}));
  EXPECT_EQ(WallQuantity(by_partition, kPartitionSubtotalRow), L"5.000000");
  EXPECT_EQ(WallQuantity(by_partition, kTotalsRow), L"7.000000");
}

}  // namespace
}  // namespace reportdata
