#include "services/packed_texts.h"

namespace reportdata {

void AppendPackedNumber(uint64_t value, std::string& out) {
  do {
    const auto low = static_cast<char>(value & 0x7F);
    value >>= 7;
    out += value ? static_cast<char>(low | 0x80) : low;
  } while (value);
}

bool ReadPackedNumber(std::string_view bytes, size_t& at, uint32_t& value) {
  uint64_t read = 0;
  for (int shift = 0;; shift += 7) {
    // Five bytes hold any 32-bit number.
    if (at == bytes.size() || shift > 28) return false;
    const auto byte = static_cast<unsigned char>(bytes[at++]);
    read |= static_cast<uint64_t>(byte & 0x7F) << shift;
    if (!(byte & 0x80)) break;
  }
  if (read > UINT32_MAX) return false;
  value = static_cast<uint32_t>(read);
  return true;
}

void PackTexts(std::span<const std::string_view> texts, std::string& out) {
  out.clear();
  for (const std::string_view text : texts) AppendPackedNumber(text.size(), out);
  for (const std::string_view text : texts) out += text;
}

bool SplitPackedTexts(std::string_view blob, std::span<uint32_t> lengths, std::string_view& bytes) {
  size_t at = 0;
  uint64_t total = 0;
  for (uint32_t& length : lengths) {
    // Most texts are shorter than 128 bytes: their length is one byte.
    if (at < blob.size() && !(blob[at] & 0x80)) {
      length = static_cast<unsigned char>(blob[at++]);
    } else if (!ReadPackedNumber(blob, at, length)) {
      return false;
    }
    total += length;
  }
  bytes = blob.substr(at);
  return total == bytes.size();
}

}  // namespace reportdata
