#include "model/catalogues.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace reportdata {
namespace {

// The door and window table takes a kind's code by its type number: codes
// are "category\kind" but for the other-items row, and sub-part rows have
// none.
TEST(CataloguesTest, ComponentKindsGiveTheirCodesByTypeNumber) {
  const auto kinds = ComponentKinds();
  ASSERT_EQ(kinds.size(), 108u);
  EXPECT_EQ(kinds[8].code, L"Q\\BLMQ");
  for (const ComponentKind& kind : kinds) {
    EXPECT_EQ(FindComponentKind(kind.id), &kind) << kind.id;
    if (kind.id == 7777 || kind.code.empty()) continue;
    EXPECT_NE(kind.code.find(L'\\'), std::wstring_view::npos) << kind.id;
  }
  const std::pair<int, const wchar_t*> codes[] = {
      {251, L"Q\\0Q"},     {7777, L"QTXM"}, {22, L"Q\\TWQ"},   {43, L"B\\LTB"},   {313, L"J\\TF"},
      {1113, L"JH\\QTGJ"}, {1501, L""},     {84, L"ZS\\LMZS"}, {85, L"ZS\\LMDK"}, {1013, L""},
      {1014, L""},         {1015, L""},     {310, L""},        {311, L""},        {312, L""},
      {314, L""},          {315, L""}};
  for (const auto& [id, code] : codes) {
    const ComponentKind* kind = FindComponentKind(id);
    ASSERT_NE(kind, nullptr) << id;
    EXPECT_EQ(kind->code, code) << id;
  }
  for (int missing : {0, -22, 316}) EXPECT_EQ(FindComponentKind(missing), nullptr) << missing;
}

TEST(CataloguesTest, CalcItemCatalogueHasItsIdRangesAndNamesItemsByIdText) {
  const auto items = CalcItems();
  ASSERT_EQ(items.size(), 163u);
  std::vector<int> expected;
  for (int id = 1; id <= 117; ++id) expected.push_back(id);
  for (int id = 122; id <= 140; ++id) expected.push_back(id);
  for (int id = 10001; id <= 10021; ++id) {
    if (id != 10010) expected.push_back(id);
  }
  for (int id = 100001; id <= 100007; ++id) expected.push_back(id);
  std::vector<int> ids;
  for (const CalcItem& item : items) {
    ids.push_back(item.id);
    EXPECT_EQ(item.name.empty(), item.id == 70) << item.id;
  }
  EXPECT_EQ(ids, expected);
  // The names at the ends of each id range, and the ids between the ranges.
  EXPECT_EQ(CalcItemName(L"1"), L"实体");
  EXPECT_EQ(CalcItemName(L"70"), L"");
  EXPECT_EQ(CalcItemName(L"117"), L"土方支护5");
  EXPECT_EQ(CalcItemName(L"122"), L"左侧板实体");
  EXPECT_EQ(CalcItemName(L"140"), L"独立基后浇带模板");
  EXPECT_EQ(CalcItemName(L"10008"), L"外扩实体");
  EXPECT_EQ(CalcItemName(L"100007"), L"扣减相关构件后的三维显示实体");
  for (const wchar_t* missing : {L"10010", L"118", L"141", L"0", L"10022", L"100008"}) {
    EXPECT_EQ(CalcItemName(missing), L"") << missing;
  }
  // The id is the text's leading integer.
  EXPECT_EQ(CalcItemName(L" 12abc"), L"栏杆");
  EXPECT_EQ(CalcItemName(L"+5"), L"附墙");
  EXPECT_EQ(CalcItemName(L"abc1"), L"");
  EXPECT_EQ(CalcItemName(L"99999999999999999999"), L"");
  EXPECT_EQ(CalcItemName(45), L"线");
}

}  // namespace
}  // namespace reportdata
