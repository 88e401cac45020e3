// UTF-8 encoding and decoding of wide text.
#include "platform/text.h"

#include <cstdint>
#include <cstring>
#include <type_traits>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace reportdata {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool IsHighSurrogate(char32_t cp) { return cp >= 0xD800 && cp <= 0xDBFF; }
bool IsLowSurrogate(char32_t cp) { return cp >= 0xDC00 && cp <= 0xDFFF; }

// Widens the run of ASCII bytes that starts bytes[0, size) into put, which
// has room for size characters; returns its length. The handle and position
// lists are long runs of ASCII: they are widened sixteen bytes at a time,
// and a block that holds the end of the run is widened whole, the
// characters past the run being left for the caller to overwrite.
size_t WidenAsciiRun(const uint8_t* bytes, size_t size, wchar_t* put) {
  size_t i = 0;
#if defined(__SSE2__)
  static_assert(sizeof(wchar_t) == 4, "a wide character is four bytes");
  const __m128i zero = _mm_setzero_si128();
  for (; size - i >= 16; i += 16) {
    const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes + i));
    const __m128i low = _mm_unpacklo_epi8(block, zero);
    const __m128i high = _mm_unpackhi_epi8(block, zero);
    auto* out = reinterpret_cast<__m128i*>(put + i);
    _mm_storeu_si128(out, _mm_unpacklo_epi16(low, zero));
    _mm_storeu_si128(out + 1, _mm_unpackhi_epi16(low, zero));
    _mm_storeu_si128(out + 2, _mm_unpacklo_epi16(high, zero));
    _mm_storeu_si128(out + 3, _mm_unpackhi_epi16(high, zero));
    if (const int high_bytes = _mm_movemask_epi8(block); high_bytes != 0) {
      return i + static_cast<size_t>(__builtin_ctz(static_cast<unsigned>(high_bytes)));
    }
  }
#endif
  for (; i < size && bytes[i] < 0x80; ++i) put[i] = static_cast<wchar_t>(bytes[i]);
  return i;
}

}  // namespace

char* PutUtf8Sequence(std::wstring_view text, size_t& i, char* out) {
  char32_t cp = static_cast<char32_t>(static_cast<std::make_unsigned_t<wchar_t>>(text[i++]));
  if (IsHighSurrogate(cp) && i < text.size()) {
    const auto next = static_cast<char32_t>(text[i]);
    if (IsLowSurrogate(next)) {
      cp = 0x10000 + ((cp - 0xD800) << 10) + (next - 0xDC00);
      ++i;
    }
  }
  if (IsHighSurrogate(cp) || IsLowSurrogate(cp) || cp > 0x10FFFF) cp = kReplacement;
  if (cp < 0x800) {
    *out++ = static_cast<char>(0xC0 | (cp >> 6));
    *out++ = static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    *out++ = static_cast<char>(0xE0 | (cp >> 12));
    *out++ = static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    *out++ = static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    *out++ = static_cast<char>(0xF0 | (cp >> 18));
    *out++ = static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    *out++ = static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    *out++ = static_cast<char>(0x80 | (cp & 0x3F));
  }
  return out;
}

std::string ToUtf8(std::wstring_view text) {
  // Encoded through a buffer with room for the longest encoding (a wide
  // character never takes more than four bytes), then copied at its size:
  // printing a large table encodes millions of cells.
  thread_local std::string encoded;
  if (encoded.size() < text.size() * 4) encoded.resize(text.size() * 4);
  char* const start = encoded.data();
  char* out = start;
  for (size_t i = 0; i < text.size();) out = PutUtf8Char(text, i, out);
  return std::string(start, static_cast<size_t>(out - start));
}

void AppendUtf8(std::wstring_view text, std::string& out) {
  // Positions and drawing handles are ASCII: those are copied as they are.
  for (const wchar_t ch : text) {
    if (static_cast<std::make_unsigned_t<wchar_t>>(ch) >= 0x80) {
      out += ToUtf8(text);
      return;
    }
  }
  const size_t start = out.size();
  out.resize(start + text.size());
  for (size_t i = 0; i < text.size(); ++i) out[start + i] = static_cast<char>(text[i]);
}

std::wstring FromUtf8(std::string_view text) {
  // Decoded through a buffer that keeps its capacity, the text is copied into
  // a string of its own length: the table readers keep millions of these
  // strings, and Chinese text decodes to a third of its bytes.
  thread_local std::wstring decoded;
  AssignFromUtf8(text, decoded);
  return std::wstring(decoded);
}

void AssignFromUtf8(std::string_view text, std::wstring& out) {
  out.clear();
  AppendFromUtf8(text, out);
}

void AppendFromUtf8(std::string_view text, std::wstring& out) {
  // No text decodes to more wide characters than it has bytes: decode into
  // room of that size, then cut it to what was decoded.
  const size_t start = out.size();
  out.resize(start + text.size());
  wchar_t* put = out.data() + start;
  const auto* bytes = reinterpret_cast<const uint8_t*>(text.data());
  size_t i = 0;
  while (i < text.size()) {
    const uint8_t lead = bytes[i];
    if (lead < 0x80) {
      const size_t run = WidenAsciiRun(bytes + i, text.size() - i, put);
      i += run;
      put += run;
      continue;
    }
    // Chinese text is three-byte sequences; those led by E1..EC and EE..EF
    // are valid whenever their two continuation bytes are (E0 and ED have
    // overlong and surrogate forms, and take the general way).
    if (((lead >= 0xE1 && lead <= 0xEC) || lead >= 0xEE) && lead <= 0xEF && text.size() - i >= 3 &&
        (bytes[i + 1] & 0xC0) == 0x80 && (bytes[i + 2] & 0xC0) == 0x80) {
      *put++ = static_cast<wchar_t>(((lead & 0x0F) << 12) | ((bytes[i + 1] & 0x3F) << 6) |
                                    (bytes[i + 2] & 0x3F));
      i += 3;
      continue;
    }
    size_t length = 0;
    char32_t cp = 0;
    char32_t min_value = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
      length = 2, cp = lead & 0x1F, min_value = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
      length = 3, cp = lead & 0x0F, min_value = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
      length = 4, cp = lead & 0x07, min_value = 0x10000;
    }
    bool valid = length != 0 && i + length <= text.size();
    for (size_t k = 1; valid && k < length; ++k) {
      const uint8_t next = bytes[i + k];
      valid = (next & 0xC0) == 0x80;
      cp = (cp << 6) | (next & 0x3F);
    }
    valid =
        valid && cp >= min_value && cp <= 0x10FFFF && !IsHighSurrogate(cp) && !IsLowSurrogate(cp);
    if (valid) {
      *put++ = static_cast<wchar_t>(cp);
      i += length;
    } else {
      *put++ = static_cast<wchar_t>(kReplacement);
      ++i;
    }
  }
  out.resize(static_cast<size_t>(put - out.data()));
}

}  // namespace reportdata
