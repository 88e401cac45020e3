// The door and window table: intake, counts, rows of both layouts and
// selection, asked through its codes; the reload of "\mc.xml" is checked
// with the other area tables.
// The cells the sample fills under each of its named columns close the file.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "areas/door_window.h"
#include "cli/named_columns.h"
#include "support/records.h"
#include "tables/area_answers.h"

namespace reportdata {
namespace {

constexpr int kDoor = 52, kCornerBay = 54;

// The table filed as the calculation database would list it, asked through
// its codes.
struct Doors : testing::AreaAnswers {
  Doors() {
    AddDoorWindows({{kDoor, L"2", L"M1", L"A/1", L"k1"},
                    {kDoor, L"2", L"M1", L"A/2", L"k1"},
                    {kDoor, L"2", L"M1", L"", L"k2"},
                    {kDoor, L"3,5", L"M1", L"B/1", L"k3"},
                    {kCornerBay, L"3,5", L"ZPC1", L"C/1", L"k4"},
                    {999, L"1", L"X1", L"D/1", L"k5"}},
                   areas.owned.Of<DoorWindowTable>());
  }
};

// Rows "|"-joined from the parent id on, without the header row.
std::vector<std::wstring> Body(std::vector<std::wstring> rows) {
  rows.erase(rows.begin(), rows.begin() + std::min<size_t>(1, rows.size()));
  for (std::wstring& row : rows) row.erase(0, row.find(L'|') + 1);
  return rows;
}

TEST(DoorWindowTest, RowsCountPiecesByKindTypeFloorAndOccurrence) {
  struct Case {
    const char* what;
    const wchar_t* kind;
    bool merge;
    std::vector<std::wstring> rows;
  };
  const Case cases[] = {
      {"all kinds, no occurrences",
       L"",
       true,
       {L"0|门||||个|6|||", L"2|门|M1|||个|6|||", L"3||M1|2层||个|3|||",
        L"3||M1|3,5层||个|3||1*3层|", L"0|转角飘窗||||个|3|||", L"6|转角飘窗|ZPC1|||个|3|||",
        L"7||ZPC1|3,5层||个|3||1*3层|", L"0|||||个|1|||", L"9||X1|||个|1|||",
        L"10||X1|1层||个|1|||"}},
      {"one kind, merged occurrences",
       L"门",
       true,
       {L"0|门||||个|6|||", L"2|门|M1|||个|6|||", L"3||M1|2层||个|3|||",
        L"4|||2层|A/1|个|2|k1|1*2件|", L"4|||2层|其他位置|个|1|k2||", L"3||M1|3,5层||个|3||1*3层|",
        L"7|||3,5层|B/1|个|1|k3||"}},
      {"one kind, every occurrence",
       L"门",
       false,
       {L"0|门||||个|6|||", L"2|门|M1|||个|6|||", L"3||M1|2层||个|3|||", L"4|||2层|A/1|个|1|k1||",
        L"4|||2层|A/2|个|1|k1||", L"4|||2层|其他位置|个|1|k2||", L"3||M1|3,5层||个|3||1*3层|",
        L"8|||3,5层|B/1|个|1|k3||"}},
      {"a kind the table lacks", L"老虎窗", true, {}},
  };
  for (const Case& c : cases) {
    Doors doors;
    doors.state.merge = c.merge;
    EXPECT_EQ(Body(doors.ItemRows(5, c.kind)), c.rows) << c.what;
  }
}

TEST(DoorWindowTest, SelectionByCodesAndFloors) {
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
  Doors doors;
  for (const Case& c : cases) EXPECT_EQ(Body(doors.SelectedRows(5, c.floors, c.codes)), c.rows);
}

TEST(DoorWindowTest, RegroupedStreamCountsEachKeyPerFloor) {
  Doors doors;
  AddDoorWindows({{kDoor, L"3,5", L"M1", L"B/2", L"k1"}}, doors.areas.owned.Of<DoorWindowTable>());
  EXPECT_EQ(testing::Joined(doors.Stream(40, L"门")),
            L"#ZhangFlag#|门|#AttNameFlag#|M1|k1|5|#FloorFlag#|2层|2|#FloorFlag#|3,5层|3|"
            L"#AttNameFlag#|M1|k2|1|#FloorFlag#|2层|1|#AttNameFlag#|M1|k3|3|#FloorFlag#|3,5层|3");
  // Code 15 lists the regrouped kinds, the kind of no component code last;
  // once the area tables are emptied, the table lists nothing.
  EXPECT_EQ(doors.TreeItems(15), (std::vector<std::wstring>{L"门", L"转角飘窗", L""}));
  doors.areas.Clear();
  EXPECT_TRUE(doors.TreeItems(5).empty());
}

TEST(DoorWindowColumnsTest, EachTitleStandsOverItsCells) {
  // clang-format off
  testing::ExpectNamedColumns("mc", {
      {"门", "kind", "类别", "门"},
      {"门", "number", "编号", "FM1221"},
      {"门", "floor", "楼层", "-2层"},
      {"门", "position", "位置", "E/9-10"},
      {"门", "unit", "单位", "个"},
      {"门", "quantity", "数量", "22.0"},
      {"门", "formula", "计算式", "2*4层"},
      {"门", "handles", "图元", "3AE"},
  });
  // clang-format on
}

}  // namespace
}  // namespace reportdata
