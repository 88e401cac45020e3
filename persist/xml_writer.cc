// Escaping and UTF-8 encoding straight into the output buffer.
#include "persist/xml_writer.h"

#include <charconv>
#include <cstdint>

namespace reportdata {
namespace {

constexpr size_t kFlushSize = 1 << 20;

void AppendUtf8(std::string& out, char32_t code) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (code >> 18));
    out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

// One ASCII character of an attribute value; false when it needs no escape.
bool AppendEscape(std::string& out, unsigned ch) {
  switch (ch) {
    case '&':
      out += "&amp;";
      return true;
    case '<':
      out += "&lt;";
      return true;
    case '"':
      out += "&quot;";
      return true;
    default:
      break;
  }
  if (ch >= 32) return false;
  // A NUL cannot stand in an XML document at all; it is dropped.
  if (ch != 0) {
    const char ref[] = {'&', '#', static_cast<char>('0' + ch / 10),
                        static_cast<char>('0' + ch % 10), ';'};
    out.append(ref, sizeof ref);
  }
  return true;
}

}  // namespace

std::string_view FormatReal(double value, char (&buffer)[512]) {
  // Fixed notation with six decimals is what printf's "%f" gives; the
  // largest double needs 309 digits before the point.
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 6);
  return std::string_view(buffer, static_cast<size_t>(result.ptr - buffer));
}

XmlWriter::XmlWriter(ByteSink& sink) : sink_(sink) { buffer_.reserve(kFlushSize + 4096); }

void XmlWriter::CloseStartTag() {
  if (start_tag_open_) {
    buffer_ += '>';
    start_tag_open_ = false;
  }
}

void XmlWriter::StartElement(std::string_view name) {
  CloseStartTag();
  if (depth_ == open_.size()) open_.emplace_back();
  open_[depth_].assign(name);
  ++depth_;
  buffer_ += '<';
  buffer_ += name;
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
  buffer_ += '<';
  buffer_ += name;
  start_tag_open_ = true;
}

void XmlWriter::Attribute(std::string_view name, std::wstring_view value) {
  buffer_ += ' ';
  buffer_ += name;
  buffer_ += "=\"";
  AppendEscaped(value);
  buffer_ += '"';
}

void XmlWriter::Attribute(std::string_view name, std::string_view utf8_value) {
  buffer_ += ' ';
  buffer_ += name;
  buffer_ += "=\"";
  AppendEscaped(utf8_value);
  buffer_ += '"';
}

void XmlWriter::IntAttribute(std::string_view name, long long value) {
  char digits[24];
  const auto result = std::to_chars(digits, digits + sizeof digits, value);
  buffer_ += ' ';
  buffer_ += name;
  buffer_ += "=\"";
  buffer_.append(digits, result.ptr);
  buffer_ += '"';
}

void XmlWriter::RealAttribute(std::string_view name, double value) {
  char digits[512];
  buffer_ += ' ';
  buffer_ += name;
  buffer_ += "=\"";
  buffer_ += FormatReal(value, digits);
  buffer_ += '"';
}

void XmlWriter::EndElement() {
  --depth_;
  if (start_tag_open_) {
    buffer_ += "/>";
    start_tag_open_ = false;
  } else {
    buffer_ += "</";
    buffer_ += open_[depth_];
    buffer_ += '>';
  }
  FlushIfFull();
}

void XmlWriter::Finish() {
  if (!buffer_.empty()) sink_.Write(buffer_);
  buffer_.clear();
}

void XmlWriter::FlushIfFull() {
  if (buffer_.size() < kFlushSize) return;
  sink_.Write(buffer_);
  buffer_.clear();
}

void XmlWriter::AppendEscaped(std::wstring_view value) {
  for (size_t i = 0; i < value.size(); ++i) {
    const uint32_t ch = static_cast<uint32_t>(value[i]);
    if (ch < 0x80) {
      if (!AppendEscape(buffer_, ch)) buffer_ += static_cast<char>(ch);
      continue;
    }
    char32_t code = ch;
    // The host's text is UTF-16 at heart: a surrogate pair held in two wide
    // characters is one character; a lone surrogate or a value beyond
    // Unicode becomes U+FFFD, as everywhere else in the module.
    if (ch >= 0xD800 && ch <= 0xDBFF && i + 1 < value.size() &&
        static_cast<uint32_t>(value[i + 1]) >= 0xDC00 &&
        static_cast<uint32_t>(value[i + 1]) <= 0xDFFF) {
      code = 0x10000 + ((ch - 0xD800) << 10) + (static_cast<uint32_t>(value[i + 1]) - 0xDC00);
      ++i;
    } else if ((ch >= 0xD800 && ch <= 0xDFFF) || ch > 0x10FFFF) {
      code = 0xFFFD;
    }
    AppendUtf8(buffer_, code);
  }
}

void XmlWriter::AppendEscaped(std::string_view value) {
  for (const char c : value) {
    const unsigned ch = static_cast<unsigned char>(c);
    if (!AppendEscape(buffer_, ch)) buffer_ += c;
  }
}

}  // namespace reportdata
