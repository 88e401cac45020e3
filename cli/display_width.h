// Width of text in terminal cells. Chinese, Japanese and Korean characters
// and the full-width forms (East Asian Wide and Fullwidth) take two cells,
// combining marks none, everything else one; tables of quantities line up
// only when their names are measured this way.
#ifndef CLI_DISPLAY_WIDTH_H_
#define CLI_DISPLAY_WIDTH_H_

#include <string>
#include <string_view>

namespace reportdata::cli {

// Cells taken by UTF-8 text.
int DisplayWidth(std::string_view text);

// The text followed by blanks up to width cells (unchanged when it is wider).
std::string PadRight(std::string_view text, int width);

// Blanks up to width cells, then the text (for right-aligned numbers).
std::string PadLeft(std::string_view text, int width);

// Calls visit(line, first) for each line of the text, without its line break
// ("\n" or "\r\n"); first is true for the first line only.
template <typename Visit>
void ForEachLine(std::string_view text, Visit&& visit) {
  for (size_t start = 0;;) {
    const size_t end = text.find('\n', start);
    std::string_view line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    visit(line, start == 0);
    if (end == std::string_view::npos) return;
    start = end + 1;
  }
}

// The longest prefix of the text that fits in width cells, ending in "…" when
// something was cut.
std::string Truncate(std::string_view text, int width);

}  // namespace reportdata::cli

#endif  // CLI_DISPLAY_WIDTH_H_
