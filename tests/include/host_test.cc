// A host program: it sees only include/ (and the tests' helpers) and the
// shared library, and calls operations of every facade on an engine that
// holds no tables.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "reportdata/reportdata.h"
#include "support/records.h"
#include "support/temp_dir.h"

namespace {

using reportdata::testing::Texts;

TEST(HostTest, EmptyTablesAnswerTheHeaderRowOnly) {
  CReportComMethod::SetCondition(L"外墙");
  // Every table of rows answers its header row, as wide as its column count.
  const struct {
    int (*columns)();
    void (*total)(CStringArray&);
    int width;
    bool appends = false;  // layout A of the areas adds to what the array holds
  } tables[] = {
      {&CInterQingDan::GetparaNum, &CInterQingDan::GetTotalData, 12},
      {&CInterQingDan2::GetparaNum, &CInterQingDan2::GetTotalData, 13},
      {&CInterHuiZong::GetparaNum, &CInterHuiZong::GetTotalData, 12},
      {&CInterDoorWindow::GetparaNum, &CInterDoorWindow::GetTotalData, 11, true},
      {&RoomTable1::GetparaNum, &RoomTable1::GetTotalData, 12},
      {&RoomTable2::GetparaNum, &RoomTable2::GetTotalData, 12},
      {&CIZBfFenXi::GetparaNum, &CIZBfFenXi::GetTotalData, 10},
      {&DeTable1::GetparaNum, &DeTable1::GetTotalData, 12},
      {&DeTable2::GetparaNum, &DeTable2::GetTotalData, 12},
      {&DeTable3::GetparaNum, &DeTable3::GetTotalData, 12},
      {&CAARInterHuiZong::GetparaNum, nullptr, 10},
  };
  for (const auto& table : tables) {
    EXPECT_EQ(table.columns(), table.width);
    if (!table.total) continue;
    std::vector<std::wstring> header = {L"1", L"0", L"外墙"};
    header.resize(static_cast<size_t>(table.width));
    if (table.appends) header.insert(header.begin(), L"kept");
    CStringArray rows;
    rows.Add(L"kept");
    table.total(rows);
    EXPECT_EQ(Texts(rows), header);
  }
  CReportComMethod::SetCondition(CString());

  // An empty building area still has its total row. Tree items replace what
  // the array held.
  CStringArray appended;
  appended.Add(L"kept");
  CAARInterHuiZong::GetItemData(L"any name", appended);
  ASSERT_EQ(appended.GetSize(), 21);
  EXPECT_EQ(appended[17].str(), L"0.000000");
  DeTable3::GetTreeItem(appended);
  EXPECT_EQ(appended.GetSize(), 0);
  CAARInterHuiZong::GetTreeItem(appended);
  EXPECT_EQ(Texts(appended), std::vector<std::wstring>{L"建筑面积"});
}

// The bill summary reads the floor from cell 2; both floor-based quota
// tables read it from cell 0.
TEST(HostTest, HandleQueriesReadTheFloorOfTheirTable) {
  CStringArray cells;
  for (const wchar_t* cell : {L"2,5层", L"2", L"3层"}) cells.Add(cell);
  CString handles = L"A$B\uFFE5x\uFFE5y";
  CString floor, floor2, floor3;
  CStringArray out, from_table2, from_table3, unused;
  CInterQingDan::GetHandles(cells, handles, floor, out, unused);
  DeTable2::GetHandles(cells, handles, floor2, from_table2, unused);
  DeTable3::GetHandles(cells, handles, floor3, from_table3, unused);
  EXPECT_EQ(floor.str() + L"|" + floor2.str() + L"|" + floor3.str(), L"3|2,5|2,5");
  EXPECT_EQ(Texts(out), (std::vector<std::wstring>{L"A", L"x", L"y", L"B", L"x", L"y"}));
  EXPECT_EQ(Texts(from_table3), Texts(out));
}

TEST(HostTest, SettingsFilesGoThroughTheProjectDirectory) {
  const reportdata::testing::TempDir dir;
  CString project(dir.wpath());
  CReportComMethod::SetUserDeUnitToFile(project, false);
  EXPECT_FALSE(CReportComMethod::IsUserDeUnitFromFile(project));
  void* handle = reinterpret_cast<void*>(0x1A2B);
  unsigned long pid = 4242;
  EXPECT_TRUE(CReportExpComMethod::GetSingle()->WriteHandleAndPIdByType(handle, pid, 1, project));
  void* read_handle = nullptr;
  unsigned long read_pid = 0;
  EXPECT_TRUE(
      CReportExpComMethod::GetSingle()->GetHandleAndPIdByType(read_handle, read_pid, 1, project));
  EXPECT_EQ(std::pair(read_handle, read_pid), std::pair(handle, pid));
}

}  // namespace
