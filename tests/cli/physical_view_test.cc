// The physical-quantity views and the component table view of `reportdata
// show` on the shipped sample.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "tool_runner.h"

namespace reportdata::testing {
namespace {

using PhysicalViewTest = SampleTest;

TEST_F(PhysicalViewTest, SampleAnswersEveryViewOnBothSides) {
  for (const char* side : {"bill", "quota"}) {
    const nlohmann::json view =
        ToolJson({"show", project_, "concrete-floor", "--side", side, "--format", "json"});
    // The secondary beams' "c30" is the grade C30.
    EXPECT_EQ(view["grades"], nlohmann::json({"C25", "C30", "C35", "C40"})) << side;
    EXPECT_GT(view["rows"].back()["entries"].back()["quantity"].get<double>(), 100.0);

    for (const char* other : {"concrete-floor-partition", "concrete-partition-floor"}) {
      const ToolRun csv = RunTool({"show", project_, other, "--side", side, "--format", "csv"});
      EXPECT_NE(csv.out.find("\r\n合计,,构件合计,,,"), std::string::npos) << other;
    }
    const ToolRun decoration = RunTool({"show", project_, "decoration", "--side", side});
    EXPECT_NE(decoration.out.find("无房间"), std::string::npos) << side;
    EXPECT_NE(decoration.out.find("楼层小计(m2)"), std::string::npos) << side;
  }
  // One floor of the range "2,5" shows a quarter of the range's row.
  const nlohmann::json range =
      ToolJson({"show", project_, "concrete-floor", "--floor", "2,5", "--format", "json"});
  const nlohmann::json single =
      ToolJson({"show", project_, "concrete-floor", "--floor", "3", "--format", "json"});
  EXPECT_NEAR(range["rows"][0]["entries"].back()["quantity"].get<double>(),
              4 * single["rows"][0]["entries"].back()["quantity"].get<double>(), 1e-5);
  EXPECT_EQ(RunTool({"show", project_, "concrete-floor", "--side", "both"}).status, 2);
}

TEST_F(PhysicalViewTest, ComponentTableCountsEachDrawingOnceWithItsStoreys) {
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
