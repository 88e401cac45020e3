#include "cli/csv.h"

#include <gtest/gtest.h>

namespace reportdata::cli {
namespace {

// A field is quoted only when it holds a separator, a quote or a line
// break, or starts or ends with a blank; a cell that a spreadsheet would run as a
// formula opens as text.
TEST(CsvTest, QuotesOnlyWhatNeedsItAndFormulaCellsOpenAsText) {
  const struct {
    const char* cell;
    const char* field;
  } cases[] = {
      {"010502001", "010502001"},
      {"", ""},
      {"现浇混凝土 矩形柱", "现浇混凝土 矩形柱"},
      {"2,5层", "\"2,5层\""},
      {"12\"板", "\"12\"\"板\""},
      {"1.混凝土种类\n2.强度", "\"1.混凝土种类\n2.强度\""},
      {"  KZ1", "\"  KZ1\""},
      {"a\rb", "\"a\rb\""},
      {"=1+2", "'=1+2"},
      {"@SUM(A1)", "'@SUM(A1)"},
      {"+cmd", "'+cmd"},
      {"-2+3", "'-2+3"},
      {"-", "'-"},
      {"-1e", "'-1e"},
      {"=HYPERLINK(\"x\",\"y\")", "\"'=HYPERLINK(\"\"x\"\",\"\"y\"\")\""},
      {"\tx", "'\tx"},
      {"-1.5", "-1.5"},
      {"+3", "+3"},
      {"-.25", "-.25"},
      {"-2.5e-3", "-2.5e-3"},
      {"1-2", "1-2"},
  };
  for (const auto& c : cases) EXPECT_EQ(CsvField(c.cell), c.field) << c.cell;
}

// Lines of fields are seen in every CSV the tool writes; a line of none is
// a line still.
TEST(CsvTest, ALineOfNoFieldsEndsWithCrLf) { EXPECT_EQ(CsvLine({}), "\r\n"); }

}  // namespace
}  // namespace reportdata::cli
