// A project with tricky floor labels through the whole path: imported, built
// by the quota build, written, emptied and reopened from its files. Every
// answer of the building-area, door and window and room facades is the same
// after the reload as after the build, with merging on and off.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "reportdata/facades.h"
#include "reportdata/importer.h"
#include "support/records.h"
#include "support/temp_dir.h"

namespace reportdata {
namespace {

using testing::Array;
using testing::Texts;

// Every answer the host can ask of these tables, in one list.
std::vector<std::wstring> Answers() {
  std::vector<std::wstring> all;
  CStringArray out;
  auto take = [&] {
    for (std::wstring& text : Texts(out)) all.push_back(std::move(text));
    all.push_back(L"--");
    out.RemoveAll();
  };
  CStringArray floors = Array({L"4", L"1", L"5/7", L"8"});
  CStringArray codes = Array({L"MCD\\M", L"MCD\\ZPC", L"MCD\\PC"});
  CStringArray names = Array({L"楼地面1", L"楼地面2"});

  CString total, above, below, first;
  CReportComMethod::GetProjectArea(total, above, below, first);
  all.insert(all.end(), {total.str(), above.str(), below.str(), first.str()});
  CAARInterHuiZong::GetTreeItem(out), take();
  CAARInterHuiZong::GetTotalData(out), take();
  CAARInterHuiZong::GetItemData(floors, codes, out), take();
  CAARInterHuiZong::GetNewItemData(CString(), out), take();
  CAARInterHuiZong::GetNewItemData(floors, codes, out), take();

  CInterDoorWindow::GetTreeItem(out);
  const std::vector<std::wstring> kinds = Texts(out);
  take();
  CInterDoorWindow::GetNewTreeItem(out), take();
  CInterDoorWindow::GetAllFloorData(out), take();
  CInterDoorWindow::GetTotalData(out), take();
  for (const std::wstring& kind : kinds) CInterDoorWindow::GetItemData(kind, out), take();
  CInterDoorWindow::GetItemData(floors, codes, out), take();
  CInterDoorWindow::GetNewItemData(CString(), out), take();
  CInterDoorWindow::GetNewItemData(floors, codes, out), take();

  RoomTable1::GetTreeItem(out);
  const std::vector<std::wstring> rooms = Texts(out);
  take();
  RoomTable1::GetTotalData(out), take();
  for (const std::wstring& room : rooms) RoomTable1::GetItemData(room, out), take();
  RoomTable1::GetItemData(floors, names, out), take();
  RoomTable1::GetNewItemData(CString(), out), take();
  RoomTable1::GetNewItemData(floors, names, out), take();

  RoomTable2::GetTreeItem(out);
  const std::vector<std::wstring> room_floors = Texts(out);
  take();
  RoomTable2::GetTotalData(out), take();
  for (const std::wstring& floor : room_floors) RoomTable2::GetItemData(floor, out), take();
  RoomTable2::GetItemData(floors, names, out), take();
  RoomTable2::GetNewItemData(CString(), out), take();
  DeTable1::GetGJHZ(CString(), out), take();
  return all;
}

TEST(AreaReloadTest, ReopenedTablesAnswerAsBuilt) {
  testing::TempDir dir;
  const std::string project = dir.File("project");
  const std::string report = project + "/report";
  const ImportResult imported =
      ImportProject(REPORTDATA_SOURCE_DIR "/tests/areas/data/tricky_project.json", project);
  ASSERT_TRUE(imported.ok) << imported.message;
  std::filesystem::create_directories(report);
  const CString report_dir(std::filesystem::path(report).wstring());

  CReportComMethod::ReleaseAll();
  CString unused;
  ASSERT_TRUE(DeTable1::InitialTable(report_dir, unused));
  std::vector<std::vector<std::wstring>> built;
  for (const bool merge : {true, false}) {
    CReportComMethod::SetHebing(merge);
    built.push_back(Answers());
  }
  // Room table 2 chooses a floor by its label followed by "层" only.
  CStringArray floor_rows;
  RoomTable2::GetItemData(CString(L"1"), floor_rows);
  EXPECT_EQ(floor_rows.GetSize(), 12);  // the header row alone
  RoomTable2::GetItemData(CString(L"1层"), floor_rows);
  EXPECT_GT(floor_rows.GetSize(), 12);
  const std::vector<std::wstring>& answers = built[0];
  // -1: 500; 1: 400 + 12.5; the record of 3 lands on 2,4 (3 × 100); 5/7:
  // 2 × 300; 8，9 is no project floor: 8 and 9 get 2 each.
  EXPECT_EQ(std::vector<std::wstring>(answers.begin(), answers.begin() + 4),
            (std::vector<std::wstring>{L"1816.50", L"1316.50", L"500.00", L"412.50"}));
  for (const wchar_t* expected : {L"100.000000*3层", L"100.00×3层", L"转角飘窗", L"1*2件",
                                  L"其他位置", L"自定义位置", L"8层", L"卫生间"}) {
    EXPECT_NE(std::ranges::find(answers, expected), answers.end()) << expected;
  }

  DeTable1::WriteXML(report_dir);
  CReportComMethod::ReleaseAll();
  CReportComMethod::SetHebing(true);
  EXPECT_EQ(Answers()[0], L"");
  ASSERT_TRUE(DeTable1::InitialTableFromXml(report_dir));
  for (const bool merge : {true, false}) {
    CReportComMethod::SetHebing(merge);
    const std::vector<std::wstring> reloaded = Answers();
    const std::vector<std::wstring>& expected = built[merge ? 0 : 1];
    ASSERT_EQ(reloaded.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
      ASSERT_EQ(reloaded[i], expected[i]) << "answer " << i << " merge " << merge;
    }
  }
  CReportComMethod::SetHebing(true);
  CReportComMethod::ReleaseAll();
}

}  // namespace
}  // namespace reportdata
