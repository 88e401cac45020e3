// The text pool: the entries of the open project's texts, each allocated on
// its own so that it never moves, listed by position, and found through two
// hash indexes over that list, one keyed by the wide text and one by its
// UTF-8 bytes as a table file holds them. One thread, no locks.
#include "keys/pooled_text.h"

#include <cstring>
#include <memory>
#include <vector>

#include "keys/hash_index.h"
#include "platform/text.h"

namespace reportdata {
namespace {

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
  // The last one to seven bytes in at most two loads, which may overlap:
  // with the length in the seed, the bytes still decide the value.
  const size_t left = utf8.size() - i;
  const char* rest = utf8.data() + i;
  if (left >= 4) {
    uint32_t low;
    uint32_t high;
    std::memcpy(&low, rest, 4);
    std::memcpy(&high, rest + left - 4, 4);
    hash = HashMix(hash, low | uint64_t{high} << 32);
  } else if (left > 0) {
    const auto byte = [rest](size_t k) { return uint64_t{static_cast<uint8_t>(rest[k])}; };
    hash = HashMix(hash, byte(0) | byte(left / 2) << 8 | byte(left - 1) << 16);
  }
  return hash;
}

using Entry = PooledText::Entry;

class Pool {
 public:
  const Entry* Intern(std::wstring_view text) {
    const uint64_t hash = HashText(text);
    const Entry* found = nullptr;
    by_text_.ForEach(HashFold(hash), [&](size_t i) {
      const Entry* entry = listed_[i];
      if (found == nullptr && entry->hash == hash && entry->text == text) found = entry;
    });
    return found != nullptr ? found : Add(std::wstring(text), ToUtf8(text), hash);
  }

  const Entry* InternUtf8(std::string_view utf8) {
    const uint32_t key = HashFold(HashUtf8(utf8));
    const Entry* found = nullptr;
    by_utf8_.ForEach(key, [&](size_t i) {
      if (found == nullptr && listed_[i]->utf8 == utf8) found = listed_[i];
    });
    if (found != nullptr) return found;
    // Bytes not read before: look the text up by its wide form, then list
    // the entry under these bytes. Malformed bytes decode to U+FFFD and keep
    // the corrected bytes, so they are never listed.
    const Entry* entry = Intern(reportdata::FromUtf8(utf8));
    if (entry->utf8 == utf8) by_utf8_.Add(key, entry->position);
    return entry;
  }

  const Entry* Lasting(std::wstring_view text) {
    const Entry* entry = Intern(text);
    std::unique_ptr<Entry>& owned = owned_[entry->position];
    if (owned) lasting_.push_back(std::move(owned));
    return entry;
  }

  void Clear() {
    owned_.clear();
    listed_.clear();
    by_text_.Reset();
    by_utf8_.Reset();
    // The lasting entries are listed anew by their text; each is listed
    // under its bytes again when a file first holds it.
    for (const std::unique_ptr<Entry>& entry : lasting_) List(entry.get(), nullptr);
  }

  size_t size() const { return listed_.size() - lasting_.size(); }

 private:
  const Entry* Add(std::wstring text, std::string utf8, uint64_t hash) {
    auto entry = std::make_unique<Entry>(Entry{std::move(text), std::move(utf8), hash, 0});
    Entry* added = entry.get();
    List(added, std::move(entry));
    return added;
  }

  // Lists entry by its text at the next position, owned there unless it is
  // a lasting one (owned null).
  void List(Entry* entry, std::unique_ptr<Entry> owned) {
    entry->position = static_cast<uint32_t>(listed_.size());
    listed_.push_back(entry);
    owned_.push_back(std::move(owned));
    by_text_.Add(HashFold(entry->hash), entry->position);
  }

  std::vector<Entry*> listed_;                 // every entry, by position
  std::vector<std::unique_ptr<Entry>> owned_;  // by position; null for a lasting entry
  std::vector<std::unique_ptr<Entry>> lasting_;
  HashIndex by_text_;  // positions by HashFold(HashText(text))
  HashIndex by_utf8_;  // positions by HashFold(HashUtf8(utf8)), of the entries read by bytes
};

Pool& ThePool() {
  // Never destroyed: the lasting texts of statics may be read to the end.
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

PooledText PooledText::Lasting(std::wstring_view text) {
  return PooledText(text.empty() ? &kEmpty : ThePool().Lasting(text));
}

void PooledText::ClearPool() { ThePool().Clear(); }

size_t PooledText::PoolSize() { return ThePool().size(); }

}  // namespace reportdata
