// The building area: the cells the sample fills under each of its named columns.
#include "cli/named_columns.h"

namespace reportdata::testing {
namespace {

TEST(BuildingAreaColumnsTest, EachTitleStandsOverItsCells) {
  // clang-format off
  ExpectNamedColumns("mj", {
      {"建筑面积", "name", "名称", "主体建筑面积"},
      {"建筑面积", "floor", "楼层", "1层"},
      {"建筑面积", "unit", "单位", "m2"},
      {"建筑面积", "quantity", "面积", "606.96"},
      {"建筑面积", "formula", "计算式", "594.000000*4层"},
  });
  // clang-format on
}

}  // namespace
}  // namespace reportdata::testing
