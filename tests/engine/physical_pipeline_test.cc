// The builds feed the physical-quantity tables, the write sequences save
// them and the reloads give back the same summaries.
#include <gtest/gtest.h>

#include "engine/analyze.h"
#include "engine/fake_services.h"
#include "model/concrete_summary.h"
#include "support/temp_dir.h"

namespace reportdata {
namespace {

using testing::FakeProject;
using testing::FakeServices;
using testing::Record;

// A graded wall of 3 m3 with its quota in "10m3".
SNYTJQdDeClassResult Wall(const wchar_t* floor) {
  SNYTJQdDeClassResult entry;
  entry.bill = Record(L"1", floor, L"3");
  entry.bill.subCode = L"1";
  entry.bill.grade = L"C30";
  entry.bill.partitions = {{L"1区", L"", 3.0}};
  TJQd quota = entry.bill;
  quota.kind = L"2";
  quota.partitions = {{L"1区", L"", 0.3}};
  entry.quotas.push_back(quota);
  return entry;
}

std::wstring Total(CAnalyze& engine, bool bill_side) {
  SWLReportInputInfo input;
  input.fromBill = bill_side;
  std::map<CString, CString> grades;
  CArray<SWLReportFloorInfo> rows;
  SummarizeByFloor(engine.physical().concrete(bill_side), input, grades, rows);
  const SWLReportFloorInfo& total = rows[rows.GetUpperBound()];
  return total.entries.empty() ? L"" : total.entries.back().quantity.str();
}

TEST(PhysicalPipelineTest, BuildWriteAndReloadAgree) {
  FakeProject project;
  project.classified.items = {Wall(L"1"), Wall(L"2,5")};
  project.quotas.quotas = {Wall(L"3").quotas[0]};
  FakeServices services(project);
  testing::TempDir dir("report");
  CAnalyze engine;
  engine.InitQdData(CString(dir.wpath()));
  // Floor 1 once and "2,5" four times, in cubic metres on both sides.
  EXPECT_EQ(Total(engine, true), L"15.000000");
  EXPECT_EQ(Total(engine, false), L"15.000000");
  engine.Write_xml(CString(dir.wpath()));

  CAnalyze reloaded;
  reloaded.InitDataFromXml(CString(dir.wpath()));
  EXPECT_EQ(Total(reloaded, true), L"15.000000");
  EXPECT_EQ(Total(reloaded, false), L"15.000000");

  // The quota build replaces the quota side only; its reload reads that side.
  ASSERT_TRUE(engine.InitialTable(CString(dir.wpath())));
  EXPECT_EQ(Total(engine, false), L"3.000000");
  EXPECT_EQ(Total(engine, true), L"15.000000");
  engine.WriteXML(CString(dir.wpath()));
  CAnalyze quota;
  EXPECT_TRUE(quota.InitialTableFromXml(CString(dir.wpath())));
  EXPECT_EQ(Total(quota, false), L"3.000000");
  EXPECT_EQ(Total(quota, true), L"");
}

}  // namespace
}  // namespace reportdata
