// The tool as a user runs it: exit statuses, messages, and files left alone
// on failure.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "tool_runner.h"

namespace reportdata::testing {
namespace {

// The default seed writes the shipped sample byte for byte; another seed
// another project; --compact no line breaks; --revise the design change.
TEST(ToolTest, SampleWritesWhatItsOptionsSay) {
  TempDir dir;
  ASSERT_EQ(RunTool({"sample", dir.File("a.json")}).status, 0);
  EXPECT_EQ(dir.Read("a.json"), ReadFile(kSampleJson))
      << "regenerate with: reportdata sample data/samples/sample-project.json";
  EXPECT_NE(ToolOut({"sample", "-", "--seed", "8"}), dir.Read("a.json"));
  EXPECT_EQ(RunTool({"sample", "-", "--compact"}).out.find('\n'), std::string::npos);
  const ToolRun revised = RunTool({"sample", "--revise", kSampleJson, dir.File("b.json")});
  EXPECT_EQ(revised.out, "wrote " + dir.File("b.json") +
                             ": storey 11 added (47 records), walls of storey 9 changed (1 "
                             "records), 4 doors removed\n");
}

TEST(ToolTest, BadUsageExitsWithTwoAndOneShortLine) {
  const struct {
    std::vector<std::string> args;
    std::string message_start;
  } cases[] = {
      {{}, "reportdata: a command is required; the commands are: import, build, show, "},
      {{"frobnicate"}, "reportdata: unknown command 'frobnicate'; the commands are: import, "},
      {{"sample"}, "reportdata: OUT is required"},
      {{"sample", "x.json", "--floors", "0"}, "reportdata: --floors: "},
      {{"sample", "x.json", "--scale", "many"}, "reportdata: --scale: "},
      {{"sample", "x.json", "--colour"}, "reportdata: "},
      {{"show", "p", "qd", "--depth", "-1"}, "reportdata: --depth: Value -1 not in range 0 to 99"},
      {{"show"}, "reportdata: "},
      {{"show", "p", "qd", "--layout", "c"}, "reportdata: --layout: "},
      {{"show", "p", "qd", "--format", "xml"}, "reportdata: --format: "},
  };
  for (const auto& c : cases) {
    const ToolRun run = RunTool(c.args);
    EXPECT_EQ(run.status, 2) << c.message_start;
    EXPECT_EQ(run.err.rfind(c.message_start, 0), 0u) << run.err;
    EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err;
    EXPECT_LT(run.err.size(), 160u) << run.err;
  }
  EXPECT_NE(ToolOut({"sample", "--help"}).find("--seed"), std::string::npos);
}

// An import or build waits for the other to finish with the project, and a
// build clears what killed imports left.
TEST(ToolTest, BuildAndImportTakeTheProjectLock) {
  TempDir dir;
  const std::string project = dir.File("p");
  const std::string json = REPORTDATA_SOURCE_DIR "/tests/services/data/small_project.json";
  ASSERT_EQ(RunTool({"import", json, project}).status, 0);
  const int held = open(project.c_str(), O_RDONLY | O_DIRECTORY);
  ASSERT_EQ(flock(held, LOCK_EX), 0);
  for (const std::vector<std::string>& args : {std::vector<std::string>{"build", project},
                                               std::vector<std::string>{"import", json, project}}) {
    std::vector<std::string> waiting = args;
    waiting.insert(waiting.end(), {"--wait", "0.2"});
    const ToolRun run = RunTool(waiting);
    EXPECT_EQ(run.status, 1) << args[0];
    EXPECT_EQ(run.err, "reportdata: project " + project +
                           " is in use by another import or build; gave up after 0.2 s (--wait "
                           "SECONDS waits longer)\n");
  }
  EXPECT_FALSE(std::filesystem::exists(project + "/report"));
  close(held);

  const std::string left = project + "/.CalResult.mdb.import-999999999";
  std::ofstream(left) << "killed";
  EXPECT_EQ(RunTool({"build", project, "--quota"}).status, 0);
  EXPECT_FALSE(std::filesystem::exists(left));
}

}  // namespace
}  // namespace reportdata::testing
