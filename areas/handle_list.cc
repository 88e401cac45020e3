#include "areas/handle_list.h"

#include <functional>

namespace reportdata {

bool HandleList::Add(std::string_view handle) {
  const auto hash_of = [](std::string_view h) {
    return HashFold(std::hash<std::string_view>{}(h));
  };
  if (FindFirst(
          *this, index_, [&] { return hash_of(handle); }, hash_of,
          [&](std::string_view listed) { return listed == handle; }) >= 0) {
    return false;
  }
  bytes_.append(handle);
  ends_.push_back(static_cast<uint32_t>(bytes_.size()));
  return true;
}

}  // namespace reportdata
