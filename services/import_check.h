// Checks on the values of an interchange file, and the refusal they raise.
// A value's place is given as a chain of Place links (key or index under a
// parent) that becomes a JSON pointer such as /classified/3/bill/quantity
// only when a check fails, so checking a million records builds no strings.
#ifndef REPORTDATA_SERVICES_IMPORT_CHECK_H_
#define REPORTDATA_SERVICES_IMPORT_CHECK_H_

#include <cstddef>
#include <initializer_list>
#include <nlohmann/json.hpp>
#include <stdexcept>
#include <string>
#include <string_view>

namespace reportdata {

using Json = nlohmann::json;

// A refused interchange file; the message is one line naming the place.
class ImportError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A value of the file refused at its place; the message starts with the
// JSON pointer of the place.
class RefusedValue : public ImportError {
 public:
  using ImportError::ImportError;
};

// Where a value stands in the file. Links live on the caller's stack.
struct Place {
  const Place* parent = nullptr;
  std::string_view key;  // the member name, when index_ is not used
  std::size_t index = 0;
  bool is_index = false;

  // A child links to its parent, so only a named place can have one.
  Place Key(std::string_view name) const& { return Place{this, name, 0, false}; }
  Place Index(std::size_t i) const& { return Place{this, {}, i, true}; }
  Place Key(std::string_view name) const&& = delete;
  Place Index(std::size_t i) const&& = delete;
  // The JSON pointer of the place: "" for the whole file is shown as "/".
  std::string Pointer() const;
};

// The whole file; the places of its members hang below it.
inline constexpr Place kFileRoot{};

[[noreturn]] void Refuse(const Place& place, std::string_view reason);

// "a text", "a number", "an object", … for messages.
const char* KindName(const Json& value);

// Refuses value unless it is an object.
void CheckIsObject(const Json& value, const Place& place);
// Refuses value unless it is an object whose every key is allowed.
void CheckObject(const Json& value, const Place& place,
                 std::initializer_list<std::string_view> allowed);
// Refuses value unless it is an array.
void CheckArray(const Json& value, const Place& place);

// The text of a member, "" when absent; refuses any other kind.
std::string_view TextMember(const Json& object, const char* key, const Place& place);
// A text value; refuses any other kind.
std::string_view TextValue(const Json& value, const Place& place);
// A whole number in the 32-bit range, fallback when absent.
long long IntMember(const Json& object, const char* key, const Place& place, long long fallback);
// A finite number, 0 when absent.
double NumberMember(const Json& object, const char* key, const Place& place);
// A quantity text: a decimal number such as "1.25", "-3" or "2.5e-3", and
// nothing else ("1.5abc", "0x10", "1,5" and "" are refused), whose value is
// finite ("1e400" is refused).
std::string_view QuantityValue(const Json& value, const Place& place);
// The array of a member, null when absent; refuses any other kind.
const Json* ArrayMember(const Json& object, const char* key, const Place& place);

}  // namespace reportdata

#endif  // REPORTDATA_SERVICES_IMPORT_CHECK_H_
