#include "platform/two_threads.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <thread>

namespace reportdata {
namespace {

TEST(RunBesideTest, KeepsHereOnThisThreadAndRethrowsHereFirst) {
  struct Case {
    bool beside_throws;
    bool here_throws;
    const char* expected;  // what is rethrown, empty for nothing
  };
  for (const Case& c : {Case{false, false, ""}, Case{true, false, "beside"},
                        Case{false, true, "here"}, Case{true, true, "here"}}) {
    bool beside_ran = false;
    std::thread::id here_thread;
    std::string thrown;
    try {
      RunBeside(
          [&] {
            beside_ran = true;
            if (c.beside_throws) throw std::runtime_error("beside");
          },
          [&] {
            here_thread = std::this_thread::get_id();
            if (c.here_throws) throw std::runtime_error("here");
          });
    } catch (const std::runtime_error& fault) {
      thrown = fault.what();
    }
    EXPECT_TRUE(beside_ran);
    EXPECT_EQ(here_thread, std::this_thread::get_id());
    EXPECT_EQ(thrown, c.expected);
  }
}

}  // namespace
}  // namespace reportdata
