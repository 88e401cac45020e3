// The physical-quantity tables written to their four files and read back
// give the summaries and the decoration report of the build.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "areas/physical_tables.h"
#include "model/concrete_summary.h"
#include "persist/physical_table_files.h"
#include "persist/report_table_files.h"
#include "support/records.h"
#include "support/temp_dir.h"

namespace reportdata {
namespace {

using testing::Rec;
using testing::Share;
using testing::TempDir;

void Flatten(const std::vector<SWLReportEntryInfo>& entries, std::wstring& out) {
  for (const SWLReportEntryInfo& entry : entries) {
    out += L"[" + entry.name.str() + L"=" + entry.quantity.str();
    Flatten(entry.items, out);
    for (const SWLReportGradeInfo& grade : entry.grades) {
      out += L" " + grade.grade.str() + L":" + grade.quantity.str();
    }
    out += L"]";
  }
}

// Every answer the tables give, as one text.
std::wstring Answers(const PhysicalTables& tables) {
  std::wstring out;
  const std::vector<std::wstring> partitions = {L"1区", L"2区", L"未分区"};
  for (bool bill : {true, false}) {
    SWLReportInputInfo input;
    input.fromBill = bill;
    std::map<CString, CString> grades;
    CArray<SWLReportFloorFenQuInfo> rows;
    SummarizeByFloorPartition(tables.concrete(bill), input, partitions, grades, rows);
    for (const auto& row : rows) {
      out += row.name.str() + L"@" + row.floorText.str();
      Flatten(row.entries, out);
    }
    std::map<int, CString> kinds;
    CArray<SWLReportDecSmallInfo> decoration;
    DecorationRows(tables.decoration(bill), input, kinds, decoration);
    for (const auto& row : decoration) {
      out += row.kind.str() + row.floor.str() + row.attribute.str() + row.room.str() +
             row.quantity.str();
    }
  }
  return out;
}

PhysicalTables Built() {
  PhysicalTables tables;
  const wchar_t* floors[] = {L"0", L"1", L"2,5", L"6/8", L"1"};
  for (int i = 0; i < 40; ++i) {
    TJQd concrete = Rec{.floor = floors[i % 5],
                        .type_path = i % 3 ? L"L\\KL" : L"Z\\KZ",
                        .position = L"A/" + std::to_wstring(i % 4),
                        .handle = L"h" + std::to_wstring(i)}
                        .Bill(L"010503002", L"矩形梁");
    concrete.id = i;
    concrete.subCode = L"1";
    concrete.grade = i % 4 ? L"C30" : L"c35";
    concrete.partitions = {Share(L"1区", 0.125 * i), Share(i % 2 ? L"2区" : L"未分区", 0.5)};
    tables.Add(KeysOf(concrete));
    concrete.kind = L"2";
    concrete.quotaUnit = L"10m3";
    tables.Add(KeysOf(concrete));
    TJQd finish = Rec{.floor = floors[i % 5],
                      .component = L"地面" + std::to_wstring(i % 3),
                      .type_path = i % 2 ? L"ZS\\DMS" : L"ZS\\WQS",
                      .quantity = L"2.5"}
                      .Bill(L"011102003", L"块料楼地面", L"m2");
    finish.subCode = i % 7 ? L"28" : L"27";
    finish.room = i % 3 ? L"卧室" + std::to_wstring(i % 2) : L"";
    tables.Add(KeysOf(finish));
  }
  tables.FinishDecoration();
  tables.Sort();
  return tables;
}

TEST(PhysicalRoundTripTest, ReloadGivesTheAnswersOfTheBuild) {
  const PhysicalTables built = Built();
  TempDir dir;
  PhysicalTables read;
  for (const bool bill : {true, false}) {
    const auto concrete = bill ? kBillQuantityFile : kQuotaQuantityFile;
    const auto decoration = bill ? kBillDecorationFile : kQuotaDecorationFile;
    WriteConcreteTable(dir.wpath(), concrete, built.concrete(bill));
    WriteDecorationTable(dir.wpath(), decoration, built.decoration(bill));
    ReadConcreteTable(dir.wpath(), concrete, read.concrete(bill));
    ReadDecorationTable(dir.wpath(), decoration, read.decoration(bill));
  }
  read.Sort();
  EXPECT_FALSE(read.concrete(false).floors().empty());
  EXPECT_FALSE(read.decoration(true).chapters().empty());
  EXPECT_EQ(Answers(read), Answers(built));
  EXPECT_EQ(dir.Read("DecTableqd.xml")
                .find("<工程数据 Version=\"10\" Table_Name=\"实物量表\">"
                      "<Chapter0 Name=\"楼地面\" Grade=\"0\" RoomFlag=\"1\">"
                      "<Att0 AttName="),
            0u);
}

}  // namespace
}  // namespace reportdata
