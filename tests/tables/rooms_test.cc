// Filing quota records into the two room tables.
// The cells the sample fills under each of its named columns close the file.
#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "areas/room_tables.h"
#include "cli/named_columns.h"
#include "support/records.h"

namespace reportdata {
namespace {

using testing::Rec;

TEST(RoomTablesTest, RecordsFileByRoomAndByFloorRoomAndPlace) {
  struct Input {
    Rec rec;
    const wchar_t* room;
    const wchar_t* place;
    const wchar_t* place2;
  };
  const Input inputs[] = {
      {{.floor = L"2,4"}, L"客厅", L"楼地面", L""},
      {{.floor = L"2,4", .quantity = L"2"}, L"客厅", L"楼地面", L""},
      {{.floor = L"2，4"}, L"客厅", L"", L""},  // another label, another floor
      {{.floor = L"2,4"}, L"卧室", L"", L"东"},
      {{.floor = L"2,4"}, L"", L"楼地面", L""},  // no room: left out
  };
  RoomTables rooms;
  for (const Input& input : inputs) {
    TJQd record = input.rec.Quota(L"A11-6", L"陶瓷地砖楼地面", L"100m2");
    record.room = input.room;
    record.place = input.place;
    record.place2 = input.place2;
    rooms.Add(KeysOf(record));
  }
  // Room table 1: one chapter per room, the records below as in the quota summary.
  ASSERT_EQ(rooms.by_room().size(), 2u);
  EXPECT_EQ(rooms.by_room()[0].name.str() + L"|" + rooms.by_room()[1].name.str(), L"客厅|卧室");
  EXPECT_EQ(rooms.by_room()[0].items[0].floors.size(), 2u);

  // Room table 2: floors by exact label; places by both place texts.
  ASSERT_EQ(rooms.by_floor().size(), 2u);
  const RoomFloor& range = rooms.by_floor()[0];
  EXPECT_EQ(std::pair(range.label, range.num), std::pair(std::wstring(L"2,4"), 3));
  ASSERT_EQ(range.rooms.size(), 2u);
  ASSERT_EQ(range.rooms[0].places.size(), 1u);
  const SDeCalcQuotaNode& quota = range.rooms[0].places[0].quotas[0];
  // Quantities 1 and 2 stay apart.
  EXPECT_EQ(std::pair(quota.num, quota.records.size()), std::pair(3, size_t{2}));
  const RoomPlace& custom = range.rooms[1].places[0];
  EXPECT_EQ(custom.name + L"|" + custom.second, L"自定义位置|东");
  EXPECT_EQ(rooms.by_floor()[1].rooms[0].places[0].name, L"自定义位置");
}

TEST(RoomsColumnsTest, EachTitleStandsOverItsCells) {
  // clang-format off
  testing::ExpectNamedColumns("room1", {
      {"厨房", "room", "房间", "厨房"},
      {"厨房", "code", "编码", "A9-8"},
      {"厨房", "name", "名称", "楼地面聚合物水泥防水涂料"},
      {"厨房", "features", "项目特征", ""},
      {"厨房", "floor", "楼层", "1层"},
      {"厨房", "component", "构件", "楼地面2"},
      {"厨房", "position", "位置", "C-D/6-7"},
      {"厨房", "unit", "单位", "100m2"},
      {"厨房", "quantity", "工程量", "0.648"},
      {"厨房", "description", "说明", "2.400*2.700"},
      {"厨房", "formula", "计算式", "0.06*4层"},
      {"厨房", "handles", "图元", "$3D4"},
  });
  testing::ExpectNamedColumns("room2", {
      {"1层", "floor", "楼层", "1层"},
      {"1层", "room", "房间", "客厅"},
      {"1层", "place", "位置类别", "楼地面"},
      {"1层", "code", "编码", "A11-4"},
      {"1层", "name", "名称", "平面砂浆找平层 厚度20mm"},
      {"1层", "features", "项目特征", ""},
      {"1层", "position", "位置", "C-D/3-4"},
      {"1层", "unit", "单位", "100m2"},
      {"1层", "quantity", "工程量", "0.2592"},
      {"1层", "description", "说明", "4.800*5.400"},
      {"1层", "formula", "计算式", ""},
      {"1层", "handles", "图元", "$3CB"},
  });
  // clang-format on
}

}  // namespace
}  // namespace reportdata
