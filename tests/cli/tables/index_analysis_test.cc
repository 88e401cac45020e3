// The index analysis: the cells the sample fills under each of its named columns.
#include "cli/named_columns.h"

namespace reportdata::testing {
namespace {

TEST(IndexAnalysisColumnsTest, EachTitleStandsOverItsCells) {
  // clang-format off
  ExpectNamedColumns("zbfx", {
      {"土方工程", "group", "指标组", "土方工程"},
      {"土方工程", "item", "指标项", "挖土"},
      {"混凝土工程", "floor", "楼层", "-2层"},
      {"土方工程", "unit", "单位", "m3/m2"},
      {"土方工程", "quantity", "指标", "1.799344"},
      {"土方工程", "formula", "计算式", "13035.60/7244.64"},
      {"混凝土工程", "description", "说明", "单层"},
  });
  // clang-format on
}

}  // namespace
}  // namespace reportdata::testing
