// Quota summary (11, 31), quota by floor (12, 32) and by floor and component
// (13, 33).
#include <gtest/gtest.h>

#include "support/table_fixture.h"

namespace reportdata::testing {
namespace {

class QuotaRowsTest : public TableFixture {
 public:
  void AddQuota(const Rec& rec, const wchar_t* code = L"A4-1", const wchar_t* name = L"砌砖",
                const wchar_t* sub_code = L"") {
    TJQd record = rec.Quota(code, name);
    record.subCode = sub_code;
    tables.AddQuotaRecord(KeysOf(record));
  }
};

TEST_F(QuotaRowsTest, QuotaByFloorJoinsFacadeIntoItsFloorGroupOnce) {
  AddQuota({.floor = L"2,5", .component = L"Q1", .quantity = L"10", .handle = L"h1"});
  AddQuota(Facade(L"3", L"3", L"h2"));
  AddQuota({.floor = L"1", .component = L"Q1", .quantity = L"5", .handle = L"h3"});
  EXPECT_EQ(TreeItems(12), (std::vector<std::wstring>{L"1层", L"2,5层"}));
  EXPECT_EQ(TreeItems(13), (std::vector<std::wstring>{L"1层", L"2,5层"}));
  EXPECT_EQ(StreamText(12),
            L"#ZhangFlag#|1层|#DEItemFlag#|A4-1|砌砖|m3|5.000000|||#AttNameFlag#|Q1|5.000000|$h3|"
            L"#ZhangFlag#|2,5层|#DEItemFlag#|A4-1|砌砖|m3|43.000000||10.000*4层+3.000|"
            L"#AttNameFlag#|Q1|10.000000|$h1|#AttNameFlag#|WQM[3层]|3.000000|$h2");
  // The host may pass the floor group as listed.
  const std::vector<std::wstring> rows = ItemRows(12, L"2,5层");
  EXPECT_EQ(rows, ItemRows(12, L"2,5"));
  ASSERT_EQ(rows.size(), 8u);
  EXPECT_EQ(rows[2], L"3|2|砌筑|||||||||");
  EXPECT_EQ(rows[3], L"4|3||" + ItemText(L"A4-1", L"砌砖", L"") +
                         L"|2,5层|||m3|43.000000||10.000*4层+3.000|");
  EXPECT_EQ(rows[6], L"7|4||||WQM[3层]||m3|3.000000|||$h2");
  // The quota summary joins floor 3 to 2,5 alike, with two-decimal formulas.
  EXPECT_EQ(StreamText(11),
            L"#ZhangFlag#|砌筑|#DEItemFlag#|A4-1|砌砖|m3|48.000000||#FloorFlag#|1层|5.000000||"
            L"#AttNameFlag#|Q1|5.000000|$h3|#FloorFlag#|2,5层|43.000000|10.00*4层+3.00|"
            L"#AttNameFlag#|Q1|10.000000|$h1|#AttNameFlag#|WQM[3层]|3.000000|$h2");
}

TEST_F(QuotaRowsTest, QuotaByFloorFormulaThresholds) {
  // Per-floor part too small to show next to a facade part: no formula.
  AddQuota({.floor = L"6,7", .component = L"Q1", .quantity = L"0.005"});
  AddQuota(Facade(L"6,7", L"1", L"h", L"ZS\\LMDK"));
  // Facade part of at most 0.01: per-floor formula alone.
  AddQuota({.floor = L"8,9", .component = L"Q1", .quantity = L"2"});
  AddQuota(Facade(L"8,9", L"0.005", L"h", L"ZS\\LMDK"));
  const std::vector<std::wstring> stream = Stream(12);
  // Each group: its name, the quota item (7 texts), two components (4 each).
  ASSERT_EQ(stream.size(), 2 * 17u);
  // The first group's name, then each group's quantity and formula.
  EXPECT_EQ(std::vector({stream[1], stream[6], stream[8], stream[17 + 6], stream[17 + 8]}),
            (std::vector<std::wstring>{L"6,7层", L"1.010000", L"", L"4.005000", L"2.000*2层"}));
}

TEST_F(QuotaRowsTest, CalculationItemsInTextOrderWithCatalogueNames) {
  AddQuota({.floor = L"1,2",
            .component = L"Q1",
            .quantity = L"3",
            .handle = L"h1",
            .description = L"3*1||注"},
           L"A5-1", L"浇筑", L"2");
  AddQuota({.floor = L"1,2", .component = L"Q1", .handle = L"h2"}, L"A10-1", L"抹灰", L"10");
  AddQuota(Facade(L"1,2", L"4", L"h3"), L"A10-2", L"涂料", L"2");
  AddQuota({.floor = L"1,2", .component = L"Q1", .handle = L"h4"}, L"A10-3", L"未知", L"9999");
  EXPECT_EQ(StreamText(13),
            L"#ZhangFlag#|1,2层|#MemFlag#|Q1|#CalItemFlag#|楼梯底面粉刷|#DEItemFlag#|A10-1|抹灰|"
            L"m3|2.000000||1.000*2层|#CalItemFlag#|实体模板|#DEItemFlag#|A5-1|浇筑|m3|6.000000||"
            L"3.000*2层|#CalItemFlag#||#DEItemFlag#|A10-3|未知|m3|2.000000||1.000*2层|"
            L"#MemFlag#|WQM[1,2层]|#CalItemFlag#|实体模板|#DEItemFlag#|A10-2|涂料|m3|4.000000||");
  // Record lines carry the description cut before "||".
  EXPECT_NE(StreamText(33, L"1,2层").find(L"#RecordFlag#|A/1|3.000000|3*1||$h1"),
            std::wstring::npos);
  EXPECT_EQ(tables.quota_by_floor_component()[0].components[0].calc_items[0].quotas[0].num, 2);
}

TEST_F(QuotaRowsTest, QuotaSummaryJssInPartition) {
  Rec rec{.component = L"Q1", .quantity = L"2", .handle = L"h1", .description = L"2*1||注"};
  TJQd record = rec.Quota(L"A4-1", L"砌砖");
  record.partitions = {Share(L"1区", 0.5, L"0.5*1")};
  tables.AddQuotaRecord(KeysOf(record));
  EXPECT_EQ(StreamText(31),
            L"#ZhangFlag#|砌筑|#DEItemFlag#|A4-1|砌砖|m3|2.000000||#FloorFlag#|1层|2.000000||"
            L"#AttNameFlag#|Q1|2.000000|$h1|#RecordFlag#|A/1|2.000000|2*1||注||$h1");
  state.partition = L"1区";
  // The item's quantity and the record's text in the summary; the record
  // line of the per-floor stream keeps the record's own description.
  const std::vector<std::wstring> in_partition = Stream(31), per_floor = Stream(32);
  ASSERT_EQ(in_partition.size(), 22u);
  EXPECT_EQ(std::vector({in_partition[6], in_partition[19], per_floor.at(13), per_floor.at(16)}),
            (std::vector<std::wstring>{L"0.500000", L"0.5*1", L"#RecordFlag#", L"2*1"}));
  state.partition = L"2区";
  EXPECT_TRUE(Stream(31).empty());
  EXPECT_TRUE(Stream(12).empty());
  // Floor groups are listed whatever the partition.
  EXPECT_EQ(TreeItems(12), (std::vector<std::wstring>{L"1层"}));
  EXPECT_TRUE(TreeItems(11).empty());
}

TEST_F(QuotaRowsTest, QuotaByFloorComponentRowsAndSelection) {
  AddQuota({.component = L"Q1", .quantity = L"3", .handle = L"h1"}, L"A5-1", L"浇筑", L"1");
  AddQuota({.component = L"Z1", .quantity = L"2", .handle = L"h2"}, L"A5-1", L"浇筑", L"1");
  const std::vector<std::wstring> selected = SelectedRows(13, Array({L"1"}), Array({L"Z1"}));
  ASSERT_EQ(selected.size(), 6u);
  EXPECT_EQ(selected[2], L"3|2|Z1|||||||||");
  EXPECT_EQ(selected[3], L"4|3||实体||||||||");
  EXPECT_EQ(selected[4], L"5|4||" + ItemText(L"A5-1", L"浇筑", L"") + L"|1层|||m3|2.000000|||");
  EXPECT_EQ(selected[5], L"6|5|||||A/1|m3|2.000000|||$h2");
  CStringArray floors = Array({L"1"});
  CStringArray names = Array({L"Q1"});
  CStringArray out;
  EXPECT_TRUE(AnswerByCondition(Context(), 13, floors, names, out, L"不用"));
  EXPECT_EQ(
      Joined(Texts(out)),
      L"#ZhangFlag#|1层|#MemFlag#|Q1|#CalItemFlag#|实体|#DEItemFlag#|A5-1|浇筑|m3|3.000000||");
}

}  // namespace
}  // namespace reportdata::testing
