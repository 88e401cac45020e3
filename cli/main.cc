// reportdata: the command-line face of the report data module. It reaches
// the module only through the exported facades, as a host application does.
// Exit status: 0 on success, 1 on bad input or output that could not be
// written, 2 on bad usage. Every error is one line on standard error.
#include <CLI/CLI.hpp>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <exception>
#include <string>

#include "cli/commands.h"
#include "reportdata/version.h"

namespace {

std::string CommandNames(CLI::App& app) {
  std::string names;
  for (const CLI::App* command : app.get_subcommands({})) {
    names += (names.empty() ? "" : ", ") + command->get_name();
  }
  return names;
}

// The first word that is not an option, when it names no command.
const char* UnknownCommand(CLI::App& app, int argc, char** argv) {
  if (argc < 2 || argv[1][0] == '-') return nullptr;
  for (const CLI::App* command : app.get_subcommands({})) {
    if (command->get_name() == argv[1]) return nullptr;
  }
  return argv[1];
}

int UsageError(const std::string& message) {
  std::fprintf(stderr, "reportdata: %s\n", message.c_str());
  return 2;
}

// A command whose output was lost has failed, even when the rest went well:
// `reportdata show P qd > /dev/full` must not look like a success.
int CheckOutputWritten() {
  if (std::fflush(stdout) == 0 && !std::ferror(stdout)) return 0;
  const int error = errno;
  std::fprintf(stderr, "reportdata: cannot write standard output: %s\n",
               error != 0 ? std::strerror(error) : "write error");
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  namespace cli = reportdata::cli;
  CLI::App app{"reportdata: report tables of a building-quantity takeoff project"};
  app.set_version_flag("--version", std::string("reportdata ") + reportdata::LibraryVersion());
  app.require_subcommand(1);
  cli::AddImportCommand(app);
  cli::AddBuildCommand(app);
  cli::AddShowCommand(app);
  cli::AddTablesCommand(app);
  cli::AddCloudCommand(app);
  cli::AddCompareCommand(app);
  cli::AddExportCommand(app);
  cli::AddHtmlCommand(app);
  cli::AddSampleCommand(app);
  cli::AddDemoCommand(app);
  if (const char* unknown = UnknownCommand(app, argc, argv)) {
    return UsageError("unknown command '" + std::string(unknown) +
                      "'; the commands are: " + CommandNames(app));
  }
  try {
    app.parse(argc, argv);
  } catch (const CLI::Success& help_or_version) {
    app.exit(help_or_version);
    return CheckOutputWritten();
  } catch (const CLI::ParseError& error) {
    if (argc < 2)
      return UsageError("a command is required; the commands are: " + CommandNames(app));
    const std::string command = argv[1][0] != '-' ? std::string(argv[1]) + " " : "";
    return UsageError(std::string(error.what()) + " (reportdata " + command + "--help)");
  } catch (const std::exception& error) {
    std::fflush(stdout);
    std::fprintf(stderr, "reportdata: %s\n", error.what());
    return 1;
  }
  return CheckOutputWritten();
}
