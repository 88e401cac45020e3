// The commands of the reportdata tool. Each adds its subcommand, with its
// options and the callback that runs it, to the application. A callback
// throws InputError for bad input; the parser's own errors are bad usage.
// The options, the printing and the sample files that several commands
// share are here too, so that they read and write alike.
#ifndef CLI_COMMANDS_H_
#define CLI_COMMANDS_H_

#include <CLI/CLI.hpp>
#include <cstdio>
#include <string>
#include <string_view>

#include "cli/sample_project.h"
#include "cli/sample_revise.h"

namespace reportdata::cli {

void AddImportCommand(CLI::App& app);
void AddBuildCommand(CLI::App& app);
void AddShowCommand(CLI::App& app);
void AddTablesCommand(CLI::App& app);
void AddExportCommand(CLI::App& app);
void AddHtmlCommand(CLI::App& app);
void AddSampleCommand(CLI::App& app);
void AddDemoCommand(CLI::App& app);
void AddCloudCommand(CLI::App& app);
void AddCompareCommand(CLI::App& app);

// What `reportdata sample` writes, each through a temporary file beside
// path so that a failure leaves an existing file as it was. Throw
// InputError when the file cannot be read or written.
SampleCounts WriteSampleFile(const SampleOptions& sample, bool pretty, const std::string& path);
RevisionCounts ReviseFile(const std::string& old_path, const std::string& path);

// The options that several commands take, in one wording.
inline void AddReportDirOption(CLI::App* command, std::string& dir,
                               const std::string& parent = "PROJECT_DIR") {
  command->add_option("--report-dir", dir,
                      "report data directory, a direct child of " + parent + " (default: report)");
}
inline void AddWaitOption(CLI::App* command, double& seconds) {
  command
      ->add_option("--wait", seconds,
                   "seconds to wait for an import or build of the project by another process "
                   "(default: 60)")
      ->check(CLI::NonNegativeNumber);
}

// What a command prints; main checks that it was written.
inline void Print(std::string_view text) { std::fwrite(text.data(), 1, text.size(), stdout); }

}  // namespace reportdata::cli

#endif  // CLI_COMMANDS_H_
