#include "cli/json_writer.h"

namespace reportdata::cli {
namespace {

constexpr size_t kFlushAt = 1 << 20;

}  // namespace

JsonWriter::JsonWriter(std::FILE* out, bool pretty) : out_(out), pretty_(pretty) {
  buffer_.reserve(kFlushAt + 4096);
}

JsonWriter::~JsonWriter() { Flush(); }

bool JsonWriter::Flush() {
  if (!buffer_.empty() && std::fwrite(buffer_.data(), 1, buffer_.size(), out_) != buffer_.size())
    failed_ = true;
  buffer_.clear();
  return !failed_;
}

void JsonWriter::NewLine() {
  if (!pretty_) return;
  if (inline_depth_ > 0) {
    buffer_ += ' ';
    return;
  }
  buffer_ += '\n';
  buffer_.append(open_.size() * 2, ' ');
}

void JsonWriter::BeforeValue() {
  if (after_key_) {
    after_key_ = false;
    return;
  }
  if (!open_.empty()) {
    Level& level = open_.back();
    if (level.has_value) buffer_ += ',';
    // Inside a one-line container the first value follows its bracket directly.
    if (!level.on_one_line || level.has_value) NewLine();
    level.has_value = true;
  }
}

void JsonWriter::Open(char bracket, bool one_line) {
  BeforeValue();
  one_line = one_line || inline_depth_ > 0;
  buffer_ += bracket;
  open_.push_back({false, one_line});
  if (one_line) ++inline_depth_;
}

void JsonWriter::Close(char bracket) {
  const Level level = open_.back();
  open_.pop_back();
  if (level.on_one_line) --inline_depth_;
  if (level.has_value && !level.on_one_line) NewLine();
  buffer_ += bracket;
  if (open_.empty() && pretty_) buffer_ += '\n';
  if (buffer_.size() >= kFlushAt) Flush();
}

void JsonWriter::BeginObject(bool one_line) { Open('{', one_line); }
void JsonWriter::EndObject() { Close('}'); }
void JsonWriter::BeginArray(bool one_line) { Open('[', one_line); }
void JsonWriter::EndArray() { Close(']'); }

JsonWriter& JsonWriter::Key(std::string_view key) {
  BeforeValue();
  Quote(key);
  buffer_ += pretty_ ? ": " : ":";
  after_key_ = true;
  return *this;
}

void JsonWriter::String(std::string_view text) {
  BeforeValue();
  Quote(text);
}

void JsonWriter::Quote(std::string_view text) {
  static constexpr char kHex[] = "0123456789abcdef";
  buffer_ += '"';
  for (char ch : text) {
    const auto byte = static_cast<unsigned char>(ch);
    if (ch == '"' || ch == '\\') {
      buffer_ += '\\';
      buffer_ += ch;
    } else if (ch == '\n') {
      buffer_ += "\\n";
    } else if (byte < 0x20) {
      buffer_ += "\\u00";
      buffer_ += kHex[byte >> 4];
      buffer_ += kHex[byte & 15];
    } else {
      buffer_ += ch;
    }
  }
  buffer_ += '"';
}

void JsonWriter::Number(std::string_view text) {
  BeforeValue();
  buffer_ += text;
}

void JsonWriter::Int(long long value) { Number(std::to_string(value)); }

}  // namespace reportdata::cli
