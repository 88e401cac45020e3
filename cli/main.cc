// reportdata: the command-line face of the report data module. It reaches
// the module only through the exported facades, as a host application does.
// Exit status: 0 on success, 1 on bad input, 2 on bad usage.
#include <CLI/CLI.hpp>
#include <cstdio>
#include <exception>

#include "cli/commands.h"
#include "reportdata/version.h"

int main(int argc, char** argv) {
  namespace cli = reportdata::cli;
  CLI::App app{"reportdata: report tables of a building-quantity takeoff project"};
  app.set_version_flag("--version", std::string("reportdata ") + reportdata::LibraryVersion());
  app.require_subcommand(1);
  cli::AddImportCommand(app);
  cli::AddBuildCommand(app);
  cli::AddShowCommand(app);
  cli::AddSampleCommand(app);
  cli::AddDemoCommand(app);
  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& error) {
    return app.exit(error) == 0 ? 0 : 2;
  } catch (const std::exception& error) {
    std::fflush(stdout);
    std::fprintf(stderr, "reportdata: %s\n", error.what());
    return 1;
  }
  return 0;
}
