// Bill consumption (codes 2, 22), consumption summary (3, 23) and the chapter
// rules of the bill-side intake.
#include <gtest/gtest.h>

#include "support/table_fixture.h"

namespace reportdata::testing {
namespace {

class BillTablesTest : public TableFixture {};

TEST_F(BillTablesTest, ChaptersListOtherChapterLastAndCommonParametersBeforeIt) {
  Rec rec{.floor = L"1", .quantity = L"1"};
  services.library->quota_chapters[L"A2"] = {L"土方", L"2"};
  AddEntry(rec.Bill(L"9999", L"无章清单"),
           {rec.Quota(L"X1", L"主体建筑面积", L"m2"), rec.Quota(L"X2", L"其他定额"),
            rec.Quota(L"A10-1", L"抹灰"), rec.Quota(L"A2-1", L"挖土")});
  AddEntry(rec.Bill(L"010401001001", L"砖墙"));
  AddEntry(rec.Bill(L"011201001001", L"墙面抹灰"));
  // Chapter order ids compare naturally: 2 before 10.
  EXPECT_EQ(TreeItems(3),
            (std::vector<std::wstring>{L"土方", L"装饰", L"常用计算参数", L"其他章"}));
  EXPECT_EQ(TreeItems(1), (std::vector<std::wstring>{L"砌筑工程", L"装饰工程", L"其他章"}));
  // The listing reorders the stored chapters.
  EXPECT_EQ(tables.consumption_summary().back().name, L"其他章");
  // The parameter quota went to its own chapter, listed before "其他章".
  EXPECT_EQ(tables.consumption_summary()[2].items[0].name, L"主体建筑面积");
}

TEST_F(BillTablesTest, BillItemsSplitByOwnQuotaFeatures) {
  Rec rec{.floor = L"1", .quantity = L"1"};
  TJQd a = rec.Bill(L"010401001001", L"砖墙");
  TJQd b = a;
  b.quotaFeatures.push_back({CString(L"A4-1"), {}, {}, {}});
  AddEntry(a);
  AddEntry(b);
  AddEntry(b);
  ASSERT_EQ(tables.bill_summary().size(), 1u);
  ASSERT_EQ(tables.bill_summary()[0].items.size(), 2u);
  EXPECT_EQ(tables.bill_summary()[0].items[1].floors[0].components[0].records[0].count, 2);
  // A bill record without a name is listed only in the bill consumption table.
  AddEntry(rec.Bill(L"010402001001", L""));
  EXPECT_EQ(tables.bill_summary()[0].items.size(), 2u);
  EXPECT_EQ(tables.bill_consumption()[0].items.size(), 3u);
}

// A named bill item's bill part in the bill consumption table holds what
// the item holds in the bill summary, whether its records came before the
// end of the filing or after it.
TEST_F(BillTablesTest, BillPartsHoldTheSummarysRecordsBeforeAndAfterTheEndOfTheFiling) {
  Rec rec{.floor = L"1", .quantity = L"1"};
  const TJQd wall = rec.Bill(L"010401001001", L"砖墙");
  AddEntry(wall);
  AddEntry(rec.Bill(L"010402001001", L""));
  AddEntry(wall);
  tables.FinishBillEntries();
  const auto pieces = [&](size_t item) {
    const SQdCompNode& component =
        tables.bill_consumption()[0].items[item].bill.floors[0].components[0];
    return component.records[0].count;
  };
  EXPECT_EQ(pieces(0), 2);
  AddEntry(wall);
  AddEntry(rec.Bill(L"010403001001", L"砌块墙"));
  EXPECT_EQ(pieces(0), 3);
  EXPECT_EQ(pieces(1), 1);
  EXPECT_EQ(pieces(2), 1);
  EXPECT_EQ(tables.bill_summary()[0].items[0].floors[0].components[0].records[0].count, 3);
}

TEST_F(BillTablesTest, CodePrefixComesFromTheFirstLongCode) {
  Rec rec{.floor = L"1", .quantity = L"1"};
  services.library->bill_chapters[L"01"] = {L"短码章", L"1"};
  AddEntry(rec.Bill(L"0101", L"四位编码"));
  ASSERT_EQ(tables.bill_consumption().size(), 1u);
  EXPECT_EQ(tables.bill_consumption()[0].code_prefix, L"");
  AddEntry(rec.Bill(L"0101", L"四位编码"));  // joins, sets nothing
  AddEntry(rec.Bill(L"010199", L"长编码"));
  AddEntry(rec.Bill(L"017788", L"更长编码"));
  EXPECT_EQ(tables.bill_consumption()[0].code_prefix, L"0101");
}

TEST_F(BillTablesTest, ConsumptionTableRowsAndStream) {
  Rec rec{.floor = L"1,2", .component = L"Q1", .quantity = L"2", .handle = L"h1"};
  TJQd bill = rec.Bill(L"010401001001", L"砖墙");
  TJQd quota = rec.Quota(L"A4-1", L"砌砖", L"10m3");
  quota.quantity = L"0.2";
  quota.categories.push_back({CString(L"V1"), CString(L"砂浆"), CString(L"M5")});
  AddEntry(bill, {quota});
  const std::wstring bill_text = ItemText(L"010401001001", L"砖墙", L"");
  const std::wstring quota_text = ItemText(L"A4-1", L"砌砖", L"砂浆:M5");
  EXPECT_EQ(ItemRows(2, L"砌筑工程", 13),
            (std::vector<std::wstring>{
                L"1|0|||||||||||",
                L"2|0|砌筑工程||||||||||",
                L"3|2||" + bill_text + L"|||||m3|4.000000|||",
                L"4|3|||" + quota_text + L"||||10m3|0.400000|||",
                L"5|4|||" + quota_text + L"|1,2层|||10m3|0.400000||0.20*2层|",
                L"6|5|||||Q1||10m3|0.200000|||$h1",
                L"7|6||||||A/1|10m3|0.200000|||$h1",
            }));
  EXPECT_EQ(StreamText(22),
            L"#ZhangFlag#|砌筑工程|0104|#QDItemFlag#|010401001001|砖墙|m3|4.000000|||"
            L"#DEItemFlag#|A4-1|砌砖|10m3|0.400000|砂浆:M5|#FloorFlag#|1,2层|0.400000|0.20*2层|"
            L"#AttNameFlag#|Q1|0.200000|$h1|#RecordFlag#|A/1|0.200000|||$h1");
  EXPECT_EQ(StreamText(3),
            L"#ZhangFlag#|砌筑|#DEItemFlag#|A4-1|砌砖|10m3|0.400000|砂浆:M5|#FloorFlag#|1,2层|"
            L"0.400000|0.20*2层|#AttNameFlag#|Q1|0.200000|$h1");
  EXPECT_EQ(tables.consumption_summary()[0].items[0].bill_code, L"010401001001");
}

TEST_F(BillTablesTest, LooseQuotasSkipBillKindAndTagFacades) {
  Rec rec{.floor = L"2,3", .component = L"WQM", .type_path = L"ZS\\LMZS", .quantity = L"1"};
  TJQd skipped = rec.Quota(L"A10-1", L"抹灰");
  skipped.kind = L"1";
  tables.AddLooseQuota(KeysOf(skipped));
  EXPECT_TRUE(tables.consumption_summary().empty());
  const TJQd loose = rec.Quota(L"A10-1", L"抹灰");
  tables.AddLooseQuota(KeysOf(loose));
  ASSERT_EQ(tables.consumption_summary().size(), 1u);
  EXPECT_EQ(tables.consumption_summary()[0].items[0].floors[0].components[0].name, L"WQM[2,3层]");
  // A facade entry tags its quota records with their floors too.
  AddEntry(rec.Bill(L"011201001001", L"墙面抹灰"), {rec.Quota(L"A10-2", L"涂料")});
  EXPECT_EQ(tables.bill_consumption()[0].items[0].quotas[0].floors[0].components[0].name,
            L"WQM[2,3层]");
  EXPECT_EQ(tables.bill_summary()[0].items[0].floors[0].components[0].name, L"WQM[2,3层]");
}

// Listing sorts the stored lists in place; records filed afterwards still
// find the items, floors, components and records they merge into, for lists
// long enough to be looked up by key.
TEST_F(BillTablesTest, RecordsFiledAfterAListingStillMerge) {
  auto file_all = [&](const wchar_t* tag) {
    for (int item = 11; item >= 0; --item) {
      for (int floor = 10; floor >= 1; --floor) {
        for (int piece = 9; piece >= 0; --piece) {
          Rec rec{.floor = std::to_wstring(floor),
                  .component = L"Q" + std::to_wstring(piece % 2),
                  .quantity = std::to_wstring(piece + 1),
                  .position = L"P" + std::to_wstring(piece),
                  .handle = tag};
          AddEntry(rec.Bill(L"0104010010" + std::to_wstring(10 + item), L"砖墙"),
                   {rec.Quota(L"A4-" + std::to_wstring(item), L"砌砖")});
        }
      }
      Rec facade{.floor = L"12", .component = L"WQM", .type_path = L"ZS\\LMZS", .handle = tag};
      Rec range{.floor = L"11,12", .component = L"Q0", .handle = tag};
      AddEntry(range.Bill(L"0104010010" + std::to_wstring(10 + item), L"砖墙"));
      AddEntry(facade.Bill(L"0104010010" + std::to_wstring(10 + item), L"砖墙"));
    }
  };
  file_all(L"a");
  EXPECT_EQ(TreeItems(1), (std::vector<std::wstring>{L"砌筑工程"}));
  EXPECT_EQ(TreeItems(3), (std::vector<std::wstring>{L"砌筑"}));
  Stream(21);
  Stream(23);
  ASSERT_EQ(tables.bill_summary()[0].items[0].code, L"010401001010");  // sorted in place
  file_all(L"b");
  ASSERT_EQ(tables.bill_summary().size(), 1u);
  const SQdChapterNode& chapter = tables.bill_summary()[0];
  ASSERT_EQ(chapter.items.size(), 12u);
  for (const SQdItemNode& item : chapter.items) {
    ASSERT_EQ(item.floors.size(), 11u) << item.code.str();
    EXPECT_EQ(item.floors[0].floor_text, L"1");
    EXPECT_EQ(item.floors[10].floor_text, L"11,12");
    EXPECT_EQ(item.floors[10].components.size(), 2u);  // the facade joined the range
    for (const SQdFloorNode& floor : item.floors) {
      for (const SQdCompNode& component : floor.components) {
        for (const SQdRecordNode& record : component.records) {
          EXPECT_EQ(record.count, 2)
              << item.code.str() << " " << floor.floor_text.str() << " " << component.name.str();
        }
      }
    }
  }
  ASSERT_EQ(tables.consumption_summary()[0].items.size(), 12u);
  EXPECT_EQ(tables.consumption_summary()[0].items[0].floors.size(), 10u);
  EXPECT_EQ(tables.bill_consumption()[0].items.size(), 12u);
}

}  // namespace
}  // namespace reportdata::testing
