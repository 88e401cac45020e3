// A record's texts packed into one blob come back as they went in, whatever
// their lengths; a blob that is not so packed is turned away, not read.
#include "services/packed_texts.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "service_fixture.h"

namespace reportdata {
namespace {

using testing::UnpackedTexts;

TEST(PackedTextsTest, TextsComeBackAsTheyWentIn) {
  // 127, 128 and 16384 bytes: the lengths that take one, two and three bytes.
  const std::vector<std::vector<std::string>> cases = {
      {},
      {"", "", ""},
      {"010502001", "矩形柱", std::string(1, '\0'), "C30||泵送"},
      {std::string(127, 'a'), std::string(128, 'b'), std::string(16384, 'c'), "\x80\xFF"},
  };
  for (const std::vector<std::string>& texts : cases) {
    const std::vector<std::string_view> views(texts.begin(), texts.end());
    std::string blob = "left over";
    PackTexts(views, blob);
    bool ok = false;
    EXPECT_EQ(UnpackedTexts(blob, texts.size(), ok), texts);
    EXPECT_TRUE(ok) << texts.size() << " texts";
  }
}

TEST(PackedTextsTest, DamagedBlobsAreTurnedAway) {
  std::string good;
  const std::string_view texts[] = {"ab", "", "cde"};
  PackTexts(texts, good);
  const std::pair<const char*, std::string> damaged[] = {
      {"empty", ""},
      {"lengths cut short", good.substr(0, 2)},
      {"a byte missing", good.substr(0, good.size() - 1)},
      {"a byte too many", good + "x"},
      {"a length past 32 bits", std::string("\xFF\xFF\xFF\xFF\x1F", 5) + "\x00\x00"},
      {"a length of six bytes", std::string("\x80\x80\x80\x80\x80\x00", 6) + "\x00\x00"},
  };
  for (const auto& [damage, blob] : damaged) {
    bool ok = true;
    UnpackedTexts(blob, 3, ok);
    EXPECT_FALSE(ok) << damage;
  }
}

// A key column holds one number and nothing else: the numbers of one, two,
// three and five bytes read back, and bytes that are not one number do not.
TEST(PackedTextsTest, KeyNumbersReadBackWhole) {
  for (const uint32_t number : {0u, 127u, 128u, 16383u, 16384u, 4294967295u}) {
    std::string bytes;
    AppendPackedNumber(number, bytes);
    uint32_t read = 7;
    EXPECT_TRUE(ReadWholePackedNumber(bytes, read)) << number;
    EXPECT_EQ(read, number);
    EXPECT_FALSE(ReadWholePackedNumber(bytes + '\x01', read)) << number << " and a byte more";
  }
  uint32_t read = 0;
  for (const std::string& bytes : {std::string(), std::string("\x80"), std::string("\x80\x80"),
                                   std::string("\xFF\xFF\xFF\xFF\x1F")}) {
    EXPECT_FALSE(ReadWholePackedNumber(bytes, read)) << bytes.size() << " bytes";
  }
}

}  // namespace
}  // namespace reportdata
