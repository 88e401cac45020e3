// A build that cannot read its calculation results writes nothing: the tool
// exits with 1 and the reason, and the report directory keeps every file of
// the last good build byte for byte.
#include <gtest/gtest.h>

#include <fstream>

#include "tool_runner.h"

namespace reportdata::testing {
namespace {

TEST(BuildFailureTest, DamagedCalculationDatabaseLeavesTheReportFilesAlone) {
  TempDir dir;
  const std::string project = dir.File("project");
  const std::string sample =
      std::string(REPORTDATA_SOURCE_DIR) + "/data/samples/sample-project.json";
  ASSERT_EQ(RunTool({"import", sample, project}).status, 0);
  ASSERT_EQ(RunTool({"build", project}).status, 0);
  const std::string database = project + "/CalResult.mdb";
  const std::string good = ReadFile(database);
  const auto before = Snapshot(project + "/report");

  std::string newer = good;
  newer[63] = 9;  // the layout version, big-endian at offset 60 of the header
  std::string noise(good.size(), '\0');
  unsigned state = 12345;
  for (char& byte : noise) byte = static_cast<char>((state = state * 1103515245u + 12345u) >> 16);
  const std::pair<const char*, std::string> damages[] = {
      {"truncated", good.substr(0, good.size() / 2)},
      {"random bytes", noise},
      {"newer layout", newer},
      {"empty", ""},
  };
  const std::vector<std::string> builds[] = {
      {"build", project}, {"build", project, "--bill"}, {"build", project, "--quota"}};
  for (const auto& [damage, bytes] : damages) {
    std::ofstream(database, std::ios::binary | std::ios::trunc) << bytes;
    for (const std::vector<std::string>& args : builds) {
      const ToolRun run = RunTool(args);
      EXPECT_EQ(run.status, 1) << damage << " " << args.size();
      EXPECT_NE(run.err.find("build failed: cannot read"), std::string::npos) << run.err;
      EXPECT_EQ(Snapshot(project + "/report"), before) << damage << " " << args.size();
    }
  }
}

}  // namespace
}  // namespace reportdata::testing
