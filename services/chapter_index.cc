#include "services/chapter_index.h"

#include <algorithm>

namespace reportdata {

void ChapterIndex::Add(std::wstring prefix, Chapter chapter) {
  const std::size_t length = prefix.size();
  by_prefix_.insert_or_assign(std::move(prefix), std::move(chapter));
  const auto at = std::lower_bound(lengths_.begin(), lengths_.end(), length, std::greater<>());
  if (at == lengths_.end() || *at != length) lengths_.insert(at, length);
}

const Chapter* ChapterIndex::Find(std::wstring_view code) const {
  for (std::size_t length : lengths_) {
    if (length > code.size()) continue;
    const auto found = by_prefix_.find(code.substr(0, length));
    if (found != by_prefix_.end()) return &found->second;
  }
  return nullptr;
}

}  // namespace reportdata
