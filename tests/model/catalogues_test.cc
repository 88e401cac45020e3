#include "model/catalogues.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace reportdata {
namespace {

TEST(CataloguesTest, ComponentKindCatalogueHasItsRowsInOrderFoundByTypeNumber) {
  const auto kinds = ComponentKinds();
  ASSERT_EQ(kinds.size(), 108u);
  std::set<int> ids;
  for (const ComponentKind& kind : kinds) ids.insert(kind.id);
  EXPECT_EQ(ids.size(), 108u);

  EXPECT_EQ(std::vector({kinds.front().id, kinds[9].id, kinds[71].id, kinds[72].id, kinds[92].id,
                         kinds.back().id}),
            std::vector({251, 61, 1501, 1018, 313, 7777}));
  EXPECT_EQ(kinds[8].code, L"Q\\BLMQ");

  // Codes and paths are "category\kind" and layers are drawing layers,
  // except for the other-items row and the sub-part rows.
  for (const ComponentKind& kind : kinds) {
    if (kind.id == 7777 || kind.code.empty()) continue;
    EXPECT_NE(kind.code.find(L'\\'), std::wstring_view::npos) << kind.id;
    EXPECT_NE(kind.path.find(L'\\'), std::wstring_view::npos) << kind.id;
    EXPECT_EQ(kind.layer_names.substr(0, 3), L"NY_") << kind.id;
  }
  // Found by type number; nullptr: not looked at. Sub-part rows have neither
  // code nor path nor layers.
  const struct {
    int id;
    const wchar_t* code;
    const wchar_t* path;
    const wchar_t* layers;
  } cases[] = {
      {251, L"Q\\0Q", L"墙\\0墙", L"NY_0墙"},
      {7777, L"QTXM", L"其他项目", L""},
      {22, L"Q\\TWQ", nullptr, nullptr},
      {43, L"B\\LTB", nullptr, nullptr},
      {313, L"J\\TF", nullptr, nullptr},
      {1113, L"JH\\QTGJ", nullptr, nullptr},
      {52, nullptr, L"门.窗.洞\\门", nullptr},
      {41, nullptr, L"板.楼梯\\现浇板", nullptr},
      {1501, L"", nullptr, L"NY_天井"},
      {75, nullptr, L"装饰\\墙裙", L"NY_内墙面,NY_外墙面"},
      {84, L"ZS\\LMZS", nullptr, L"NY_立面墙装饰_3D,NY_立面柱装饰_3D,NY_立面梁装饰_3D"},
      {85, L"ZS\\LMDK", nullptr, nullptr},
  };
  for (const auto& c : cases) {
    const ComponentKind* kind = FindComponentKind(c.id);
    ASSERT_NE(kind, nullptr) << c.id;
    EXPECT_EQ(kind->code, c.code ? c.code : kind->code) << c.id;
    EXPECT_EQ(kind->path, c.path ? c.path : kind->path) << c.id;
    EXPECT_EQ(kind->layer_names, c.layers ? c.layers : kind->layer_names) << c.id;
  }
  for (int sub_part : {1013, 1014, 1015, 310, 311, 312, 314, 315}) {
    const ComponentKind* kind = FindComponentKind(sub_part);
    ASSERT_NE(kind, nullptr) << sub_part;
    EXPECT_EQ(std::wstring(kind->code) + std::wstring(kind->path) + std::wstring(kind->layer_names),
              L"")
        << sub_part;
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
