#include "areas/handle_list.h"

#include <functional>

namespace reportdata {

bool HandleList::Add(std::string_view handle) {
  const auto hash_of = [](std::string_view h) {
    return HashFold(std::hash<std::string_view>{}(h));
  };
  // A long list looks the handle up by its hash, and then indexes it by the
  // same hash: hashed once.
  uint32_t hash = 0;
  bool hashed = false;
  const auto key_hash = [&] {
    hashed = true;
    return hash = hash_of(handle);
  };
  if (FindFirst(*this, index_, key_hash, hash_of,
                [&](std::string_view listed) { return listed == handle; }) >= 0) {
    return false;
  }
  bytes_.append(handle);
  ends_.push_back(static_cast<uint32_t>(bytes_.size()));
  if (hashed) {
    index_.Add(hash, static_cast<uint32_t>(size() - 1));
    index_.set_indexed(size());
  }
  return true;
}

}  // namespace reportdata
