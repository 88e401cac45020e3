// The built-in orders of units, quota features and category lists are total
// orders: checked over every pair and triple of a set of near-equal values.
#include <gtest/gtest.h>

#include <vector>

#include "reportdata/services.h"
#include "support/total_order.h"

namespace reportdata {
namespace {

using testing::ExpectTotalOrder;

bool SameCategories(const std::vector<SNYTJFenLeiVarDescInfo>& a,
                    const std::vector<SNYTJFenLeiVarDescInfo>& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (a[i].var != b[i].var || a[i].name != b[i].name || a[i].value != b[i].value) return false;
  }
  return true;
}

TEST(Compare, UnitsByCodePoints) {
  EXPECT_EQ(CNYRACompareMethod::CompareTwoUnits(L"m2", L"m3"), -1);
  EXPECT_EQ(CNYRACompareMethod::CompareTwoUnits(L"m3", L"m3"), 0);
  EXPECT_EQ(CNYRACompareMethod::CompareTwoUnits(L"10m3", L"m"), -1);
  EXPECT_EQ(CNYRACompareMethod::CompareTwoUnits(L"m", L"m3"), -1);  // a prefix first
  EXPECT_EQ(CNYRACompareMethod::CompareTwoUnits(L"樘", L"t"), 1);
  ExpectTotalOrder<CString>(
      {L"", L"m", L"m2", L"m3", L"10m3", L"100m2", L"樘", L"t", L"M"},
      CNYRACompareMethod::CompareTwoUnits,
      [](const CString& a, const CString& b) { return a == b; }, true);
}

TEST(Compare, CategoryListsElementWiseThenLength) {
  using List = std::vector<SNYTJFenLeiVarDescInfo>;
  const List empty;
  const List a{{L"TLX", L"砼类型", L"商品砼"}};
  const List a_other_value{{L"TLX", L"砼类型", L"现拌砼"}};
  const List a_other_name{{L"TLX", L"类型", L"商品砼"}};
  const List b{{L"TLY", L"", L""}};
  const List a_then_b{a[0], b[0]};
  EXPECT_EQ(CNyQdDeDataAssistor::IsDeFenLeiSet1LargeThan2(empty, a), -1);
  EXPECT_EQ(CNyQdDeDataAssistor::IsDeFenLeiSet1LargeThan2(a, a_then_b), -1);
  EXPECT_EQ(CNyQdDeDataAssistor::IsDeFenLeiSet1LargeThan2(a_then_b, b), -1);  // var decides first
  EXPECT_EQ(CNyQdDeDataAssistor::IsDeFenLeiSet1LargeThan2(a_other_value, a), 1);
  EXPECT_EQ(CNyQdDeDataAssistor::IsDeFenLeiSet1LargeThan2(a, List(a)), 0);
  ExpectTotalOrder<List>({empty, a, a_other_value, a_other_name, b, a_then_b, {b[0], a[0]}},
                         CNyQdDeDataAssistor::IsDeFenLeiSet1LargeThan2, SameCategories, true);
}

TEST(Compare, FeaturesByCodeNameUnitThenCategories) {
  const SNYTJReportDEFeature base{L"A5-5", L"矩形柱", L"10m3", {}};
  SNYTJReportDEFeature other_code = base, other_name = base, other_unit = base,
                       with_category = base;
  other_code.code = L"A5-6";
  other_name.name = L"异形柱";
  other_unit.unit = L"m3";
  with_category.categories = {{L"TLX", L"砼类型", L"商品砼"}};
  EXPECT_EQ(CNYRACompareMethod::IsDEFeatureALargerThanB(base, other_code), -1);
  EXPECT_EQ(CNYRACompareMethod::IsDEFeatureALargerThanB(base, with_category), -1);
  EXPECT_EQ(CNYRACompareMethod::IsDEFeatureALargerThanB(other_code, with_category), 1);
  ExpectTotalOrder<SNYTJReportDEFeature>(
      {base, other_code, other_name, other_unit, with_category},
      CNYRACompareMethod::IsDEFeatureALargerThanB,
      [](const SNYTJReportDEFeature& a, const SNYTJReportDEFeature& b) {
        return a.code == b.code && a.name == b.name && a.unit == b.unit &&
               SameCategories(a.categories, b.categories);
      },
      true);
}

}  // namespace
}  // namespace reportdata
