#include "model/pooled_text.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

namespace reportdata {
namespace {

// A text read from a file and the same text filed from a record must be one
// entry: the trees compare and hash by entry.
TEST(PooledTextTest, WideAndUtf8FormsOfATextShareOneEntry) {
  struct Case {
    std::string utf8;
    std::wstring wide;
    std::string stored_utf8;
  } cases[] = {
      {"砖墙", L"砖墙", "砖墙"},
      {"", L"", ""},
      {"a&\"<b", L"a&\"<b", "a&\"<b"},
      {"x\xFFy", L"x\uFFFDy", "x\xEF\xBF\xBDy"},  // a malformed byte reads as U+FFFD
  };
  for (const Case& c : cases) {
    const PooledText from_file = PooledText::FromUtf8(c.utf8);
    const PooledText from_record = c.wide;
    EXPECT_TRUE(from_file == from_record) << c.utf8;
    EXPECT_EQ(from_file.str(), c.wide);
    EXPECT_EQ(from_file.utf8(), c.stored_utf8);
    EXPECT_EQ(from_file.hash(), HashText(std::wstring_view(c.wide)));
  }
  EXPECT_FALSE(PooledText(L"m2") == PooledText(L"m3"));
}

TEST(PooledTextTest, ThreadsInterningTheSameTextsGetTheSameEntries) {
  constexpr int kTexts = 2000;
  std::vector<PooledText> first(kTexts), second(kTexts);
  auto intern = [](std::vector<PooledText>& out) {
    for (int i = 0; i < kTexts; ++i) out[i] = PooledText::FromUtf8("第" + std::to_string(i) + "层");
  };
  std::thread other(intern, std::ref(second));
  intern(first);
  other.join();
  for (int i = 0; i < kTexts; ++i) ASSERT_TRUE(first[i] == second[i]) << i;
}

}  // namespace
}  // namespace reportdata
