// reportdata import RESULTS.json PROJECT_DIR [--wait SECONDS]
#include <cstdio>
#include <memory>

#include "cli/commands.h"
#include "cli/project_dir.h"
#include "cli/project_import.h"

namespace reportdata::cli {

void AddImportCommand(CLI::App& app) {
  struct Options {
    std::string json;
    std::string project;
    double wait = ProjectLock::kDefaultWaitSeconds;
  };
  auto options = std::make_shared<Options>();
  CLI::App* command = app.add_subcommand(
      "import",
      "Import calculation results in the JSON interchange form into a project directory "
      "(CalResult.mdb and project.ld). A refused file leaves the directory as it was.");
  command->add_option("RESULTS", options->json, "JSON interchange file")->required();
  command->add_option("PROJECT_DIR", options->project, "project directory, created when missing")
      ->required();
  AddWaitOption(command, options->wait);
  command->callback([options] {
    const std::size_t records = ImportResults(options->json, options->project, options->wait);
    std::printf("imported %zu calculation records into %s\n", records, options->project.c_str());
  });
}

}  // namespace reportdata::cli
