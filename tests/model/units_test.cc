#include "model/units.h"

#include <gtest/gtest.h>

#include <string>

#include "support/records.h"

namespace reportdata {
namespace {

std::wstring Parsed(std::wstring_view text) {
  std::wstring base = L"unchanged";
  int factor = -1;
  if (!ParseUnit(text, &base, &factor)) return L"no:" + base + L":" + std::to_wstring(factor);
  return base + L"*" + std::to_wstring(factor);
}

TEST(UnitsTest, RecognisesEveryListedForm) {
  const wchar_t* volume[] = {L"m3", L"M3", L"立米", L"立方米"};
  const wchar_t* area[] = {L"m2", L"M2", L"平米", L"平方米"};
  const wchar_t* length[] = {L"m", L"M", L"米"};
  for (const std::wstring prefix : {L"", L"10", L"100", L"1000"}) {
    const std::wstring factor = prefix.empty() ? L"1" : prefix;
    for (const wchar_t* unit : volume) EXPECT_EQ(Parsed(prefix + unit), L"m3*" + factor);
    for (const wchar_t* unit : area) EXPECT_EQ(Parsed(prefix + unit), L"m2*" + factor);
    for (const wchar_t* unit : length) EXPECT_EQ(Parsed(prefix + unit), L"m*" + factor);
  }
  EXPECT_EQ(Parsed(L"100立方米"), L"m3*100");
  EXPECT_EQ(Parsed(L"1000M"), L"m*1000");
}

TEST(UnitsTest, RejectsEverythingElseWithoutTouchingOutputs) {
  for (const wchar_t* text : {L"千克", L"", L"10 m3", L" m3", L"m3 ", L"mm", L"M 2", L"10000m3",
                              L"1m3", L"010m3", L"t", L"个", L"10千克", L"10"}) {
    EXPECT_EQ(Parsed(text), L"no:unchanged:-1") << text;
  }
  int factor = 0;
  EXPECT_TRUE(ParseUnit(L"10M2", nullptr, &factor));
  EXPECT_EQ(factor, 10);
  EXPECT_TRUE(ParseUnit(L"米", nullptr, nullptr));
}

TEST(UnitsTest, ScalesQuantityTextWithPercentF) {
  EXPECT_EQ(ScaleQuantityText(L"2.5", 100), L"250.000000");
  EXPECT_EQ(ScaleQuantityText(L"0.1234567", 10), L"1.234567");
  EXPECT_EQ(ScaleQuantityText(L" -3.5e1", 1000), L"-35000.000000");
  EXPECT_EQ(ScaleQuantityText(L"12abc", 10), L"120.000000");
  EXPECT_EQ(ScaleQuantityText(L"abc", 10), L"0.000000");
  EXPECT_EQ(ScaleQuantityText(L"", 100), L"0.000000");
  EXPECT_EQ(ScaleQuantityText(L"1e300", 1000).size(), 311u);
}

TEST(UnitsTest, ConvertsRecordsForIndexItemsOfTheSameBaseUnit) {
  TJQd quota = testing::Rec{.quantity = L"2.5"}.Quota(L"A1", L"n", L"100立方米");
  quota.billUnit = L"m2";
  TJQd copy = quota;
  EXPECT_TRUE(ConvertRecordToBaseUnit(copy, L"m3"));
  EXPECT_EQ(copy.quantity, L"250.000000");
  copy = quota;
  EXPECT_FALSE(ConvertRecordToBaseUnit(copy, L"m2"));
  EXPECT_EQ(copy.quantity, L"2.5");

  // A bill record is converted by its bill unit.
  TJQd bill = quota;
  bill.kind = L"1";
  EXPECT_TRUE(ConvertRecordToBaseUnit(bill, L"m2"));
  EXPECT_EQ(bill.quantity, L"2.5");  // factor 1 keeps the text as it was

  TJQd area = quota;
  area.quotaUnit = L"10m2";
  EXPECT_FALSE(ConvertRecordToBaseUnit(area, L"m3"));
  TJQd unknown = quota;
  unknown.quotaUnit = L"千克";
  EXPECT_FALSE(ConvertRecordToBaseUnit(unknown, L"m3"));
  EXPECT_EQ(unknown.quantity, L"2.5");

  TJQd text = quota;
  text.quantity = L"n/a";
  EXPECT_TRUE(ConvertRecordToBaseUnit(text, L"m3"));
  EXPECT_EQ(text.quantity, L"0.000000");
}

}  // namespace
}  // namespace reportdata
