// The natural name order of partitions, floors, rooms and components: runs of
// decimal digits compare as numbers ("2区" before "10区"), every other
// character by its bytes in the system ANSI code page (platform/code_page.h),
// so Chinese names follow their code-page order.
//
// The comparison allocates nothing and reads each digit run a bounded number
// of times; runs of any length compare without overflow.
#ifndef REPORTDATA_MODEL_NATURAL_ORDER_H_
#define REPORTDATA_MODEL_NATURAL_ORDER_H_

#include <string>
#include <string_view>

namespace reportdata {

// Negative when a comes before b, zero when neither comes first, positive
// otherwise. Position by position over the shorter length:
//  - where both characters are decimal digits or spaces, the digit runs that
//    start there (empty, meaning 0, at a space) compare as numbers;
//  - where the characters differ, their code-page bytes compare as unsigned
//    bytes and decide;
// and when every position ties, the shorter name comes first. Two different
// characters with the same code-page bytes (both unrepresentable, "?") tie
// and the comparison goes on, which keeps the order a strict weak order.
int CompareNatural(std::wstring_view a, std::wstring_view b);

// Strict weak order for sorting and ordered containers.
struct NaturalLess {
  using is_transparent = void;
  bool operator()(std::wstring_view a, std::wstring_view b) const {
    return CompareNatural(a, b) < 0;
  }
};

}  // namespace reportdata

#endif  // REPORTDATA_MODEL_NATURAL_ORDER_H_
