// Handle text parsing.
#include "engine/handle_text.h"

#include <string_view>

namespace reportdata {

namespace {

constexpr wchar_t kGroupSeparator = L'$';
constexpr wchar_t kTextSeparator = L'￥';  // U+FFE5, full-width yen sign

// Cuts the text before the first separator off text and returns it; the
// separator goes too. Without the separator the whole text is taken.
std::wstring_view TakeUntil(std::wstring_view& text, wchar_t separator) {
  const size_t pos = text.find(separator);
  const std::wstring_view head = text.substr(0, pos);
  text.remove_prefix(pos == std::wstring_view::npos ? text.size() : pos + 1);
  return head;
}

}  // namespace

void ParseHandles(int floor_cell, const CStringArray& row_cells, const CString& handles,
                  CString& floor, CStringArray& out) {
  std::wstring_view floor_text;
  if (floor_cell < row_cells.GetSize()) floor_text = row_cells[floor_cell].str();
  const size_t floor_end = floor_text.find(L'层');
  floor =
      floor_end == std::wstring_view::npos ? CString() : CString(floor_text.substr(0, floor_end));

  std::wstring_view rest = handles.str();
  while (!rest.empty()) {
    if (rest.find(kTextSeparator) == std::wstring_view::npos) break;
    std::wstring_view group = TakeUntil(rest, kTextSeparator);
    std::wstring_view texts = TakeUntil(rest, kGroupSeparator);
    const CString first(TakeUntil(texts, kTextSeparator));
    const CString second(texts);
    while (!group.empty()) {
      const std::wstring_view handle = TakeUntil(group, kGroupSeparator);
      if (handle.empty()) continue;
      out.Add(CString(handle));
      out.Add(first);
      out.Add(second);
    }
  }
}

}  // namespace reportdata
