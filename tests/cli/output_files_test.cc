// The files the tool writes among a user's own files (a report page, a
// workbook, a saved cloud report, a generated project, the demo's work
// directory): a link planted under the name of the output, or under a name
// a temporary file of a coming run could take, never leads a write anywhere
// else.
#include <gtest/gtest.h>

#include <filesystem>

#include "support/scoped_env.h"
#include "tool_runner.h"

namespace reportdata::testing {
namespace {

namespace fs = std::filesystem;

using OutputFilesTest = SampleTest;

TEST_F(OutputFilesTest, PlantedLinksLeadNoWriteElsewhere) {
  TempDir dir;
  const std::string out = dir.File("out");
  const std::string victim = dir.File("victim");
  const std::string victim_dir = dir.File("victim.d");
  fs::create_directory(victim_dir);
  // Names that carry a process id are planted for the ids the next
  // processes of this machine get.
  const long last_pid = std::stol(ReadFile("/proc/sys/kernel/ns_last_pid"));
  const auto for_next_pids = [&](const std::string& prefix) {
    std::vector<std::string> names;
    for (long pid = last_pid + 1; pid <= last_pid + 2000; ++pid)
      names.push_back(prefix + std::to_string(pid));
    return names;
  };
  struct Case {
    std::vector<std::string> args;
    std::vector<std::string> planted;  // links to the victim
    std::string target;                // what the links lead to
  };
  const Case cases[] = {
      {{"html", project_, out}, {out + ".partial"}, victim},
      {{"export", project_, out}, {out + ".partial"}, victim},
      {{"cloud", project_, "--xml", out}, {out}, victim},
      {{"sample", out}, for_next_pids(out + ".part-"), victim},
      {{"demo"}, for_next_pids(dir.File("reportdata-demo-")), victim_dir},
  };
  // The demo's work directory goes under TMPDIR.
  const ScopedEnv tmp("TMPDIR", dir.path().c_str());
  for (const Case& c : cases) {
    fs::remove(out);
    std::ofstream(victim, std::ios::trunc) << "kept";
    for (const std::string& name : c.planted) fs::create_symlink(c.target, name);
    const ToolRun run = RunTool(c.args);
    EXPECT_EQ(run.status, 0) << c.args[0] << ": " << run.err;
    EXPECT_TRUE(ReadFile(victim) == "kept") << c.args[0];  // not its bytes: a whole page
    EXPECT_TRUE(fs::is_empty(victim_dir)) << c.args[0];
    for (const std::string& name : c.planted) fs::remove(name);
  }
}

}  // namespace
}  // namespace reportdata::testing
