// The answers of an area table's codes over trees a test fills, asked as the
// engine asks them: through the table definitions.
#ifndef REPORTDATA_TESTS_TABLES_AREA_ANSWERS_H_
#define REPORTDATA_TESTS_TABLES_AREA_ANSWERS_H_

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "engine/table_definitions.h"
#include "support/records.h"

namespace reportdata::testing {

struct AreaAnswers {
  ReportTables tables{{}};
  AreaTables areas;
  QueryState state;

  TableContext Context() { return {tables, areas, state}; }

  // The layout A rows of `code` appended to `rows`, one "|"-joined text a
  // row, the header first.
  std::vector<std::wstring> ItemRows(int code, std::wstring_view name = {}) {
    CStringArray rows;
    EXPECT_TRUE(AnswerItemRows(Context(), code, name, rows));
    return Rows(rows, WidthOf(code));
  }
  std::vector<std::wstring> SelectedRows(int code, const std::vector<std::wstring>& floors,
                                         const std::vector<std::wstring>& second) {
    CStringArray rows;
    EXPECT_TRUE(AnswerSelectedRows(Context(), code, Array(floors), Array(second), rows));
    return Rows(rows, WidthOf(code));
  }
  std::vector<std::wstring> Stream(int code, std::wstring_view name = {}) {
    CStringArray out;
    EXPECT_TRUE(AnswerStream(Context(), code, name, out));
    return Texts(out);
  }
  std::vector<std::wstring> TreeItems(int code) {
    CStringArray items;
    EXPECT_TRUE(AnswerTreeItems(Context(), code, items));
    return Texts(items);
  }

  static CStringArray Array(const std::vector<std::wstring>& texts) {
    CStringArray array;
    for (const std::wstring& text : texts) array.Add(CString(text));
    return array;
  }
};

}  // namespace reportdata::testing

#endif  // REPORTDATA_TESTS_TABLES_AREA_ANSWERS_H_
