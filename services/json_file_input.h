// The bytes of a file as the input iterators the JSON reader takes, read in
// large blocks so that a file of hundreds of megabytes streams through a
// fixed buffer. Reports the bytes read so far to an optional callback once
// per block. Each block is checked against the bounds of one value (the
// length of a text, the depth of nesting, the bytes between two values),
// since the reader holds a whole text, and every byte between two values, in
// memory; input ends at the first byte past a bound, which the caller then
// reports instead of the reader's complaint about the early end.
#ifndef REPORTDATA_SERVICES_JSON_FILE_INPUT_H_
#define REPORTDATA_SERVICES_JSON_FILE_INPUT_H_

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <iterator>
#include <string>
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
  // What went past a bound when input was cut there ("" when it was not),
  // such as "text too long"; the bound, such as "more than 1048576 bytes in
  // one text"; and the offset of the first byte past it, counted from 0.
  const char* bound_exceeded() const { return bound_what_; }
  bool cut() const { return *bound_what_ != '\0'; }
  const std::string& bound() const { return bound_; }
  std::uint64_t bound_byte() const { return bound_byte_; }

  // Bounds of one value of an interchange file; far above anything a takeoff
  // program writes.
  static constexpr std::size_t kMaxTextBytes = std::size_t{1} << 20;  // a text or number
  static constexpr int kMaxDepth = 64;                                // nested arrays and objects
  static constexpr std::size_t kMaxBetweenBytes = std::size_t{16}
                                                  << 20;  // between texts and numbers

 private:
  static constexpr std::size_t kBlockSize = std::size_t{1} << 20;

  // Checks the bytes of the block just read; cuts the block at the first
  // byte past a bound.
  void CheckBlock(std::uint64_t block_start) {
    for (std::size_t i = 0; i < length_; ++i) {
      const char ch = buffer_[i];
      if (in_text_) {
        if (escaped_) {
          escaped_ = false;
        } else if (ch == '\\') {
          escaped_ = true;
        } else if (ch == '"') {
          in_text_ = false;
          continue;
        }
        if (++run_ > kMaxTextBytes) {
          return Cut(block_start + i, "text too long", kMaxTextBytes, "bytes in one text");
        }
        continue;
      }
      switch (ch) {
        case '"':
          in_text_ = true;
          in_bare_ = false;
          run_ = 0;
          between_ = 0;
          continue;
        case '[':
        case '{':
          if (++depth_ > kMaxDepth) {
            return Cut(block_start + i, "nesting too deep", kMaxDepth,
                       "levels of arrays and objects");
          }
          in_bare_ = false;
          break;
        case ']':
        case '}':
          if (depth_ > 0) --depth_;
          in_bare_ = false;
          break;
        case ',':
        case ':':
        case ' ':
        case '\t':
        case '\n':
        case '\r':
          in_bare_ = false;
          break;
        default:
          // A number or a literal such as true; the reader keeps the bytes
          // before a number until it starts one.
          if (!in_bare_) {
            in_bare_ = true;
            run_ = 0;
            bare_number_ = ch == '-' || (ch >= '0' && ch <= '9');
          }
          if (++run_ > kMaxTextBytes) {
            return Cut(block_start + i, "value too long", kMaxTextBytes,
                       "bytes in one number or literal");
          }
          if (bare_number_) {
            between_ = 0;
            continue;
          }
          break;
      }
      if (++between_ > kMaxBetweenBytes) {
        return Cut(block_start + i, "too much between two values", kMaxBetweenBytes,
                   "bytes of blank space and punctuation in a row");
      }
    }
  }

  // Ends the block before byte, which is past "more than BOUND UNIT".
  void Cut(std::uint64_t byte, const char* what, std::size_t bound, const char* unit) {
    bound_what_ = what;
    bound_ = "more than " + std::to_string(bound) + " " + unit;
    bound_byte_ = byte;
    length_ = static_cast<std::size_t>(byte - (read_ - length_));
    done_ = true;
  }
  // True when a byte is at pos_, reading the next block when needed.
  bool Available() {
    if (pos_ < length_) return true;
    if (done_) return false;
    length_ = std::fread(buffer_.data(), 1, buffer_.size(), file_);
    pos_ = 0;
    const std::uint64_t block_start = read_;
    read_ += length_;
    if (length_ < buffer_.size()) {
      done_ = true;
      failed_ = std::ferror(file_) != 0;
    }
    CheckBlock(block_start);
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

  // Where the check of the bytes stands, across blocks.
  bool in_text_ = false;      // inside quotes
  bool escaped_ = false;      // after a backslash inside quotes
  bool in_bare_ = false;      // inside a number or literal
  bool bare_number_ = false;  // that bare value is a number
  std::size_t run_ = 0;       // bytes of the current text or bare value
  std::size_t between_ = 0;   // bytes since the last text or number began
  int depth_ = 0;             // open arrays and objects
  const char* bound_what_ = "";
  std::string bound_;
  std::uint64_t bound_byte_ = 0;
};

}  // namespace reportdata

#endif  // REPORTDATA_SERVICES_JSON_FILE_INPUT_H_
