// `reportdata compare` on projects built from small interchange files whose
// differences are known by hand, and on the shipped sample against itself.
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "support/project_json.h"
#include "tool_runner.h"

namespace reportdata::testing {
namespace {

class CompareCommandTest : public SampleTest {
 protected:
  // Imports and builds a project from the bills; returns its directory.
  std::string Built(const std::string& name, const std::vector<JsonEntry>& bills,
                    const std::vector<std::string>& partitions) {
    const std::string json = dir_.File(name + ".json");
    dir_.Write(name + ".json", ProjectJson(bills, partitions));
    const std::string project = dir_.File(name);
    EXPECT_EQ(RunTool({"import", json, project}).status, 0);
    ToolOut({"build", project});
    return project;
  }

  TempDir dir_;
};

// The row of that kind whose path is `path`; null when there is none.
const nlohmann::json* FindRow(const nlohmann::json& rows, const std::vector<std::string>& path,
                              const std::string& kind = "row", const std::string& unit = "") {
  for (const nlohmann::json& row : rows) {
    if (row["kind"] == kind && row["path"] == path && (unit.empty() || row["unit"] == unit))
      return &row;
  }
  return nullptr;
}

TEST_F(CompareCommandTest, MatchesRowsByWhatTheyStandFor) {
  const std::string old_project = Built("old",
                                        {{{"010502001", "矩形柱", "m3", "1", "KZ1", "1.25"}},
                                         {{"010502001", "矩形柱", "m3", "2", "KZ1", "1.25"}},
                                         {{"010503002", "矩形梁", "m3", "1", "KL1", "0.80"}}},
                                        {"1区", "2区"});
  const std::string new_project = Built("new",
                                        {{{"010502001", "矩形柱", "m3", "1", "KZ1", "1.25"}},
                                         {{"010502001", "矩形柱", "m3", "2", "KZ1", "1.75"}},
                                         {{"010503002", "矩形梁", "m", "1", "KL1", "0.80"}},
                                         {{"010504001", "直形墙", "m3", "2", "Q1", "2.00"}}},
                                        {"1区"});
  const nlohmann::json answer =
      ToolJson({"compare", old_project, new_project, "--format", "json"})["tables"][0];
  const nlohmann::json& rows = answer["rows"];
  const std::string chapter = "混凝土及钢筋混凝土工程";
  const std::string column = "010502001  矩形柱";
  struct Case {
    std::vector<std::string> path;
    std::string kind;
    std::string unit;
    std::string status;
    double difference;
  };
  const Case cases[] = {
      {{chapter, column, "2层"}, "row", "", "changed", 0.50},
      {{chapter, column, "1层"}, "row", "", "unchanged", 0},
      // 3.30 before; 1.25 + 1.75 + 2.00 after: the beam moved to metres.
      {{chapter, "合计"}, "group-total", "m3", "changed", 1.70},
      {{chapter, "010503002  矩形梁"}, "row", "m3", "removed", -0.80},
      {{chapter, "010503002  矩形梁"}, "row", "m", "added", 0.80},
      {{chapter, "010504001  直形墙"}, "row", "", "added", 2.00},
      {{"总计"}, "table-total", "m3", "changed", 1.70},
  };
  for (const Case& c : cases) {
    const nlohmann::json* row = FindRow(rows, c.path, c.kind, c.unit);
    ASSERT_NE(row, nullptr) << c.path.back() << " " << c.unit;
    EXPECT_EQ((*row)["status"], c.status) << c.path.back();
    EXPECT_NEAR((*row)["difference"].get<double>(), c.difference, 1e-9) << c.path.back();
  }
  EXPECT_EQ((*FindRow(rows, {chapter, "010504001  直形墙"}))["new"].get<double>(), 2.0);
  EXPECT_EQ((*FindRow(rows, {chapter, "010504001  直形墙", "2层"}))["mark"], "新增");
  EXPECT_EQ(answer["summary"]["changed"], 1);
  EXPECT_EQ(answer["summary"]["added"], 2);
  EXPECT_EQ(answer["summary"]["removed"], 1);

  const nlohmann::json changed = ToolJson(
      {"compare", old_project, new_project, "--changed", "--format", "json"})["tables"][0]["rows"];
  EXPECT_EQ(FindRow(changed, {chapter, column, "1层"}), nullptr);
  EXPECT_NE(FindRow(changed, {chapter, column, "2层"}), nullptr);
  // A tolerance above the column's difference makes it unchanged.
  const nlohmann::json tolerant = ToolJson(
      {"compare", old_project, new_project, "--changed", "--tolerance", "0.6", "--format", "json"});
  EXPECT_EQ(FindRow(tolerant["tables"][0]["rows"], {chapter, column}), nullptr);

  // The page and the workbook: the grown column's rows are coloured as
  // increases, the removed beam marked.
  const std::string page = dir_.File("compare.html");
  const std::string book = dir_.File("compare.xlsx");
  ASSERT_EQ(
      RunTool({"compare", old_project, new_project, "--changed", "--html", page, "--xlsx", book})
          .status,
      0);
  const std::string html = ReadFile(page);
  EXPECT_NE(html.find("<tr data-l=\"2\" class=\"up\" hidden><td class=\"tree\" "
                      "style=\"--l:2\"><button class=\"t\" aria-label=\"展开\"></button>2层</td>"),
            std::string::npos);
  EXPECT_NE(html.find("<td>删除</td>"), std::string::npos);
  EXPECT_GT(std::filesystem::file_size(book), 0u);

  // CSV in named columns, numbers as numbers; the one partition both
  // projects share holds every record.
  const std::string csv = ToolOut(
      {"compare", old_project, new_project, "--partition", "1区", "--changed", "--format", "csv"});
  EXPECT_EQ(csv.substr(0, csv.find('\n') + 1),
            "\xEF\xBB\xBF表,层级,行类别,项目,上级,单位,旧工程量,新工程量,差值,变化率,状态\r\n");
  EXPECT_NE(csv.find("清单汇总表,2,,2层,混凝土及钢筋混凝土工程 / 010502001  矩形柱,m3,"
                     "1.250000,1.750000,0.500000,0.400000,增加\r\n"),
            std::string::npos)
      << csv;

  const ToolRun partition = RunTool({"compare", old_project, new_project, "--partition", "2区"});
  EXPECT_EQ(partition.status, 1);
  EXPECT_NE(partition.err.find("'2区'"), std::string::npos) << partition.err;
  EXPECT_NE(partition.err.find(new_project), std::string::npos) << partition.err;
}

TEST_F(CompareCommandTest, AProjectComparedWithItselfHasNothingChangedInAnyTable) {
  const nlohmann::json answer =
      ToolJson({"compare", project_, project_, "qd", "de1", "mj", "mc", "concrete-floor", "zbfx",
                "--changed", "--format", "json"});
  ASSERT_EQ(answer["tables"].size(), 6u);
  for (const nlohmann::json& table : answer["tables"]) {
    EXPECT_EQ(table["rows"].size(), 0u) << table["table"];
    EXPECT_EQ(table["summary"]["changed"], 0) << table["table"];
    EXPECT_GT(table["summary"]["unchanged"], 0) << table["table"];
  }
}

TEST_F(CompareCommandTest, ExitsWithOneOnAMissingOrDamagedProjectAndTwoOnBadUsage) {
  const std::string unbuilt = dir_.File("unbuilt");
  std::filesystem::create_directories(unbuilt + "/report");
  const ToolRun missing = RunTool({"compare", project_, unbuilt});
  EXPECT_EQ(missing.status, 1);
  EXPECT_NE(missing.err.find(unbuilt + "/report/qd.xml"), std::string::npos) << missing.err;
  const std::string damaged = CopyOfSample(dir_);
  std::ofstream(damaged + "/report/mj.xml") << "<工程数据";
  const ToolRun broken = RunTool({"compare", damaged, project_, "mj"});
  EXPECT_EQ(broken.status, 1);
  EXPECT_NE(broken.err.find(damaged + "/report/mj.xml"), std::string::npos) << broken.err;
  EXPECT_EQ(RunTool({"compare", project_, project_, "房间汇总表"}).status, 2);
  EXPECT_EQ(RunTool({"compare", project_}).status, 2);
}

}  // namespace
}  // namespace reportdata::testing
