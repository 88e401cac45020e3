// The two room tables: the cells the sample fills under each of their named columns.
#include "cli/named_columns.h"

namespace reportdata::testing {
namespace {

TEST(RoomsColumnsTest, EachTitleStandsOverItsCells) {
  // clang-format off
  ExpectNamedColumns("room1", {
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
  ExpectNamedColumns("room2", {
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
}  // namespace reportdata::testing
