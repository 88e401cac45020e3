#include "cli/project_dir.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <thread>

#include "cli/input_error.h"
#include "platform/text.h"

namespace reportdata::cli {

namespace fs = std::filesystem;

CString ProjectDir::ReportArgument() const { return CString(FromUtf8(report.string())); }

ProjectDir ResolveProjectDir(const std::string& project_dir, const std::string& report_dir) {
  std::error_code error;
  if (!fs::is_directory(project_dir, error))
    throw InputError("project directory not found: " + project_dir);
  ProjectDir dir;
  dir.project = fs::weakly_canonical(fs::absolute(project_dir));
  if (!dir.project.has_filename()) dir.project = dir.project.parent_path();
  const fs::path wanted = report_dir.empty() ? fs::path("report") : fs::path(report_dir);
  dir.report = fs::weakly_canonical(wanted.is_absolute() ? wanted : dir.project / wanted);
  if (!dir.report.has_filename()) dir.report = dir.report.parent_path();  // "tables/"
  if (dir.report.parent_path() != dir.project || dir.report.filename().empty()) {
    throw InputError("report directory " + dir.report.string() +
                     " is not a direct child of the project directory " + dir.project.string());
  }
  return dir;
}

void RequireCalculationResults(const ProjectDir& dir) {
  std::error_code error;
  if (!fs::is_regular_file(dir.project / "CalResult.mdb", error)) {
    throw InputError("no calculation results in " + dir.project.string() +
                     ": CalResult.mdb is missing (run `reportdata import` first)");
  }
}

ProjectLock::ProjectLock(const fs::path& project, double wait_seconds) {
  fd_ = open(project.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd_ < 0) {
    throw InputError("cannot open the project directory " + project.string() + ": " +
                     std::strerror(errno));
  }
  const auto deadline = std::chrono::steady_clock::now() +
                        std::chrono::duration<double>(wait_seconds > 0.0 ? wait_seconds : 0.0);
  while (flock(fd_, LOCK_EX | LOCK_NB) != 0) {
    if (errno != EWOULDBLOCK && errno != EINTR) {
      const int failure = errno;
      close(fd_);
      throw InputError("cannot lock the project directory " + project.string() + ": " +
                       std::strerror(failure));
    }
    if (std::chrono::steady_clock::now() >= deadline) {
      close(fd_);
      char waited[32];
      std::snprintf(waited, sizeof waited, "%g", wait_seconds);
      throw InputError("project " + project.string() +
                       " is in use by another import or build; gave up after " + waited +
                       " s (--wait SECONDS waits longer)");
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
}

ProjectLock::~ProjectLock() { close(fd_); }

}  // namespace reportdata::cli
