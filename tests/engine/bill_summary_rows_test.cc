// Bill summary (codes 1, 21, 50): rows of the tree grid and of the streams.
#include <gtest/gtest.h>

#include "support/table_fixture.h"

namespace reportdata::testing {
namespace {

class BillSummaryRowsTest : public TableFixture {};

const std::wstring kBrick = ItemText(L"010401001001", L"砖墙", L"M5混合砂浆");

// A wall of 10 per floor on floors 2 to 5 and facade plaster of 3 for the
// whole group: 4 × 10 + 3.
void AddFacadeGroup(TableFixture& fixture) {
  Rec wall{
      .floor = L"2,5", .component = L"Q1", .quantity = L"10", .position = L"A/1", .handle = L"h1"};
  TJQd bill = wall.Bill(L"010401001001", L"砖墙");
  bill.feature = L"M5混合砂浆";
  TJQd facade = bill;
  facade.componentName = L"WQM";
  facade.typePath = L"ZS\\LMZS";
  facade.quantity = L"3";
  facade.position = L"B/1";
  facade.handle = L"h2";
  SNYTJQdDeClassResult entry;
  entry.bill = bill;
  fixture.tables.AddClassifiedEntry(entry);
  entry.bill = facade;
  fixture.tables.AddClassifiedEntry(entry);
}

TEST_F(BillSummaryRowsTest, FacadeCountsOncePerFloorGroup) {
  AddFacadeGroup(*this);
  state.condition = L"条件";
  EXPECT_EQ(ItemRows(1, L"砌筑工程"),
            (std::vector<std::wstring>{
                L"1|0|条件|||||||||",
                L"2|0|砌筑工程|||||||||",
                L"3|2||" + kBrick + L"||||m3|43.000000|||",
                L"4|3||" + kBrick + L"|2,5层|||m3|43.000000||10.00*4层+3.00|",
                L"5|4||||Q1||m3|10.000000|||$h1",
                L"6|5|||||A/1|m3|10.000000|||$h1",
                L"7|4||||WQM[2,5层]||m3|3.000000|||$h2",
                L"8|7|||||B/1|m3|3.000000|||$h2",
            }));
  // Without a name every chapter is written, without record rows.
  EXPECT_EQ(ItemRows(1, L""), (std::vector<std::wstring>{
                                  L"1|0|条件|||||||||",
                                  L"2|0|砌筑工程|||||||||",
                                  L"3|2||" + kBrick + L"||||m3|43.000000|||",
                                  L"4|3||" + kBrick + L"|2,5层|||m3|43.000000||10.00*4层+3.00|",
                                  L"5|4||||Q1||m3|10.000000|||$h1",
                                  L"6|4||||WQM[2,5层]||m3|3.000000|||$h2",
                              }));
  EXPECT_EQ(ItemRows(1, L"没有这章"), (std::vector<std::wstring>{L"1|0|条件|||||||||"}));
  EXPECT_EQ(Stream(1),
            (std::vector<std::wstring>{L"#ZhangFlag#",    L"砌筑工程",      L"#QDItemFlag#",
                                       L"010401001001",   L"砖墙",          L"m3",
                                       L"43.000000",      L"M5混合砂浆",    L"",
                                       L"#FloorFlag#",    L"2,5层",         L"43.000000",
                                       L"10.00*4层+3.00", L"#AttNameFlag#", L"Q1",
                                       L"10.000000",      L"$h1",           L"#AttNameFlag#",
                                       L"WQM[2,5层]",     L"3.000000",      L"$h2"}));
}

TEST_F(BillSummaryRowsTest, FacadeOnSingleFloorJoinsTheRangeItCovers) {
  AddFacadeGroup(*this);
  Rec facade{.floor = L"3",
             .component = L"WQM",
             .type_path = L"ZS\\LMDK",
             .quantity = L"2",
             .position = L"C/1",
             .handle = L"h3"};
  TJQd bill = facade.Bill(L"010401001001", L"砖墙");
  bill.feature = L"M5混合砂浆";
  AddEntry(bill);
  // An ordinary component on floor 3 opens a floor of its own.
  Rec wall{.floor = L"3", .component = L"Q1", .quantity = L"1", .handle = L"h4"};
  TJQd plain = wall.Bill(L"010401001001", L"砖墙");
  plain.feature = L"M5混合砂浆";
  AddEntry(plain);
  EXPECT_EQ(Stream(1), (std::vector<std::wstring>{L"#ZhangFlag#",
                                                  L"砌筑工程",
                                                  L"#QDItemFlag#",
                                                  L"010401001001",
                                                  L"砖墙",
                                                  L"m3",
                                                  L"46.000000",
                                                  L"M5混合砂浆",
                                                  L"",
                                                  L"#FloorFlag#",
                                                  L"2,5层",
                                                  L"45.000000",
                                                  L"10.00*4层+5.00",
                                                  L"#AttNameFlag#",
                                                  L"Q1",
                                                  L"10.000000",
                                                  L"$h1",
                                                  L"#AttNameFlag#",
                                                  L"WQM[2,5层]",
                                                  L"3.000000",
                                                  L"$h2",
                                                  L"#AttNameFlag#",
                                                  L"WQM[3层]",
                                                  L"2.000000",
                                                  L"$h3",
                                                  L"#FloorFlag#",
                                                  L"3层",
                                                  L"1.000000",
                                                  L"",
                                                  L"#AttNameFlag#",
                                                  L"Q1",
                                                  L"1.000000",
                                                  L"$h4"}));
}

TEST_F(BillSummaryRowsTest, JssStreamWritesRecordLines) {
  Rec first{.floor = L"1",
            .component = L"Q1",
            .quantity = L"2.5",
            .position = L"A/1",
            .handle = L"h1",
            .description = L"长*高||备注1"};
  Rec second = first;
  second.position = L"A/2";
  second.handle = L"h2";
  second.description = L"长*高||备注2";
  TJQd a = first.Bill(L"010401001001", L"砖墙");
  TJQd b = second.Bill(L"010401001001", L"砖墙");
  a.partitions = {Share(L"1区", 1.5, L"1.5"), Share(L"2区", 1.0, L"1.0")};
  b.partitions = a.partitions;
  AddEntry(a);
  AddEntry(b);
  const std::vector<std::wstring> head = {L"#ZhangFlag#",
                                          L"砌筑工程",
                                          L"#QDItemFlag#",
                                          L"010401001001",
                                          L"砖墙",
                                          L"m3",
                                          L"5.000000",
                                          L"",
                                          L"",
                                          L"#FloorFlag#",
                                          L"1层",
                                          L"5.000000",
                                          L"",
                                          L"#AttNameFlag#",
                                          L"Q1",
                                          L"5.000000",
                                          L"$h1$$h2"};
  std::vector<std::wstring> expected = head;
  for (const wchar_t* text :
       {L"#RecordFlag#", L"A/1", L"5.000000", L"长*高||备注1", L"2.50*2件", L"$h1$$h2"}) {
    expected.push_back(text);
  }
  EXPECT_EQ(Stream(21), expected);
  EXPECT_EQ(Stream(1), head);
  // In a partition: the partition's quantities and its text as description.
  state.partition = L"1区";
  EXPECT_EQ(Stream(21), (std::vector<std::wstring>{L"#ZhangFlag#",
                                                   L"砌筑工程",
                                                   L"#QDItemFlag#",
                                                   L"010401001001",
                                                   L"砖墙",
                                                   L"m3",
                                                   L"3.000000",
                                                   L"",
                                                   L"",
                                                   L"#FloorFlag#",
                                                   L"1层",
                                                   L"3.000000",
                                                   L"",
                                                   L"#AttNameFlag#",
                                                   L"Q1",
                                                   L"3.000000",
                                                   L"$h1$$h2",
                                                   L"#RecordFlag#",
                                                   L"A/1",
                                                   L"3.000000",
                                                   L"1.5",
                                                   L"1.50*2件",
                                                   L"$h1$$h2"}));
  state.partition = L"3区";
  EXPECT_TRUE(Stream(21).empty());
  EXPECT_TRUE(TreeItems(1).empty());
  // Price rows list every item whatever the partition shows.
  EXPECT_EQ(Stream(50),
            (std::vector<std::wstring>{L"#ZhangFlag#", L"砌筑工程", L"#QDItemFlag#",
                                       L"010401001001", L"砖墙", L"m3", L"0.000000", L"", L""}));
}

TEST_F(BillSummaryRowsTest, MergeOffListsOneRowPerInstance) {
  // Handles that begin with "$" leave "$$$" between the merged instances.
  Rec first{.floor = L"1",
            .component = L"Q1",
            .quantity = L"2",
            .position = L"P1",
            .handle = L"$h1￥a￥b"};
  Rec second = first;
  second.position = L"P2";
  second.handle = L"$h2￥a￥b";
  AddEntry(first.Bill(L"010401001001", L"砖墙"));
  AddEntry(second.Bill(L"010401001001", L"砖墙"));
  const std::wstring text = ItemText(L"010401001001", L"砖墙", L"");
  const std::vector<std::wstring> common = {L"1|0||||||||||", L"2|0|砌筑工程|||||||||",
                                            L"3|2||" + text + L"||||m3|4.000000|||",
                                            L"4|3||" + text + L"|1层|||m3|4.000000|||",
                                            L"5|4||||Q1||m3|4.000000|||$$h1￥a￥b$$$h2￥a￥b"};
  std::vector<std::wstring> merged = common;
  merged.push_back(L"6|5|||||P1|m3|4.000000||2.00*2件|$$h1￥a￥b$$$h2￥a￥b");
  EXPECT_EQ(ItemRows(1, L"砌筑工程"), merged);
  state.merge = false;
  std::vector<std::wstring> split = common;
  split.push_back(L"6|5|||||P1|m3|2.000000|||$$h1￥a￥b");
  split.push_back(L"7|5|||||P2|m3|2.000000|||$$h2￥a￥b");
  EXPECT_EQ(ItemRows(1, L"砌筑工程"), split);
  // The consumption summary does not follow the merge flag.
  CStringArray rows;
  EXPECT_TRUE(tables.GetNewItemData(23, L"", state, rows));
  EXPECT_TRUE(rows.IsEmpty());
}

TEST_F(BillSummaryRowsTest, MergeOffSplitsPlainHandlesAndKeepsRecordsThatDoNotPairUp) {
  Rec first{
      .floor = L"1", .component = L"Q1", .quantity = L"2", .position = L"P1", .handle = L"h1"};
  Rec second = first;
  second.position = L"P2";
  second.handle = L"h2";
  AddEntry(first.Bill(L"010401001001", L"砖墙"));
  AddEntry(second.Bill(L"010401001001", L"砖墙"));
  state.merge = false;
  std::vector<std::wstring> rows = ItemRows(1, L"砌筑工程");
  ASSERT_EQ(rows.size(), 7u);
  EXPECT_EQ(rows[5], L"6|5|||||P1|m3|2.000000|||$$h1");
  EXPECT_EQ(rows[6], L"7|5|||||P2|m3|2.000000|||$$h2");
  // An instance without a handle adds a piece but no position: the parts no
  // longer stand for every piece, so the record is listed as stored.
  Rec third = first;
  third.handle = L"";
  third.position = L"P3";
  AddEntry(third.Bill(L"010401001001", L"砖墙"));
  rows = ItemRows(1, L"砌筑工程");
  ASSERT_EQ(rows.size(), 6u);
  EXPECT_EQ(rows[5], L"6|5|||||P1|m3|6.000000||2.00*3件|$h1$$h2");
}

TEST_F(BillSummaryRowsTest, SelectionNarrowsFloorsAndComponents) {
  AddFacadeGroup(*this);
  for (const wchar_t* component : {L"Q1", L"Z1"}) {
    Rec rec{.floor = L"6", .component = component, .quantity = L"7", .handle = L"h6"};
    TJQd bill = rec.Bill(L"010401001001", L"砖墙");
    bill.feature = L"M5混合砂浆";
    AddEntry(bill);
  }
  CStringArray rows;
  EXPECT_TRUE(
      tables.GetSelectedData(1, Array({L"2,5", L"6"}), Array({L"Q1", L"WQM[2,5层]"}), state, rows));
  EXPECT_EQ(Rows(rows, 12), (std::vector<std::wstring>{
                                L"1|0||||||||||",
                                L"2|0|砌筑工程|||||||||",
                                L"3|2||" + kBrick + L"||||m3|50.000000|||",
                                L"4|3||" + kBrick + L"|2,5层|||m3|43.000000||10.00*4层+3.00|",
                                L"5|4||||Q1||m3|10.000000|||$h1",
                                L"6|5|||||A/1|m3|10.000000|||$h1",
                                L"7|4||||WQM[2,5层]||m3|3.000000|||$h2",
                                L"8|7|||||B/1|m3|3.000000|||$h2",
                                L"9|3||" + kBrick + L"|6层|||m3|7.000000|||",
                                L"10|9||||Q1||m3|7.000000|||$h6",
                                L"11|10|||||A/1|m3|7.000000|||$h6",
                            }));
  // A requested floor that a range stands for selects single floors only; a
  // floor 3 request does not select the range 2,5.
  EXPECT_TRUE(tables.GetSelectedData(1, Array({L"3"}), Array({L"Q1"}), state, rows));
  EXPECT_EQ(Rows(rows, 12), (std::vector<std::wstring>{L"1|0||||||||||"}));
}

TEST_F(BillSummaryRowsTest, SelectionKeepsFacadeOfCoveredFloorsByTag) {
  Rec plaster{.floor = L"3",
              .component = L"WQM",
              .type_path = L"ZS\\LMZS",
              .quantity = L"2",
              .handle = L"h3"};
  Rec wall{.floor = L"3", .component = L"Q1", .quantity = L"1", .handle = L"h4"};
  AddEntry(wall.Bill(L"010401001001", L"砖墙"));
  AddEntry(plaster.Bill(L"010401001001", L"砖墙"));
  CStringArray rows;
  // Floor 3 stays for the request 2,5; its facade component carries [3层].
  EXPECT_TRUE(tables.GetSelectedData(1, Array({L"2,5"}), Array({L"Q1", L"WQM[3层]"}), state, rows));
  const std::vector<std::wstring> got = Rows(rows, 12);
  ASSERT_EQ(got.size(), 8u);
  EXPECT_EQ(got[3], L"4|3||" + ItemText(L"010401001001", L"砖墙", L"") + L"|3层|||m3|3.000000|||");
  EXPECT_EQ(got[6], L"7|4||||WQM[3层]||m3|2.000000|||$h3");
}

TEST_F(BillSummaryRowsTest, ConditionQueryNarrowsItemsByText) {
  Rec rec{.floor = L"1", .component = L"Q1", .quantity = L"1", .handle = L"h1"};
  AddEntry(rec.Bill(L"010401001001", L"砖墙"));
  TJQd column = rec.Bill(L"010502001001", L"矩形柱");
  column.feature = L"C30";
  AddEntry(column);
  CStringArray out;
  const CStringArray floors = Array({L"1"});
  const CStringArray names = Array({L"Q1"});
  CStringArray floors_copy = floors;
  CStringArray names_copy = names;
  EXPECT_TRUE(tables.GetDataByCondition(1, out, floors_copy, names_copy, L"C3", state));
  EXPECT_EQ(Texts(out), (std::vector<std::wstring>{
                            L"#ZhangFlag#", L"混凝土工程", L"#QDItemFlag#", L"010502001001",
                            L"矩形柱", L"m3", L"1.000000", L"C30", L"", L"#FloorFlag#", L"1层",
                            L"1.000000", L"", L"#AttNameFlag#", L"Q1", L"1.000000", L"$h1"}));
  EXPECT_EQ(Texts(floors_copy), Texts(floors));
  // An empty condition keeps every item; the stream is appended.
  EXPECT_TRUE(tables.GetDataByCondition(1, out, floors_copy, names_copy, L"", state));
  EXPECT_EQ(out.GetSize(), 17 + 34);
}

TEST_F(BillSummaryRowsTest, CodesNotServedLeaveArraysAlone) {
  CStringArray rows = Array({L"kept"});
  EXPECT_FALSE(tables.GetItemData(4, L"", state, rows));
  EXPECT_FALSE(tables.GetTreeItem(15, state, rows));
  EXPECT_FALSE(tables.GetNewItemData(40, L"", state, rows));
  EXPECT_FALSE(tables.GetSelectedData(10, rows, rows, state, rows));
  EXPECT_EQ(Texts(rows), (std::vector<std::wstring>{L"kept"}));
  // GetTotalData of an empty table: the header row alone.
  EXPECT_EQ(ItemRows(2, L"", 13), (std::vector<std::wstring>{L"1|0|||||||||||"}));
  // Layout B appends: asking twice doubles the answer.
  AddFacadeGroup(*this);
  CStringArray stream;
  tables.GetNewItemData(1, L"", state, stream);
  const INT_PTR once = stream.GetSize();
  tables.GetNewItemData(1, L"", state, stream);
  EXPECT_EQ(stream.GetSize(), 2 * once);
}

}  // namespace
}  // namespace reportdata::testing
