// The bytes of the instance texts of the records read from one table file.
// A reload copies each position and handle list once, next to the one
// before it, instead of giving each its own allocation: the records point
// into the arena, and the chapters read from the file hold it.
#ifndef REPORTDATA_MODEL_TEXT_ARENA_H_
#define REPORTDATA_MODEL_TEXT_ARENA_H_

#include <cstddef>
#include <memory>
#include <string_view>
#include <vector>

namespace reportdata {

class TextArena {
 public:
  TextArena() = default;
  TextArena(const TextArena&) = delete;
  TextArena& operator=(const TextArena&) = delete;

  // A copy of text that lives as long as the arena.
  std::string_view Copy(std::string_view text);

 private:
  std::vector<std::unique_ptr<char[]>> blocks_;
  char* next_ = nullptr;
  size_t left_ = 0;
  size_t block_size_ = 0;
};

}  // namespace reportdata

#endif  // REPORTDATA_MODEL_TEXT_ARENA_H_
