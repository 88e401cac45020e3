// Door and window intake, counts, rows of both layouts and selection; the
// reload of "\mc.xml" is checked with the other area tables.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "areas/door_window.h"
#include "areas/door_window_regroup.h"
#include "rows/door_window_rows.h"
#include "support/records.h"

namespace reportdata {
namespace {

using testing::Texts;

constexpr int kDoor = 52, kWindow = 51, kCornerBay = 54;

// Rows of eleven cells, "|"-joined from the parent id on, without the
// header row.
std::vector<std::wstring> Rows(const std::vector<SDoorWindowKind>& kinds,
                               const DoorWindowRowOptions& options) {
  CStringArray array;
  RowWriter writer(11, L"", array);
  WriteDoorWindowRows(kinds, options, writer);
  EXPECT_EQ(array.GetSize() % 11, 0);
  std::vector<std::wstring> rows = testing::Rows(array, 11);
  rows.erase(rows.begin(), rows.begin() + std::min<size_t>(1, rows.size()));
  for (std::wstring& row : rows) row.erase(0, row.find(L'|') + 1);
  return rows;
}

DoorWindowTable Table() {
  DoorWindowTable table;
  AddDoorWindows({{kDoor, L"2", L"M1", L"A/1", L"k1"},
                  {kDoor, L"2", L"M1", L"A/2", L"k1"},
                  {kDoor, L"2", L"M1", L"", L"k2"},
                  {kDoor, L"3,5", L"M1", L"B/1", L"k3"},
                  {kCornerBay, L"3,5", L"ZPC1", L"C/1", L"k4"},
                  {999, L"1", L"X1", L"D/1", L"k5"}},
                 table);
  return table;
}

TEST(DoorWindowTest, RowsCountPiecesByKindTypeFloorAndOccurrence) {
  const DoorWindowTable table = Table();
  const std::wstring door = L"门";
  struct Case {
    const char* what;
    DoorWindowRowOptions options;
    std::vector<std::wstring> rows;
  };
  const Case cases[] = {
      {"all kinds, no occurrences",
       {},
       {L"0|门||||个|6|||", L"2|门|M1|||个|6|||", L"3||M1|2层||个|3|||",
        L"3||M1|3,5层||个|3||1*3层|", L"0|转角飘窗||||个|3|||", L"6|转角飘窗|ZPC1|||个|3|||",
        L"7||ZPC1|3,5层||个|3||1*3层|", L"0|||||个|1|||", L"9||X1|||个|1|||",
        L"10||X1|1层||个|1|||"}},
      {"one kind, merged occurrences",
       {&door, true, true},
       {L"0|门||||个|6|||", L"2|门|M1|||个|6|||", L"3||M1|2层||个|3|||",
        L"4|||2层|A/1|个|2|k1|1*2件|", L"4|||2层|其他位置|个|1|k2||", L"3||M1|3,5层||个|3||1*3层|",
        L"7|||3,5层|B/1|个|1|k3||"}},
      {"one kind, every occurrence",
       {&door, true, false},
       {L"0|门||||个|6|||", L"2|门|M1|||个|6|||", L"3||M1|2层||个|3|||", L"4|||2层|A/1|个|1|k1||",
        L"4|||2层|A/2|个|1|k1||", L"4|||2层|其他位置|个|1|k2||", L"3||M1|3,5层||个|3||1*3层|",
        L"8|||3,5层|B/1|个|1|k3||"}},
  };
  for (const Case& c : cases) EXPECT_EQ(Rows(table.kinds(), c.options), c.rows) << c.what;

  const std::wstring missing = L"老虎窗";
  EXPECT_TRUE(Rows(table.kinds(), {&missing, true, true}).empty());
}

TEST(DoorWindowTest, SelectionByCodesAndFloors) {
  const DoorWindowTable table = Table();
  struct Case {
    std::vector<std::wstring> floors;
    std::vector<std::wstring> codes;
    std::vector<std::wstring> rows;
  };
  const Case cases[] = {
      {{L"4"},
       {L"MCD\\M"},
       {L"0|门||||个|1|||", L"2|门|M1|||个|1|||", L"3||M1|4层||个|1|||", L"4|||4层|B/1|个|1|k3||"}},
      {{L"2", L"4"},
       {L"MCD\\C", L"MCD\\ZPC"},
       {L"0|转角飘窗||||个|1|||", L"2|转角飘窗|ZPC1|||个|1|||", L"3||ZPC1|4层||个|1|||",
        L"4|||4层|C/1|个|1|k4||"}},
      {{L"1"}, {L"MCD\\M"}, {}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Rows(table.Select(c.floors, c.codes), {nullptr, true, true}), c.rows);
  }
}

TEST(DoorWindowTest, RegroupedStreamCountsEachKeyPerFloor) {
  DoorWindowTable table = Table();
  AddDoorWindows({{kDoor, L"3,5", L"M1", L"B/2", L"k1"}}, table);
  CStringArray out;
  StreamDoorWindows(Regroup(table.kinds()), L"门", out);
  EXPECT_EQ(testing::Joined(Texts(out)),
            L"#ZhangFlag#|门|#AttNameFlag#|M1|k1|5|#FloorFlag#|2层|2|#FloorFlag#|3,5层|3|"
            L"#AttNameFlag#|M1|k2|1|#FloorFlag#|2层|1|#AttNameFlag#|M1|k3|3|#FloorFlag#|3,5层|3");
}

}  // namespace
}  // namespace reportdata
