#include "keys/hash_index.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace reportdata {
namespace {

// Lookups through the index agree with a scan, for short lists, long lists,
// lists that grow between lookups and lists reordered after a reset.
TEST(HashIndexTest, FindsTheFirstEqualEntryLikeAScan) {
  std::vector<std::wstring> list;
  HashIndex index;
  auto hash_of = [](const std::wstring& text) { return HashFold(HashText(text)); };
  auto find = [&](const std::wstring& key) {
    return FindFirst(
        list, index, [&] { return hash_of(key); }, hash_of,
        [&](const std::wstring& entry) { return entry == key; });
  };
  for (int i = 0; i < 200; ++i) {
    const std::wstring key = L"k" + std::to_wstring(i % 150);
    const int found = find(key);
    const auto scanned = std::find(list.begin(), list.end(), key);
    EXPECT_EQ(found, scanned == list.end() ? -1 : static_cast<int>(scanned - list.begin()));
    if (found < 0) list.push_back(key);
  }
  EXPECT_EQ(list.size(), 150u);
  std::reverse(list.begin(), list.end());
  index.Reset();
  EXPECT_EQ(find(L"k0"), 149);
  EXPECT_EQ(find(L"k149"), 0);
  EXPECT_EQ(find(L"absent"), -1);
  // Entries of the same key hash: the earliest position wins.
  list.push_back(L"k0");
  EXPECT_EQ(find(L"k0"), 149);
}

}  // namespace
}  // namespace reportdata
