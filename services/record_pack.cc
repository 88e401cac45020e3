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
  std::size_t i = 0;
  while (i < rest.size() && rest[i] != separator) i += rest[i] == kPackEscape ? 2 : 1;
  if (i > rest.size()) i = rest.size();
  const std::string_view part = rest.substr(0, i);
  rest.remove_prefix(i < rest.size() ? i + 1 : i);
  return part;
}

CString Unescaped(std::string_view text) {
  if (std::memchr(text.data(), kPackEscape, text.size()) == nullptr) {
    return CString(FromUtf8(text));
  }
  std::string plain;
  plain.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == kPackEscape && i + 1 < text.size()) ++i;
    plain += text[i];
  }
  return CString(FromUtf8(plain));
}

double Number(std::string_view text) {
  double value = 0.0;
  std::from_chars(text.data(), text.data() + text.size(), value);
  return value;
}

}  // namespace

void UnpackPartitions(std::string_view packed, std::vector<SNYTJFenQuInfo>& out) {
  out.clear();
  while (!packed.empty()) {
    std::string_view entry = NextPart(packed, kPackEntry);
    SNYTJFenQuInfo& partition = out.emplace_back();
    partition.name = Unescaped(NextPart(entry, kPackField));
    partition.formula = Unescaped(NextPart(entry, kPackField));
    partition.quantity = Number(NextPart(entry, kPackField));
  }
}

void UnpackCategories(std::string_view packed, std::vector<SNYTJFenLeiVarDescInfo>& out) {
  out.clear();
  while (!packed.empty()) {
    std::string_view entry = NextPart(packed, kPackEntry);
    SNYTJFenLeiVarDescInfo& category = out.emplace_back();
    category.var = Unescaped(NextPart(entry, kPackField));
    category.name = Unescaped(NextPart(entry, kPackField));
    category.value = Unescaped(NextPart(entry, kPackField));
  }
}

void UnpackQuotaFeatures(std::string_view packed, std::vector<SNYTJReportDEFeature>& out) {
  out.clear();
  while (!packed.empty()) {
    std::string_view fields = NextPart(packed, kPackFeature);
    SNYTJReportDEFeature& feature = out.emplace_back();
    feature.code = Unescaped(NextPart(fields, kPackFeatureField));
    feature.name = Unescaped(NextPart(fields, kPackFeatureField));
    feature.unit = Unescaped(NextPart(fields, kPackFeatureField));
    UnpackCategories(NextPart(fields, kPackFeatureField), feature.categories);
  }
}

}  // namespace reportdata
