// Conversion between the wide text of the exported interface (CString holds
// one wchar_t per code point on this platform) and the UTF-8 text that the
// tool reads from its arguments and writes to its outputs.
#ifndef CLI_UTF8_H_
#define CLI_UTF8_H_

#include <string>
#include <string_view>

namespace reportdata::cli {

// Encodes wide text as UTF-8. Values that are not code points (surrogates,
// values above U+10FFFF) become U+FFFD.
std::string ToUtf8(std::wstring_view text);

// Decodes UTF-8; each malformed byte becomes U+FFFD.
std::wstring FromUtf8(std::string_view text);

// Decodes the code point that starts at text[pos] and advances pos past it;
// a malformed byte yields U+FFFD and advances by one.
char32_t NextCodePoint(std::string_view text, size_t& pos);

}  // namespace reportdata::cli

#endif  // CLI_UTF8_H_
