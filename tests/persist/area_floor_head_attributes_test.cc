// The floor heads of the tables of areas as their table files hold them.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "persist/building_area_file.h"
#include "persist/component_table_file.h"
#include "persist/index_table_files.h"
#include "persist/room_table_files.h"
#include "support/temp_dir.h"

namespace reportdata {
namespace {

// A floor element without its storeys or order key reads as one storey
// that sorts first, in every file that lists floor heads.
TEST(FloorHeadAttributesTest, AbsentStoreysReadAsOne) {
  struct Case {
    const char* file;
    const char* bytes;
    std::function<AreaFloorHead(const std::wstring& dir)> read_first;
  };
  const Case cases[] = {
      {"mj.xml", "<工程数据><Chapter><Chapter0 Name=\"7\"/></Chapter></工程数据>",
       [](const std::wstring& dir) {
         CAreaSummaryTable table;
         ReadBuildingArea(dir, table);
         return AreaFloorHead(table.floors().at(0));
       }},
      {"zbfx.xml",
       "<工程数据><Chapter0 Name=\"墙\"><Section0 Name=\"砌体\"><Floor0 Name=\"7\" Q=\"2\"/>"
       "</Section0></Chapter0></工程数据>",
       [](const std::wstring& dir) {
         IndexAnalysisTable table;
         ReadIndexAnalysis(dir, table);
         return AreaFloorHead(table.groups().at(0).items.at(0).floors.at(0));
       }},
      {"CompTable.xml", "<工程数据><Chapter0 N=\"墙\"><Qd0 Name=\"7\"/></Chapter0></工程数据>",
       [](const std::wstring& dir) {
         ComponentTable table;
         ReadComponentTable(dir, table);
         return AreaFloorHead(table.groups().at(0).floors.at(0));
       }},
      {"room2.xml", "<工程数据><Chapter0 Name=\"7\"/></工程数据>",
       [](const std::wstring& dir) {
         RoomTables rooms;
         ReadRoomTable2(dir, rooms);
         return AreaFloorHead(rooms.by_floor().at(0));
       }},
  };
  for (const Case& c : cases) {
    testing::TempDir dir;
    dir.Write(c.file, c.bytes);
    const AreaFloorHead head = c.read_first(dir.wpath());
    EXPECT_EQ(head.label, L"7") << c.file;
    EXPECT_EQ(head.num, 1) << c.file;
    EXPECT_EQ(head.grade, -1000) << c.file;
  }
}

}  // namespace
}  // namespace reportdata
