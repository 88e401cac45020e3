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
    tables.AddQuotaRecord(record);
  }
};

TEST_F(QuotaRowsTest, QuotaByFloorJoinsFacadeIntoItsFloorGroupOnce) {
  AddQuota({.floor = L"2,5", .component = L"Q1", .quantity = L"10", .handle = L"h1"});
  AddQuota({.floor = L"3",
            .component = L"WQM",
            .type_path = L"ZS\\LMZS",
            .quantity = L"3",
            .handle = L"h2"});
  AddQuota({.floor = L"1", .component = L"Q1", .quantity = L"5", .handle = L"h3"});
  EXPECT_EQ(TreeItems(12), (std::vector<std::wstring>{L"1层", L"2,5层"}));
  EXPECT_EQ(TreeItems(13), (std::vector<std::wstring>{L"1层", L"2,5层"}));
  EXPECT_EQ(Stream(12), (std::vector<std::wstring>{L"#ZhangFlag#",
                                                   L"1层",
                                                   L"#DEItemFlag#",
                                                   L"A4-1",
                                                   L"砌砖",
                                                   L"m3",
                                                   L"5.000000",
                                                   L"",
                                                   L"",
                                                   L"#AttNameFlag#",
                                                   L"Q1",
                                                   L"5.000000",
                                                   L"$h3",
                                                   L"#ZhangFlag#",
                                                   L"2,5层",
                                                   L"#DEItemFlag#",
                                                   L"A4-1",
                                                   L"砌砖",
                                                   L"m3",
                                                   L"43.000000",
                                                   L"",
                                                   L"10.000*4层+3.000",
                                                   L"#AttNameFlag#",
                                                   L"Q1",
                                                   L"10.000000",
                                                   L"$h1",
                                                   L"#AttNameFlag#",
                                                   L"WQM[3层]",
                                                   L"3.000000",
                                                   L"$h2"}));
  // The host may pass the floor group as listed.
  EXPECT_EQ(ItemRows(12, L"2,5层"), (std::vector<std::wstring>{
                                        L"1|0||||||||||",
                                        L"2|0|2,5层|||||||||",
                                        L"3|2|砌筑|||||||||",
                                        L"4|3||" + ItemText(L"A4-1", L"砌砖", L"") +
                                            L"|2,5层|||m3|43.000000||10.000*4层+3.000|",
                                        L"5|4||||Q1||m3|10.000000|||$h1",
                                        L"6|5|||||A/1|m3|10.000000|||$h1",
                                        L"7|4||||WQM[3层]||m3|3.000000|||$h2",
                                        L"8|7|||||A/1|m3|3.000000|||$h2",
                                    }));
  EXPECT_EQ(ItemRows(12, L"2,5"), ItemRows(12, L"2,5层"));
  // The quota summary joins floor 3 to 2,5 alike, with two-decimal formulas.
  EXPECT_EQ(Stream(11), (std::vector<std::wstring>{
                            L"#ZhangFlag#",   L"砌筑",     L"#DEItemFlag#", L"A4-1",
                            L"砌砖",          L"m3",       L"48.000000",    L"",
                            L"#FloorFlag#",   L"1层",      L"5.000000",     L"",
                            L"#AttNameFlag#", L"Q1",       L"5.000000",     L"$h3",
                            L"#FloorFlag#",   L"2,5层",    L"43.000000",    L"10.00*4层+3.00",
                            L"#AttNameFlag#", L"Q1",       L"10.000000",    L"$h1",
                            L"#AttNameFlag#", L"WQM[3层]", L"3.000000",     L"$h2"}));
}

TEST_F(QuotaRowsTest, QuotaByFloorFormulaThresholds) {
  // Per-floor part too small to show next to a facade part: no formula.
  AddQuota({.floor = L"6,7", .component = L"Q1", .quantity = L"0.005"});
  AddQuota({.floor = L"6,7", .component = L"WQM", .type_path = L"ZS\\LMDK", .quantity = L"1"});
  // Facade part of at most 0.01: per-floor formula alone.
  AddQuota({.floor = L"8,9", .component = L"Q1", .quantity = L"2"});
  AddQuota({.floor = L"8,9", .component = L"WQM", .type_path = L"ZS\\LMDK", .quantity = L"0.005"});
  const std::vector<std::wstring> stream = Stream(12);
  // Each group: its name, the quota item (7 texts), two components (4 each).
  ASSERT_EQ(stream.size(), 2 * 17u);
  EXPECT_EQ(stream[1], L"6,7层");
  EXPECT_EQ(stream[6], L"1.010000");
  EXPECT_EQ(stream[8], L"");
  EXPECT_EQ(stream[17 + 6], L"4.005000");
  EXPECT_EQ(stream[17 + 8], L"2.000*2层");
}

