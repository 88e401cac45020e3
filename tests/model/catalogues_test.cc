#include "model/catalogues.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace reportdata {
namespace {

std::wstring Code(int type_number) {
  const ComponentKind* kind = FindComponentKind(type_number);
  return kind ? std::wstring(kind->code) : L"<none>";
}

TEST(CataloguesTest, ComponentKindCatalogueHasItsRowsInOrder) {
  const auto kinds = ComponentKinds();
  ASSERT_EQ(kinds.size(), 108u);
  std::set<int> ids;
  for (const ComponentKind& kind : kinds) ids.insert(kind.id);
  EXPECT_EQ(ids.size(), 108u);

  EXPECT_EQ(kinds.front().id, 251);
  EXPECT_EQ(kinds[8].code, L"Q\\BLMQ");
  EXPECT_EQ(kinds[9].id, 61);
  EXPECT_EQ(kinds[71].id, 1501);
  EXPECT_EQ(kinds[72].id, 1018);
  EXPECT_EQ(kinds[92].id, 313);
  EXPECT_EQ(kinds.back().id, 7777);

  // Codes and paths are "category\kind" and layers are drawing layers,
  // except for the other-items row and the sub-part rows.
  for (const ComponentKind& kind : kinds) {
    if (kind.id == 7777 || kind.code.empty()) continue;
    EXPECT_NE(kind.code.find(L'\\'), std::wstring_view::npos) << kind.id;
    EXPECT_NE(kind.path.find(L'\\'), std::wstring_view::npos) << kind.id;
    EXPECT_EQ(kind.layer_names.substr(0, 3), L"NY_") << kind.id;
  }
}

TEST(CataloguesTest, FindsComponentKindsByTypeNumber) {
  const ComponentKind* wall = FindComponentKind(251);
  ASSERT_NE(wall, nullptr);
  EXPECT_EQ(wall->code, L"Q\\0Q");
  EXPECT_EQ(wall->path, L"墙\\0墙");
  EXPECT_EQ(wall->layer_names, L"NY_0墙");

  const ComponentKind* other = FindComponentKind(7777);
  ASSERT_NE(other, nullptr);
  EXPECT_EQ(other->code, L"QTXM");
  EXPECT_EQ(other->path, L"其他项目");
  EXPECT_EQ(other->layer_names, L"");

  EXPECT_EQ(Code(22), L"Q\\TWQ");
  EXPECT_EQ(Code(43), L"B\\LTB");
  EXPECT_EQ(Code(313), L"J\\TF");
  EXPECT_EQ(Code(1113), L"JH\\QTGJ");
  EXPECT_EQ(FindComponentKind(52)->path, L"门.窗.洞\\门");
  EXPECT_EQ(FindComponentKind(41)->path, L"板.楼梯\\现浇板");

  for (int sub_part : {1013, 1014, 1015, 310, 311, 312, 314, 315}) {
    const ComponentKind* kind = FindComponentKind(sub_part);
    ASSERT_NE(kind, nullptr) << sub_part;
    EXPECT_EQ(kind->code, L"") << sub_part;
    EXPECT_EQ(kind->path, L"") << sub_part;
    EXPECT_EQ(kind->layer_names, L"") << sub_part;
  }
  const ComponentKind* courtyard = FindComponentKind(1501);
  ASSERT_NE(courtyard, nullptr);
  EXPECT_EQ(courtyard->code, L"");
  EXPECT_EQ(courtyard->layer_names, L"NY_天井");

  EXPECT_EQ(FindComponentKind(75)->path, L"装饰\\墙裙");
  EXPECT_EQ(FindComponentKind(75)->layer_names, L"NY_内墙面,NY_外墙面");
  EXPECT_EQ(FindComponentKind(84)->code, L"ZS\\LMZS");
  EXPECT_EQ(FindComponentKind(84)->layer_names,
            L"NY_立面墙装饰_3D,NY_立面柱装饰_3D,NY_立面梁装饰_3D");
  EXPECT_EQ(FindComponentKind(85)->code, L"ZS\\LMDK");

  EXPECT_EQ(FindComponentKind(0), nullptr);
  EXPECT_EQ(FindComponentKind(-22), nullptr);
  EXPECT_EQ(FindComponentKind(316), nullptr);
}

TEST(CataloguesTest, CalcItemCatalogueHasItsIdRanges) {
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
}

TEST(CataloguesTest, NamesCalcItemsByIdText) {
  EXPECT_EQ(CalcItemName(L"1"), L"实体");
  EXPECT_EQ(CalcItemName(L"2"), L"实体模板");
  EXPECT_EQ(CalcItemName(L"32"), L"屋面保温.隔热层");
  EXPECT_EQ(CalcItemName(L"45"), L"线");
  EXPECT_EQ(CalcItemName(L"70"), L"");
  EXPECT_EQ(CalcItemName(L"117"), L"土方支护5");
  EXPECT_EQ(CalcItemName(L"122"), L"左侧板实体");
  EXPECT_EQ(CalcItemName(L"140"), L"独立基后浇带模板");
  EXPECT_EQ(CalcItemName(L"10008"), L"外扩实体");
  EXPECT_EQ(CalcItemName(L"10013"), L"m长度实体");
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
