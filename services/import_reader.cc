#include "services/import_reader.h"

namespace reportdata {

bool ImportReader::null() {
  Value(Json(), false);
  return true;
}

bool ImportReader::boolean(bool value) {
  Value(Json(value), false);
  return true;
}

bool ImportReader::number_integer(Json::number_integer_t value) {
  Value(Json(value), false);
  return true;
}

bool ImportReader::number_unsigned(Json::number_unsigned_t value) {
  Value(Json(value), false);
  return true;
}

bool ImportReader::number_float(Json::number_float_t value, const std::string& /*text*/) {
  Value(Json(value), false);
  return true;
}

bool ImportReader::string(std::string& value) {
  Value(Json(std::move(value)), false);
  return true;
}

bool ImportReader::binary(Json::binary_t& value) {
  Value(Json(std::move(value)), false);
  return true;
}

bool ImportReader::start_object(std::size_t /*size*/) {
  Value(Json::object(), true);
  return true;
}

bool ImportReader::start_array(std::size_t /*size*/) {
  Value(Json::array(), true);
  return true;
}

bool ImportReader::end_object() {
  Close();
  return true;
}

bool ImportReader::end_array() {
  Close();
  return true;
}

bool ImportReader::key(std::string& name) {
  if (!open_.empty()) {
    key_ = std::move(name);
    return true;
  }
  const Place place = kFileRoot.Key(name);
  if (!sink_.IsKnown(name)) Refuse(place, "unknown key");
  if (!seen_.insert(name).second) Refuse(place, "duplicate key");
  top_key_ = std::move(name);
  return true;
}

namespace {

// Bytes of bad input a message quotes at most: the end of the token, where
// the reader found the fault.
constexpr std::size_t kQuotedTokenBytes = 40;

// The last bytes of token behind "…", cut where a character starts.
std::string TokenTail(const std::string& token) {
  std::size_t start = token.size() - kQuotedTokenBytes;
  while (start < token.size() && (static_cast<unsigned char>(token[start]) & 0xC0) == 0x80) {
    ++start;
  }
  return "…" + token.substr(start);
}

}  // namespace

bool ImportReader::parse_error(std::size_t position, const std::string& last_token,
                               const nlohmann::detail::exception& error) {
  // The reader's message reads "[json.exception.parse_error.101] parse error
  // at line 1, column 5: syntax error while parsing value - …"; keep the
  // reason after the position, which the importer states itself.
  std::string reason = error.what();
  const std::size_t colon = reason.find(": ", reason.find("parse error"));
  if (colon != std::string::npos) reason.erase(0, colon + 2);
  // The reason quotes the token read last, which can be a whole long text.
  if (last_token.size() > kQuotedTokenBytes) {
    const std::size_t at = reason.find(last_token);
    if (at != std::string::npos) reason.replace(at, last_token.size(), TokenTail(last_token));
  }
  throw SyntaxError{position, reason};
}

void ImportReader::Value(Json&& value, bool container) {
  if (!open_.empty()) {
    Json& parent = *open_.back();
    Json* added = nullptr;
    if (parent.is_array()) {
      parent.push_back(std::move(value));
      added = &parent.back();
    } else {
      auto [at, inserted] = parent.emplace(key_, std::move(value));
      if (!inserted) throw RefusedValue(BuildingPointer(key_) + ": duplicate key");
      added = &*at;
    }
    if (container) {
      open_.push_back(added);
      open_keys_.push_back(parent.is_array() ? std::string() : key_);
    }
    return;
  }
  if (depth_ == 0) {
    if (!value.is_object())
      Refuse(kFileRoot, std::string("expected an object, found ") + KindName(value));
    depth_ = 1;
    return;
  }
  if (depth_ == 1 && sink_.IsList(top_key_)) {
    if (!value.is_array()) {
      Refuse(TopPlace(), std::string("expected an array, found ") + KindName(value));
    }
    in_list_ = true;
    index_ = 0;
    depth_ = 2;
    return;
  }
  root_ = std::move(value);
  if (!container) {
    Deliver();
    return;
  }
  open_.push_back(&root_);
  open_keys_.emplace_back();
}

void ImportReader::Close() {
  if (!open_.empty()) {
    open_.pop_back();
    open_keys_.pop_back();
    if (open_.empty()) Deliver();
    return;
  }
  if (depth_ == 2) in_list_ = false;
  --depth_;
}

void ImportReader::Deliver() {
  if (in_list_) {
    sink_.Element(top_key_, index_++, root_);
  } else {
    sink_.Member(top_key_, root_);
  }
  root_ = Json();
}

std::string ImportReader::BuildingPointer(std::string_view key) const {
  std::vector<Place> chain;
  chain.reserve(open_.size() + 3);
  chain.push_back(Place{});
  chain.push_back(chain.back().Key(top_key_));
  if (in_list_) chain.push_back(chain.back().Index(index_));
  for (std::size_t level = 1; level < open_.size(); ++level) {
    const Json& parent = *open_[level - 1];
    chain.push_back(parent.is_array() ? chain.back().Index(parent.size() - 1)
                                      : chain.back().Key(open_keys_[level]));
  }
  return chain.back().Key(key).Pointer();
}

}  // namespace reportdata
