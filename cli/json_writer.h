// A JSON writer that streams to a file as it goes, so that a project of a
// million calculation records is written without ever being held whole.
// Pretty output puts one value a line, indented two blanks a level; compact
// output has no blanks at all. Numbers are written from text that the caller
// formatted, so the output does not depend on floating-point printing.
#ifndef CLI_JSON_WRITER_H_
#define CLI_JSON_WRITER_H_

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace reportdata::cli {

class JsonWriter {
 public:
  // REQUIRES: out stays open while the writer is used. The writer buffers;
  // Flush() (or destruction) hands the rest to out.
  JsonWriter(std::FILE* out, bool pretty);
  ~JsonWriter();
  JsonWriter(const JsonWriter&) = delete;
  JsonWriter& operator=(const JsonWriter&) = delete;

  // one_line keeps the whole object or array on one line of pretty output.
  void BeginObject(bool one_line = false);
  void EndObject();
  void BeginArray(bool one_line = false);
  void EndArray();
  // The key of the next value; only inside an object. Returns the writer,
  // so that the value follows on: json.Key("rows").BeginArray().
  JsonWriter& Key(std::string_view key);
  void String(std::string_view text);
  // A number given as its JSON text, such as "12.345" or "-3".
  void Number(std::string_view text);
  void Int(long long value);
  // A one-line array of the texts.
  template <typename Texts>
  void Strings(const Texts& texts) {
    BeginArray(true);
    for (const auto& text : texts) String(text);
    EndArray();
  }
  // Key and string value in one call.
  void Field(std::string_view key, std::string_view text) {
    Key(key);
    String(text);
  }
  // Writes what is buffered; false when the file reported an error.
  bool Flush();

 private:
  void BeforeValue();
  void Open(char bracket, bool one_line);
  void Close(char bracket);
  void NewLine();
  // Writes the text as a JSON string literal.
  void Quote(std::string_view text);

  std::FILE* out_;
  bool pretty_;
  std::string buffer_;
  struct Level {
    bool has_value;    // a value was written in it already
    bool on_one_line;  // kept on one line of pretty output
  };
  std::vector<Level> open_;  // the objects and arrays not yet closed
  int inline_depth_ = 0;     // how many of them are kept on one line
  bool after_key_ = false;
  bool failed_ = false;
};

}  // namespace reportdata::cli

#endif  // CLI_JSON_WRITER_H_
