// Quantities and texts of report tree nodes: record formulas inside and
// outside a partition, the floor formulas of the bill and quota tables and
// the display texts of bill and quota items.
#include "model/tree_quantity.h"

#include <gtest/gtest.h>

#include "support/records.h"

namespace reportdata {
namespace {

SQdRecordNode Pieces(double quantity, int count) {
  return {.quantity = quantity,
          .count = count,
          .formula = L"2*1.25",
          .partitions = {PartitionShare{L"1区", L"0.5*3", 1.5}}};
}

TEST(TreeQuantityTest, RecordFormulasFollowThePartition) {
  const SQdRecordNode pair = Pieces(2.5, 2);
  EXPECT_EQ(RecordFormula(pair, L""), L"2.50*2件");
  EXPECT_EQ(RecordFormula(pair, L"1区"), L"1.50*2件");
  EXPECT_DOUBLE_EQ(RecordQuantity(pair, L"1区"), 3.0);
  // A partition the record lacks hides it; its formula would show 0.00.
  EXPECT_FALSE(RecordVisible(pair, L"2区"));
  EXPECT_EQ(RecordFormula(pair, L"2区"), L"0.00*2件");
  EXPECT_DOUBLE_EQ(RecordQuantity(pair, L"2区"), 0.0);
  // One piece shows the record's own formula text, in a partition as well.
  const SQdRecordNode single = Pieces(2.5, 1);
  EXPECT_EQ(RecordFormula(single, L""), L"2*1.25");
  EXPECT_EQ(RecordFormula(single, L"1区"), L"2*1.25");
}

TEST(TreeQuantityTest, FloorFormulasPerTableFamily) {
  FloorSum sum{.per_floor = 10.0, .facade = 3.0};
  EXPECT_DOUBLE_EQ(sum.Total(4), 43.0);
  EXPECT_EQ(BillFloorFormula(4, sum), L"10.00*4层+3.00");
  EXPECT_EQ(BillFloorFormula(1, sum), L"");
  EXPECT_EQ(QuotaByFloorFormula(4, sum), L"10.000*4层+3.000");
  EXPECT_EQ(QuotaByFloorFormula(1, sum), L"");
  EXPECT_EQ(PerFloorFormula(4, 10.0), L"10.000*4层");
  EXPECT_EQ(PerFloorFormula(1, 10.0), L"");
  // A facade sum of 0 adds nothing to the bill formula; a small one shows.
  sum.facade = 0.0;
  EXPECT_EQ(BillFloorFormula(4, sum), L"10.00*4层");
  EXPECT_EQ(QuotaByFloorFormula(4, sum), L"10.000*4层");
  sum.facade = 0.004;
  EXPECT_EQ(BillFloorFormula(2, sum), L"10.00*2层+0.00");
  // The quota-by-floor table shows the added part only above 0.01, and then
  // only next to a per-floor part above 0.01.
  EXPECT_EQ(QuotaByFloorFormula(2, sum), L"10.000*2层");
  sum.facade = 0.02;
  EXPECT_EQ(QuotaByFloorFormula(2, sum), L"10.000*2层+0.020");
  sum.per_floor = 0.01;
  EXPECT_EQ(QuotaByFloorFormula(2, sum), L"");
}

TEST(TreeQuantityTest, ItemTextsIndentEveryLineBreak) {
  SQdItemNode item{{L"010401001001", L"砖墙", L""}, L"1.砂浆:M5\n2.厚度:240", {}, {}, {}, {}};
  const std::wstring indent = L"\n                 ";
  EXPECT_EQ(BillItemText(item),
            L"010401001001  砖墙" + indent + L"1.砂浆:M5" + indent + L"2.厚度:240");
  item.feature = L"";
  EXPECT_EQ(BillItemText(item), L"010401001001  砖墙" + indent);
  EXPECT_EQ(QuotaItemText(L"A4-1", L"砌砖",
                          {{CString(), CString(L"砂浆"), CString(L"M5")},
                           {CString(), CString(L"高度"), CString(L"3.6")}}),
            L"A4-1  砌砖" + indent + L"砂浆:M5;高度:3.6");
}

}  // namespace
}  // namespace reportdata
