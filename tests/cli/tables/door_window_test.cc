// The door and window table: the cells the sample fills under each of its named columns.
#include "cli/named_columns.h"

namespace reportdata::testing {
namespace {

TEST(DoorWindowColumnsTest, EachTitleStandsOverItsCells) {
  // clang-format off
  ExpectNamedColumns("mc", {
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
}  // namespace reportdata::testing
