// The component table counts a component once per drawing handle, shows
// storeys as "%d×%d" and hides the type "异形", and round-trips its file.
#include "areas/component_table.h"

#include <gtest/gtest.h>

#include "persist/component_table_file.h"
#include "support/temp_dir.h"

namespace reportdata {
namespace {

std::vector<std::wstring> Stream(const ComponentTable& table) {
  CStringArray out;
  table.Stream(L"", out);
  return std::vector<std::wstring>(out.begin(), out.end());
}

TEST(ComponentTable, CountsEachHandleOnceAndShowsStoreys) {
  ComponentTable table;
  GjhzGroupNode walls{L"墙", 3, {}, {}};
  GjhzFloorNode range{L"2,4", 20, {}, {}};
  // One wall under two quota items, and a second wall: two pieces.
  range.records = {{L"A4-1", L"Q1", L"Q\\TWQ", L"直形墙", "$$3DB$$$$3DC", 2},
                   {L"A5-1", L"Q1", L"Q\\TWQ", L"直形墙", "$$3DB", 1},
                   {L"", L"Q2", L"Q\\TWQ", L"异形", "", 1}};
  walls.floors = {range};
  table.AddSummary({walls});
  EXPECT_EQ(table.groups()[0].order, 3);
  EXPECT_EQ(Stream(table),
            (std::vector<std::wstring>{L"#ZhangFlag#", L"墙", L"#FloorFlag#", L"2,4", L"3", L"3×3",
                                       L"#RecordFlag#", L"Q1", L"6", L"直形墙", L"2×3",
                                       L"#RecordFlag#", L"Q2", L"3", L"", L"1×3"}));

  testing::TempDir dir;
  WriteComponentTable(dir.wpath(), table);
  ComponentTable read;
  ReadComponentTable(dir.wpath(), read);
  EXPECT_EQ(Stream(read), Stream(table));
  read.Add({L"墙", 0, L"2,4", L"Q1", L"Q\\TWQ", L"直形墙", "3DC", 1});  // counted already
  EXPECT_EQ(read.groups()[0].floors[0].sections[0].count, 2);
}

TEST(ComponentTable, FloorSumOfLargeCountsDoesNotWrap) {
  ComponentTable table;
  SCompFloor floor{L"2,3", 2, 2, {}, {}};
  floor.sections.push_back({2000000000, L"Q1", L"Q\\TWQ", L"", {}});
  floor.sections.push_back({2000000000, L"Q2", L"Q\\TWQ", L"", {}});
  table.AppendGroup({L"墙", 1, {floor}, {}});
  const std::vector<std::wstring> cells = Stream(table);
  ASSERT_GE(cells.size(), 6u);
  EXPECT_EQ(cells[4], L"4000000000");
  EXPECT_EQ(cells[5], L"4000000000×2");
}

}  // namespace
}  // namespace reportdata
