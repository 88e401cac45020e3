#include "services/import_check.h"

#include <cmath>
#include <cstdlib>
#include <vector>

#include "platform/decimal_text.h"

namespace reportdata {

std::string Place::Pointer() const {
  std::vector<const Place*> chain;
  for (const Place* link = this; link && link->parent; link = link->parent) chain.push_back(link);
  if (chain.empty()) return "/";
  std::string pointer;
  for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
    pointer += '/';
    if ((*it)->is_index) {
      pointer += std::to_string((*it)->index);
      continue;
    }
    for (char ch : (*it)->key) {
      if (ch == '~') {
        pointer += "~0";
      } else if (ch == '/') {
        pointer += "~1";
      } else {
        pointer += ch;
      }
    }
  }
  return pointer;
}

void Refuse(const Place& place, std::string_view reason) {
  std::string message = place.Pointer();
  message += ": ";
  message += reason;
  throw RefusedValue(message);
}

const char* KindName(const Json& value) {
  switch (value.type()) {
    case Json::value_t::null:
      return "null";
    case Json::value_t::object:
      return "an object";
    case Json::value_t::array:
      return "an array";
    case Json::value_t::string:
      return "a text";
    case Json::value_t::boolean:
      return "true or false";
    case Json::value_t::number_integer:
    case Json::value_t::number_unsigned:
    case Json::value_t::number_float:
      return "a number";
    default:
      return "a value of another kind";
  }
}

namespace {

[[noreturn]] void RefuseKind(const Json& value, const Place& place, std::string_view expected) {
  std::string reason = "expected ";
  reason += expected;
  reason += ", found ";
  reason += KindName(value);
  Refuse(place, reason);
}

}  // namespace

void CheckIsObject(const Json& value, const Place& place) {
  if (!value.is_object()) RefuseKind(value, place, "an object");
}

void CheckObject(const Json& value, const Place& place,
                 std::initializer_list<std::string_view> allowed) {
  CheckIsObject(value, place);
  for (const auto& [key, member] : value.items()) {
    bool known = false;
    for (std::string_view name : allowed) known = known || name == key;
    if (!known) Refuse(place.Key(key), "unknown key");
  }
}

void CheckArray(const Json& value, const Place& place) {
  if (!value.is_array()) RefuseKind(value, place, "an array");
}

std::string_view TextValue(const Json& value, const Place& place) {
  if (!value.is_string()) RefuseKind(value, place, "a text");
  return value.get_ref<const std::string&>();
}

std::string_view TextMember(const Json& object, const char* key, const Place& place) {
  const auto found = object.find(key);
  if (found == object.end()) return {};
  return TextValue(*found, place.Key(key));
}

long long IntMember(const Json& object, const char* key, const Place& place, long long fallback) {
  const auto found = object.find(key);
  if (found == object.end()) return fallback;
  if (found->is_number_integer()) {
    const long long value = found->get<long long>();
    if (found->is_number_unsigned() && found->get<unsigned long long>() > 2147483647ULL) {
      Refuse(place.Key(key), "expected a whole number from -2147483648 to 2147483647");
    }
    if (value >= -2147483648LL && value <= 2147483647LL) return value;
  }
  if (found->is_number()) {
    Refuse(place.Key(key), "expected a whole number from -2147483648 to 2147483647");
  }
  RefuseKind(*found, place.Key(key), "a whole number");
}

double NumberMember(const Json& object, const char* key, const Place& place) {
  const auto found = object.find(key);
  if (found == object.end()) return 0.0;
  if (!found->is_number()) RefuseKind(*found, place.Key(key), "a number");
  const double value = found->get<double>();
  if (!std::isfinite(value)) Refuse(place.Key(key), "expected a finite number");
  return value;
}

std::string_view QuantityValue(const Json& value, const Place& place) {
  const std::string_view text = TextValue(value, place);
  const std::string terminated(text);
  if (!std::isfinite(std::strtod(terminated.c_str(), nullptr))) {
    Refuse(place, "expected a finite quantity");
  }
  if (!IsDecimalNumber(text)) Refuse(place, "expected a decimal quantity");
  return text;
}

const Json* ArrayMember(const Json& object, const char* key, const Place& place) {
  const auto found = object.find(key);
  if (found == object.end()) return nullptr;
  CheckArray(*found, place.Key(key));
  return &*found;
}

}  // namespace reportdata
