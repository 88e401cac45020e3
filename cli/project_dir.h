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
};

// Resolves PROJECT_DIR and the --report-dir option (empty: "report"; a
// relative name is taken inside the project directory). Throws InputError
// when the project directory does not exist or the report directory is not
// a direct child of it.
ProjectDir ResolveProjectDir(const std::string& project_dir, const std::string& report_dir);

// Throws InputError when the project holds no calculation results to build
// from (no CalResult.mdb).
void RequireCalculationResults(const ProjectDir& dir);

// While it lives, this process alone of the tool's imports and builds works
// on the project: both take the lock, so a build reads the calculation
// results of one import, bill side and quota side alike, and an import does
// not replace them under a running build. The lock is the system's advisory
// lock on the project directory itself, so nothing is written into it, and
// it is let go when the process ends, however it ends.
class ProjectLock {
 public:
  // How long a command waits for another to finish, unless told otherwise.
  static constexpr double kDefaultWaitSeconds = 60.0;

  // Waits up to wait_seconds for the lock. Throws InputError naming the
  // project when another import or build still holds it then, or when the
  // directory cannot be opened.
  ProjectLock(const std::filesystem::path& project, double wait_seconds);
  ~ProjectLock();
  ProjectLock(const ProjectLock&) = delete;
  ProjectLock& operator=(const ProjectLock&) = delete;

 private:
  int fd_ = -1;  // the open project directory, which holds the lock
};

}  // namespace reportdata::cli

#endif  // CLI_PROJECT_DIR_H_
