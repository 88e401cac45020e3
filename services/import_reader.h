// Streams an interchange file: a SAX handler for the JSON reader that walks
// the top-level object, builds a small document for one value at a time (the
// project member, or one element of a list such as "classified") and hands
// it to the sink before reading on. Memory stays bounded by the largest
// single element, whatever the size of the file.
#ifndef REPORTDATA_SERVICES_IMPORT_READER_H_
#define REPORTDATA_SERVICES_IMPORT_READER_H_

#include <cstddef>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "services/import_check.h"

namespace reportdata {

// Receives the values of the top-level object as they complete.
class ImportSink {
 public:
  virtual ~ImportSink() = default;
  // Whether key names a list whose elements are streamed one by one; any
  // other known key is delivered whole. Unknown keys are refused.
  virtual bool IsList(std::string_view key) const = 0;
  virtual bool IsKnown(std::string_view key) const = 0;
  virtual void Member(std::string_view key, const Json& value) = 0;
  virtual void Element(std::string_view list, std::size_t index, const Json& value) = 0;
};

class ImportReader {
 public:
  explicit ImportReader(ImportSink& sink) : sink_(sink) {}

  // The SAX interface of the JSON reader. Refusals are thrown as
  // ImportError; a syntax error is thrown as SyntaxError.
  bool null();
  bool boolean(bool value);
  bool number_integer(Json::number_integer_t value);
  bool number_unsigned(Json::number_unsigned_t value);
  bool number_float(Json::number_float_t value, const std::string& text);
  bool string(std::string& value);
  bool binary(Json::binary_t& value);
  bool start_object(std::size_t size);
  bool key(std::string& name);
  bool end_object();
  bool start_array(std::size_t size);
  bool end_array();
  bool parse_error(std::size_t position, const std::string& last_token,
                   const nlohmann::detail::exception& error);

  // The keys seen at the top level.
  const std::set<std::string, std::less<>>& seen() const { return seen_; }

 private:
  // Adds a scalar or opens a container, at whatever level the reader is.
  void Value(Json&& value, bool container);
  void Close();
  void Deliver();
  Place TopPlace() const { return kFileRoot.Key(top_key_); }
  // The place of the value being built, for a duplicate key inside it.
  std::string BuildingPointer(std::string_view key) const;

  ImportSink& sink_;
  int depth_ = 0;          // open containers outside the value being built
  bool in_list_ = false;   // inside the array of a streamed list
  std::size_t index_ = 0;  // index of the next list element
  std::string top_key_;
  std::set<std::string, std::less<>> seen_;

  // The value being built, and its open containers.
  Json root_;
  std::vector<Json*> open_;
  std::vector<std::string> open_keys_;  // key of each open container ("" in arrays)
  std::string key_;                     // member name waiting for its value
};

// A syntax error of the file at a byte offset.
struct SyntaxError {
  std::size_t byte = 0;
  std::string reason;
};

}  // namespace reportdata

#endif  // REPORTDATA_SERVICES_IMPORT_READER_H_
