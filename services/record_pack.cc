#include "services/record_pack.h"

#include <charconv>
#include <cstring>

#include "platform/text.h"

namespace reportdata {

void PackWriter::Text(std::string_view text) {
  for (char ch : text) {
    if (ch >= kPackEscape && ch <= kPackField) out_ += kPackEscape;
    out_ += ch;
  }
}

void PackWriter::Number(double value) {
  char buffer[32];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  out_.append(buffer, result.ptr);
}

namespace {

// Takes the text up to the next unescaped separator off the front of rest.
std::string_view NextPart(std::string_view& rest, char separator) {
  const std::size_t found = rest.find(separator);
  std::size_t i = found == std::string_view::npos ? rest.size() : found;
  // Only a text with an escape before the separator needs the walk that
  // skips escaped bytes.
  if (std::memchr(rest.data(), kPackEscape, i) != nullptr) {
    i = 0;
    while (i < rest.size() && rest[i] != separator) i += rest[i] == kPackEscape ? 2 : 1;
    if (i > rest.size()) i = rest.size();
  }
  const std::string_view part = rest.substr(0, i);
  rest.remove_prefix(i < rest.size() ? i + 1 : i);
  return part;
}

// The bytes of text with its escapes taken out: text itself when it has
// none, else a copy in scratch.
std::string_view Unescaped(std::string_view text, std::string& scratch) {
  if (std::memchr(text.data(), kPackEscape, text.size()) == nullptr) return text;
  scratch.clear();
  scratch.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == kPackEscape && i + 1 < text.size()) ++i;
    scratch += text[i];
  }
  return scratch;
}

// Decodes text, its escapes taken out, into out, keeping out's buffer.
void AssignUnescaped(std::string_view text, CString& out) {
  std::string scratch;
  AssignFromUtf8(Unescaped(text, scratch), out.str());
}

PooledText PooledUnescaped(std::string_view text) {
  std::string scratch;
  return PooledText::FromUtf8(Unescaped(text, scratch));
}

// The next entry of a list being refilled: the one already there when the
// list held more before, so that a record read again keeps its buffers.
template <typename Entry>
Entry& NextEntry(std::vector<Entry>& list, std::size_t& used) {
  if (used == list.size()) list.emplace_back();
  return list[used++];
}

double Number(std::string_view text) {
  double value = 0.0;
  std::from_chars(text.data(), text.data() + text.size(), value);
  return value;
}

}  // namespace

void UnpackPartitions(std::string_view packed, std::vector<SNYTJFenQuInfo>& out) {
  std::size_t used = 0;
  while (!packed.empty()) {
    std::string_view entry = NextPart(packed, kPackEntry);
    SNYTJFenQuInfo& partition = NextEntry(out, used);
    AssignUnescaped(NextPart(entry, kPackField), partition.name);
    AssignUnescaped(NextPart(entry, kPackField), partition.formula);
    partition.quantity = Number(NextPart(entry, kPackField));
  }
  out.resize(used);
}

void UnpackPartitionShares(std::string_view packed, std::vector<PartitionShare>& out) {
  out.clear();
  while (!packed.empty()) {
    std::string_view entry = NextPart(packed, kPackEntry);
    PartitionShare& share = out.emplace_back();
    share.name = PooledUnescaped(NextPart(entry, kPackField));
    share.formula = PooledUnescaped(NextPart(entry, kPackField));
    share.quantity = Number(NextPart(entry, kPackField));
  }
}

void UnpackCategories(std::string_view packed, std::vector<SNYTJFenLeiVarDescInfo>& out) {
  std::size_t used = 0;
  while (!packed.empty()) {
    std::string_view entry = NextPart(packed, kPackEntry);
    SNYTJFenLeiVarDescInfo& category = NextEntry(out, used);
    AssignUnescaped(NextPart(entry, kPackField), category.var);
    AssignUnescaped(NextPart(entry, kPackField), category.name);
    AssignUnescaped(NextPart(entry, kPackField), category.value);
  }
  out.resize(used);
}

void UnpackQuotaFeatures(std::string_view packed, std::vector<SNYTJReportDEFeature>& out) {
  std::size_t used = 0;
  while (!packed.empty()) {
    std::string_view fields = NextPart(packed, kPackFeature);
    SNYTJReportDEFeature& feature = NextEntry(out, used);
    AssignUnescaped(NextPart(fields, kPackFeatureField), feature.code);
    AssignUnescaped(NextPart(fields, kPackFeatureField), feature.name);
    AssignUnescaped(NextPart(fields, kPackFeatureField), feature.unit);
    UnpackCategories(NextPart(fields, kPackFeatureField), feature.categories);
  }
  out.resize(used);
}

}  // namespace reportdata
