// Escaping and UTF-8 encoding straight into the output buffer.
#include "persist/xml_writer.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstring>

#include "keys/number_format.h"
#include "platform/text.h"

namespace reportdata {
namespace {

constexpr size_t kBufferSize = 1 << 20;

// The most bytes one wide character can take in an attribute value: "&quot;".
constexpr size_t kMaxEscapedChar = 6;

char* PutLiteral(char* out, std::string_view text) {
  std::memcpy(out, text.data(), text.size());
  return out + text.size();
}

// One ASCII character of an attribute value, escaped where XML needs it.
char* PutAscii(char* out, unsigned ch) {
  switch (ch) {
    case '&':
      return PutLiteral(out, "&amp;");
    case '<':
      return PutLiteral(out, "&lt;");
    case '"':
      return PutLiteral(out, "&quot;");
    default:
      break;
  }
  if (ch >= 32) {
    *out++ = static_cast<char>(ch);
  } else if (ch != 0) {  // a NUL cannot stand in an XML document at all; it is dropped
    const char ref[] = {'&', '#', static_cast<char>('0' + ch / 10),
                        static_cast<char>('0' + ch % 10), ';'};
    out = PutLiteral(out, std::string_view(ref, sizeof ref));
  }
  return out;
}

// Whether any of the `count` bytes at `bytes`, at most eight, is a control
// character, '&', '<' or '"': the bytes an attribute value cannot hold as
// they are. Bytes of 0x80 and above (UTF-8 sequences) never count. A byte b
// counts as below n when b - n borrows into its top bit while b's own top
// bit is clear; a borrow out of a lower byte can only follow a byte that
// counts itself, so the answer for the word is exact.
bool MayNeedEscape(const char* bytes, size_t count) {
  constexpr uint64_t kOnes = 0x0101010101010101ULL;
  constexpr uint64_t kHigh = 0x8080808080808080ULL;
  uint64_t word = kOnes * 'a';  // a short word is filled with a plain letter
  if (count == sizeof word) {
    std::memcpy(&word, bytes, sizeof word);
  } else {
    std::memcpy(&word, bytes, count);
  }
  const auto below = [&](uint64_t w, uint64_t n) { return (w - kOnes * n) & ~w & kHigh; };
  return (below(word, 32) | below(word ^ (kOnes * '&'), 1) | below(word ^ (kOnes * '<'), 1) |
          below(word ^ (kOnes * '"'), 1)) != 0;
}

// Writes value escaped at out, which has room for it escaped at most;
// returns the end. Texts from the text pool are already UTF-8 and mostly
// need no escape: runs of plain bytes are copied whole, and found eight bytes
// at a time.
char* PutEscaped(char* out, std::string_view value) {
  if (value.empty()) return out;  // an empty view may hold no buffer to copy from
  size_t plain_from = 0;
  for (size_t i = 0; i < value.size();) {
    const size_t word = std::min<size_t>(8, value.size() - i);
    if (!MayNeedEscape(value.data() + i, word)) {
      i += word;
      continue;
    }
    for (const size_t stop = i + word; i < stop; ++i) {
      const unsigned ch = static_cast<unsigned char>(value[i]);
      if (ch >= 0x80 || (ch >= 32 && ch != '&' && ch != '<' && ch != '"')) continue;
      out = PutLiteral(out, value.substr(plain_from, i - plain_from));
      out = PutAscii(out, ch);
      plain_from = i + 1;
    }
  }
  return PutLiteral(out, value.substr(plain_from));
}

// The same for a wide text, encoded as UTF-8 on the way.
char* PutEscaped(char* out, std::wstring_view value) {
  for (size_t i = 0; i < value.size();) {
    const uint32_t ch = static_cast<uint32_t>(value[i]);
    if (ch < 0x80) {
      out = PutAscii(out, ch);
      ++i;
    } else {
      out = PutUtf8Char(value, i, out);
    }
  }
  return out;
}

}  // namespace

template <typename PutValue>
void XmlWriter::PutAttribute(std::string_view name, size_t value_room, PutValue&& put_value) {
  // ' ', '=' and the two quotes.
  char* out = Reserve(name.size() + 4 + value_room);
  *out++ = ' ';
  out = PutLiteral(out, name);
  out = PutLiteral(out, "=\"");
  out = put_value(out);
  *out++ = '"';
  size_ = static_cast<size_t>(out - buffer_.get());
}

XmlWriter::XmlWriter(ByteSink& sink)
    : sink_(sink), buffer_(new char[kBufferSize]), capacity_(kBufferSize) {}

void XmlWriter::MakeRoom(size_t n) {
  Flush();
  // Only a value larger than the whole buffer gets a larger one.
  if (n > capacity_) {
    buffer_.reset(new char[n]);
    capacity_ = n;
  }
}

void XmlWriter::Append(std::string_view bytes) {
  char* out = Reserve(bytes.size());
  std::memcpy(out, bytes.data(), bytes.size());
  size_ += bytes.size();
}

void XmlWriter::Flush() {
  if (size_ > 0) sink_.Write(std::string_view(buffer_.get(), size_));
  size_ = 0;
}

void XmlWriter::CloseStartTag() {
  if (start_tag_open_) {
    Append(">");
    start_tag_open_ = false;
  }
}

void XmlWriter::StartElement(std::string_view name) {
  CloseStartTag();
  if (depth_ == open_.size()) open_.emplace_back();
  open_[depth_].assign(name);
  ++depth_;
  Append("<");
  Append(name);
  start_tag_open_ = true;
}

void XmlWriter::StartElement(std::string_view prefix, long long number) {
  CloseStartTag();
  if (depth_ == open_.size()) open_.emplace_back();
  std::string& name = open_[depth_];
  name.assign(prefix);
  char digits[24];
  const auto result = std::to_chars(digits, digits + sizeof digits, number);
  name.append(digits, result.ptr);
  ++depth_;
  Append("<");
  Append(name);
  start_tag_open_ = true;
}

void XmlWriter::Attribute(std::string_view name, std::wstring_view value) {
  PutAttribute(name, value.size() * kMaxEscapedChar,
               [&](char* out) { return PutEscaped(out, value); });
}

void XmlWriter::Attribute(std::string_view name, std::string_view utf8_value) {
  PutAttribute(name, utf8_value.size() * kMaxEscapedChar,
               [&](char* out) { return PutEscaped(out, utf8_value); });
}

void XmlWriter::IntAttribute(std::string_view name, long long value) {
  constexpr size_t kDigits = 24;
  PutAttribute(name, kDigits,
               [&](char* out) { return std::to_chars(out, out + kDigits, value).ptr; });
}

void XmlWriter::RealAttribute(std::string_view name, double value) {
  // "%f", as the table files have always held quantities.
  char digits[kFixedChars];
  const std::string_view text = PrintFixed(value, 6, digits);
  PutAttribute(name, text.size(), [&](char* out) { return PutLiteral(out, text); });
}

void XmlWriter::EndElement() {
  --depth_;
  if (start_tag_open_) {
    Append("/>");
    start_tag_open_ = false;
  } else {
    const std::string& name = open_[depth_];
    char* out = Reserve(name.size() + 3);
    out = PutLiteral(out, "</");
    out = PutLiteral(out, name);
    *out++ = '>';
    size_ = static_cast<size_t>(out - buffer_.get());
  }
}

void XmlWriter::Finish() { Flush(); }

}  // namespace reportdata
