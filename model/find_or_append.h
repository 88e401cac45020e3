// The merge step of the physical-quantity, room and door and window trees:
// find the entry of a list whose text key equals a record's, or append a new
// one, through the list's lookup index.
#ifndef REPORTDATA_MODEL_FIND_OR_APPEND_H_
#define REPORTDATA_MODEL_FIND_OR_APPEND_H_

#include <string_view>

#include "keys/hash_index.h"
#include "model/tree_insert.h"

namespace reportdata {

// The first entry of `list` whose key_of(entry) equals `key`; when there is
// none, make() is appended and returned. A pooled key against pooled entry
// keys costs neither a hash of the text nor a comparison of it.
template <typename List, typename Key, typename KeyOf, typename Make>
auto& FindOrAppend(List& list, HashIndex& index, const Key& key, KeyOf&& key_of, Make&& make) {
  const int found = FindFirst(
      list, index, [&] { return TextHash(key); },
      [&](const auto& entry) { return TextHash(key_of(entry)); },
      [&](const auto& entry) { return key_of(entry) == key; });
  if (found >= 0) return list[found];
  return list.emplace_back(make());
}

// The entry of `list` with this name and type_path (a component of an item
// or a finish of a decoration kind); appended, with both set, when none has.
template <typename List, typename Text>
auto& FindOrAppendComponent(List& list, HashIndex& index, const Text& name, const Text& type_path) {
  auto hash_of = [](const auto& n, const auto& t) {
    return HashFold(HashMix(HashText(n), HashText(t)));
  };
  const int found = FindFirst(
      list, index, [&] { return hash_of(name, type_path); },
      [&](const auto& entry) { return hash_of(entry.name, entry.type_path); },
      [&](const auto& entry) { return entry.name == name && entry.type_path == type_path; });
  if (found >= 0) return list[found];
  auto& entry = list.emplace_back();
  entry.name = name;
  entry.type_path = type_path;
  return entry;
}

}  // namespace reportdata

#endif  // REPORTDATA_MODEL_FIND_OR_APPEND_H_
