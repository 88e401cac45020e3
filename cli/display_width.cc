#include "cli/display_width.h"

#include <algorithm>
#include <iterator>

#include "platform/text.h"

namespace reportdata::cli {
namespace {

struct Range {
  char32_t first;
  char32_t last;
};

// East Asian Wide (W) and Fullwidth (F) blocks, in ascending order.
constexpr Range kWide[] = {
    {0x1100, 0x115F},   {0x231A, 0x231B},   {0x2329, 0x232A},   {0x23E9, 0x23EC},
    {0x23F0, 0x23F0},   {0x23F3, 0x23F3},   {0x25FD, 0x25FE},   {0x2614, 0x2615},
    {0x2648, 0x2653},   {0x267F, 0x267F},   {0x2693, 0x2693},   {0x26A1, 0x26A1},
    {0x26AA, 0x26AB},   {0x26BD, 0x26BE},   {0x26C4, 0x26C5},   {0x26CE, 0x26CE},
    {0x26D4, 0x26D4},   {0x26EA, 0x26EA},   {0x26F2, 0x26F3},   {0x26F5, 0x26F5},
    {0x26FA, 0x26FA},   {0x26FD, 0x26FD},   {0x2705, 0x2705},   {0x270A, 0x270B},
    {0x2728, 0x2728},   {0x274C, 0x274C},   {0x274E, 0x274E},   {0x2753, 0x2755},
    {0x2757, 0x2757},   {0x2795, 0x2797},   {0x27B0, 0x27B0},   {0x27BF, 0x27BF},
    {0x2B1B, 0x2B1C},   {0x2B50, 0x2B50},   {0x2B55, 0x2B55},   {0x2E80, 0x2E99},
    {0x2E9B, 0x2EF3},   {0x2F00, 0x2FD5},   {0x2FF0, 0x2FFB},   {0x3000, 0x303E},
    {0x3041, 0x3096},   {0x3099, 0x30FF},   {0x3105, 0x312F},   {0x3131, 0x318E},
    {0x3190, 0x31E3},   {0x31F0, 0x321E},   {0x3220, 0x3247},   {0x3250, 0x4DBF},
    {0x4E00, 0xA48C},   {0xA490, 0xA4C6},   {0xA960, 0xA97C},   {0xAC00, 0xD7A3},
    {0xF900, 0xFAFF},   {0xFE10, 0xFE19},   {0xFE30, 0xFE52},   {0xFE54, 0xFE66},
    {0xFE68, 0xFE6B},   {0xFF01, 0xFF60},   {0xFFE0, 0xFFE6},   {0x16FE0, 0x16FE4},
    {0x17000, 0x187F7}, {0x18800, 0x18CD5}, {0x1B000, 0x1B122}, {0x1F004, 0x1F004},
    {0x1F0CF, 0x1F0CF}, {0x1F18E, 0x1F18E}, {0x1F191, 0x1F19A}, {0x1F200, 0x1F202},
    {0x1F210, 0x1F23B}, {0x1F240, 0x1F248}, {0x1F250, 0x1F251}, {0x1F260, 0x1F265},
    {0x1F300, 0x1F320}, {0x1F32D, 0x1F335}, {0x1F337, 0x1F37C}, {0x1F37E, 0x1F393},
    {0x1F3A0, 0x1F3CA}, {0x1F3CF, 0x1F3D3}, {0x1F3E0, 0x1F3F0}, {0x1F3F4, 0x1F3F4},
    {0x1F3F8, 0x1F43E}, {0x1F440, 0x1F440}, {0x1F442, 0x1F4FC}, {0x1F4FF, 0x1F53D},
    {0x1F54B, 0x1F54E}, {0x1F550, 0x1F567}, {0x1F57A, 0x1F57A}, {0x1F595, 0x1F596},
    {0x1F5A4, 0x1F5A4}, {0x1F5FB, 0x1F64F}, {0x1F680, 0x1F6C5}, {0x1F6CC, 0x1F6CC},
    {0x1F6D0, 0x1F6D2}, {0x1F6D5, 0x1F6D7}, {0x1F6EB, 0x1F6EC}, {0x1F6F4, 0x1F6FC},
    {0x1F7E0, 0x1F7EB}, {0x1F90C, 0x1F93A}, {0x1F93C, 0x1F945}, {0x1F947, 0x1F9FF},
    {0x1FA70, 0x1FAFF}, {0x20000, 0x2FFFD}, {0x30000, 0x3FFFD},
};

// Marks drawn over the character before them.
constexpr Range kZero[] = {
    {0x0300, 0x036F}, {0x200B, 0x200F}, {0x20D0, 0x20FF}, {0xFE00, 0xFE0F}, {0xFE20, 0xFE2F},
};

template <size_t N>
bool InRanges(const Range (&ranges)[N], char32_t cp) {
  const Range* end = ranges + N;
  const Range* hit =
      std::upper_bound(ranges, end, cp, [](char32_t v, const Range& r) { return v < r.first; });
  return hit != ranges && cp <= std::prev(hit)->last;
}

// Cells taken by one code point: 0, 1 or 2.
int CodePointWidth(char32_t cp) {
  if (cp < 0x20 || (cp >= 0x7F && cp < 0xA0)) return 0;
  if (cp < 0x300) return 1;
  if (InRanges(kZero, cp)) return 0;
  return InRanges(kWide, cp) ? 2 : 1;
}

// Blanks for the cells that the text leaves of width.
std::string Blanks(std::string_view text, int width) {
  return std::string(static_cast<size_t>(std::max(width - DisplayWidth(text), 0)), ' ');
}

}  // namespace

int DisplayWidth(std::string_view text) {
  // The names and numbers of a table are mostly ASCII: those bytes are
  // measured as they are, and only the rest is decoded.
  int width = 0;
  size_t ascii = 0;
  for (; ascii < text.size() && static_cast<unsigned char>(text[ascii]) < 0x80; ++ascii)
    width += CodePointWidth(static_cast<unsigned char>(text[ascii]));
  if (ascii == text.size()) return width;
  thread_local std::wstring wide;
  AssignFromUtf8(text.substr(ascii), wide);
  for (wchar_t ch : wide) width += CodePointWidth(static_cast<char32_t>(ch));
  return width;
}

std::string PadRight(std::string_view text, int width) {
  return std::string(text) + Blanks(text, width);
}

std::string PadLeft(std::string_view text, int width) {
  return Blanks(text, width) + std::string(text);
}

std::string Truncate(std::string_view text, int width) {
  if (DisplayWidth(text) <= width) return std::string(text);
  const int room = width - 1;  // one cell for the ellipsis
  const std::wstring wide = FromUtf8(text);
  int used = 0;
  size_t kept = 0;
  for (; kept < wide.size(); ++kept) {
    const int w = CodePointWidth(static_cast<char32_t>(wide[kept]));
    if (used + w > room) break;
    used += w;
  }
  std::string out = ToUtf8(std::wstring_view(wide).substr(0, kept));
  if (width > 0) out += "…";
  return out;
}

}  // namespace reportdata::cli
