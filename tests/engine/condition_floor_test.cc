#include "engine/condition_floor.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "support/records.h"

namespace reportdata {
namespace {

std::vector<std::wstring> Sorted(const std::vector<std::wstring>& names) {
  CStringArray floors;
  for (const std::wstring& name : names) floors.Add(CString(name));
  SortConditionFloor(floors);
  return testing::Texts(floors);
}

TEST(ConditionFloorTest, KeysAreTenTimesTheLeadingFloorNumber) {
  EXPECT_EQ(ConditionFloorKey(L"3"), 30);
  EXPECT_EQ(ConditionFloorKey(L"-1"), -10);
  EXPECT_EQ(ConditionFloorKey(L"2,5"), 20);
  EXPECT_EQ(ConditionFloorKey(L"2/4/6"), 20);
  EXPECT_EQ(ConditionFloorKey(L"7，9"), 70);
  EXPECT_EQ(ConditionFloorKey(L"8／10"), 80);
  EXPECT_EQ(ConditionFloorKey(L"3/4,5"), 30);  // the "," part comes first
  EXPECT_EQ(ConditionFloorKey(L"1.5"), 15);
  EXPECT_EQ(ConditionFloorKey(L"1.57"), 15);   // truncated
  EXPECT_EQ(ConditionFloorKey(L"-0.55"), -5);  // toward zero
  EXPECT_EQ(ConditionFloorKey(L"基础"), 0);
  EXPECT_EQ(ConditionFloorKey(L" 12层"), 120);
  EXPECT_EQ(ConditionFloorKey(L""), 0);
  EXPECT_EQ(ConditionFloorKey(L"1e300"), INT_MIN);
}

TEST(ConditionFloorTest, OrdersZeroThenNegativeThenPositiveGroups) {
  EXPECT_EQ(Sorted({L"10", L"-2", L"3,5", L"-1", L"0", L"2/4/6", L"1.5"}),
            (std::vector<std::wstring>{L"0", L"-2", L"-1", L"1.5", L"2/4/6", L"3,5", L"10"}));
  EXPECT_EQ(Sorted({}), std::vector<std::wstring>{});
}

TEST(ConditionFloorTest, KeepsTheFirstNameOfEachKeyAsWritten) {
  EXPECT_EQ(Sorted({L"1", L"1,3"}), std::vector<std::wstring>{L"1"});
  EXPECT_EQ(Sorted({L"1,3", L"1"}), std::vector<std::wstring>{L"1,3"});
  // Every non-numeric name has key 0: only the first of them stays.
  EXPECT_EQ(Sorted({L"屋面", L"2", L"基础", L"0"}), (std::vector<std::wstring>{L"屋面", L"2"}));
  // Full-width separators are read for the key; the name keeps them.
  EXPECT_EQ(Sorted({L"3／5", L"2，4"}), (std::vector<std::wstring>{L"2，4", L"3／5"}));
  EXPECT_EQ(Sorted({L"1.51", L"1.55"}), std::vector<std::wstring>{L"1.51"});
}

}  // namespace
}  // namespace reportdata
