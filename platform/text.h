// Conversion between the module's wide text and the UTF-8 of files, paths and
// the standard streams. Both directions are total: text that cannot be
// represented is replaced by U+FFFD rather than reported, because names in a
// damaged project file must still reach the report viewer.
#ifndef REPORTDATA_PLATFORM_TEXT_H_
#define REPORTDATA_PLATFORM_TEXT_H_

#include <string>
#include <string_view>
#include <type_traits>

namespace reportdata {

// Encodes wide text as UTF-8. A well-formed UTF-16 surrogate pair held in two
// wide characters is joined; a lone surrogate or a value above U+10FFFF
// becomes U+FFFD.
std::string ToUtf8(std::wstring_view text);

// PutUtf8Char for a character of U+0080 or above.
char* PutUtf8Sequence(std::wstring_view text, size_t& i, char* out);

// Encodes the character at text[i] into `out`, which has room for four
// bytes, and steps i past it: a surrogate pair is one character, a lone
// surrogate or a value above U+10FFFF is U+FFFD. Returns the end of the bytes
// written. For writers that encode straight into their own buffers. ASCII,
// most of what the tables hold, is written here without a call.
inline char* PutUtf8Char(std::wstring_view text, size_t& i, char* out) {
  const auto ch = static_cast<std::make_unsigned_t<wchar_t>>(text[i]);
  if (ch >= 0x80) return PutUtf8Sequence(text, i, out);
  *out++ = static_cast<char>(ch);
  ++i;
  return out;
}

// ToUtf8 appended to `out`, which grows by exactly the encoded bytes.
void AppendUtf8(std::wstring_view text, std::string& out);

// Decodes UTF-8. Each byte that does not start or continue a well-formed
// sequence (overlong forms, surrogates and values above U+10FFFF included)
// becomes one U+FFFD.
std::wstring FromUtf8(std::string_view text);

// FromUtf8 into `out`, replacing its contents and keeping its capacity, so
// that a reader decoding many fields through one buffer allocates once.
void AssignFromUtf8(std::string_view text, std::wstring& out);
// FromUtf8 appended to `out`.
void AppendFromUtf8(std::string_view text, std::wstring& out);

}  // namespace reportdata

#endif  // REPORTDATA_PLATFORM_TEXT_H_
