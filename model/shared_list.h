// A list of a record, shared unchanged by the keys of the records that have
// it and by the tree nodes that keep it: consecutive records repeat their
// lists, and handing a list on costs a reference instead of a copy of every
// entry in it. A list is one pointer; its entries and their count of
// references are one block, no larger than a vector's entries and its
// allocation. An empty list holds no block at all, so the many records
// without entries share nothing that two threads would count on.
#ifndef REPORTDATA_MODEL_SHARED_LIST_H_
#define REPORTDATA_MODEL_SHARED_LIST_H_

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <new>
#include <span>
#include <utility>
#include <vector>

namespace reportdata {

template <typename Entry>
class SharedList {
 public:
  using value_type = Entry;

  SharedList() = default;
  explicit SharedList(std::span<const Entry> list) : block_(Block::Make(list)) {}
  explicit SharedList(const std::vector<Entry>& list) : SharedList(std::span<const Entry>(list)) {}
  SharedList(std::initializer_list<Entry> list)
      : SharedList(std::span<const Entry>(list.begin(), list.size())) {}

  SharedList(const SharedList& other) noexcept : block_(other.block_) {
    if (block_ != nullptr) block_->refs.fetch_add(1, std::memory_order_relaxed);
  }
  SharedList(SharedList&& other) noexcept : block_(std::exchange(other.block_, nullptr)) {}
  SharedList& operator=(SharedList other) noexcept {
    std::swap(block_, other.block_);
    return *this;
  }
  ~SharedList() { Block::Release(block_); }

  std::span<const Entry> operator*() const { return {begin(), size()}; }

  size_t size() const { return block_ != nullptr ? block_->size : 0; }
  bool empty() const { return block_ == nullptr; }
  void clear() { *this = SharedList(); }
  const Entry& operator[](size_t i) const { return begin()[i]; }
  const Entry* begin() const { return block_ != nullptr ? block_->entries() : nullptr; }
  const Entry* end() const { return begin() + size(); }

  // Whether both hold the very same list (two empty lists do): equal
  // entries then without comparing them.
  bool SameList(const SharedList& other) const { return block_ == other.block_; }

 private:
  // The count of references and of entries, then the entries.
  struct Block {
    std::atomic<uint32_t> refs{1};
    uint32_t size = 0;

    static constexpr size_t kEntriesAt =
        (sizeof(Block) + alignof(Entry) - 1) / alignof(Entry) * alignof(Entry);

    Entry* entries() const {
      return std::launder(reinterpret_cast<Entry*>(
          const_cast<char*>(reinterpret_cast<const char*>(this)) + kEntriesAt));
    }

    static Block* Make(std::span<const Entry> list) {
      if (list.empty()) return nullptr;
      void* raw = ::operator new(kEntriesAt + list.size() * sizeof(Entry));
      Block* block = new (raw) Block;
      block->size = static_cast<uint32_t>(list.size());
      try {
        std::uninitialized_copy(list.begin(), list.end(),
                                reinterpret_cast<Entry*>(static_cast<char*>(raw) + kEntriesAt));
      } catch (...) {
        block->~Block();
        ::operator delete(raw);
        throw;
      }
      return block;
    }

    static void Release(Block* block) {
      if (block == nullptr || block->refs.fetch_sub(1, std::memory_order_acq_rel) != 1) return;
      std::destroy_n(block->entries(), block->size);
      block->~Block();
      ::operator delete(static_cast<void*>(block));
    }
  };
  static_assert(alignof(Entry) <= __STDCPP_DEFAULT_NEW_ALIGNMENT__);

  Block* block_ = nullptr;
};

}  // namespace reportdata

#endif  // REPORTDATA_MODEL_SHARED_LIST_H_
