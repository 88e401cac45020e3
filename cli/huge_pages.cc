#include "cli/huge_pages.h"

#include <malloc.h>
#include <sys/mman.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string_view>

namespace reportdata::cli {
namespace {

// Whether a sanitizer's allocator stands in for glibc's malloc.
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
constexpr bool kOwnAllocator = true;
#else
constexpr bool kOwnAllocator = false;
#endif

constexpr uintptr_t kHugePage = uintptr_t{2} << 20;
// Enough for the reload of the largest table of a million-record project
// (about 50 MB); a heap that grows past it goes on with ordinary pages. On a
// virtual machine a huge page that the host has not backed yet costs far
// more to fault than the small pages a machine keeps recycling: with the
// whole heap of a build (370 MB at a million records) in huge pages, the
// build took 1.5 times as long as with small pages in half the runs.
constexpr size_t kLongestStretch = size_t{64} << 20;
// glibc's largest threshold: smaller blocks come from the heap, larger ones
// from mappings of their own, as before.
constexpr int kLargestHeapBlock = 32 << 20;
constexpr int kDefaultMappedBlocks = 65536;

bool HeapChosenByUser() {
  const char* tunables = std::getenv("GLIBC_TUNABLES");
  return tunables != nullptr &&
         std::string_view(tunables).find("glibc.malloc.hugetlb") != std::string_view::npos;
}

bool StrictOvercommit() {
  std::ifstream mode("/proc/sys/vm/overcommit_memory");
  int value = 0;
  return mode >> value && value == 2;
}

// Half the machine's memory at most: a machine that small gets a stretch it
// could fill. Under a limit of address space, a quarter of it, so that the
// mapped database and the libraries still fit beside the stretch.
size_t StretchSize() {
  const long pages = sysconf(_SC_PHYS_PAGES);
  const long page_size = sysconf(_SC_PAGESIZE);
  if (pages <= 0 || page_size <= 0) return 0;
  size_t size = std::min(kLongestStretch, static_cast<size_t>(pages) * page_size / 2);
  rlimit limit{};
  if (getrlimit(RLIMIT_AS, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY) {
    size = std::min(size, static_cast<size_t>(limit.rlim_cur / 4));
  }
  return size;
}

}  // namespace

void ReserveHugePageHeap() {
  if (kOwnAllocator || HeapChosenByUser() || StrictOvercommit()) return;
  const size_t size = StretchSize();
  if (size < 2 * kHugePage) return;
  // Without mappings the block can only come from growing the heap.
  if (mallopt(M_MMAP_MAX, 0) == 0) return;
  void* stretch = std::malloc(size);
  if (stretch == nullptr) {
    mallopt(M_MMAP_MAX, kDefaultMappedBlocks);
    return;
  }
  const uintptr_t start = reinterpret_cast<uintptr_t>(stretch);
  const uintptr_t begin = (start + kHugePage - 1) & ~(kHugePage - 1);
  const uintptr_t end = (start + size) & ~(kHugePage - 1);
  madvise(reinterpret_cast<void*>(begin), end - begin, MADV_HUGEPAGE);
  // The heap keeps what is freed, so the stretch is not given back.
  mallopt(M_TRIM_THRESHOLD, static_cast<int>(size + kHugePage));
  std::free(stretch);
  mallopt(M_MMAP_THRESHOLD, kLargestHeapBlock);
  mallopt(M_MMAP_MAX, kDefaultMappedBlocks);
}

}  // namespace reportdata::cli
