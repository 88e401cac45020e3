// Code-page byte table built through iconv.
#include "platform/code_page.h"

#include <iconv.h>

#include <array>
#include <atomic>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <string>
#include <type_traits>

namespace reportdata {

namespace {

constexpr const char* kDefaultCodePage = "CP936";
constexpr size_t kTableSize = 0x10000;
// Multi-byte code pages used for Chinese need at most four bytes (GB18030).
constexpr size_t kMaxBytes = 4;

struct AnsiChar {
  uint8_t length;  // number of bytes used in bytes
  std::array<char, kMaxBytes> bytes;
};

using AnsiTable = std::array<AnsiChar, kTableSize>;

constexpr AnsiChar kDefaultChar = {1, {'?', 0, 0, 0}};

// Converts one code point; false when the code page has no bytes for it.
bool ConvertOne(iconv_t cd, wchar_t ch, AnsiChar& out) {
  wchar_t in_buffer[1] = {ch};
  char* in = reinterpret_cast<char*>(in_buffer);
  size_t in_left = sizeof(in_buffer);
  char out_buffer[kMaxBytes + 8];
  char* out_ptr = out_buffer;
  size_t out_left = sizeof(out_buffer);
  iconv(cd, nullptr, nullptr, nullptr, nullptr);
  if (iconv(cd, &in, &in_left, &out_ptr, &out_left) == static_cast<size_t>(-1)) return false;
  // Flush the shift state of stateful encodings.
  if (iconv(cd, nullptr, nullptr, &out_ptr, &out_left) == static_cast<size_t>(-1)) return false;
  const size_t length = static_cast<size_t>(out_ptr - out_buffer);
  if (length == 0 || length > kMaxBytes) return false;
  out.length = static_cast<uint8_t>(length);
  std::memcpy(out.bytes.data(), out_buffer, length);
  return true;
}

// The table is filled a block of 256 characters at a time, at the first
// look-up of a character of the block: a project's names use a few dozen
// of the 256 blocks, so the others are never converted.
class Converter {
 public:
  Converter() {
    const char* env = std::getenv("REPORTDATA_CODEPAGE");
    const std::string code_page = env != nullptr && *env != '\0' ? env : kDefaultCodePage;
    cd_ = iconv_open(code_page.c_str(), "WCHAR_T");
    if (cd_ == kNoConverter) cd_ = iconv_open(kDefaultCodePage, "WCHAR_T");
  }

  const AnsiChar& Entry(size_t cp) {
    const size_t block = cp / kBlockSize;
    if (!filled_[block].load(std::memory_order_acquire)) Fill(block);
    return table_[cp];
  }

 private:
  static constexpr size_t kBlockSize = 0x100;
  inline static const iconv_t kNoConverter = reinterpret_cast<iconv_t>(-1);

  void Fill(size_t block) {
    const std::lock_guard<std::mutex> lock(mutex_);  // one iconv state for all threads
    if (filled_[block].load(std::memory_order_relaxed)) return;
    for (size_t cp = block * kBlockSize; cp < (block + 1) * kBlockSize; ++cp) {
      AnsiChar& entry = table_[cp];
      entry = kDefaultChar;
      if (cd_ == kNoConverter) {
        // Without a converter only ASCII keeps its bytes; every other
        // character is the default character.
        if (cp < 0x80) entry = {1, {static_cast<char>(cp), 0, 0, 0}};
      } else if (cp < 0xD800 || cp > 0xDFFF) {
        ConvertOne(cd_, static_cast<wchar_t>(cp), entry);
      }
    }
    filled_[block].store(true, std::memory_order_release);
  }

  iconv_t cd_;
  std::mutex mutex_;
  AnsiTable table_;
  std::array<std::atomic<bool>, kTableSize / kBlockSize> filled_{};
};

const AnsiChar& Entry(size_t cp) {
  static Converter* converter = new Converter;  // lives until the process ends
  return converter->Entry(cp);
}

}  // namespace

std::string_view AnsiBytes(wchar_t ch) {
  const auto cp = static_cast<std::make_unsigned_t<wchar_t>>(ch);
  if (cp >= kTableSize) return {kDefaultChar.bytes.data(), kDefaultChar.length};
  const AnsiChar& entry = Entry(cp);
  return {entry.bytes.data(), entry.length};
}

int CompareAnsi(wchar_t a, wchar_t b) {
  const std::string_view x = AnsiBytes(a);
  const std::string_view y = AnsiBytes(b);
  const size_t n = x.size() < y.size() ? x.size() : y.size();
  for (size_t i = 0; i < n; ++i) {
    const auto ux = static_cast<unsigned char>(x[i]);
    const auto uy = static_cast<unsigned char>(y[i]);
    if (ux != uy) return ux < uy ? -1 : 1;
  }
  if (x.size() == y.size()) return 0;
  return x.size() < y.size() ? -1 : 1;
}

}  // namespace reportdata
