// The tool on the shipped sample project, end to end through the module:
// import, build, show in every format, and what bad input leaves behind.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <nlohmann/json.hpp>
#include <set>
#include <sstream>

#include "tool_runner.h"

namespace reportdata::testing {
namespace {

namespace fs = std::filesystem;

// The shared sample project: import, build, and every way of showing it.
class ProjectTest : public SampleTest {
 protected:
  // What show printed; a failed run fails the test.
  std::string Show(std::vector<std::string> args) const {
    args.insert(args.begin(), {"show", project_});
    return ToolOut(args);
  }
  // The table's rows as cells; a failed run fails the test.
  nlohmann::json Cells(std::vector<std::string> args) const {
    args.insert(args.begin(), {"show", project_});
    args.insert(args.end(), {"--format", "cells"});
    return ToolJson(args);
  }

  const std::string& build_out_ = sample_.build.out;
};

TEST_F(ProjectTest, TablesListsEveryTableWithTheRowsTheBuildCounted) {
  EXPECT_EQ(sample_.import.out, "imported 681 calculation records into " + project_ + "\n");
  EXPECT_EQ(build_out_.find("report tables written to " + project_ + "/report\n"), 0u)
      << build_out_;
  std::istringstream lines(ToolOut({"tables", project_}));
  std::string line;
  std::getline(lines, line);
  size_t listed = 0;
  while (std::getline(lines, line)) {
    std::istringstream fields(line);
    std::string name, stem, file, side, rows;
    fields >> name >> stem >> file >> side >> rows;
    ++listed;
    // The build summary says "name  file  rows rows".
    const size_t at = build_out_.find(file);
    ASSERT_NE(at, std::string::npos) << line;
    EXPECT_EQ(std::stoul(build_out_.substr(at + file.size())), std::stoul(rows)) << line;
  }
  EXPECT_EQ(listed, 11u);
  // The same list for a program, the rows as numbers.
  const nlohmann::json json = ToolJson({"tables", project_, "--format", "json"})["tables"];
  ASSERT_EQ(json.size(), 11u);
  EXPECT_EQ(json[0]["stem"], "qd");
  EXPECT_TRUE(json[0]["rows"].is_number() && json[0]["rows"] > 0) << json[0];
  const std::string unbuilt = ToolOut({"tables", project_, "--report-dir", "none"});
  EXPECT_NE(unbuilt.find("qd.xml      bill         -\n"), std::string::npos) << unbuilt;
}

TEST_F(ProjectTest, ShowsOneItemAndTheStreamLayout) {
  const nlohmann::json rows = Cells({"定额汇总表", "混凝土及钢筋混凝土工程"});
  ASSERT_GT(rows.size(), 2u);
  EXPECT_EQ(rows[1][2], "混凝土及钢筋混凝土工程");
  for (size_t i = 2; i < rows.size(); ++i) EXPECT_NE(rows[i][1], "0") << rows[i];

  const nlohmann::json flat = Cells({"de1", "--layout", "b"});
  ASSERT_FALSE(flat.empty());
  EXPECT_EQ(flat[0], "#ZhangFlag#");
  EXPECT_GT(std::count(flat.begin(), flat.end(), "#DEItemFlag#"), 5);

  EXPECT_EQ(Show({"qd"}).rfind("清单汇总表  全部", 0), 0u);
  const std::string floor = Show({"de2", "2,5", "--depth", "1"});
  EXPECT_NE(floor.find("\n2,5层\n  砌筑工程\n  混凝土及钢筋混凝土工程\n"), std::string::npos)
      << floor;
}

TEST_F(ProjectTest, EveryTableNamesItsColumnsInOrder) {
  const std::map<std::string, std::string> tables = {
      {"qd", "层级,章节,编码,名称,项目特征,楼层,构件,位置,单位,工程量,说明,计算式"},
      {"qdxhl", "层级,章节,编码,名称,项目特征,楼层,构件,位置,单位,工程量,说明,计算式"},
      {"de", "层级,章节,编码,名称,项目特征,楼层,构件,位置,单位,工程量,说明,计算式"},
      {"de1", "层级,章节,编码,名称,项目特征,楼层,构件,位置,单位,工程量,说明,计算式"},
      {"de2", "层级,楼层,章节,编码,名称,项目特征,构件,位置,单位,工程量,说明,计算式"},
      {"de3", "层级,楼层,构件,计算项目,编码,名称,项目特征,位置,单位,工程量,说明,计算式"},
      {"mj", "层级,名称,楼层,单位,面积,计算式"},
      {"mc", "层级,类别,编号,楼层,位置,单位,数量,计算式"},
      {"room1", "层级,房间,编码,名称,项目特征,楼层,构件,位置,单位,工程量,说明,计算式"},
      {"room2", "层级,楼层,房间,位置类别,编码,名称,项目特征,位置,单位,工程量,说明,计算式"},
      {"zbfx", "层级,指标组,指标项,楼层,单位,指标,计算式,说明"},
  };
  for (const auto& [stem, expected] : tables) {
    const std::string csv = Show({stem, "--format", "csv"});
    EXPECT_EQ(csv.substr(0, csv.find("\r\n")), "\xEF\xBB\xBF" + expected) << stem;
  }
}

TEST_F(ProjectTest, FloorSelectsRowsAsTheThreeListQueryAndDecimalsRound) {
  const std::set<std::string> floors = {"2,5层", "2层", "3层", "4层", "5层"};
  for (const char* stem : {"qd", "de1", "de2", "de3"}) {
    SCOPED_TRACE(stem);
    const nlohmann::json table =
        ToolJson({"show", project_, stem, "--floor", "2,5", "--format", "json"});
    size_t seen = 0;
    for (const auto& row : table["rows"]) {
      const std::string floor = row["floor"];
      if (floor.empty()) continue;
      ++seen;
      EXPECT_TRUE(floors.contains(floor)) << stem << ": " << floor;
    }
    EXPECT_GT(seen, 0u) << stem;
  }
  const std::string csv = Show({"de1", "--floor", "2,5层", "--format", "csv", "--decimals", "1"});
  EXPECT_NE(csv.find(",10m3,0.3,"), std::string::npos) << csv.substr(0, 600);
  EXPECT_EQ(csv.find("0000,"), std::string::npos) << csv.substr(0, 600);
}

// Text is for people and rounds by unit; CSV and JSON keep the module's
// values; --decimals rounds every form and --as-written keeps text as written.
TEST_F(ProjectTest, QuantitiesRoundByUnitInTextOnly) {
  const struct {
    std::vector<std::string> options;
    std::string shown;
    std::string not_shown;
  } cases[] = {
      {{}, " 9.50\n", "9.504000"},
      {{"--as-written"}, " 9.504000\n", " 9.50\n"},
      {{"--decimals", "1"}, " 9.5\n", "9.50"},
      {{"--format", "csv"}, ",9.504000,", "9.50,"},
      {{"--format", "json"}, "\"quantity\":9.504,", "9.504000"},
      {{"--format", "json", "--decimals", "1"}, "\"quantity\":9.5,", "9.504"},
  };
  for (const auto& c : cases) {
    std::vector<std::string> args = {"qd", "砌筑工程"};
    args.insert(args.end(), c.options.begin(), c.options.end());
    const std::string shown = Show(args);
    EXPECT_NE(shown.find(c.shown), std::string::npos) << c.shown << "\n" << shown.substr(0, 900);
    EXPECT_EQ(shown.find(c.not_shown), std::string::npos) << c.not_shown;
  }
}

TEST_F(ProjectTest, MergeFlagAndConditionReachTheFacade) {
  const auto records = [](const nlohmann::json& rows, const std::string& mark) {
    size_t n = 0;
    for (const auto& row : rows) {
      if (row[10].get<std::string>().find(mark) != std::string::npos) ++n;
    }
    return n;
  };
  const nlohmann::json merged = Cells({"qd", "门窗工程"});
  const nlohmann::json apart = Cells({"qd", "门窗工程", "--no-merge", "--condition", "一期"});
  // Pairs of doors and windows merge into records of two pieces; with
  // merging off each piece is a row of its own.
  EXPECT_GT(records(merged, "*2件"), 3u);
  EXPECT_EQ(records(apart, "件"), 0u);
  EXPECT_EQ(apart.size(), merged.size() + records(merged, "*2件"));
  EXPECT_EQ(merged[0][2], "");
  EXPECT_EQ(apart[0][2], "一期");
}

TEST_F(ProjectTest, PartitionsNarrowTheQuantities) {
  EXPECT_NE(Cells({"qd"}), Cells({"qd", "--partition", "1区"}));
}

// Bad input exits with one, says why in one line, and changes nothing.
TEST_F(ProjectTest, BadInputExitsWithOneAndChangesNothing) {
  const auto before = Snapshot(project_);
  fs::create_directory(work_->File("empty"));
  work_->Write("bad.xml", "<其他/>");
  const struct {
    std::vector<std::string> args;
    std::string err;  // the whole message, or its start when it ends in "..."
  } cases[] = {
      {{"show", project_, "qd2"}, "unknown table 'qd2'; the tables are: 清单汇总表 (qd), ..."},
      {{"show", project_, "qd", "钢结构工程"},
       "no item '钢结构工程' in 清单汇总表; its items are: ..."},
      {{"show", project_, "qd", "--partition", "9区"},
       "unknown partition '9区'; the project has: 1区, 2区, 3区, 未分区\n"},
      {{"show", project_, "zbfx", "--floor", "1"}, "指标分析表 answers no selection by floor\n"},
      {{"show", project_, "mj", "ANYTHING"},
       "no item 'ANYTHING' in 建筑面积汇总表; its items are: 建筑面积\n"},
      {{"export", project_, "-"},
       "export writes a workbook file, not standard output: name OUT.xlsx\n"},
      {{"build", work_->File("empty")},
       "no calculation results in " + work_->File("empty") +
           ": CalResult.mdb is missing (run `reportdata import` first)\n"},
      {{"import", work_->File("empty"), work_->File("other")},
       work_->File("empty") + ": cannot read: Is a directory\n"},
      {{"sample", work_->File("missing/out.json")},
       work_->File("missing/out.json") +
           ": cannot create a temporary file beside it (No such file or directory)\n"},
      {{"cloud", project_, "--template", work_->File("bad.xml")},
       "cannot read the cloud index template " + work_->File("bad.xml") +
           ": missing, or not a <云指标模板> document\n"},
      {{"cloud", work_->File("empty")},
       "no cloud-index data in " + work_->File("empty") + "/report; run 'reportdata build " +
           work_->File("empty") + "' first\n"},
  };
  for (const auto& c : cases) {
    const ToolRun run = RunTool(c.args);
    EXPECT_EQ(run.status, 1) << c.err;
    EXPECT_EQ(run.out, "") << c.err;
    const std::string expected = "reportdata: " + c.err;
    if (expected.ends_with("...")) {
      EXPECT_EQ(run.err.rfind(expected.substr(0, expected.size() - 3), 0), 0u) << run.err;
    } else {
      EXPECT_EQ(run.err, expected);
    }
  }
  EXPECT_EQ(Snapshot(project_), before);
  EXPECT_TRUE(fs::is_empty(work_->File("empty")));
  EXPECT_FALSE(fs::exists("-"));
  // `-` as the page's name is standard output.
  const std::string page = ToolOut({"html", project_, "-"});
  EXPECT_EQ(page.rfind("<!DOCTYPE html>", 0), 0u) << page.substr(0, 100);
  EXPECT_FALSE(fs::exists("-"));
  // Output lost on the way: a failure too.
  const ToolRun full = RunTool({"show", project_, "qd"}, "/dev/full");
  EXPECT_EQ(full.status, 1);
  EXPECT_EQ(full.err, "reportdata: cannot write standard output: No space left on device\n");
}

TEST(DemoTest, RunsTheMainJob) {
  TempDir dir;
  const std::string demo = ToolOut({"demo", "--dir", dir.File("work")});
  // The building area of the storeys 2 to 5: 4 × (594 + 12.96) m²; the
  // design change: a storey added on top of the sample's ten.
  for (const char* shown :
       {"imported 681 calculation records", "\n清单汇总表  混凝土及钢筋混凝土工程",
        "\n定额汇总表  ", "\n建筑面积汇总表  ", " 2427.84\n",
        "\n建筑面积汇总表  旧: ", "\n    11层 "}) {
    EXPECT_NE(demo.find(shown), std::string::npos) << shown << "\n" << demo;
  }
  EXPECT_TRUE(fs::is_regular_file(dir.File("work/project/report/qd.xml")));
}

}  // namespace
}  // namespace reportdata::testing
