// Partition summaries of the consumption, bill consumption and quota trees.
#include <gtest/gtest.h>

#include "engine/partition_summary.h"
#include "support/table_fixture.h"

namespace reportdata::testing {
namespace {

class PartitionSummaryTest : public TableFixture {};

std::vector<std::wstring> Describe(const CArray<FenQuQdHZInfo>& chapters) {
  std::vector<std::wstring> out;
  for (const FenQuQdHZInfo& chapter : chapters) {
    out.push_back(L"chapter " + chapter.chapterName.str());
    for (const FenQuDeInfo& item : chapter.items) {
      std::wstring line = item.number.str() + L" " + item.code.str() + L" " + item.name.str() +
                          L" " + item.unit.str() + L" [" + item.description.str() + L"] total=" +
                          item.total.str();
      for (const FenQuSGDInfo& share : item.partitions) {
        line += L" " + share.name.str() + L"=" + share.quantity.str();
      }
      out.push_back(line);
    }
  }
  return out;
}

TEST_F(PartitionSummaryTest, QuotaSummaryByPartition) {
  Rec rec{.floor = L"1,2", .quantity = L"2"};
  TJQd brick = rec.Quota(L"A4-1", L"砌砖");
  brick.partitions = {Share(L"1区", 1.5), Share(L"2区", 0.5)};
  TJQd tiny = Rec{.quantity = L"2"}.Quota(L"A4-2", L"勾缝");
  tiny.partitions = {Share(L"1区", 0.000004)};
  TJQd concrete = Rec{.quantity = L"2"}.Quota(L"A5-1", L"浇筑");
  concrete.partitions = {Share(L"2区", 3.0)};
  for (const TJQd& record : {concrete, tiny, brick}) tables.AddQuotaRecord(KeysOf(record));
  // A chapter read back without items still gets its record.
  SDeChapterNode empty;
  empty.name = L"其他章";
  tables.quota_summary().push_back(empty);
  const std::set<CString> partitions = {L"1区", L"2区", L"3区"};
  CArray<FenQuQdHZInfo> out;
  out.Add(FenQuQdHZInfo{});  // the answer replaces what the array held
  SummariseQuotaPartitions(tables, partitions, out);
  EXPECT_EQ(Describe(out), (std::vector<std::wstring>{
                               L"chapter 砌筑",
                               L"1 A4-1 砌砖 m3 [] total=4.000000 1区=3.000000 2区=1.000000 3区=",
                               L"2 A4-2 勾缝 m3 [] total= 1区=0.000004 2区= 3区=",
                               L"chapter 混凝土",
                               L"3 A5-1 浇筑 m3 [] total=3.000000 1区= 2区=3.000000 3区=",
                               L"chapter 其他章",
                           }));
}

TEST_F(PartitionSummaryTest, BillSideSummaries) {
  Rec rec{.floor = L"1", .quantity = L"2"};
  TJQd bill = rec.Bill(L"010401001001", L"砖墙");
  bill.feature = L"M5";
  bill.partitions = {Share(L"1区", 2.0)};
  TJQd quota = rec.Quota(L"A4-1", L"砌砖");
  quota.categories.push_back({CString(), CString(L"砂浆"), CString(L"M5")});
  quota.partitions = {Share(L"1区", 0.5)};
  AddEntry(bill, {quota});
  // An item with nothing in the partition: empty quantity and total.
  services.library->bill_chapters[L"0199"] = {L"空章", L"99"};
  AddEntry(rec.Bill(L"019900000001", L""));
  const std::set<CString> partitions = {L"1区"};
  CArray<FenQuQdHZInfo> out;
  tables.FinishBillEntries();
  SummariseBillPartitions(tables, partitions, true, out);
  EXPECT_EQ(Describe(out), (std::vector<std::wstring>{
                               L"chapter 砌筑工程",
                               L"1 010401001001 砖墙 m3 [M5] total=2.000000 1区=2.000000",
                               L"chapter 空章",
                               L"2 019900000001  m3 [] total= 1区=",
                           }));
  SummariseBillPartitions(tables, partitions, false, out);
  EXPECT_EQ(Describe(out), (std::vector<std::wstring>{
                               L"chapter 砌筑",
                               L"1 A4-1 砌砖 m3 [砂浆:M5] total=0.500000 1区=0.500000",
                           }));
  tables.ClearBillSide();
  SummariseBillPartitions(tables, partitions, false, out);
  EXPECT_TRUE(out.IsEmpty());
}

}  // namespace
}  // namespace reportdata::testing
