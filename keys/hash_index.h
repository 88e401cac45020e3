// The lookup every tree level keeps beside its list of children, so that a
// record finds the node it merges into without scanning the list. A list of
// at most kScanLimit entries is scanned (a handful of floors or chapters is
// cheaper to compare than to hash); above that the index holds the list
// positions by key hash in an open-addressing table.
//
// The index follows its list lazily: entries appended to the list (by the
// intake or by a table file reader) are indexed on the next lookup, and a
// sort of the list must call Reset(), after which the next lookup rebuilds
// it. An index is a plain value: copying a node copies its index, which stays
// valid for the copied list.
#ifndef REPORTDATA_KEYS_HASH_INDEX_H_
#define REPORTDATA_KEYS_HASH_INDEX_H_

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include "keys/pooled_text.h"

namespace reportdata {

class HashIndex {
 public:
  // Lists up to this many entries are scanned instead of indexed.
  static constexpr size_t kScanLimit = 8;

  HashIndex() = default;
  HashIndex(const HashIndex& other)
      : table_(other.table_ ? std::make_unique<Table>(*other.table_) : nullptr),
        indexed_(other.indexed_) {}
  HashIndex& operator=(const HashIndex& other) {
    if (this != &other) *this = HashIndex(other);
    return *this;
  }
  HashIndex(HashIndex&&) noexcept = default;
  HashIndex& operator=(HashIndex&&) noexcept = default;

  // Forgets every position; the next Sync indexes the list from its start.
  void Reset() {
    table_.reset();
    indexed_ = 0;
  }

  // Indexes the entries [indexed, count) of the list; hash_of(i) gives the
  // key hash of entry i. A list that shrank is indexed anew.
  template <typename HashOf>
  void Sync(size_t count, HashOf&& hash_of) {
    if (count < indexed_) Reset();
    for (; indexed_ < count; ++indexed_) {
      Add(static_cast<uint32_t>(hash_of(indexed_)), indexed_);
    }
  }

  // Adds one more key for a position (for lists where an entry has several
  // keys, such as a floor range under each floor it covers).
  void Add(uint32_t hash, uint32_t position);

  // Calls visit(position) for every indexed position stored under `hash`.
  template <typename Visit>
  void ForEach(uint32_t hash, Visit&& visit) const {
    if (!table_) return;
    const std::vector<Slot>& slots = table_->slots;
    const size_t mask = slots.size() - 1;
    for (size_t i = hash & mask;; i = (i + 1) & mask) {
      const Slot& slot = slots[i];
      if (slot.position == kEmpty) return;
      if (slot.hash == hash) visit(static_cast<size_t>(slot.position));
    }
  }

  size_t indexed() const { return indexed_; }
  void set_indexed(size_t count) { indexed_ = static_cast<uint32_t>(count); }

 private:
  static constexpr uint32_t kEmpty = UINT32_MAX;
  struct Slot {
    uint32_t hash = 0;
    uint32_t position = kEmpty;
  };
  struct Table {
    std::vector<Slot> slots;  // power-of-two size, at most half used
    size_t used = 0;
  };
  void Grow();

  // Allocated when the list first outgrows kScanLimit: most lists of a
  // tree never do, and an empty index then costs its node sixteen bytes.
  std::unique_ptr<Table> table_;
  uint32_t indexed_ = 0;  // list entries [0, indexed_) are in the table
};

// Mixes a value into a running hash.
inline uint64_t HashMix(uint64_t seed, uint64_t value) {
  value *= 0x9E3779B97F4A7C15ULL;
  value ^= value >> 32;
  seed ^= value + 0x9E3779B97F4A7C15ULL + (seed << 6) + (seed >> 2);
  return seed;
}

inline uint32_t HashFold(uint64_t hash) {
  hash ^= hash >> 33;
  hash *= 0xFF51AFD7ED558CCDULL;
  hash ^= hash >> 33;
  return static_cast<uint32_t>(hash);
}

// The first position (in list order) whose entry satisfies `equal`: a scan of
// a short list, otherwise the entries stored under the key's hash. key_hash()
// gives that hash, and is called only for a list long enough to be indexed:
// most lists of a tree are short, and hashing a record's texts costs more
// than comparing them with a handful of entries. hash_of(entry) gives the key
// hash of a list entry.
template <typename List, typename KeyHash, typename HashOf, typename Equal>
int FindFirst(const List& list, HashIndex& index, KeyHash&& key_hash, HashOf&& hash_of,
              Equal&& equal) {
  if (list.size() <= HashIndex::kScanLimit) {
    for (size_t i = 0; i < list.size(); ++i) {
      if (equal(list[i])) return static_cast<int>(i);
    }
    return -1;
  }
  index.Sync(list.size(), [&](size_t i) { return hash_of(list[i]); });
  int best = -1;
  index.ForEach(key_hash(), [&](size_t position) {
    if ((best < 0 || static_cast<int>(position) < best) && equal(list[position])) {
      best = static_cast<int>(position);
    }
  });
  return best;
}

}  // namespace reportdata

#endif  // REPORTDATA_KEYS_HASH_INDEX_H_
