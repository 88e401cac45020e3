#include "platform/process.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace reportdata {
namespace {

TEST(ProcessTest, ExecutablePathNamesThisTestProgram) {
  const std::wstring path = ExecutablePath();
  ASSERT_FALSE(path.empty());
  EXPECT_EQ(path.front(), L'/');
  EXPECT_EQ(std::filesystem::path(path).filename(), "platform_test");
  EXPECT_TRUE(std::filesystem::exists(path));
}

}  // namespace
}  // namespace reportdata
