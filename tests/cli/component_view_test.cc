// The component table view of `reportdata show` on the shipped sample.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "tool_runner.h"

namespace reportdata::testing {
namespace {

using ComponentViewTest = SampleTest;

TEST_F(ComponentViewTest, CountsEachDrawingOnceWithItsStoreys) {
  EXPECT_EQ(RunTool({"show", project_ + "/none", "构件表"}).status, 1);                // no project
  EXPECT_EQ(RunTool({"show", project_, "构件表", "--report-dir", "none"}).status, 1);  // not built

  // Two framed columns on each storey of 2,5: 8 pieces, shown as 2×4,
  // although each column carries several bill and quota items.
  for (const char* side : {"bill", "quota"}) {
    const ToolRun csv =
        RunTool({"show", project_, "CompTable", "柱", "--side", side, "--format", "csv"});
    EXPECT_NE(csv.out.find("\r\n柱,\"2,5\",KZ3,矩形柱,2×4,8\r\n"), std::string::npos) << side;
    EXPECT_EQ(csv.out.find("\r\n墙,"), std::string::npos) << side;
  }
  const nlohmann::json rows = ToolJson({"show", project_, "构件表", "--format", "json"})["rows"];
  EXPECT_EQ(rows[0]["pieces"], 3) << rows[0];  // the walls of storey -2
}

}  // namespace
}  // namespace reportdata::testing
