#include "keys/pooled_text.h"

#include <gtest/gtest.h>

#include <string>

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

// Emptying the pool frees the texts of the project, and only those: the
// empty text and the lasting texts of statics stay equal to the same
// characters interned or read again.
TEST(PooledTextTest, ClearingKeepsOnlyTheEmptyAndTheLastingTexts) {
  PooledText::ClearPool();
  const PooledText read_before = PooledText::FromUtf8("其他章");
  const PooledText lasting = PooledText::Lasting(L"其他章");
  EXPECT_EQ(PooledText::FromUtf8("砖墙").str() + PooledText(L"m2").str(), L"砖墙m2");
  EXPECT_EQ(PooledText::PoolSize(), 2u);
  PooledText::ClearPool();
  EXPECT_EQ(PooledText::PoolSize(), 0u);
  EXPECT_TRUE(read_before == lasting);
  EXPECT_TRUE(PooledText(L"其他章") == lasting);
  EXPECT_TRUE(PooledText::FromUtf8("其他章") == lasting);
  EXPECT_EQ(lasting.utf8(), "其他章");
  EXPECT_TRUE(PooledText::FromUtf8("") == PooledText());
  EXPECT_EQ(PooledText::FromUtf8("砖墙").str(), L"砖墙");
  EXPECT_EQ(PooledText::PoolSize(), 1u);
}

}  // namespace
}  // namespace reportdata
