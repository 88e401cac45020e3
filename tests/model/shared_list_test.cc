// A shared list keeps its entries while any holder does, and holders of one
// list are the same list; under the sanitizers, a block freed too early or
// never shows here.
#include "model/shared_list.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "reportdata/framework.h"

namespace reportdata {
namespace {

TEST(SharedListTest, HoldersShareOneListUntilTheLastLetsGo) {
  const std::vector<CString> texts = {L"砂浆", L"a text too long for a string's own buffer"};
  SharedList<CString> list(texts);
  SharedList<CString> copy = list;
  EXPECT_TRUE(copy.SameList(list));
  SharedList<CString> moved = std::move(copy);
  EXPECT_TRUE(moved.SameList(list));
  list.clear();
  EXPECT_TRUE(list.empty());
  EXPECT_FALSE(moved.SameList(list));
  ASSERT_EQ(moved.size(), 2u);
  EXPECT_EQ(moved[1], texts[1]);
  // Equal entries in a list of their own are another list; two empty lists
  // are the same one.
  EXPECT_FALSE(SharedList<CString>(texts).SameList(moved));
  EXPECT_TRUE(SharedList<CString>(std::vector<CString>{}).SameList(SharedList<CString>()));
  moved = SharedList<CString>{CString(L"x")};
  EXPECT_EQ(std::vector<CString>(moved.begin(), moved.end()), std::vector<CString>{L"x"});
}

}  // namespace
}  // namespace reportdata
