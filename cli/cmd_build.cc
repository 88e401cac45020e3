// reportdata build PROJECT_DIR [--bill] [--quota] [--report-dir DIR] [--wait SECONDS]
#include <cstdio>
#include <memory>

#include "cli/commands.h"
#include "cli/project_build.h"
#include "reportdata/importer.h"

namespace reportdata::cli {

void AddBuildCommand(CLI::App& app) {
  struct Options {
    std::string project;
    std::string report_dir;
    bool bill = false;
    bool quota = false;
    double wait = ProjectLock::kDefaultWaitSeconds;
  };
  auto options = std::make_shared<Options>();
  CLI::App* command = app.add_subcommand(
      "build",
      "Build the report tables of an imported project and write their table files. Runs the "
      "bill build, then the quota build; name one to run only that.");
  command->add_option("PROJECT_DIR", options->project, "project directory holding CalResult.mdb")
      ->required();
  command->add_flag("--bill", options->bill, "run the bill (清单) build");
  command->add_flag("--quota", options->quota, "run the quota (定额) build");
  AddReportDirOption(command, options->report_dir);
  AddWaitOption(command, options->wait);
  command->callback([options] {
    const ProjectDir dir = ResolveProjectDir(options->project, options->report_dir);
    const ProjectLock lock(dir.project, options->wait);
    RemoveAbandonedImports(dir.project.string());
    RequireCalculationResults(dir);
    BuildOptions build;
    if (options->bill || options->quota) {
      build.bill = options->bill;
      build.quota = options->quota;
    }
    const BuildSummary summary = BuildProject(dir, build);
    std::fputs(FormatBuildSummary(dir, summary).c_str(), stdout);
  });
}

}  // namespace reportdata::cli
