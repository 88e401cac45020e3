// The second thread lives for one call: the work it serves, the files of a
// write sequence or a walk of a whole database, takes far longer than
// starting a thread.
#include "platform/two_threads.h"

#include <atomic>
#include <system_error>
#include <thread>

namespace reportdata {

std::vector<std::exception_ptr> RunOnTwoThreads(size_t count,
                                                const std::function<void(size_t)>& task) {
  std::vector<std::exception_ptr> faults(count);
  std::atomic<size_t> next{0};
  auto run_some = [&] {
    for (size_t i = next++; i < count; i = next++) {
      try {
        task(i);
      } catch (...) {
        faults[i] = std::current_exception();
      }
    }
  };
  std::thread helper;
  if (count > 1) {
    try {
      helper = std::thread(run_some);
    } catch (const std::system_error&) {
      // no second thread to be had: this one runs them all
    }
  }
  run_some();
  if (helper.joinable()) helper.join();
  return faults;
}

void RunBeside(const std::function<void()>& beside, const std::function<void()>& here) {
  std::exception_ptr beside_fault;
  auto run_beside = [&] {
    try {
      beside();
    } catch (...) {
      beside_fault = std::current_exception();
    }
  };
  std::thread helper;
  try {
    helper = std::thread(run_beside);
  } catch (const std::system_error&) {
    run_beside();
  }
  std::exception_ptr here_fault;
  try {
    here();
  } catch (...) {
    here_fault = std::current_exception();
  }
  if (helper.joinable()) helper.join();
  if (here_fault) std::rethrow_exception(here_fault);
  if (beside_fault) std::rethrow_exception(beside_fault);
}

}  // namespace reportdata
