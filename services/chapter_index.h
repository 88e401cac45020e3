// Chapters of a bill or quota library by code prefix. A code belongs to the
// chapter with the longest prefix that starts it. A look-up tries each
// distinct prefix length once, longest first, in a hash of the prefixes, so
// its cost does not grow with the number of chapters.
#ifndef REPORTDATA_SERVICES_CHAPTER_INDEX_H_
#define REPORTDATA_SERVICES_CHAPTER_INDEX_H_

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace reportdata {

struct Chapter {
  std::wstring name;
  std::wstring orderId;  // sorts chapters in natural name order
};

class ChapterIndex {
 public:
  // A later chapter with the same prefix replaces the earlier one.
  void Add(std::wstring prefix, Chapter chapter);
  // The chapter of code; null when no prefix starts it.
  const Chapter* Find(std::wstring_view code) const;

 private:
  struct Hash {
    using is_transparent = void;
    std::size_t operator()(std::wstring_view text) const {
      return std::hash<std::wstring_view>{}(text);
    }
  };
  std::unordered_map<std::wstring, Chapter, Hash, std::equal_to<>> by_prefix_;
  std::vector<std::size_t> lengths_;  // distinct prefix lengths, longest first
};

}  // namespace reportdata

#endif  // REPORTDATA_SERVICES_CHAPTER_INDEX_H_
