// The distinct drawing handles of a component-table section, in order of
// arrival. Their bytes run together in one buffer: the table of a large
// project lists a million handles of a few characters each, which as
// strings of their own cost 32 bytes and an allocation apiece.
#ifndef REPORTDATA_AREAS_HANDLE_LIST_H_
#define REPORTDATA_AREAS_HANDLE_LIST_H_

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "keys/hash_index.h"

namespace reportdata {

class HandleList {
 public:
  // Lists handle (UTF-8); false when it is listed already.
  bool Add(std::string_view handle);

  size_t size() const { return ends_.size(); }
  std::string_view operator[](size_t i) const {
    const uint32_t begin = i == 0 ? 0 : ends_[i - 1];
    return std::string_view(bytes_).substr(begin, ends_[i] - begin);
  }

  class Iterator {
   public:
    Iterator(const HandleList& list, size_t i) : list_(&list), i_(i) {}
    std::string_view operator*() const { return (*list_)[i_]; }
    Iterator& operator++() {
      ++i_;
      return *this;
    }
    bool operator!=(const Iterator& other) const { return i_ != other.i_; }

   private:
    const HandleList* list_;
    size_t i_;
  };
  Iterator begin() const { return Iterator(*this, 0); }
  Iterator end() const { return Iterator(*this, size()); }

 private:
  std::string bytes_;
  std::vector<uint32_t> ends_;  // handle i is bytes_[ends_[i - 1], ends_[i])
  HashIndex index_;
};

}  // namespace reportdata

#endif  // REPORTDATA_AREAS_HANDLE_LIST_H_
