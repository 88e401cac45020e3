#include "platform/code_page.h"

#include <gtest/gtest.h>
#include <stdlib.h>

namespace reportdata {
namespace {

TEST(CodePageTest, ConvertsToGbkBytesOrTheDefaultCharacter) {
  EXPECT_EQ(AnsiBytes(L'a'), "a");
  EXPECT_EQ(AnsiBytes(L' '), " ");
  EXPECT_EQ(AnsiBytes(L'一'), "\xD2\xBB");
  EXPECT_EQ(AnsiBytes(L'二'), "\xB6\xFE");
  EXPECT_EQ(AnsiBytes(L'层'), "\xB2\xE3");
  EXPECT_EQ(AnsiBytes(L'￥'), "\xA3\xA4");
  EXPECT_EQ(AnsiBytes(L'\0'), std::string_view("\0", 1));
  // Characters GBK lacks become the default character.
  EXPECT_EQ(AnsiBytes(L'\u0E01'), "?");  // Thai
  EXPECT_EQ(AnsiBytes(wchar_t(0xD800)), "?");
  EXPECT_EQ(AnsiBytes(wchar_t(0x1F600)), "?");
  EXPECT_EQ(AnsiBytes(wchar_t(-1)), "?");
}

TEST(CodePageTest, EnvironmentChoosesAnotherCodePage) {
  // The table is built once per process, so the check runs in a fresh one.
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  setenv("REPORTDATA_CODEPAGE", "GB18030", 1);
  EXPECT_EXIT(
      {
        const bool four_byte_thai = AnsiBytes(L'\u0E01') == "\x81\x32\xCE\x39";
        const bool gbk_kept = AnsiBytes(L'一') == "\xD2\xBB";
        std::exit(four_byte_thai && gbk_kept ? 0 : 1);
      },
      ::testing::ExitedWithCode(0), "");
  unsetenv("REPORTDATA_CODEPAGE");
}

}  // namespace
}  // namespace reportdata
