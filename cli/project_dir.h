// The directories a command works in. The engine takes the project directory
// as the parent of the report data directory it is given, so a report
// directory must be a direct child of the project directory.
#ifndef CLI_PROJECT_DIR_H_
#define CLI_PROJECT_DIR_H_

#include <filesystem>
#include <string>

#include "reportdata/framework.h"

namespace reportdata::cli {

struct ProjectDir {
  std::filesystem::path project;  // absolute
  std::filesystem::path report;   // absolute, a direct child of project

  // The report directory as the engine's entries take it.
  CString ReportArgument() const;
  // report / file.
  std::filesystem::path ReportFile(const std::string& file) const;
};

// Resolves PROJECT_DIR and the --report-dir option (empty: "report"; a
// relative name is taken inside the project directory). Throws InputError
// when the project directory does not exist or the report directory is not
// a direct child of it.
ProjectDir ResolveProjectDir(const std::string& project_dir, const std::string& report_dir);

// Throws InputError when the project holds no calculation results to build
// from (no CalResult.mdb).
void RequireCalculationResults(const ProjectDir& dir);

}  // namespace reportdata::cli

#endif  // CLI_PROJECT_DIR_H_
