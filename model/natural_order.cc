// Natural name order.
#include "model/natural_order.h"

#include <algorithm>

#include "platform/code_page.h"

namespace reportdata {

namespace {

bool IsDigit(wchar_t ch) { return ch >= L'0' && ch <= L'9'; }
bool IsDigitOrSpace(wchar_t ch) { return IsDigit(ch) || ch == L' '; }

// Length of the run of decimal digits that starts at from.
size_t DigitRunLength(std::wstring_view text, size_t from) {
  size_t end = from;
  while (end < text.size() && IsDigit(text[end])) ++end;
  return end - from;
}

// Compares two digit runs as numbers of any size: without leading zeros the
// longer run is the larger number, and runs of equal length compare digit by
// digit.
int CompareDigitRuns(std::wstring_view a, std::wstring_view b) {
  a.remove_prefix(std::min(a.find_first_not_of(L'0'), a.size()));
  b.remove_prefix(std::min(b.find_first_not_of(L'0'), b.size()));
  if (a.size() != b.size()) return a.size() < b.size() ? -1 : 1;
  const int c = a.compare(b);
  return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

}  // namespace

int CompareNatural(std::wstring_view a, std::wstring_view b) {
  const size_t n = std::min(a.size(), b.size());
  size_t i = 0;
  while (i < n) {
    if (IsDigitOrSpace(a[i]) && IsDigitOrSpace(b[i])) {
      const size_t run_a = DigitRunLength(a, i);
      const size_t run_b = DigitRunLength(b, i);
      const int by_number = CompareDigitRuns(a.substr(i, run_a), b.substr(i, run_b));
      if (by_number != 0) return by_number;
      // Equal numbers whose leading digits agree leave equal numbers behind
      // them, so across the common length of the two runs only a differing
      // digit can decide; stepping over it keeps long runs linear.
      const size_t span = std::max<size_t>(1, std::min(run_a, run_b));
      for (size_t k = i; k < i + span; ++k) {
        if (a[k] != b[k]) {
          const int by_bytes = CompareAnsi(a[k], b[k]);
          if (by_bytes != 0) return by_bytes;
        }
      }
      i += span;
      continue;
    }
    if (a[i] != b[i]) {
      const int by_bytes = CompareAnsi(a[i], b[i]);
      if (by_bytes != 0) return by_bytes;
    }
    ++i;
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

}  // namespace reportdata
