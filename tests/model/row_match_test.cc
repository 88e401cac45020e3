#include "model/row_match.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace reportdata {
namespace {

MatchRow Group(const char* label) { return {0, label, "", 0, false}; }
MatchRow Row(int depth, const char* label, const char* unit, double quantity) {
  return {depth, label, unit, quantity, true};
}

std::string Line(const ComparedRow& row) {
  std::string path;
  for (const std::string& label : row.path) path += "/" + label;
  const char* marks[] = {"=", "~", "+", "-"};
  return path + " " + marks[static_cast<int>(row.status)];
}

std::vector<std::string> Lines(const CompareResult& result) {
  std::vector<std::string> lines;
  for (const ComparedRow& row : result.rows) lines.push_back(Line(row));
  return lines;
}

TEST(RowMatchTest, RowsOfOneSideStandWhereTheirSideHasThem) {
  // Floors regrouped: 2,6 against 2,5 and 6; the wall item moved from m3 to
  // m2 between the two; a difference below the unit's decimals is none.
  const std::vector<MatchRow> old_rows = {
      Group("章"),
      Row(1, "墙", "m3", 10),
      Row(2, "1", "m3", 4),
      Row(2, "2,6", "m3", 6),
      Row(1, "柱", "m3", 1.004),
      Row(2, "1", "m3", 1.004),
  };
  const std::vector<MatchRow> new_rows = {
      Group("章"),
      Row(1, "墙", "m2", 10),
      Row(2, "1", "m2", 10),
      Row(1, "柱", "m3", 1.6),
      Row(2, "1", "m3", 1),
      Row(2, "2,5", "m3", 0.5),
      Row(2, "6", "m3", 0.1),
  };
  CompareResult result;
  MatchRows(old_rows, new_rows, {}, result);
  const std::vector<std::string> expected = {
      "/章 ~",        "/章/墙 +",   "/章/墙/1 +", "/章/墙 -",     "/章/墙/1 -",
      "/章/墙/2,6 -", "/章/柱 ~",   "/章/柱/1 =", "/章/柱/2,5 +", "/章/柱/6 +",
      "/章/合计 ~",   "/章/合计 ~", "/总计 ~",    "/总计 ~",
  };
  EXPECT_EQ(Lines(result), expected);
  // 柱: 1.004 against 1.6; the m2 total gained the wall's 10, the m3 total
  // lost it.
  EXPECT_NEAR(result.rows[6].difference, 0.596, 1e-12);
  EXPECT_EQ(result.rows[10].unit, "m2");
  EXPECT_NEAR(result.rows[10].difference, 10, 1e-12);
  EXPECT_NEAR(result.rows[11].difference, 1.6 - 11.004, 1e-12);
  EXPECT_EQ(result.summary.changed, 1u);
  EXPECT_EQ(result.summary.added, 1u);
  EXPECT_EQ(result.summary.removed, 1u);
}

TEST(RowMatchTest, ChangedOnlyKeepsTheParentsOfChangesAndLargestIsPerUnit) {
  std::vector<MatchRow> old_rows = {Group("甲"), Row(1, "a", "m3", 1), Group("乙")};
  std::vector<MatchRow> new_rows = {Group("甲"), Row(1, "a", "m3", 1), Group("乙")};
  for (int i = 0; i < 12; ++i) {
    const std::string label = "b" + std::to_string(i);
    old_rows.push_back({1, label, "m2", 1, true});
    new_rows.push_back({1, label, "m2", 1.0 + i, true});
  }
  old_rows.push_back({1, "t", "t", 2, true});
  new_rows.push_back({1, "t", "t", 2.0004, true});
  MatchSettings settings;
  settings.changed_only = true;
  CompareResult result;
  MatchRows(old_rows, new_rows, settings, result);
  ASSERT_FALSE(result.rows.empty());
  EXPECT_EQ(Line(result.rows.front()), "/乙 ~");  // 甲 has no change at all
  EXPECT_EQ(result.summary.unchanged, 3u);        // a, b0 and t (at three decimals)
  ASSERT_EQ(result.summary.largest.size(), 10u);
  EXPECT_EQ(result.summary.largest.front().path.back(), "b11");
  EXPECT_EQ(result.summary.largest.back().path.back(), "b2");

  // Comparing rows with themselves leaves nothing under changed only.
  CompareResult same;
  MatchRows(old_rows, old_rows, settings, same);
  EXPECT_TRUE(same.rows.empty());
  EXPECT_EQ(same.summary.changed + same.summary.added + same.summary.removed, 0u);
}

}  // namespace
}  // namespace reportdata
