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

// Replaces out with the blob of texts.
void PackTexts(std::span<const std::string_view> texts, std::string& out);

// Reads the lengths of lengths.size() texts from the head of blob and sets
// bytes to the texts that follow them. False when blob is not that many texts
// so packed: a damaged row.
bool SplitPackedTexts(std::string_view blob, std::span<uint32_t> lengths, std::string_view& bytes);

}  // namespace reportdata

#endif  // REPORTDATA_SERVICES_PACKED_TEXTS_H_
