// The second thread lives for one call: the work it serves, the files of a
// write sequence, takes far longer than starting a thread.
#include "platform/two_threads.h"

#include <atomic>
#include <system_error>
#include <thread>
#include <utility>

namespace reportdata {
namespace {

// What piece() threw; null when it returned.
template <typename Piece>
std::exception_ptr FaultOf(Piece&& piece) {
  try {
    piece();
    return nullptr;
  } catch (...) {
    return std::current_exception();
  }
}

// A second thread running run; not joinable when none can be had.
template <typename Run>
std::thread StartHelper(Run&& run) {
  try {
    return std::thread(std::forward<Run>(run));
  } catch (const std::system_error&) {
    return std::thread();
  }
}

}  // namespace

std::vector<std::exception_ptr> RunOnTwoThreads(size_t count,
                                                const std::function<void(size_t)>& task) {
  std::vector<std::exception_ptr> faults(count);
  std::atomic<size_t> next{0};
  auto run_some = [&] {
    for (size_t i = next++; i < count; i = next++) faults[i] = FaultOf([&] { task(i); });
  };
  // With one piece, this thread runs it alone.
  std::thread helper = count > 1 ? StartHelper(run_some) : std::thread();
  run_some();
  if (helper.joinable()) helper.join();
  return faults;
}

}  // namespace reportdata
