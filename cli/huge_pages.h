// Starting the tool again with a heap backed by transparent huge pages.
//
// Building or reloading a large project spends about a third of its time in
// the page faults of fresh heap memory: a million records make hundreds of
// megabytes of small tree nodes. glibc's malloc asks for transparent huge
// pages, one fault per 2 MB instead of one per 4 KB, when the tunable
// glibc.malloc.hugetlb=1 is set; tunables are read only when a process
// starts, so the tool starts itself once more with it, before it does
// anything else (about 10 ms). A host application embedding the module makes
// the same choice for itself.
#ifndef REPORTDATA_CLI_HUGE_PAGES_H_
#define REPORTDATA_CLI_HUGE_PAGES_H_

namespace reportdata::cli {

// Replaces the process with the tool started again with the tunable added
// to GLIBC_TUNABLES. Returns, changing nothing, when GLIBC_TUNABLES already
// names glibc.malloc.hugetlb (with any value: "=0" turns this off, for
// profiling under valgrind, say) or when the tool cannot be started again.
void StartAgainWithHugePages(char** argv);

}  // namespace reportdata::cli

#endif  // REPORTDATA_CLI_HUGE_PAGES_H_
