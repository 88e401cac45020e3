// The bytes of a file as the input iterators the JSON reader takes, read in
// large blocks so that a file of hundreds of megabytes streams through a
// fixed buffer. Reports the bytes read so far to an optional callback once
// per block.
#ifndef REPORTDATA_SERVICES_JSON_FILE_INPUT_H_
#define REPORTDATA_SERVICES_JSON_FILE_INPUT_H_

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <iterator>
#include <vector>

#include "reportdata/importer.h"

namespace reportdata {

class JsonFileInput {
 public:
  // file stays owned by the caller; total is its size, for the callback.
  JsonFileInput(std::FILE* file, std::uint64_t total, const ImportProgress& progress)
      : file_(file), total_(total), progress_(progress), buffer_(kBlockSize) {}
  JsonFileInput(const JsonFileInput&) = delete;
  JsonFileInput& operator=(const JsonFileInput&) = delete;

  // An input iterator; the default-constructed one is the end.
  class Iterator {
   public:
    using iterator_category = std::input_iterator_tag;
    using value_type = char;
    using difference_type = std::ptrdiff_t;
    using pointer = const char*;
    using reference = const char&;

    Iterator() = default;
    explicit Iterator(JsonFileInput* input) : input_(input) {}
    reference operator*() const { return input_->buffer_[input_->pos_]; }
    Iterator& operator++() {
      ++input_->pos_;
      return *this;
    }
    bool operator==(const Iterator& other) const { return AtEnd() == other.AtEnd(); }

   private:
    bool AtEnd() const { return input_ == nullptr || !input_->Available(); }
    JsonFileInput* input_ = nullptr;
  };

  Iterator begin() { return Iterator(this); }
  Iterator end() { return Iterator(); }
  // Whether reading stopped on an error of the file rather than its end.
  bool failed() const { return failed_; }

 private:
  static constexpr std::size_t kBlockSize = std::size_t{1} << 20;

  // True when a byte is at pos_, reading the next block when needed.
  bool Available() {
    if (pos_ < length_) return true;
    if (done_) return false;
    length_ = std::fread(buffer_.data(), 1, buffer_.size(), file_);
    pos_ = 0;
    read_ += length_;
    if (length_ < buffer_.size()) {
      done_ = true;
      failed_ = std::ferror(file_) != 0;
    }
    if (progress_) progress_(read_, total_);
    return length_ > 0;
  }

  std::FILE* file_;
  std::uint64_t total_;
  const ImportProgress& progress_;
  std::vector<char> buffer_;
  std::size_t pos_ = 0;
  std::size_t length_ = 0;
  std::uint64_t read_ = 0;
  bool done_ = false;
  bool failed_ = false;
};

}  // namespace reportdata

#endif  // REPORTDATA_SERVICES_JSON_FILE_INPUT_H_
