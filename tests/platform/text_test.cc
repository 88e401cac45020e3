#include "platform/text.h"

#include <gtest/gtest.h>

namespace reportdata {
namespace {

TEST(TextTest, EncodesChineseAstralAndSurrogateText) {
  const std::wstring text = L"墙\\砼外墙 KL1(2) \U0001F600";
  const std::string bytes = ToUtf8(text);
  EXPECT_EQ(bytes, "\xE5\xA2\x99\\\xE7\xA0\xBC\xE5\xA4\x96\xE5\xA2\x99 KL1(2) \xF0\x9F\x98\x80");
  EXPECT_EQ(FromUtf8(bytes), text);
  EXPECT_EQ(ToUtf8(L""), "");
  EXPECT_EQ(FromUtf8(""), L"");
  // A pair carried in two wide characters is one character; a lone half is
  // not text.
  EXPECT_EQ(ToUtf8(std::wstring{wchar_t(0xD83D), wchar_t(0xDE00)}), "\xF0\x9F\x98\x80");
  EXPECT_EQ(ToUtf8(std::wstring{L'a', wchar_t(0xD800), L'b'}),
            "a\xEF\xBF\xBD"
            "b");
  EXPECT_EQ(ToUtf8(std::wstring{wchar_t(0xDC00)}), "\xEF\xBF\xBD");
  EXPECT_EQ(ToUtf8(std::wstring{wchar_t(0x110000)}), "\xEF\xBF\xBD");
}

TEST(TextTest, ReplacesEveryInvalidByte) {
  const std::wstring r(1, wchar_t(0xFFFD));
  EXPECT_EQ(FromUtf8("a\xFF"
                     "b"),
            L"a" + r + L"b");
  EXPECT_EQ(FromUtf8("\xC0\xAF"), r + r);                  // overlong "/"
  EXPECT_EQ(FromUtf8("\xED\xA0\x80"), r + r + r);          // encoded surrogate
  EXPECT_EQ(FromUtf8("\xF4\x90\x80\x80"), r + r + r + r);  // above U+10FFFF
  EXPECT_EQ(FromUtf8("\xE5\xA2"), r + r);                  // cut off at the end
  EXPECT_EQ(FromUtf8("\xE5"
                     "A"),
            r + L"A");  // continuation missing
  EXPECT_EQ(FromUtf8(std::string("a\0b", 3)), std::wstring(L"a\0b", 3));
}

// Appending encodes as ToUtf8 does: ASCII copied as it is, other text
// encoded, long texts and surrogate pairs included.
TEST(TextTest, AppendsWhatToUtf8Encodes) {
  const std::wstring pair{wchar_t(0xD83D), wchar_t(0xDE00)};
  for (const std::wstring& text :
       {std::wstring(L"$3A1"), std::wstring(L"1-6/A-F 墙"), std::wstring(300, L'a') + L"墙",
        std::wstring(253, L'a') + pair + L"b", std::wstring(254, L'a') + L"墙",
        std::wstring(70, L'墙') + L"\U0001F600", std::wstring{L'a', wchar_t(0xD800)}}) {
    std::string out = "$$";
    AppendUtf8(text, out);
    EXPECT_EQ(out, "$$" + ToUtf8(text)) << text.size();
  }
}

// ASCII runs are decoded eight bytes at a time and common three-byte
// characters directly: a run of any length may end in either, or in a byte
// that is not text, and the overlong and surrogate forms stay replaced.
TEST(TextTest, DecodesRunsOfEveryLengthBeforeEachKindOfByte) {
  const std::wstring r(1, wchar_t(0xFFFD));
  const struct {
    const char* bytes;
    std::wstring text;
  } tails[] = {{"\xE5\xA2\x99", L"墙"},     {"\xFF", r},
               {"\xE0\x80\x80", r + r + r}, {"\xED\xA0\x80", r + r + r},
               {"\xEF\xBF\xBD!", r + L"!"}, {"\xE1\x80", r + r}};
  // Runs up to 80 bytes end in every place of the blocks of sixteen bytes
  // that ASCII is widened in.
  for (size_t run = 0; run <= 80; ++run) {
    for (const auto& tail : tails) {
      std::wstring decoded;
      AssignFromUtf8(std::string(run, 'a') + tail.bytes + "bcdefghij", decoded);
      EXPECT_EQ(decoded, std::wstring(run, L'a') + tail.text + L"bcdefghij") << run;
    }
  }
}

TEST(TextTest, DecodesIntoAReusedBufferReplacingItsText) {
  // A record reader decodes every field through one buffer: what the longer
  // field before left must not show through a shorter one.
  std::wstring buffer;
  AssignFromUtf8("\xE5\xA2\x99\\\xE7\xA0\xBC\xE5\xA4\x96\xE5\xA2\x99 KL1(2)", buffer);
  EXPECT_EQ(buffer, L"墙\\砼外墙 KL1(2)");
  AssignFromUtf8("3\xFF", buffer);
  EXPECT_EQ(buffer, L"3\xFFFD");
  AssignFromUtf8("", buffer);
  EXPECT_EQ(buffer, L"");
  // Appending keeps what is there and cuts the room it took to what it decoded.
  AssignFromUtf8("$3A1", buffer);
  AppendFromUtf8("$$\xE5\xA2\x99", buffer);
  EXPECT_EQ(buffer, L"$3A1$$墙");
}

}  // namespace
}  // namespace reportdata
