// A host program: it sees only include/ and the shared library, and calls
// operations of every facade on an engine that holds no tables.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "reportdata/reportdata.h"

namespace {

std::vector<std::wstring> Strings(const CStringArray& array) {
  std::vector<std::wstring> out;
  for (const CString& text : array) out.push_back(text.str());
  return out;
}

std::vector<std::wstring> Header(int columns, const std::wstring& condition) {
  std::vector<std::wstring> row = {L"1", L"0", condition};
  row.resize(static_cast<size_t>(columns));
  return row;
}

class HostTest : public ::testing::Test {
 protected:
  void SetUp() override {
    CReportComMethod::SetCondition(CString());
    CReportComMethod::SetHebing(true);
    CInterQingDan::SetCurrentPartition(CString());
  }
};

TEST_F(HostTest, EmptyTablesAnswerTheHeaderRowOnly) {
  CReportComMethod::SetCondition(L"外墙");
  // Every table of rows answers its header row, as wide as its column count.
  const struct {
    int (*columns)();
    void (*total)(CStringArray&);
    int width;
  } tables[] = {
      {&CInterQingDan::GetparaNum, &CInterQingDan::GetTotalData, 12},
      {&CInterQingDan2::GetparaNum, &CInterQingDan2::GetTotalData, 13},
      {&CInterHuiZong::GetparaNum, &CInterHuiZong::GetTotalData, 12},
      {&CInterDoorWindow::GetparaNum, &CInterDoorWindow::GetTotalData, 11},
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
    CStringArray rows;
    table.total(rows);
    EXPECT_EQ(Strings(rows), Header(table.width, L"外墙"));
  }

  // A name that matches no item gives the header row; layout A clears first.
  CStringArray rows;
  rows.Add(L"stale");
  CInterQingDan::GetItemData(L"砌筑工程", rows);
  EXPECT_EQ(Strings(rows), Header(12, L"外墙"));
  DeTable2::GetItemData(L"3层", rows);
  EXPECT_EQ(Strings(rows), Header(12, L"外墙"));

  // The building-area and door-window answers are appended to what the array
  // holds; an empty building area still has its total row.
  CStringArray appended;
  appended.Add(L"kept");
  CAARInterHuiZong::GetItemData(L"any name", appended);
  ASSERT_EQ(appended.GetSize(), 21);
  EXPECT_EQ(appended[0].str(), L"kept");
  EXPECT_EQ(appended[17].str(), L"0.000000");
  CInterDoorWindow::GetTotalData(appended);
  EXPECT_EQ(appended.GetSize(), 32);
}

TEST_F(HostTest, TreeItemsOfAnEmptyEngine) {
  CStringArray items;
  for (void (*tree)(CStringArray&) :
       {&CInterQingDan::GetTreeItem, &DeTable3::GetTreeItem, &CInterQingDan::GetMemTreeItem,
        &CInterDoorWindow::GetNewTreeItem}) {
    items.Add(L"stale");
    tree(items);
    EXPECT_EQ(items.GetSize(), 0);
  }
  CAARInterHuiZong::GetTreeItem(items);
  EXPECT_EQ(Strings(items), std::vector<std::wstring>{L"建筑面积"});
}

TEST_F(HostTest, OperationsWithoutABranchLeaveTheArraysAlone) {
  CStringArray a, b, c;
  a.Add(L"1");
  b.Add(L"2");
  c.Add(L"3");
  RoomTable2::GetNewItemData(a, b, c);
  CIZBfFenXi::GetItemData(a, b, c);
  EXPECT_EQ(Strings(a), std::vector<std::wstring>{L"1"});
  EXPECT_EQ(Strings(b), std::vector<std::wstring>{L"2"});
  EXPECT_EQ(Strings(c), std::vector<std::wstring>{L"3"});

  CStringArray stream;
  CInterQingDan::GetNewQdHz(CString(), stream);
  CInterQingDan::GetQdPriceData(CString(), stream);
  CReportExpComMethod::GetSingle()->GetQdPriceData(CString(), stream);
  DeTable3::GetNewItemDataJSS(CString(), stream);
  EXPECT_EQ(stream.GetSize(), 0);
}

TEST_F(HostTest, HandleQueriesParseTheHandleText) {
  CStringArray cells;
  for (const wchar_t* cell : {L"5", L"2", L"3层"}) cells.Add(cell);
  CString handles = L"A$B\uFFE5x\uFFE5y$C\uFFE5u\uFFE5v";
  CString floor;
  CStringArray out, unused;
  CInterQingDan::GetHandles(cells, handles, floor, out, unused);
  EXPECT_EQ(floor.str(), L"3");
  EXPECT_EQ(Strings(out),
            (std::vector<std::wstring>{L"A", L"x", L"y", L"B", L"x", L"y", L"C", L"u", L"v"}));

  // Both floor-based quota tables read the floor from cell 0.
  CStringArray from_table2, from_table3;
  CString floor2, floor3;
  cells.SetAt(0, L"2,5层");
  DeTable2::GetHandles(cells, handles, floor2, from_table2, unused);
  DeTable3::GetHandles(cells, handles, floor3, from_table3, unused);
  EXPECT_EQ(floor2.str() + L"|" + floor3.str(), L"2,5|2,5");
  EXPECT_EQ(Strings(from_table2), Strings(from_table3));
}

TEST_F(HostTest, EngineStateAndFloorOrder) {
  EXPECT_TRUE(CInterQingDan::GetCurrentPartitionName().IsEmpty());
  CInterQingDan::SetCurrentPartition(L"2区");
  CReportComMethod::ReleaseAll();
  EXPECT_EQ(CInterQingDan::GetCurrentPartitionName().str(), L"2区");

  CString index = L"unchanged";
  EXPECT_TRUE(CInterQingDan::GetCompIndexByCompDir(L"其他项目", index));
  EXPECT_EQ(index.str(), L"QTXM");

  CStringArray floors;
  for (const wchar_t* floor : {L"2", L"-1", L"1", L"基础"}) floors.Add(floor);
  CInterQingDan::SortConditionFloor(floors);
  EXPECT_EQ(Strings(floors), (std::vector<std::wstring>{L"基础", L"-1", L"1", L"2"}));
}

TEST_F(HostTest, SettingsFilesGoThroughTheProjectDirectory) {
  const std::filesystem::path dir =
      std::filesystem::temp_directory_path() / ("reportdata-host-" + std::to_string(getpid()));
  std::filesystem::create_directories(dir);
  const CString project(std::filesystem::path(dir).wstring());

  EXPECT_TRUE(CReportComMethod::IsUserDeUnitFromFile(project));
  CReportComMethod::SetUserDeUnitToFile(project, false);
  EXPECT_FALSE(CReportComMethod::IsUserDeUnitFromFile(project));

  CReportExpComMethod* single = CReportExpComMethod::GetSingle();
  ASSERT_EQ(single, CReportExpComMethod::GetSingle());
  void* handle = reinterpret_cast<void*>(0x1A2B);
  unsigned long pid = 4242;
  CString project_dir = project;
  EXPECT_TRUE(single->WriteHandleAndPIdByType(handle, pid, 1, project_dir));
  void* read_handle = nullptr;
  unsigned long read_pid = 0;
  EXPECT_TRUE(single->GetHandleAndPIdByType(read_handle, read_pid, 1, project_dir));
  EXPECT_EQ(read_handle, handle);
  EXPECT_EQ(read_pid, 4242u);
  std::filesystem::remove_all(dir);
}

}  // namespace
