#include "engine/condition_floor.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "support/records.h"

namespace reportdata {
namespace {

TEST(ConditionFloorTest, KeysAreTenTimesTheLeadingFloorNumber) {
  const std::pair<const wchar_t*, int> cases[] = {
      {L"3", 30},     {L"-1", -10},    {L"2,5", 20}, {L"2/4/6", 20},     {L"7，9", 70},
      {L"8／10", 80}, {L"3/4,5", 30},  {L"1.5", 15}, {L"1.57", 15},      {L"-0.55", -5},
      {L"基础", 0},   {L" 12层", 120}, {L"", 0},     {L"1e300", INT_MIN}};
  for (const auto& [name, key] : cases) EXPECT_EQ(ConditionFloorKey(name), key) << name;
}

// Zero, then the negative, then the positive keys; the first name of each
// key stays as written (every non-numeric name has key 0).
TEST(ConditionFloorTest, OrdersByKeyAndKeepsTheFirstNameOfEachKey) {
  const std::pair<std::vector<const wchar_t*>, std::vector<std::wstring>> cases[] = {
      {{L"10", L"-2", L"3,5", L"-1", L"0", L"2/4/6", L"1.5"},
       {L"0", L"-2", L"-1", L"1.5", L"2/4/6", L"3,5", L"10"}},
      {{}, {}},
      {{L"1", L"1,3"}, {L"1"}},
      {{L"1,3", L"1"}, {L"1,3"}},
      {{L"屋面", L"2", L"基础", L"0"}, {L"屋面", L"2"}},
      {{L"3／5", L"2，4"}, {L"2，4", L"3／5"}},
      {{L"1.51", L"1.55"}, {L"1.51"}},
  };
  for (const auto& [names, sorted] : cases) {
    CStringArray floors;
    for (const wchar_t* name : names) floors.Add(name);
    SortConditionFloor(floors);
    EXPECT_EQ(testing::Texts(floors), sorted);
  }
}

}  // namespace
}  // namespace reportdata
