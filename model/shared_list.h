// A list of a record, shared unchanged by the keys of the records that have
// it and by the tree nodes that keep it: consecutive records repeat their
// lists, and handing a list on costs a reference instead of a copy of every
// entry in it. The entries and their count of references are one block, as
// a vector's entries are; an empty list holds no block at all, so the many
// records without entries share nothing that two threads would count on.
#ifndef REPORTDATA_MODEL_SHARED_LIST_H_
#define REPORTDATA_MODEL_SHARED_LIST_H_

#include <algorithm>
#include <cstddef>
#include <initializer_list>
#include <memory>
#include <span>
#include <vector>

namespace reportdata {

template <typename Entry>
class SharedList {
 public:
  using value_type = Entry;

  SharedList() = default;
  explicit SharedList(std::span<const Entry> list) {
    if (list.empty()) return;
    std::shared_ptr<Entry[]> block = std::make_shared<Entry[]>(list.size());
    std::copy(list.begin(), list.end(), block.get());
    entries_ = std::move(block);
    size_ = list.size();
  }
  explicit SharedList(const std::vector<Entry>& list) : SharedList(std::span<const Entry>(list)) {}
  SharedList(std::initializer_list<Entry> list)
      : SharedList(std::span<const Entry>(list.begin(), list.size())) {}

  std::span<const Entry> operator*() const { return {entries_.get(), size_}; }

  size_t size() const { return size_; }
  bool empty() const { return size_ == 0; }
  void clear() { *this = SharedList(); }
  const Entry& operator[](size_t i) const { return entries_[i]; }
  const Entry* begin() const { return entries_.get(); }
  const Entry* end() const { return entries_.get() + size_; }

  // Whether both hold the very same list (two empty lists do): equal
  // entries then without comparing them.
  bool SameList(const SharedList& other) const { return entries_ == other.entries_; }

 private:
  std::shared_ptr<const Entry[]> entries_;
  size_t size_ = 0;
};

}  // namespace reportdata

#endif  // REPORTDATA_MODEL_SHARED_LIST_H_
