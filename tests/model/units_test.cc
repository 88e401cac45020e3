#include "keys/units.h"

#include <gtest/gtest.h>

#include <cwchar>
#include <iterator>
#include <string>

#include "keys/floor_text.h"
#include "support/records.h"

namespace reportdata {
namespace {

std::wstring Parsed(std::wstring_view text) {
  std::wstring base = L"unchanged";
  int factor = -1;
  if (!ParseUnit(text, &base, &factor)) return L"no:" + base + L":" + std::to_wstring(factor);
  return base + L"*" + std::to_wstring(factor);
}

TEST(UnitsTest, RecognisesEveryListedFormAndNothingElse) {
  const wchar_t* volume[] = {L"m3", L"M3", L"立米", L"立方米"};
  const wchar_t* area[] = {L"m2", L"M2", L"平米", L"平方米"};
  const wchar_t* length[] = {L"m", L"M", L"米"};
  for (const std::wstring prefix : {L"", L"10", L"100", L"1000"}) {
    const std::wstring factor = prefix.empty() ? L"1" : prefix;
    for (const wchar_t* unit : volume) EXPECT_EQ(Parsed(prefix + unit), L"m3*" + factor);
    for (const wchar_t* unit : area) EXPECT_EQ(Parsed(prefix + unit), L"m2*" + factor);
    for (const wchar_t* unit : length) EXPECT_EQ(Parsed(prefix + unit), L"m*" + factor);
  }
  // Everything else is refused without touching the outputs.
  for (const wchar_t* text : {L"千克", L"", L"10 m3", L" m3", L"m3 ", L"mm", L"M 2", L"10000m3",
                              L"1m3", L"010m3", L"t", L"个", L"10千克", L"10"}) {
    EXPECT_EQ(Parsed(text), L"no:unchanged:-1") << text;
  }
  int factor = 0;
  EXPECT_TRUE(ParseUnit(L"10M2", nullptr, &factor));
  EXPECT_EQ(factor, 10);
  EXPECT_TRUE(ParseUnit(L"米", nullptr, nullptr));
}

// The text is printf's "%f" of the text's leading number, digit for digit,
// halfway cases included (1/128 has seven decimals and ends in a 5), and the
// number is that text read; a text without a number scales as zero.
TEST(UnitsTest, ScaledTextIsPrintfsAndScaledNumberReadsIt) {
  for (const wchar_t* quantity :
       {L"0.0078125", L"-0.0234375", L"1.0000005", L"2.5e-7", L"-0", L"123456789.123456789",
        L"4.35", L"1e22", L" -3.5e1", L"12abc", L"abc", L"", L"1e300"}) {
    for (const int factor : {1, 10, 100, 1000}) {
      wchar_t printed[512];
      std::swprintf(printed, std::size(printed), L"%f", std::wcstod(quantity, nullptr) * factor);
      const std::wstring text = ScaleQuantityText(quantity, factor);
      EXPECT_EQ(text, printed) << quantity << L" * " << factor;
      EXPECT_EQ(ScaleQuantity(LeadingDouble(quantity), factor), std::wcstod(text.c_str(), nullptr))
          << quantity;
    }
  }
}

// A quota record converts by its quota unit, a bill record by its bill
// unit ("m2" here); a factor of 1 keeps the text as it was.
TEST(UnitsTest, ConvertsRecordsForIndexItemsOfTheSameBaseUnit) {
  const struct {
    const wchar_t* kind;
    const wchar_t* quota_unit;
    const wchar_t* quantity;
    const wchar_t* item_base;
    bool converted;
    const wchar_t* result;
  } cases[] = {
      {L"2", L"100立方米", L"2.5", L"m3", true, L"250.000000"},
      {L"2", L"100立方米", L"2.5", L"m2", false, L"2.5"},
      {L"1", L"100立方米", L"2.5", L"m2", true, L"2.5"},
      {L"2", L"10m2", L"2.5", L"m3", false, L"2.5"},
      {L"2", L"千克", L"2.5", L"m3", false, L"2.5"},
      {L"2", L"100立方米", L"n/a", L"m3", true, L"0.000000"},
  };
  for (const auto& c : cases) {
    TJQd record = testing::Rec{.quantity = c.quantity}.Quota(L"A1", L"n", c.quota_unit);
    record.billUnit = L"m2";
    record.kind = c.kind;
    EXPECT_EQ(ConvertRecordToBaseUnit(record, c.item_base), c.converted) << c.kind << c.quota_unit;
    EXPECT_EQ(record.quantity, c.result) << c.kind << c.quota_unit;
  }
}

}  // namespace
}  // namespace reportdata
