#include "cli/display_width.h"

#include <gtest/gtest.h>

namespace reportdata::cli {
namespace {

TEST(DisplayWidthTest, CountsAndCutsWideAndFullwidthCharactersAsTwoCells) {
  // Letters, digits and the common ideographs are seen in every aligned
  // table. Full-width comma, yen sign and ideographic space are wide; the Latin
  // letter with a combining acute accent takes one cell.
  EXPECT_EQ(DisplayWidth("2，5"), 4);
  EXPECT_EQ(DisplayWidth("￥"), 2);
  EXPECT_EQ(DisplayWidth("\u3000"), 2);
  EXPECT_EQ(DisplayWidth("e\u0301"), 1);
  EXPECT_EQ(DisplayWidth("×"), 1);
  EXPECT_EQ(DisplayWidth("한글"), 4);
  EXPECT_EQ(DisplayWidth("\U00020000"), 2);
  // A malformed byte counts as one replacement character.
  EXPECT_EQ(DisplayWidth("a\xFF"), 2);
  // Padding is seen in every aligned table; cutting only in cells too wide.
  EXPECT_EQ(Truncate("现浇混凝土 矩形柱", 9), "现浇混凝…");
  EXPECT_EQ(Truncate("现浇混凝土", 10), "现浇混凝土");
  // A wide character that would straddle the limit is left out whole.
  EXPECT_EQ(Truncate("a现浇", 4), "a现…");
}

}  // namespace
}  // namespace reportdata::cli
