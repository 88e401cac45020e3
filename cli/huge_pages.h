// The tool's heap, backed by transparent huge pages.
//
// Building or reloading a large project spends much of its time in the page
// faults of fresh heap memory: a million records make hundreds of megabytes
// of small tree nodes, and a fault of a fresh 4 KB page costs microseconds
// on a virtual machine. The kernel gives memory marked for it a 2 MB page
// per fault (transparent huge pages in "madvise" mode, Debian's default).
// Before the tool does anything else it has glibc's malloc take a stretch of
// 64 MB of address space from the system, marks the stretch and hands it
// back; the main thread's first blocks are then carved from it, and freed
// memory stays there for the next blocks. A heap that grows past it goes on
// with ordinary pages. The stretch is only reserved: a page counts toward the
// tool's memory once it is touched, as any heap page does.
// A host embedding the module decides its own heap (docs/embedding.md).
#ifndef REPORTDATA_CLI_HUGE_PAGES_H_
#define REPORTDATA_CLI_HUGE_PAGES_H_

namespace reportdata::cli {

// Reserves and marks the stretch. Changes nothing when GLIBC_TUNABLES names
// glibc.malloc.hugetlb (the user chose the heap: "=0" turns huge pages off,
// for profiling under valgrind say), when the system commits memory strictly
// (a reserved stretch would count against every other program), under a
// sanitizer's allocator, or when the system refuses the stretch.
void ReserveHugePageHeap();

}  // namespace reportdata::cli

#endif  // REPORTDATA_CLI_HUGE_PAGES_H_
