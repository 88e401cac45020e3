#include "cli/huge_pages.h"

#include <unistd.h>

#include <cstdlib>
#include <string>

namespace reportdata::cli {

void StartAgainWithHugePages(char** argv) {
  constexpr const char* kTunable = "glibc.malloc.hugetlb";
  const char* before = std::getenv("GLIBC_TUNABLES");
  std::string tunables = before != nullptr ? before : "";
  if (tunables.find(kTunable) != std::string::npos) return;
  tunables += tunables.empty() ? "" : ":";
  tunables += std::string(kTunable) + "=1";
  if (setenv("GLIBC_TUNABLES", tunables.c_str(), 1) != 0) return;
  execv("/proc/self/exe", argv);
  // Not started again (no /proc, say): go on with the usual heap.
  if (before != nullptr) {
    setenv("GLIBC_TUNABLES", before, 1);
  } else {
    unsetenv("GLIBC_TUNABLES");
  }
}

}  // namespace reportdata::cli
