#include "services/packed_texts.h"

namespace reportdata {

void PackTexts(std::span<const std::string_view> texts, std::string& out) {
  out.clear();
  for (const std::string_view text : texts) {
    uint64_t length = text.size();
    do {
      const auto low = static_cast<char>(length & 0x7F);
      length >>= 7;
      out += length ? static_cast<char>(low | 0x80) : low;
    } while (length);
  }
  for (const std::string_view text : texts) out += text;
}

bool SplitPackedTexts(std::string_view blob, std::span<uint32_t> lengths, std::string_view& bytes) {
  size_t at = 0;
  uint64_t total = 0;
  for (uint32_t& length : lengths) {
    uint64_t value = 0;
    for (int shift = 0;; shift += 7) {
      // Five bytes hold any 32-bit length.
      if (at == blob.size() || shift > 28) return false;
      const auto byte = static_cast<unsigned char>(blob[at++]);
      value |= static_cast<uint64_t>(byte & 0x7F) << shift;
      if (!(byte & 0x80)) break;
    }
    if (value > UINT32_MAX) return false;
    length = static_cast<uint32_t>(value);
    total += value;
  }
  bytes = blob.substr(at);
  return total == bytes.size();
}

}  // namespace reportdata
