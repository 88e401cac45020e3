// The index analysis and the cloud index report of the built sample project,
// through the tool: non-zero ratios for every group the sample feeds, rows by
// scope and floor, and the saved document.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <set>

#include "tool_runner.h"

namespace reportdata::testing {
namespace {

using CloudCommandTest = SampleTest;

TEST_F(CloudCommandTest, IndexAnalysisShowsRatiosOfEveryFedGroup) {
  std::set<std::string> fed;
  for (const auto& row : ToolJson({"show", project_, "zbfx", "--format", "cells"})) {
    if (row[1] != "0" || row[0] == "1") continue;  // group rows only
    if (row[6] != "0" && row[6] != "0.000000") fed.insert(row[2]);
  }
  EXPECT_EQ(fed,
            (std::set<std::string>{"土方工程", "混凝土工程", "砌体工程", "模板工程", "装饰工程"}));
}

TEST_F(CloudCommandTest, PrintsTheReportByScopeAndFloor) {
  const std::string xml = work_->File("report.xml");
  const nlohmann::json rows =
      ToolJson({"cloud", project_, "--format", "json", "--xml", xml})["rows"];
  // Numbers as numbers, for a program to add up.
  for (const char* key : {"quantity", "perArea", "rate", "area"})
    EXPECT_TRUE(rows[0][key].is_number() && rows[0][key] > 0) << key << ": " << rows[0][key];
  EXPECT_EQ(std::vector({rows[0]["name"], rows[0]["scope"], rows[3]["id"], rows[3]["name"],
                         rows[3]["scope"]}),
            (std::vector<nlohmann::json>{"混凝土", "工程", "1.2.1", "1层", "本层"}));
  EXPECT_EQ(ReadFile(xml).rfind("<工程数据 Version=\"1\" Name=\"云指标模板\" MTRateColumn=\"1\">"
                                "<Root1 Name=\"混凝土\"",
                                0),
            0u);

  const ToolRun top = RunTool({"cloud", project_, "--max-level", "1", "--format", "csv"});
  EXPECT_EQ(top.out.find(",1.1,"), std::string::npos);
  EXPECT_NE(top.out.find("\n0,2,模板,"), std::string::npos);
}

}  // namespace
}  // namespace reportdata::testing
