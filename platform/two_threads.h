// Both cores on independent pieces of work, such as the files of a write
// sequence: a list of them, where this thread and one more each take the
// next piece not yet taken, so a long piece on one thread does not hold up
// the short ones behind it.
#ifndef REPORTDATA_PLATFORM_TWO_THREADS_H_
#define REPORTDATA_PLATFORM_TWO_THREADS_H_

#include <cstddef>
#include <exception>
#include <functional>
#include <vector>

namespace reportdata {

// Runs task(0) ... task(count - 1), each once, on this thread and a second
// one, and returns when all have ended. Returns what each task threw, by
// index (null where it returned). When no second thread can be had, this
// thread runs them all. task must touch nothing another index touches.
std::vector<std::exception_ptr> RunOnTwoThreads(size_t count,
                                                const std::function<void(size_t)>& task);

}  // namespace reportdata

#endif  // REPORTDATA_PLATFORM_TWO_THREADS_H_
