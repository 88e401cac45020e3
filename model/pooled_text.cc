// The text pool: shards of hash tables of entry pointers, one keyed by the
// wide text and one by its UTF-8 bytes, each shard behind its
// own mutex so that the two readers of a table file rarely wait for each
// other. Entries sit in deques, whose elements never move.
#include "model/pooled_text.h"

#include <array>
#include <cstring>
#include <deque>
#include <memory>
#include <mutex>
#include <unordered_map>

#include "model/hash_index.h"
#include "platform/text.h"

namespace reportdata {
namespace {

// A text's view into its entry, with the hash it was looked up by: entries
// never move, so the views stay valid as long as the pool.
template <typename View>
struct HashedView {
  uint64_t hash;
  View view;
  bool operator==(const HashedView&) const = default;
};
struct ByStoredHash {
  template <typename View>
  size_t operator()(const HashedView<View>& key) const {
    return key.hash;
  }
};
template <typename View>
using EntryTable = std::unordered_map<HashedView<View>, const PooledText::Entry*, ByStoredHash>;

constexpr uint64_t kHashMultiplier = 0x9E3779B97F4A7C15ULL;

// Eight bytes per mix, as HashText takes two characters: every text a
// table file holds is hashed by its bytes as it is read.
uint64_t HashUtf8(std::string_view utf8) {
  uint64_t hash = utf8.size() * kHashMultiplier;
  size_t i = 0;
  for (; i + 8 <= utf8.size(); i += 8) {
    uint64_t eight;
    std::memcpy(&eight, utf8.data() + i, 8);
    hash = HashMix(hash, eight);
  }
  if (i < utf8.size()) {
    uint64_t rest = 0;
    for (size_t k = 0; i + k < utf8.size(); ++k) {
      rest |= uint64_t{static_cast<uint8_t>(utf8[i + k])} << (8 * k);
    }
    hash = HashMix(hash, rest);
  }
  return hash;
}

struct Shard {
  std::mutex mutex;
  std::deque<PooledText::Entry> entries;
  EntryTable<std::wstring_view> by_text;
  EntryTable<std::string_view> by_utf8;
};

class Pool {
 public:
  const PooledText::Entry* Intern(std::wstring_view text) {
    const uint64_t hash = HashText(text);
    const PooledText::Entry*& recent = Recent().by_text[hash % kRecent];
    if (recent != nullptr && recent->hash == hash && recent->text == text) return recent;
    recent = InternHashed(text, hash);
    return recent;
  }

  const PooledText::Entry* InternUtf8(std::string_view utf8) {
    const uint64_t utf8_hash = HashUtf8(utf8);
    const PooledText::Entry*& recent = Recent().by_utf8[utf8_hash % kRecent];
    if (recent != nullptr && recent->utf8 == utf8) return recent;
    recent = InternUtf8Hashed(utf8, utf8_hash);
    return recent;
  }

 private:
  static constexpr size_t kShards = 16;
  // Each thread remembers the entries it interned last, by slot of their
  // hash: nearly every text of a build or a reload was seen moments before,
  // and finding it there takes no lock. Allocated at a thread's first text,
  // so the host's other threads do not carry it.
  static constexpr size_t kRecent = 4096;
  struct RecentEntries {
    std::array<const PooledText::Entry*, kRecent> by_text{};
    std::array<const PooledText::Entry*, kRecent> by_utf8{};
  };
  static RecentEntries& Recent() {
    thread_local std::unique_ptr<RecentEntries> recent;
    if (!recent) recent = std::make_unique<RecentEntries>();
    return *recent;
  }

  const PooledText::Entry* InternHashed(std::wstring_view text, uint64_t hash) {
    Shard& shard = shards_[hash % kShards];
    std::lock_guard lock(shard.mutex);
    const auto found = shard.by_text.find({hash, text});
    return found != shard.by_text.end() ? found->second
                                        : Add(shard, std::wstring(text), ToUtf8(text), hash);
  }

  const PooledText::Entry* InternUtf8Hashed(std::string_view utf8, uint64_t utf8_hash) {
    {
      Shard& shard = shards_[utf8_hash % kShards];
      std::lock_guard lock(shard.mutex);
      const auto found = shard.by_utf8.find({utf8_hash, utf8});
      if (found != shard.by_utf8.end()) return found->second;
    }
    // Bytes not read before: look the text up by its wide form, then list
    // the entry under these bytes in their own shard. Malformed bytes decode
    // to U+FFFD and keep the corrected bytes, so they are never listed.
    const PooledText::Entry* entry = Intern(FromUtf8(utf8));
    Shard& shard = shards_[utf8_hash % kShards];
    std::lock_guard lock(shard.mutex);
    if (entry->utf8 == utf8) shard.by_utf8.try_emplace({utf8_hash, entry->utf8}, entry);
    return entry;
  }

  const PooledText::Entry* Add(Shard& shard, std::wstring text, std::string utf8, uint64_t hash) {
    const PooledText::Entry* entry =
        &shard.entries.emplace_back(PooledText::Entry{std::move(text), std::move(utf8), hash});
    shard.by_text.try_emplace({hash, entry->text}, entry);
    return entry;
  }

  std::array<Shard, kShards> shards_;
};

Pool& ThePool() {
  // Never destroyed: nodes of static lifetime may still point into it.
  static Pool* pool = new Pool;
  return *pool;
}

}  // namespace

// Two code units per mix: the keys are short texts (codes, names, floors,
// descriptions), hashed once per record at every tree level.
uint64_t HashText(std::wstring_view text) {
  uint64_t hash = text.size() * kHashMultiplier;
  size_t i = 0;
  for (; i + 2 <= text.size(); i += 2) {
    hash = HashMix(
        hash, static_cast<uint32_t>(text[i]) | uint64_t{static_cast<uint32_t>(text[i + 1])} << 32);
  }
  if (i < text.size()) hash = HashMix(hash, static_cast<uint32_t>(text[i]));
  return hash;
}

// Zero is HashText of the empty text.
const PooledText::Entry PooledText::kEmpty{};

const PooledText::Entry* PooledText::Intern(std::wstring_view text) {
  return text.empty() ? &kEmpty : ThePool().Intern(text);
}

PooledText PooledText::FromUtf8(std::string_view utf8) {
  return PooledText(utf8.empty() ? &kEmpty : ThePool().InternUtf8(utf8));
}

}  // namespace reportdata
