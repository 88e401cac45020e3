#include "cli/project_import.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "cli/input_error.h"
#include "reportdata/importer.h"

namespace reportdata::cli {
namespace {

// A progress line is drawn only on a terminal and when not asked for quiet.
bool ShowProgress() {
  const char* quiet = std::getenv("REPORTDATA_QUIET");
  return isatty(STDERR_FILENO) && !(quiet && std::strcmp(quiet, "0") != 0);
}

}  // namespace

std::size_t ImportResults(const std::string& json_path, const std::string& project_dir) {
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
  if (!result.ok) throw InputError(result.message);
  return result.records;
}

}  // namespace reportdata::cli
