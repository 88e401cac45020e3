// Runs the reportdata tool as a separate process, as a user does, and
// collects its exit status and what it wrote to standard output and error.
#ifndef REPORTDATA_TESTS_CLI_TOOL_RUNNER_H_
#define REPORTDATA_TESTS_CLI_TOOL_RUNNER_H_

#include <fcntl.h>
#include <pty.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
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

inline std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

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

// Runs the tool with a terminal as standard output and error, as `script`
// does; ToolRun::out gets everything the terminal showed.
inline ToolRun RunToolOnTerminal(const std::vector<std::string>& args) {
  std::vector<std::string> argv_text = {REPORTDATA_CLI};
  argv_text.insert(argv_text.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (std::string& arg : argv_text) argv.push_back(arg.data());
  argv.push_back(nullptr);
  ToolRun run;
  int terminal = -1;
  const pid_t pid = forkpty(&terminal, nullptr, nullptr, nullptr);
  if (pid == 0) {
    unsetenv("REPORTDATA_QUIET");
    execv(REPORTDATA_CLI, argv.data());
    _exit(127);
  }
  if (pid < 0) return run;
  char buffer[4096];
  for (ssize_t n; (n = read(terminal, buffer, sizeof buffer)) > 0;) run.out.append(buffer, n);
  close(terminal);
  int wait_status = 0;
  waitpid(pid, &wait_status, 0);
  if (WIFEXITED(wait_status)) run.status = WEXITSTATUS(wait_status);
  return run;
}

// Every file under dir with its bytes.
inline std::map<std::string, std::string> Snapshot(const std::string& dir) {
  std::map<std::string, std::string> files;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(dir)) {
    if (entry.is_regular_file()) files[entry.path().string()] = ReadFile(entry.path().string());
  }
  return files;
}

}  // namespace reportdata::testing

#endif  // REPORTDATA_TESTS_CLI_TOOL_RUNNER_H_
