#include "cli/project_import.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <optional>

#include "cli/input_error.h"
#include "cli/project_dir.h"
#include "reportdata/importer.h"

namespace reportdata::cli {
namespace {

// A progress line is drawn only on a terminal and when not asked for quiet.
bool ShowProgress() {
  const char* quiet = std::getenv("REPORTDATA_QUIET");
  return isatty(STDERR_FILENO) && !(quiet && std::strcmp(quiet, "0") != 0);
}

}  // namespace

std::size_t ImportResults(const std::string& json_path, const std::string& project_dir,
                          double wait_seconds) {
  // The lock is on the directory, so a missing one is made first, and
  // removed again when the import is refused.
  namespace fs = std::filesystem;
  std::error_code error;
  bool created = false;
  if (!fs::exists(project_dir, error)) {
    created = fs::create_directories(project_dir, error);
    if (error) {
      throw InputError(project_dir + ": cannot create the project directory: " + error.message());
    }
  }
  std::optional<ProjectLock> lock;
  if (fs::is_directory(project_dir, error)) lock.emplace(project_dir, wait_seconds);
  ImportProgress progress;
  int shown = -1;
  if (ShowProgress()) {
    progress = [&shown](std::uint64_t read, std::uint64_t total) {
      const int percent = total > 0 ? static_cast<int>(read * 100 / total) : 0;
      if (percent == shown) return;
      shown = percent;
      std::fprintf(stderr, "\rimporting %3d%%", percent);
      std::fflush(stderr);
    };
  }
  const ImportResult result = ImportProject(json_path, project_dir, progress);
  if (shown >= 0) std::fputs("\r\033[K", stderr);
  if (!result.ok) {
    if (created) fs::remove(project_dir, error);
    throw InputError(result.message);
  }
  return result.records;
}

}  // namespace reportdata::cli
