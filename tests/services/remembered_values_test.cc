// A kept value is the decoding of exactly the bytes asked for, also when two
// texts share a slot, and is decoded once while it is kept.
#include "services/remembered_values.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace reportdata {
namespace {

TEST(RememberedValuesTest, ValuesAreTheDecodingOfTheirOwnBytes) {
  struct Case {
    std::vector<std::string> asked;
    size_t decodes;  // with a single slot, every text is its neighbour's rival
  };
  const std::vector<Case> cases = {
      {{"a", "a", "a"}, 1},
      {{"a", "b", "a", "b"}, 4},
      {{"", "", "x", ""}, 3},
      {{"1区\x1f"
        "2.5",
        "1区\x1f"
        "2.5",
        "1区\x1f"
        "2.50"},
       2},
  };
  for (const Case& c : cases) {
    RememberedValues<std::string, 1> values;
    size_t decodes = 0;
    for (const std::string& text : c.asked) {
      const std::string& value = values.Get(text, [&](std::string_view stored, std::string& out) {
        ++decodes;
        out = "<" + std::string(stored) + ">";
      });
      EXPECT_EQ(value, "<" + text + ">");
    }
    EXPECT_EQ(decodes, c.decodes) << c.asked.size() << " texts from " << c.asked[0];
  }
}

TEST(RememberedValuesTest, RecentValuesKeepTheLastFourTexts) {
  const std::vector<std::pair<std::string, size_t>> cases = {
      {"abab", 2}, {"abcda", 4}, {"abcdea", 6}, {"aaaab", 2}};
  for (const auto& [asked, want] : cases) {
    RecentValues<char> values;
    size_t decodes = 0;
    for (const char text : asked) {
      const char value =
          values.Get(std::string_view(&text, 1), [&](std::string_view stored, char& out) {
            ++decodes;
            out = stored[0];
          });
      EXPECT_EQ(value, text);
    }
    EXPECT_EQ(decodes, want) << asked;
  }
}

TEST(RememberedValuesTest, TextsInTheirOwnSlotsAreDecodedOnce) {
  RememberedValues<int, 1024> values;
  int decodes = 0;
  for (int round = 0; round < 3; ++round) {
    for (int i = 0; i < 50; ++i) {
      const std::string text = "partition " + std::to_string(i);
      const int value = values.Get(text, [&](std::string_view, int& out) {
        ++decodes;
        out = i;
      });
      EXPECT_EQ(value, i);
    }
  }
  // Fifty texts in a thousand slots: a few may share one, most do not.
  EXPECT_LT(decodes, 60);
}

}  // namespace
}  // namespace reportdata
