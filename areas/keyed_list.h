// Find-or-append on a list of nodes keyed by one text, through the HashIndex
// kept beside the list: how the door and window table and its regrouped view
// file an occurrence at every level without scanning a list that can grow.
#ifndef REPORTDATA_AREAS_KEYED_LIST_H_
#define REPORTDATA_AREAS_KEYED_LIST_H_

#include <string_view>
#include <vector>

#include "model/hash_index.h"
#include "model/tree_insert.h"

namespace reportdata {

// The first entry whose key_of(entry) equals key; when none does, make() is
// appended and returned. A pooled key against pooled entry keys costs
// neither a hash of the text nor a comparison of it.
template <typename Node, typename Key, typename KeyOf, typename Make>
Node& FindOrAppend(std::vector<Node>& list, HashIndex& index, const Key& key, KeyOf&& key_of,
                   Make&& make) {
  const int found = FindFirst(
      list, index, [&] { return TextHash(key); },
      [&](const Node& node) { return TextHash(key_of(node)); },
      [&](const Node& node) { return key_of(node) == key; });
  if (found >= 0) return list[found];
  return list.emplace_back(make());
}

}  // namespace reportdata

#endif  // REPORTDATA_AREAS_KEYED_LIST_H_
