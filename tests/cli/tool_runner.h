// Runs the reportdata tool as a separate process, as a user does, and
// collects its exit status and what it wrote to standard output and error,
// or reads what it printed as JSON; and the sample project built by it that
// several tests share, with the fixture of the tests that read it.
#ifndef REPORTDATA_TESTS_CLI_TOOL_RUNNER_H_
#define REPORTDATA_TESTS_CLI_TOOL_RUNNER_H_

#include <fcntl.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>

#include <filesystem>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "support/temp_dir.h"

extern char** environ;

namespace reportdata::testing {

struct ToolRun {
  int status = -1;  // exit status; -1 when the tool did not exit normally
  std::string out;
  std::string err;
};

// out_file, when given, receives standard output instead of ToolRun::out.
inline ToolRun RunTool(const std::vector<std::string>& args, const std::string& out_file = "") {
  TempDir capture;
  const std::string out_path = out_file.empty() ? capture.File("out") : out_file;
  const std::string err_path = capture.File("err");
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, out_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                   0600);
  posix_spawn_file_actions_addopen(&actions, 2, err_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                   0600);
  std::vector<std::string> argv_text = {REPORTDATA_CLI};
  argv_text.insert(argv_text.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (std::string& arg : argv_text) argv.push_back(arg.data());
  argv.push_back(nullptr);
  ToolRun run;
  pid_t pid = 0;
  if (posix_spawn(&pid, REPORTDATA_CLI, &actions, nullptr, argv.data(), environ) == 0) {
    int wait_status = 0;
    waitpid(pid, &wait_status, 0);
    if (WIFEXITED(wait_status)) run.status = WEXITSTATUS(wait_status);
  }
  posix_spawn_file_actions_destroy(&actions);
  if (out_file.empty()) run.out = ReadFile(out_path);
  run.err = ReadFile(err_path);
  return run;
}

// What a run of the tool printed, as text or read as JSON; a failed run
// fails the test.
inline std::string ToolOut(const std::vector<std::string>& args) {
  const ToolRun run = RunTool(args);
  EXPECT_EQ(run.status, 0) << run.err;
  return run.out;
}
inline nlohmann::json ToolJson(const std::vector<std::string>& args) {
  return nlohmann::json::parse(ToolOut(args));
}

inline const std::string kSampleJson =
    std::string(REPORTDATA_SOURCE_DIR) + "/data/samples/sample-project.json";

// The shipped sample project, imported and built once for the test program;
// the tests read it and leave it as it is, and may put files into `work`.
class BuiltSample {
 public:
  static const BuiltSample& Get() {
    static const BuiltSample sample;
    return sample;
  }
  const TempDir work;
  const std::string project = work.File("project");
  const ToolRun import = RunTool({"import", kSampleJson, project});
  const ToolRun build = RunTool({"build", project});

 private:
  BuiltSample() = default;
};

// A test of the shared sample: fails at once when its import or build did.
class SampleTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(sample_.import.status, 0) << sample_.import.err;
    ASSERT_EQ(sample_.build.status, 0) << sample_.build.err;
  }
  // A copy of the built sample project in dir, for a test to damage.
  std::string CopyOfSample(const TempDir& dir) const {
    const std::string project = dir.File("project");
    std::filesystem::copy(project_, project, std::filesystem::copy_options::recursive);
    return project;
  }

  const BuiltSample& sample_ = BuiltSample::Get();
  const TempDir* work_ = &sample_.work;
  const std::string& project_ = sample_.project;
};

}  // namespace reportdata::testing

#endif  // REPORTDATA_TESTS_CLI_TOOL_RUNNER_H_
