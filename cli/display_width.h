// Width of text in terminal cells. Chinese, Japanese and Korean characters
// and the full-width forms (East Asian Wide and Fullwidth) take two cells,
// combining marks none, everything else one; tables of quantities line up
// only when their names are measured this way.
#ifndef CLI_DISPLAY_WIDTH_H_
#define CLI_DISPLAY_WIDTH_H_

#include <string>
#include <string_view>

namespace reportdata::cli {

// Cells taken by one code point: 0, 1 or 2.
int CodePointWidth(char32_t cp);

// Cells taken by UTF-8 text.
int DisplayWidth(std::string_view text);

// The text followed by blanks up to width cells (unchanged when it is wider).
std::string PadRight(std::string_view text, int width);

// Blanks up to width cells, then the text (for right-aligned numbers).
std::string PadLeft(std::string_view text, int width);

// The longest prefix of the text that fits in width cells, ending in "…" when
// something was cut.
std::string Truncate(std::string_view text, int width);

}  // namespace reportdata::cli

#endif  // CLI_DISPLAY_WIDTH_H_