TEST_F(QuotaRowsTest, CalculationItemsInTextOrderWithCatalogueNames) {
  AddQuota({.floor = L"1,2",
            .component = L"Q1",
            .quantity = L"3",
            .handle = L"h1",
            .description = L"3*1||注"},
           L"A5-1", L"浇筑", L"2");
  AddQuota({.floor = L"1,2", .component = L"Q1", .quantity = L"1", .handle = L"h2"}, L"A10-1",
           L"抹灰", L"10");
  AddQuota({.floor = L"1,2",
            .component = L"WQM",
            .type_path = L"ZS\\LMZS",
            .quantity = L"4",
            .handle = L"h3"},
           L"A10-2", L"涂料", L"2");
  AddQuota({.floor = L"1,2", .component = L"Q1", .quantity = L"1", .handle = L"h4"}, L"A10-3",
           L"未知", L"9999");
  EXPECT_EQ(Stream(13), (std::vector<std::wstring>{L"#ZhangFlag#",
                                                   L"1,2层",
                                                   L"#MemFlag#",
                                                   L"Q1",
                                                   L"#CalItemFlag#",
                                                   L"楼梯底面粉刷",
                                                   L"#DEItemFlag#",
                                                   L"A10-1",
                                                   L"抹灰",
                                                   L"m3",
                                                   L"2.000000",
                                                   L"",
                                                   L"1.000*2层",
                                                   L"#CalItemFlag#",
                                                   L"实体模板",
                                                   L"#DEItemFlag#",
                                                   L"A5-1",
                                                   L"浇筑",
                                                   L"m3",
                                                   L"6.000000",
                                                   L"",
                                                   L"3.000*2层",
                                                   L"#CalItemFlag#",
                                                   L"",
                                                   L"#DEItemFlag#",
                                                   L"A10-3",
                                                   L"未知",
                                                   L"m3",
                                                   L"2.000000",
                                                   L"",
                                                   L"1.000*2层",
                                                   L"#MemFlag#",
                                                   L"WQM[1,2层]",
                                                   L"#CalItemFlag#",
                                                   L"实体模板",
                                                   L"#DEItemFlag#",
                                                   L"A10-2",
                                                   L"涂料",
                                                   L"m3",
                                                   L"4.000000",
                                                   L"",
                                                   L""}));
  const std::vector<std::wstring> jss = Stream(33, L"1,2层");
  // Record lines carry the description cut before "||".
  const std::vector<std::wstring> record = {L"#RecordFlag#", L"A/1", L"3.000000",
                                            L"3*1",          L"",    L"$h1"};
  EXPECT_NE(std::search(jss.begin(), jss.end(), record.begin(), record.end()), jss.end());
  EXPECT_EQ(tables.quota_by_floor_component()[0].components[0].calc_items[0].quotas[0].num, 2);
}

TEST_F(QuotaRowsTest, QuotaSummaryJssInPartition) {
  Rec rec{.floor = L"1",
          .component = L"Q1",
          .quantity = L"2",
          .handle = L"h1",
          .description = L"2*1||注"};
  TJQd record = rec.Quota(L"A4-1", L"砌砖");
  record.partitions = {Share(L"1区", 0.5, L"0.5*1")};
  tables.AddQuotaRecord(record);
  EXPECT_EQ(Stream(31), (std::vector<std::wstring>{L"#ZhangFlag#",
                                                   L"砌筑",
                                                   L"#DEItemFlag#",
                                                   L"A4-1",
                                                   L"砌砖",
                                                   L"m3",
                                                   L"2.000000",
                                                   L"",
                                                   L"#FloorFlag#",
                                                   L"1层",
                                                   L"2.000000",
                                                   L"",
                                                   L"#AttNameFlag#",
                                                   L"Q1",
                                                   L"2.000000",
                                                   L"$h1",
                                                   L"#RecordFlag#",
                                                   L"A/1",
                                                   L"2.000000",
                                                   L"2*1||注",
                                                   L"",
                                                   L"$h1"}));
  state.partition = L"1区";
  const std::vector<std::wstring> in_partition = Stream(31);
  ASSERT_EQ(in_partition.size(), 22u);
  EXPECT_EQ(in_partition[6], L"0.500000");
  EXPECT_EQ(in_partition[19], L"0.5*1");
  EXPECT_EQ(Stream(32)[13], L"#RecordFlag#");
  EXPECT_EQ(Stream(32)[16], L"2*1");
  state.partition = L"2区";
  EXPECT_TRUE(Stream(31).empty());
  EXPECT_TRUE(Stream(12).empty());
  // Floor groups are listed whatever the partition.
  EXPECT_EQ(TreeItems(12), (std::vector<std::wstring>{L"1层"}));
  EXPECT_TRUE(TreeItems(11).empty());
}

TEST_F(QuotaRowsTest, QuotaByFloorComponentRowsAndSelection) {
  AddQuota({.floor = L"1", .component = L"Q1", .quantity = L"3", .handle = L"h1"}, L"A5-1", L"浇筑",
           L"1");
  AddQuota({.floor = L"1", .component = L"Z1", .quantity = L"2", .handle = L"h2"}, L"A5-1", L"浇筑",
           L"1");
  const std::wstring text = ItemText(L"A5-1", L"浇筑", L"");
  CStringArray rows;
  EXPECT_TRUE(tables.GetSelectedData(13, Array({L"1"}), Array({L"Z1"}), state, rows));
  EXPECT_EQ(Rows(rows, 12), (std::vector<std::wstring>{
                                L"1|0||||||||||",
                                L"2|0|1层|||||||||",
                                L"3|2|Z1|||||||||",
                                L"4|3||实体||||||||",
                                L"5|4||" + text + L"|1层|||m3|2.000000|||",
                                L"6|5|||||A/1|m3|2.000000|||$h2",
                            }));
  CStringArray floors = Array({L"1"});
  CStringArray names = Array({L"Q1"});
  CStringArray out;
  EXPECT_TRUE(tables.GetDataByCondition(13, floors, names, out, L"不用", state));
  EXPECT_EQ(Texts(out), (std::vector<std::wstring>{
                            L"#ZhangFlag#", L"1层", L"#MemFlag#", L"Q1", L"#CalItemFlag#", L"实体",
                            L"#DEItemFlag#", L"A5-1", L"浇筑", L"m3", L"3.000000", L"", L""}));
}

}  // namespace
}  // namespace reportdata::testing
