#include "model/natural_order.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace reportdata {
namespace {

int Sign(int value) { return (value > 0) - (value < 0); }

std::vector<std::wstring> Sorted(std::vector<std::wstring> names) {
  std::sort(names.begin(), names.end(), NaturalLess());
  return names;
}

TEST(NaturalOrderTest, DigitRunsCompareAsNumbers) {
  EXPECT_LT(CompareNatural(L"2区", L"10区"), 0);
  EXPECT_EQ(CompareNatural(L"10区", L"10区"), 0);
  EXPECT_EQ(Sorted({L"10区", L"2区", L"1区"}),
            (std::vector<std::wstring>{L"1区", L"2区", L"10区"}));
  EXPECT_EQ(Sorted({L"KL10(2)", L"KL2(10)", L"KL2(3)", L"KL1"}),
            (std::vector<std::wstring>{L"KL1", L"KL2(3)", L"KL2(10)", L"KL10(2)"}));
  // Equal numbers: the first differing digit decides by its byte, so the
  // spelling with more leading zeros comes first.
  EXPECT_LT(CompareNatural(L"01", L"1"), 0);
  EXPECT_LT(CompareNatural(L"007", L"07"), 0);
  EXPECT_LT(CompareNatural(L"B01a", L"B1a"), 0);
  // Digits against letters compare by bytes.
  EXPECT_LT(CompareNatural(L"9", L"a"), 0);
  EXPECT_LT(CompareNatural(L"A", L"a"), 0);
}

TEST(NaturalOrderTest, SpaceStartsAnEmptyRunWorthZero) {
  EXPECT_LT(CompareNatural(L"B 2", L"B1"), 0);   // 0 < 1 at the space
  EXPECT_LT(CompareNatural(L"a 5", L"a10"), 0);  // 0 < 10
  EXPECT_LT(CompareNatural(L"a 1", L"a0"), 0);   // 0 = 0, space byte before "0"
  EXPECT_LT(CompareNatural(L"a b", L"a c"), 0);
  EXPECT_EQ(CompareNatural(L"1 层", L"1 层"), 0);
  EXPECT_GT(CompareNatural(L"1 ", L"1"), 0);  // longer one last
  EXPECT_LT(CompareNatural(L" 9", L"1"), 0);
}

TEST(NaturalOrderTest, ChineseFollowsCodePageBytes) {
  // 二 is B6FE and 一 is D2BB in GBK, the reverse of their code points.
  EXPECT_LT(CompareNatural(L"二层", L"一层"), 0);
  EXPECT_EQ(Sorted({L"墙", L"板", L"柱", L"梁"}),
            (std::vector<std::wstring>{L"板", L"梁", L"墙", L"柱"}));
  EXPECT_LT(CompareNatural(L"z", L"一"), 0);
  EXPECT_LT(CompareNatural(L"2区", L"二区"), 0);
  // Characters without a code-page form tie and the rest decides.
  const std::wstring ko = L"\u0E01", kho = L"\u0E02";
  EXPECT_LT(CompareNatural(ko + L"1", kho + L"2"), 0);
  EXPECT_GT(CompareNatural(ko + L"3", kho + L"2"), 0);
  EXPECT_EQ(CompareNatural(ko, kho), 0);
}

TEST(NaturalOrderTest, ShorterNameFirstWhenAllPositionsTie) {
  EXPECT_LT(CompareNatural(L"", L"a"), 0);
  EXPECT_EQ(CompareNatural(L"", L""), 0);
  EXPECT_LT(CompareNatural(L"KL1", L"KL1a"), 0);
  EXPECT_LT(CompareNatural(L"1", L"10"), 0);
  EXPECT_LT(CompareNatural(L"首层", L"首层1"), 0);
  EXPECT_GT(CompareNatural(L"a1b", L"a1"), 0);
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
  std::vector<int> order(names.size() * names.size());
  for (size_t x = 0; x < names.size(); ++x) {
    for (size_t y = 0; y < names.size(); ++y) {
      order[x * names.size() + y] = Sign(CompareNatural(names[x], names[y]));
    }
  }
  const auto cmp = [&](size_t x, size_t y) { return order[x * names.size() + y]; };
  int failures = 0;
  for (size_t x = 0; x < names.size() && failures < 5; ++x) {
    for (size_t y = 0; y < names.size(); ++y) {
      if (cmp(x, y) != -cmp(y, x)) ++failures;
      if (cmp(x, y) == 0 && names[x] != names[y]) ++failures;  // only equal names tie here
      for (size_t z = 0; z < names.size() && cmp(x, y) < 0; ++z) {
        if (cmp(y, z) < 0 && cmp(x, z) >= 0) {
          ADD_FAILURE() << "not transitive: " << x << " " << y << " " << z;
          ++failures;
        }
      }
    }
  }
  EXPECT_EQ(failures, 0);
}

}  // namespace
}  // namespace reportdata
