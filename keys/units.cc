// Unit table and quantity scaling.
#include "keys/units.h"

#include <charconv>
#include <cmath>

#include "keys/floor_text.h"
#include "keys/number_format.h"

namespace reportdata {

namespace {

struct UnitForm {
  std::wstring_view text;
  std::wstring_view base;
  int factor;
};

// In matching order: all factor-1 forms (volume, area, length), then factor
// 10, 100 and 1000.
constexpr UnitForm kUnitForms[] = {
    {L"m3", L"m3", 1},
    {L"M3", L"m3", 1},
    {L"立米", L"m3", 1},
    {L"立方米", L"m3", 1},
    {L"m2", L"m2", 1},
    {L"M2", L"m2", 1},
    {L"平米", L"m2", 1},
    {L"平方米", L"m2", 1},
    {L"m", L"m", 1},
    {L"M", L"m", 1},
    {L"米", L"m", 1},

    {L"10m3", L"m3", 10},
    {L"10M3", L"m3", 10},
    {L"10立米", L"m3", 10},
    {L"10立方米", L"m3", 10},
    {L"10m2", L"m2", 10},
    {L"10M2", L"m2", 10},
    {L"10平米", L"m2", 10},
    {L"10平方米", L"m2", 10},
    {L"10m", L"m", 10},
    {L"10M", L"m", 10},
    {L"10米", L"m", 10},

    {L"100m3", L"m3", 100},
    {L"100M3", L"m3", 100},
    {L"100立米", L"m3", 100},
    {L"100立方米", L"m3", 100},
    {L"100m2", L"m2", 100},
    {L"100M2", L"m2", 100},
    {L"100平米", L"m2", 100},
    {L"100平方米", L"m2", 100},
    {L"100m", L"m", 100},
    {L"100M", L"m", 100},
    {L"100米", L"m", 100},

    {L"1000m3", L"m3", 1000},
    {L"1000M3", L"m3", 1000},
    {L"1000立米", L"m3", 1000},
    {L"1000立方米", L"m3", 1000},
    {L"1000m2", L"m2", 1000},
    {L"1000M2", L"m2", 1000},
    {L"1000平米", L"m2", 1000},
    {L"1000平方米", L"m2", 1000},
    {L"1000m", L"m", 1000},
    {L"1000M", L"m", 1000},
    {L"1000米", L"m", 1000},
};

// The scaled quantity as "%f" prints it, in text.
std::string_view PrintScaled(double quantity, int factor, char (&text)[kFixedChars]) {
  double value = quantity * factor;
  if (!std::isfinite(value)) value = 0.0;  // scaled past the largest double
  return PrintFixed(value, 6, text);
}

}  // namespace

bool ParseUnit(std::wstring_view text, std::wstring* base, int* factor) {
  for (const UnitForm& form : kUnitForms) {
    if (form.text != text) continue;
    if (base != nullptr) base->assign(form.base);
    if (factor != nullptr) *factor = form.factor;
    return true;
  }
  return false;
}

std::wstring ScaleQuantityText(std::wstring_view quantity, int factor) {
  char text[kFixedChars];
  const std::string_view printed = PrintScaled(LeadingDouble(quantity), factor, text);
  return std::wstring(printed.begin(), printed.end());
}

double ScaleQuantity(double quantity, int factor) {
  char text[kFixedChars];
  const std::string_view printed = PrintScaled(quantity, factor, text);
  double value = 0.0;
  std::from_chars(printed.data(), printed.data() + printed.size(), value);
  return value;
}

bool ConvertRecordToBaseUnit(TJQd& record, std::wstring_view item_base) {
  const CString& unit = record.kind == L"1" ? record.billUnit : record.quotaUnit;
  std::wstring base;
  int factor = 1;
  if (!ParseUnit(unit.str(), &base, &factor) || base != item_base) return false;
  if (factor != 1) record.quantity = ScaleQuantityText(record.quantity.str(), factor);
  return true;
}

}  // namespace reportdata
