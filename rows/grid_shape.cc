// The reader of a layout A answer's tree.
#include "reportdata/grid_shape.h"

namespace reportdata {
namespace {

// The decimal at the start of a row id cell, as the C runtime's conversion
// reads it: leading blanks and a sign allowed, no digits read as 0; digits
// past any id a table can hand out no longer change it.
constexpr long long kLargestId = 100'000'000'000'000'000;

template <typename Char>
long long IdOf(std::basic_string_view<Char> text) {
  size_t at = 0;
  while (at < text.size() && (text[at] == ' ' || text[at] == '\t')) ++at;
  bool negative = false;
  if (at < text.size() && (text[at] == '-' || text[at] == '+')) negative = text[at++] == '-';
  long long value = 0;
  for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at) {
    if (value < kLargestId) value = value * 10 + (text[at] - '0');
  }
  return negative ? -value : value;
}

}  // namespace

void GridShape::Add(std::wstring_view id, std::wstring_view parent_id) {
  AddIds(IdOf(id), IdOf(parent_id));
}

void GridShape::Add(std::string_view id, std::string_view parent_id) {
  AddIds(IdOf(id), IdOf(parent_id));
}

void GridShape::AddIds(long long id, long long parent_id) {
  const std::size_t row = depth_.size();
  std::size_t parent = kNone;
  if (row > 0) {
    const auto found = row_of_id_.find(parent_id);
    if (found != row_of_id_.end()) parent = found->second;
    row_of_id_[id] = row;
  }
  parent_.push_back(parent);
  depth_.push_back(parent == kNone ? 0 : depth_[parent] + 1);
}

}  // namespace reportdata
