// The component table view of `reportdata show` on the shipped sample.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "tool_runner.h"

namespace reportdata::testing {
namespace {

TEST(ComponentViewTest, CountsEachDrawingOnceWithItsStoreys) {
  const std::string& project = BuiltSample::Get().project;
  ASSERT_EQ(BuiltSample::Get().build.status, 0);
  EXPECT_EQ(RunTool({"show", project + "/none", "构件表"}).status, 1);                // no project
  EXPECT_EQ(RunTool({"show", project, "构件表", "--report-dir", "none"}).status, 1);  // not built

  for (const char* side : {"bill", "quota"}) {
    const nlohmann::json rows =
        ToolJson({"show", project, "CompTable", "柱", "--side", side, "--format", "json"})["rows"];
    // Two framed columns on each storey of 2,5: 8 pieces, shown as 2×4,
    // although each column carries several bill and quota items.
    bool found = false;
    for (const nlohmann::json& row : rows) {
      EXPECT_EQ(row["category"], "柱");
      if (row["floor"] == "2,5" && row["component"] == "KZ3") {
        EXPECT_EQ(row["pieces"], 8) << side;
        EXPECT_EQ(row["storeys"], "2×4") << side;
        found = true;
      }
    }
    EXPECT_TRUE(found) << side;
  }
  const ToolRun csv = RunTool({"show", project, "构件表", "--format", "csv"});
  EXPECT_NE(csv.out.find("\r\n墙,\"2,5\",TQ1,砌块墙,2×4,8\r\n"), std::string::npos);
}

}  // namespace
}  // namespace reportdata::testing
