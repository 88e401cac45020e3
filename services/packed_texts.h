// The texts of a calculation-result record stored as one blob column of its
// row. SQLite's cost in reading a record lies in its columns, not in its
// bytes: each column is a step of its virtual machine and a call to fetch it,
// so twenty-six text columns cost twenty-six times what one blob does. The
// blob holds each text's length in bytes, as an unsigned LEB128 number, in
// column order, and then the texts' bytes in the same order, so that a reader
// copies all of them at once.
#ifndef REPORTDATA_SERVICES_PACKED_TEXTS_H_
#define REPORTDATA_SERVICES_PACKED_TEXTS_H_

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace reportdata {

// Appends value as an unsigned LEB128 number: seven bits a byte, low bits
// first, the high bit set on every byte but the last.
void AppendPackedNumber(uint64_t value, std::string& out);

// Reads the LEB128 number that starts at bytes[at] and moves at past it.
// False when the bytes end first or the number does not fit 32 bits.
bool ReadPackedNumber(std::string_view bytes, size_t& at, uint32_t& value);

// The LEB128 number that is the whole of bytes, as a key column holds one.
// Numbers below 16384, one or two bytes, are read without a loop.
inline bool ReadWholePackedNumber(std::string_view bytes, uint32_t& value) {
  const auto byte = [&](size_t i) { return static_cast<unsigned char>(bytes[i]); };
  if (bytes.size() == 1 && byte(0) < 0x80) {
    value = byte(0);
    return true;
  }
  if (bytes.size() == 2 && byte(0) >= 0x80 && byte(1) < 0x80) {
    value = (byte(0) & 0x7Fu) | static_cast<uint32_t>(byte(1)) << 7;
    return true;
  }
  size_t at = 0;
  return ReadPackedNumber(bytes, at, value) && at == bytes.size();
}

// Replaces out with the blob of texts.
void PackTexts(std::span<const std::string_view> texts, std::string& out);

// Reads the lengths of lengths.size() texts from the head of blob and sets
// bytes to the texts that follow them. False when blob is not that many texts
// so packed: a damaged row.
bool SplitPackedTexts(std::string_view blob, std::span<uint32_t> lengths, std::string_view& bytes);

}  // namespace reportdata

#endif  // REPORTDATA_SERVICES_PACKED_TEXTS_H_
