// Bill summary (codes 1, 21, 50): rows of the tree grid and of the streams.
#include <gtest/gtest.h>

#include "support/table_fixture.h"

namespace reportdata::testing {
namespace {

class BillSummaryRowsTest : public TableFixture {
 public:
  // A brick wall bill record of the given floor, component and quantity.
  void AddWall(Rec rec, const wchar_t* feature = L"M5混合砂浆") {
    TJQd bill = rec.Bill(L"010401001001", L"砖墙");
    bill.feature = feature;
    AddEntry(bill);
  }
  // A wall of 10 per floor on floors 2 to 5 and facade plaster of 3 for the
  // whole group: 4 × 10 + 3.
  void AddFacadeGroup() {
    AddWall({.floor = L"2,5", .component = L"Q1", .quantity = L"10", .handle = L"h1"});
    Rec facade = Facade(L"2,5", L"3", L"h2");
    facade.position = L"B/1";
    AddWall(facade);
  }
  // Two pieces of 2 at P1 and P2 with the given handles.
  void AddPair(const wchar_t* first, const wchar_t* second) {
    Rec rec{.quantity = L"2", .position = L"P1", .handle = first};
    AddWall(rec, L"");
    rec.position = L"P2";
    rec.handle = second;
    AddWall(rec, L"");
  }
};

const std::wstring kBrick = ItemText(L"010401001001", L"砖墙", L"M5混合砂浆");
const std::wstring kPlain = ItemText(L"010401001001", L"砖墙", L"");

TEST_F(BillSummaryRowsTest, FacadeCountsOncePerFloorGroupItCovers) {
  AddFacadeGroup();
  state.condition = L"条件";
  // The chapter, the floor row's sum and formula, the facade under its floors.
  const std::vector<std::wstring> rows = ItemRows(1, L"砌筑工程");
  ASSERT_EQ(rows.size(), 8u);
  EXPECT_EQ(rows[1], L"2|0|砌筑工程|||||||||");
  EXPECT_EQ(rows[3], L"4|3||" + kBrick + L"|2,5层|||m3|43.000000||10.00*4层+3.00|");
  EXPECT_EQ(rows[4], L"5|4||||Q1||m3|10.000000|||$h1");
  EXPECT_EQ(rows[6], L"7|4||||WQM[2,5层]||m3|3.000000|||$h2");
  // Without a name every chapter is written, without record rows.
  const std::vector<std::wstring> all = ItemRows(1, L"");
  ASSERT_EQ(all.size(), 6u);
  EXPECT_EQ(all[5], L"6|4||||WQM[2,5层]||m3|3.000000|||$h2");
  EXPECT_EQ(ItemRows(1, L"没有这章"), (std::vector<std::wstring>{L"1|0|条件|||||||||"}));
  // A facade on a single floor joins the range it covers.
  AddWall(Facade(L"3", L"2", L"h3", L"ZS\\LMDK"));
  // An ordinary component on floor 3 opens a floor of its own.
  AddWall({.floor = L"3", .component = L"Q1", .quantity = L"1", .handle = L"h4"});
  EXPECT_EQ(StreamText(1),
            L"#ZhangFlag#|砌筑工程|#QDItemFlag#|010401001001|砖墙|m3|46.000000|M5混合砂浆||"
            L"#FloorFlag#|2,5层|45.000000|10.00*4层+5.00|#AttNameFlag#|Q1|10.000000|$h1|"
            L"#AttNameFlag#|WQM[2,5层]|3.000000|$h2|#AttNameFlag#|WQM[3层]|2.000000|$h3|"
            L"#FloorFlag#|3层|1.000000||#AttNameFlag#|Q1|1.000000|$h4");
}

TEST_F(BillSummaryRowsTest, JssStreamWritesRecordLines) {
  Rec rec{.quantity = L"2.5", .handle = L"h1", .description = L"长*高||备注1"};
  TJQd a = rec.Bill(L"010401001001", L"砖墙");
  a.partitions = {Share(L"1区", 1.5, L"1.5"), Share(L"2区", 1.0, L"1.0")};
  TJQd b = a;
  b.position = L"A/2";
  b.handle = L"h2";
  b.description = L"长*高||备注2";
  AddEntry(a);
  AddEntry(b);
  const std::wstring head =
      L"#ZhangFlag#|砌筑工程|#QDItemFlag#|010401001001|砖墙|m3|5.000000|||#FloorFlag#|1层|"
      L"5.000000||#AttNameFlag#|墙1|5.000000|$h1$$h2";
  EXPECT_EQ(StreamText(21), head + L"|#RecordFlag#|A/1|5.000000|长*高||备注1|2.50*2件|$h1$$h2");
  EXPECT_EQ(StreamText(1), head);
  // In a partition: the partition's quantities and its text as description.
  state.partition = L"1区";
  EXPECT_EQ(StreamText(21),
            L"#ZhangFlag#|砌筑工程|#QDItemFlag#|010401001001|砖墙|m3|3.000000|||#FloorFlag#|1层|"
            L"3.000000||#AttNameFlag#|墙1|3.000000|$h1$$h2|#RecordFlag#|A/1|3.000000|1.5|"
            L"1.50*2件|$h1$$h2");
  state.partition = L"3区";
  EXPECT_TRUE(Stream(21).empty());
  EXPECT_TRUE(TreeItems(1).empty());
  // Price rows list every item whatever the partition shows.
  EXPECT_EQ(StreamText(50), L"#ZhangFlag#|砌筑工程|#QDItemFlag#|010401001001|砖墙|m3|0.000000||");
}

// With merging off a merged record is listed once per instance: handles
// that begin with "$" leave "$$$" between the instances, plain ones "$$".
TEST_F(BillSummaryRowsTest, MergeOffListsOneRowPerInstance) {
  struct Case {
    const wchar_t* first;
    const wchar_t* second;
    std::wstring merged_row;
    std::wstring split_first;
    std::wstring split_second;
  };
  const Case cases[] = {
      {L"$h1￥a￥b", L"$h2￥a￥b", L"6|5|||||P1|m3|4.000000||2.00*2件|$$h1￥a￥b$$$h2￥a￥b",
       L"6|5|||||P1|m3|2.000000|||$$h1￥a￥b", L"7|5|||||P2|m3|2.000000|||$$h2￥a￥b"},
      {L"h1", L"h2", L"6|5|||||P1|m3|4.000000||2.00*2件|$h1$$h2", L"6|5|||||P1|m3|2.000000|||$$h1",
       L"7|5|||||P2|m3|2.000000|||$$h2"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.first);
    tables.ClearBillSide();
    state.merge = true;
    AddPair(c.first, c.second);
    std::vector<std::wstring> rows = ItemRows(1, L"砌筑工程");
    ASSERT_EQ(rows.size(), 6u);
    EXPECT_EQ(rows[3], L"4|3||" + kPlain + L"|1层|||m3|4.000000|||");
    EXPECT_EQ(rows[5], c.merged_row);
    state.merge = false;
    rows = ItemRows(1, L"砌筑工程");
    ASSERT_EQ(rows.size(), 7u);
    EXPECT_EQ(rows[5], c.split_first);
    EXPECT_EQ(rows[6], c.split_second);
  }
  // An instance without a handle adds a piece but no position: the parts no
  // longer stand for every piece, so the record is listed as stored.
  AddWall({.quantity = L"2", .position = L"P3", .handle = L""}, L"");
  const std::vector<std::wstring> rows = ItemRows(1, L"砌筑工程");
  ASSERT_EQ(rows.size(), 6u);
  EXPECT_EQ(rows[5], L"6|5|||||P1|m3|6.000000||2.00*3件|$h1$$h2");
}

TEST_F(BillSummaryRowsTest, SelectionNarrowsFloorsAndComponents) {
  AddFacadeGroup();
  AddWall({.floor = L"6", .component = L"Q1", .quantity = L"7", .handle = L"h6"});
  AddWall({.floor = L"6", .component = L"Z1", .quantity = L"7", .handle = L"h6"});
  std::vector<std::wstring> got =
      SelectedRows(1, Array({L"2,5", L"6"}), Array({L"Q1", L"WQM[2,5层]"}));
  ASSERT_EQ(got.size(), 11u);
  EXPECT_EQ(got[2], L"3|2||" + kBrick + L"||||m3|50.000000|||");
  EXPECT_EQ(got[6], L"7|4||||WQM[2,5层]||m3|3.000000|||$h2");
  EXPECT_EQ(got[8], L"9|3||" + kBrick + L"|6层|||m3|7.000000|||");
  // A requested floor that a range stands for selects single floors only; a
  // floor 3 request does not select the range 2,5.
  EXPECT_EQ(SelectedRows(1, Array({L"3"}), Array({L"Q1"})),
            (std::vector<std::wstring>{L"1|0||||||||||"}));
  // Floor 3 stays for the request 2,5; its facade component carries [3层].
  tables.ClearBillSide();
  AddWall({.floor = L"3", .component = L"Q1", .quantity = L"1", .handle = L"h4"}, L"");
  AddWall(Facade(L"3", L"2", L"h3"), L"");
  got = SelectedRows(1, Array({L"2,5"}), Array({L"Q1", L"WQM[3层]"}));
  ASSERT_EQ(got.size(), 8u);
  EXPECT_EQ(got[3], L"4|3||" + kPlain + L"|3层|||m3|3.000000|||");
  EXPECT_EQ(got[6], L"7|4||||WQM[3层]||m3|2.000000|||$h3");
}

TEST_F(BillSummaryRowsTest, ConditionQueryNarrowsItemsByText) {
  Rec rec{.component = L"Q1", .handle = L"h1"};
  AddEntry(rec.Bill(L"010401001001", L"砖墙"));
  TJQd column = rec.Bill(L"010502001001", L"矩形柱");
  column.feature = L"C30";
  AddEntry(column);
  CStringArray out;
  CStringArray floors = Array({L"1"});
  CStringArray names = Array({L"Q1"});
  EXPECT_TRUE(AnswerByCondition(Context(), 1, out, floors, names, L"C3"));
  EXPECT_EQ(Joined(Texts(out)),
            L"#ZhangFlag#|混凝土工程|#QDItemFlag#|010502001001|矩形柱|m3|1.000000|C30||"
            L"#FloorFlag#|1层|1.000000||#AttNameFlag#|Q1|1.000000|$h1");
  EXPECT_EQ(Texts(floors), (std::vector<std::wstring>{L"1"}));
  // An empty condition keeps every item; the stream is appended.
  EXPECT_TRUE(AnswerByCondition(Context(), 1, out, floors, names, L""));
  EXPECT_EQ(out.GetSize(), 17 + 34);
}

TEST_F(BillSummaryRowsTest, CodesNotServedLeaveArraysAlone) {
  CStringArray rows = Array({L"kept"});
  EXPECT_FALSE(AnswerItemRows(Context(), 14, L"", rows));
  EXPECT_FALSE(AnswerTreeItems(Context(), 40, rows));
  EXPECT_FALSE(AnswerStream(Context(), 5, L"", rows));
  EXPECT_FALSE(AnswerSelectedRows(Context(), 10, rows, rows, rows));
  EXPECT_FALSE(AnswerByCondition(Context(), 7, rows, rows, rows, L""));
  EXPECT_FALSE(AnswerItemRows(Context(), 99, L"", rows));
  EXPECT_EQ(Texts(rows), (std::vector<std::wstring>{L"kept"}));
  // Layout B appends: asking twice doubles the answer.
  AddFacadeGroup();
  CStringArray stream;
  AnswerStream(Context(), 1, L"", stream);
  const INT_PTR once = stream.GetSize();
  AnswerStream(Context(), 1, L"", stream);
  EXPECT_EQ(stream.GetSize(), 2 * once);
}

}  // namespace
}  // namespace reportdata::testing
