// Texts of the report trees that repeat across nodes (codes, names, units,
// kinds, floor texts, descriptions, chapter and partition names), held once.
// A PooledText is one pointer to its entry in the text pool: a tree of a
// million records keeps a few thousand distinct texts, so a node costs eight
// bytes per text instead of a string and its allocation, two texts compare
// by pointer, and each entry keeps its key hash and its UTF-8 form for the
// lookups and the table files.
//
// The pool holds the texts of the open project. It belongs to the engine's
// tables: the engine empties it (ClearPool) when it empties them, so a host
// that opens project after project holds one project's catalogue, not the
// union of all. Every PooledText made since the last ClearPool dangles
// after the next one: whatever holds one (a tree, an index, a memo, a
// deferred read) must be emptied first. The empty text and the lasting texts
// (Lasting, for a module's statics) are not emptied.
//
// Single-threaded: only the engine's calling thread makes or clears texts.
// The file writer of a write sequence runs on a second thread too, but it
// only reads entries (text, UTF-8 form, hash), which never move or change
// while they live, and it has ended before the call that started it
// returns; the byte prefetcher of a build handles bytes, never texts.
#ifndef REPORTDATA_KEYS_POOLED_TEXT_H_
#define REPORTDATA_KEYS_POOLED_TEXT_H_

#include <compare>
#include <cstdint>
#include <string>
#include <string_view>

namespace reportdata {

class PooledText {
 public:
  struct Entry {
    std::wstring text;
    std::string utf8;
    uint64_t hash = 0;      // HashText(text)
    uint32_t position = 0;  // in the pool's list, for its lookups
  };

  PooledText() : entry_(&kEmpty) {}
  PooledText(std::wstring_view text) : entry_(Intern(text)) {}  // NOLINT: texts convert freely
  PooledText(const std::wstring& text) : PooledText(std::wstring_view(text)) {}  // NOLINT
  PooledText(const wchar_t* text) : PooledText(std::wstring_view(text)) {}       // NOLINT

  // The text of UTF-8 bytes, as the table files hold it; a malformed
  // sequence reads as U+FFFD.
  static PooledText FromUtf8(std::string_view utf8);

  // The text as an entry that outlives every ClearPool, for a static of the
  // module: equal to the pooled text of the same characters, before and
  // after a clear. The few lasting texts stay until the process ends.
  static PooledText Lasting(std::wstring_view text);

  // Frees every entry but the empty and the lasting ones. REQUIRES: nothing
  // holds a PooledText of those entries any more.
  static void ClearPool();
  // The entries ClearPool would free.
  static size_t PoolSize();

  const std::wstring& str() const { return entry_->text; }
  operator const std::wstring&() const { return entry_->text; }  // NOLINT
  operator std::wstring_view() const { return entry_->text; }    // NOLINT
  const std::string& utf8() const { return entry_->utf8; }
  uint64_t hash() const { return entry_->hash; }

  bool empty() const { return entry_->text.empty(); }
  size_t size() const { return entry_->text.size(); }
  const wchar_t* c_str() const { return entry_->text.c_str(); }

  // Equal texts share their entry.
  friend bool operator==(const PooledText& a, const PooledText& b) { return a.entry_ == b.entry_; }
  friend bool operator==(const PooledText& a, std::wstring_view b) { return a.str() == b; }
  friend bool operator==(const PooledText& a, const std::wstring& b) { return a.str() == b; }
  friend bool operator==(const PooledText& a, const wchar_t* b) { return a.str() == b; }
  friend std::strong_ordering operator<=>(const PooledText& a, const PooledText& b) {
    return a.str().compare(b.str()) <=> 0;
  }

 private:
  static const Entry kEmpty;
  explicit PooledText(const Entry* entry) : entry_(entry) {}
  static const Entry* Intern(std::wstring_view text);

  const Entry* entry_;
};

// The 64-bit key hash of the tree indexes (see hash_index.h), folded to
// their 32 bits by the callers' mixing; an entry keeps its text's.
uint64_t HashText(std::wstring_view text);
inline uint64_t HashText(const PooledText& text) { return text.hash(); }
inline uint64_t HashText(const std::wstring& text) { return HashText(std::wstring_view(text)); }
inline uint64_t HashText(const wchar_t* text) { return HashText(std::wstring_view(text)); }

}  // namespace reportdata

#endif  // REPORTDATA_KEYS_POOLED_TEXT_H_
