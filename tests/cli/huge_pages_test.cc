// The tool's heap of huge pages, checked in the mappings the kernel lists.
#include "cli/huge_pages.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

namespace reportdata::cli {
namespace {

// Whether the mapping holding `address` is marked for huge pages ("hg"
// among its flags in /proc/self/smaps).
bool MarkedForHugePages(const void* address) {
  const auto at = reinterpret_cast<uintptr_t>(address);
  std::ifstream smaps("/proc/self/smaps");
  bool inside = false;
  for (std::string line; std::getline(smaps, line);) {
    uintptr_t begin = 0;
    uintptr_t end = 0;
    char dash = 0;
    std::istringstream range(line);
    if (range >> std::hex >> begin >> dash >> end && dash == '-') {
      inside = begin <= at && at < end;
    } else if (inside && line.starts_with("VmFlags:")) {
      return line.find(" hg") != std::string::npos;
    }
  }
  return false;
}

TEST(HugePageHeapTest, LargeBlocksComeFromTheMarkedStretch) {
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
  GTEST_SKIP() << "the sanitizer's allocator keeps its own heap";
#endif
  if (std::getenv("GLIBC_TUNABLES") != nullptr) GTEST_SKIP() << "the heap is the user's choice";
  if (!std::filesystem::exists("/sys/kernel/mm/transparent_hugepage")) {
    GTEST_SKIP() << "the kernel has no transparent huge pages";
  }
  ReserveHugePageHeap();
  // The size of a large table file's buffer: glibc maps a block this large
  // on its own unless the stretch serves it. The stretch is marked from its
  // first whole huge page on, so the middle of the block is looked at.
  constexpr size_t kSize = 8 << 20;
  const std::unique_ptr<char[]> block(new char[kSize]);
  EXPECT_TRUE(MarkedForHugePages(block.get() + kSize / 2));
}

}  // namespace
}  // namespace reportdata::cli
