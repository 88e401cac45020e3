#include "model/natural_order.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "support/total_order.h"

namespace reportdata {
namespace {

int Sign(int value) { return (value > 0) - (value < 0); }

std::vector<std::wstring> Sorted(std::vector<std::wstring> names) {
  std::sort(names.begin(), names.end(), NaturalLess());
  return names;
}

// Digit runs compare as numbers, equal numbers by the first differing
// digit's byte (more leading zeros first); a space starts an empty run worth
// zero; Chinese follows the GBK bytes (二 is B6FE, 一 D2BB: the reverse of
// their code points) and characters without a code-page form tie and the rest
// decides; when every position ties the shorter name comes first.
TEST(NaturalOrderTest, ComparesPairsOfNames) {
  // "a|b": a sorts before b, or ties with it under "="; U+0E01 and U+0E02
  // have no code-page form.
  // clang-format off
  const std::wstring pairs[] = {
      L"2区|10区", L"01|1", L"007|07", L"B01a|B1a", L"9|a", L"A|a", L"B 2|B1", L"a 5|a10",
      L"a 1|a0", L"a b|a c", L"1|1 ", L" 9|1", L"二层|一层", L"z|一", L"2区|二区",
      L"\u0E011|\u0E022", L"\u0E022|\u0E013", L"|a", L"KL1|KL1a", L"1|10", L"首层|首层1",
      L"a1|a1b", L"=10区|10区", L"=1 层|1 层", L"=\u0E01|\u0E02", L"=|"};
  // clang-format on
  for (const std::wstring& pair : pairs) {
    const bool tie = pair[0] == L'=';
    const size_t bar = pair.find(L'|');
    const std::wstring a = pair.substr(tie, bar - tie), b = pair.substr(bar + 1);
    EXPECT_EQ(Sign(CompareNatural(a, b)), tie ? 0 : -1) << pair;
    EXPECT_EQ(Sign(CompareNatural(b, a)), tie ? 0 : 1) << pair;
  }
  EXPECT_EQ(Sorted({L"10区", L"2区", L"1区"}),
            (std::vector<std::wstring>{L"1区", L"2区", L"10区"}));
  EXPECT_EQ(Sorted({L"KL10(2)", L"KL2(10)", L"KL2(3)", L"KL1"}),
            (std::vector<std::wstring>{L"KL1", L"KL2(3)", L"KL2(10)", L"KL10(2)"}));
  EXPECT_EQ(Sorted({L"墙", L"板", L"柱", L"梁"}),
            (std::vector<std::wstring>{L"板", L"梁", L"墙", L"柱"}));
}

TEST(NaturalOrderTest, LongDigitRunsNeitherOverflowNorSlowDown) {
  const std::wstring big = L"x123456789012345678901234567890";
  EXPECT_LT(CompareNatural(big, L"x123456789012345678901234567891"), 0);
  EXPECT_GT(CompareNatural(big, L"x99"), 0);
  EXPECT_GT(CompareNatural(big, L"x18446744073709551616"), 0);
  EXPECT_LT(CompareNatural(std::wstring(50, L'0') + L"1", L"2"), 0);
  EXPECT_GT(CompareNatural(std::wstring(50, L'0') + L"3", L"2"), 0);
  // Two runs of 200000 equal digits that differ at the end: quadratic
  // rereading of the runs would take minutes.
  const std::wstring digits(200000, L'7');
  EXPECT_LT(CompareNatural(digits + L"1", digits + L"2"), 0);
  EXPECT_LT(CompareNatural(digits + L"a", digits + L"b"), 0);
  EXPECT_EQ(CompareNatural(L"0" + digits, L"0" + digits), 0);
}

TEST(NaturalOrderTest, IsAStrictWeakOrderOnShortNames) {
  // Every name of up to three characters over digits, space, a letter and
  // two Chinese characters: sorting relies on a consistent order.
  const std::wstring alphabet = L"01 9a一二";
  std::vector<std::wstring> names = {L""};
  for (size_t from = 0; from < names.size() && names[from].size() < 3; ++from) {
    for (wchar_t ch : alphabet) names.push_back(names[from] + ch);
  }
  ASSERT_EQ(names.size(), 400u);
  testing::ExpectTotalOrder(
      names, [](const std::wstring& a, const std::wstring& b) { return CompareNatural(a, b); },
      [](const std::wstring& a, const std::wstring& b) { return a == b; }, false);
}

}  // namespace
}  // namespace reportdata
