#include "model/text_arena.h"

#include <algorithm>
#include <cstring>

namespace reportdata {
namespace {

// Blocks grow with the file, from a few small tables' worth to the size at
// which a block's unused tail no longer matters.
constexpr size_t kFirstBlock = size_t{16} << 10;
constexpr size_t kLargestBlock = size_t{4} << 20;

}  // namespace

std::string_view TextArena::Copy(std::string_view text) {
  if (text.empty()) return {};
  if (text.size() > left_) {
    block_size_ = std::min(std::max(block_size_ * 2, kFirstBlock), kLargestBlock);
    const size_t size = std::max(block_size_, text.size());
    // Left uninitialised: every byte handed out is written first.
    blocks_.push_back(std::unique_ptr<char[]>(new char[size]));
    next_ = blocks_.back().get();
    left_ = size;
  }
  std::memcpy(next_, text.data(), text.size());
  const std::string_view copy(next_, text.size());
  next_ += text.size();
  left_ -= text.size();
  return copy;
}

}  // namespace reportdata
