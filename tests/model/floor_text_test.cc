#include "keys/floor_text.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cwchar>
#include <random>

namespace reportdata {
namespace {

TEST(FloorTextTest, ExpandsRangesAndLists) {
  const std::pair<const wchar_t*, std::vector<std::wstring>> cases[] = {
      {L"2,5", {L"2", L"3", L"4", L"5"}},
      {L"2，5", {L"2", L"3", L"4", L"5"}},
      {L"3,4", {L"3", L"4"}},  // neighbours: nothing between
      {L"-2,1", {L"-2", L"-1", L"0", L"1"}},
      {L"2//4／6", {L"2", L"4", L"6"}},  // empty parts skipped
      {L"3", {}},
      {L",3", {}},  // separator at the first position
      {L"/3", {}},
      {L",", {}},
      {L"", {}},
  };
  for (const auto& [text, expected] : cases) {
    std::vector<std::wstring> floors;
    EXPECT_EQ(ExpandFloors(text, floors), !expected.empty()) << text;
    EXPECT_EQ(floors, expected) << text;
  }
}

TEST(FloorTextTest, CoverageMatchesExpansion) {
  const std::vector<std::wstring> floor_texts = {L"2,5", L"-2,1", L"2/4/6", L"2，3",
                                                 L"7",   L"1,1",  L"1,3000"};
  const std::vector<std::wstring> floors = {L"1",  L"2",   L"3",   L"4",   L"5",  L"6",
                                            L"0",  L"-1",  L"-2",  L"7",   L"03", L"+3",
                                            L"-0", L"3.0", L"2,5", L"3000"};
  for (const std::wstring& floor_text : floor_texts) {
    std::vector<std::wstring> expansion;
    ExpandFloors(floor_text, expansion);
    for (const std::wstring& floor : floors) {
      const bool expected = std::find(expansion.begin(), expansion.end(), floor) != expansion.end();
      EXPECT_EQ(CoversFloor(floor_text, floor), expected)
          << floor_text.size() << " " << floor.size();
    }
  }
}

// A range of more floors than any building has (a slip such as
// "1,1000000000") stands for its two ends only, in expansion and coverage
// alike, and still counts every floor.
TEST(FloorTextTest, ImplausiblyWideRangesStandForTheirEnds) {
  // Coverage follows the expansion (see above, "1,3000").
  EXPECT_EQ(ParseFloorKey(L"1,1000000000").count, 1000000000);
  std::vector<std::wstring> floors;
  EXPECT_TRUE(ExpandFloors(L"-2147483648,2147483647", floors));
  EXPECT_EQ(floors.size(), 2u);
  // The widest range still expanded in full.
  floors.clear();
  EXPECT_TRUE(ExpandFloors(L"1,1000", floors));
  EXPECT_EQ(floors.size(), 1000u);
  EXPECT_EQ(floors[998], L"999");
  EXPECT_TRUE(CoversFloor(L"1,1000", L"999"));
  floors.clear();
  EXPECT_TRUE(ExpandFloors(L"1,1001", floors));
  EXPECT_EQ(floors, (std::vector<std::wstring>{L"1", L"1001"}));
}

// Floor 0 sorts before every other floor, basement floors included, and so
// does a floor whose first part is no number. Floor texts whose numbers
// overflow an int, or are not finite, clamp instead of reaching an undefined
// conversion or subtraction.
TEST(FloorTextTest, CountsAndOrderKeys) {
  struct Case {
    const wchar_t* floor;
    int count;
    int order_key;
  };
  const Case cases[] = {
      {L"2,5", 4, 20},
      {L"2，5", 4, 20},  // full-width comma
      {L"1/3/5", 3, 10},
      {L"1／3／5", 3, 10},  // full-width slash
      {L"3", 1, 30},
      {L"1.5", 1, 15},
      {L"-1", 1, -10},
      {L"-2/-1", 2, -20},
      {L"0", 1, -1000},
      {L"基础", 1, -1000},
      {L"5,2", -2, 50},  // a range written backwards counts what its numbers say
      {L",", 1, -1000},
      {L"", 1, -1000},
      {L"-1e400", 1, -1000},  // not finite: no number
      {L"1e10", 1, INT_MAX},
      {L"-9999999999999999999,9999999999999999999", INT_MAX, INT_MIN},
      {L"9999999999999999999,-9999999999999999999", INT_MIN, INT_MAX},
      {L"1e308/2", 2, INT_MAX},  // ten times the floor passes the double range
  };
  for (const Case& c : cases) {
    const FloorKey key = ParseFloorKey(c.floor);
    EXPECT_EQ(key.count, c.count) << c.floor;
    EXPECT_EQ(key.order_key, c.order_key) << c.floor;
  }
  EXPECT_EQ(ClampToInt(std::nan("")), 0);
}

// Quantity texts take the decimal fast path; the rest must read as wcstod
// reads them, which is the oracle here.
TEST(FloorTextTest, LeadingDoubleReadsAsWcstod) {
  const std::wstring long_number(70, L'7');
  for (const std::wstring& text :
       {std::wstring(L" 1.5e3x"), std::wstring(L"1e"), std::wstring(L"2e+"), std::wstring(L".5"),
        std::wstring(L"5."), std::wstring(L"-.5e-2"), std::wstring(L"0x1A"), std::wstring(L"+7"),
        std::wstring(L"\t-3.25层"), std::wstring(L"1e-320"), std::wstring(L"0.1"),
        std::wstring(L"1E5"), long_number, long_number + L".5", std::wstring(L"-"),
        std::wstring(L"."), std::wstring(L"+.e1"), std::wstring(L"1.2.3"),
        std::wstring(L"-4.5e")}) {
    EXPECT_EQ(LeadingDouble(text), std::wcstod(text.c_str(), nullptr)) << text;
  }
  EXPECT_EQ(LeadingDouble(L"1e400"), 0.0);
  EXPECT_EQ(LeadingDouble(L"nan"), 0.0);
  // Plain decimals of every length around the one-pass reading's limits
  // (fifteen digits) and beyond (2^53 = 9007199254740992, 22 decimals), with
  // the point anywhere.
  std::mt19937_64 random(20261207);
  for (int n = 0; n < 200000; ++n) {
    const size_t length = 1 + random() % 25;
    std::wstring text = random() % 4 == 0 ? L"-" : L"";
    for (size_t d = 0; d < length; ++d) text += static_cast<wchar_t>(L'0' + random() % 10);
    if (random() % 5 != 0) text.insert(text.size() - random() % length, 1, L'.');
    EXPECT_EQ(LeadingDouble(text), std::wcstod(text.c_str(), nullptr)) << text;
  }
  for (const wchar_t* text : {L"9007199254740992", L"9007199254740993", L"0.9007199254740993",
                              L"1.0000000000000000000001", L"0.00000000000000000000001", L"-0.0"}) {
    EXPECT_EQ(LeadingDouble(text), std::wcstod(text, nullptr)) << text;
  }
  EXPECT_TRUE(std::signbit(LeadingDouble(L"-0.0")));
}

// A sign counts; an integer too large for an int clamps instead of wrapping.
TEST(FloorTextTest, LeadingIntegersTakeTheirSignAndClamp) {
  EXPECT_EQ(LeadingInt(L"-3"), -3);
  EXPECT_EQ(LeadingInt(L"99999999999"), 2147483647);
}

}  // namespace
}  // namespace reportdata
