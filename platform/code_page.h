// The system ANSI code page that the natural name order compares characters
// in, so that Chinese names sort by their code-page order (GBK: "二" before
// "一") rather than by code point. The code page is CP936 (GBK) unless the
// environment variable REPORTDATA_CODEPAGE names another iconv encoding.
//
// The bytes of the characters of the Basic Multilingual Plane are converted
// once, a block of them at the first use of one (thread-safe), so a
// comparison rarely calls iconv.
#ifndef REPORTDATA_PLATFORM_CODE_PAGE_H_
#define REPORTDATA_PLATFORM_CODE_PAGE_H_

#include <string_view>

namespace reportdata {

// The code-page bytes of one character. A character the code page cannot
// represent (also a surrogate or a character beyond the Basic Multilingual
// Plane, which the Windows conversion sees as a lone surrogate) gives "?",
// the Windows default character. The view stays valid for the life of the
// process.
std::string_view AnsiBytes(wchar_t ch);

// Compares the code-page bytes of two characters as unsigned bytes, a shorter
// byte string first when it is a prefix of the other: negative, zero or
// positive.
int CompareAnsi(wchar_t a, wchar_t b);

}  // namespace reportdata

#endif  // REPORTDATA_PLATFORM_CODE_PAGE_H_
