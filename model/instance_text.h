// The joined texts of the instances merged into one measurement record: its
// positions ("$" between them) or its handles ("$$" between them), UTF-8.
// They are most of a tree's text and nearly unique.
//
// A record filed by a build owns its bytes and grows them as instances
// merge in; the texts of one or two instances, most records' own, fit in
// the text itself. A record read back from a table file points into the
// text arena of the chapter it was read into (text_arena.h) instead. A
// change to a borrowed text, and every copy of one, makes bytes of its own
// first, so only the record read from the file ever points into the arena.
#ifndef REPORTDATA_MODEL_INSTANCE_TEXT_H_
#define REPORTDATA_MODEL_INSTANCE_TEXT_H_

#include <cstdint>
#include <cstring>
#include <string_view>

namespace reportdata {

class InstanceText {
 public:
  InstanceText() = default;
  // A text converts, as to a std::string, and reads as a text.
  InstanceText(std::string_view text) { assign(text); }
  InstanceText(const char* text) : InstanceText(std::string_view(text)) {}
  InstanceText(const InstanceText& other) { assign(other.view()); }
  InstanceText(InstanceText&& other) noexcept {
    std::memcpy(bytes_, other.bytes_, sizeof bytes_);
    other.MakeEmpty();
  }
  InstanceText& operator=(const InstanceText& other) {
    if (this != &other) assign(other.view());
    return *this;
  }
  InstanceText& operator=(InstanceText&& other) noexcept {
    char mine[sizeof bytes_];
    std::memcpy(mine, bytes_, sizeof bytes_);
    std::memcpy(bytes_, other.bytes_, sizeof bytes_);
    std::memcpy(other.bytes_, mine, sizeof bytes_);
    return *this;
  }
  InstanceText& operator=(std::string_view text) {
    assign(text);
    return *this;
  }
  ~InstanceText() { Release(); }

  // Copies text, which may lie within this text's own bytes.
  void assign(std::string_view text) {
    if (text.size() <= kInlineCapacity && mode() != kOwned) {
      if (!text.empty()) std::memmove(bytes_, text.data(), text.size());
      bytes_[kModeAt] = static_cast<char>(kInline | text.size());
      return;
    }
    AssignSlowly(text);
  }
  // Points at bytes that outlive this text, without copying them.
  void Borrow(std::string_view bytes);

  void append(std::string_view text) {
    if (text.empty()) return;
    const unsigned char held = mode();
    if (held == kInline) {
      const size_t had = size();
      if (had + text.size() <= kInlineCapacity) {
        std::memmove(bytes_ + had, text.data(), text.size());
        bytes_[kModeAt] = static_cast<char>(kInline | (had + text.size()));
        return;
      }
    } else if (held == kOwned) {
      const size_t had = size();
      if (had + text.size() <= HeapCapacity(had)) {
        std::memcpy(HeapData() + had, text.data(), text.size());
        SetHeapSize(had + text.size());
        return;
      }
    }
    AppendSlowly(text);
  }
  InstanceText& operator+=(std::string_view text) {
    append(text);
    return *this;
  }
  InstanceText& operator+=(char ch) {
    append(std::string_view(&ch, 1));
    return *this;
  }
  void clear() { assign({}); }

  operator std::string_view() const { return view(); }
  std::string_view view() const { return {data(), size()}; }
  const char* data() const { return IsInline() ? bytes_ : HeapData(); }
  size_t size() const {
    if (IsInline()) return static_cast<unsigned char>(bytes_[kModeAt]) & kInlineSizeMask;
    uint32_t size;
    std::memcpy(&size, bytes_ + kSizeAt, sizeof size);
    return size;
  }
  bool empty() const { return size() == 0; }
  const char* begin() const { return data(); }
  const char* end() const { return data() + size(); }
  bool borrowed() const { return mode() == kBorrowed; }

  friend bool operator==(const InstanceText& a, std::string_view b) { return a.view() == b; }

 private:
  // The last byte tells how the text is held: in its first fifteen bytes
  // (kInline with the size), or at a pointer in its first eight bytes with
  // the size in the next four, owned or borrowed.
  static constexpr size_t kModeAt = 15;
  static constexpr size_t kSizeAt = 8;
  static constexpr unsigned char kInline = 0x80;
  static constexpr unsigned char kInlineSizeMask = 0x0f;
  static constexpr unsigned char kOwned = 0x00;
  static constexpr unsigned char kBorrowed = 0x01;
  static constexpr size_t kInlineCapacity = 15;

  // The room of owned bytes holding size bytes: the room doubles as the
  // text grows, so it follows from the size.
  static size_t HeapCapacity(size_t size);

  unsigned char mode() const {
    const unsigned char byte = static_cast<unsigned char>(bytes_[kModeAt]);
    return byte & kInline ? kInline : byte;
  }
  bool IsInline() const { return mode() == kInline; }
  char* HeapData() const {
    char* data;
    std::memcpy(&data, bytes_, sizeof data);
    return data;
  }
  void SetHeapSize(size_t size) {
    const uint32_t stored = static_cast<uint32_t>(size);
    std::memcpy(bytes_ + kSizeAt, &stored, sizeof stored);
  }
  void SetHeap(char* data, size_t size, unsigned char mode) {
    std::memcpy(bytes_, &data, sizeof data);
    SetHeapSize(size);
    bytes_[kModeAt] = static_cast<char>(mode);
  }
  void MakeEmpty() { bytes_[kModeAt] = static_cast<char>(kInline); }
  void Release();
  // assign and append where the text's room changes.
  void AssignSlowly(std::string_view text);
  void AppendSlowly(std::string_view text);

  // Empty: held in its own bytes, none of them used.
  alignas(8) char bytes_[16] = {0, 0, 0, 0, 0, 0, 0, 0,
                                0, 0, 0, 0, 0, 0, 0, static_cast<char>(kInline)};
};

}  // namespace reportdata

#endif  // REPORTDATA_MODEL_INSTANCE_TEXT_H_
