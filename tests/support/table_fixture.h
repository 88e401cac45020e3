// A ReportTables with test services and a few bill and quota chapters, for
// the table tests of the model and engine folders.
#ifndef REPORTDATA_TESTS_SUPPORT_TABLE_FIXTURE_H_
#define REPORTDATA_TESTS_SUPPORT_TABLE_FIXTURE_H_

#include <gtest/gtest.h>

#include "engine/table_definitions.h"
#include "model/report_tables.h"
#include "support/records.h"
#include "support/table_services.h"

namespace reportdata::testing {

class TableFixture : public ::testing::Test {
 public:
  TableFixture() : tables({L"主体建筑面积", L"余土"}) {
    services.library->bill_chapters[L"0104"] = {L"砌筑工程", L"4"};
    services.library->bill_chapters[L"0105"] = {L"混凝土工程", L"5"};
    services.library->bill_chapters[L"0112"] = {L"装饰工程", L"12"};
    services.library->quota_chapters[L"A4"] = {L"砌筑", L"4"};
    services.library->quota_chapters[L"A5"] = {L"混凝土", L"5"};
    services.library->quota_chapters[L"A10"] = {L"装饰", L"10"};
  }

  void AddEntry(const TJQd& bill, std::vector<TJQd> quotas = {}) {
    SNYTJQdDeClassResult entry;
    entry.bill = bill;
    entry.quotas = std::move(quotas);
    tables.AddClassifiedEntry(KeysOf(entry));
  }

  // The query helpers end the filing first, as a build does before anything
  // reads its tables.
  std::vector<std::wstring> ItemRows(int code, std::wstring_view name, int columns = 12) {
    tables.FinishBillEntries();
    CStringArray rows;
    EXPECT_TRUE(AnswerItemRows(Context(), code, name, rows));
    return Rows(rows, columns);
  }

  // The layout A rows of the floors and components selected, asked of the
  // tables as they stand.
  std::vector<std::wstring> SelectedRows(int code, const CStringArray& floors,
                                         const CStringArray& names) {
    CStringArray rows;
    EXPECT_TRUE(AnswerSelectedRows(Context(), code, floors, names, rows));
    return Rows(rows, 12);
  }

  std::vector<std::wstring> Stream(int code, std::wstring_view name = {}) {
    tables.FinishBillEntries();
    CStringArray rows;
    EXPECT_TRUE(AnswerStream(Context(), code, name, rows));
    return Texts(rows);
  }

  // The stream's texts joined by "|", to compare a whole answer in one line.
  std::wstring StreamText(int code, std::wstring_view name = {}) {
    return Joined(Stream(code, name));
  }

  std::vector<std::wstring> TreeItems(int code) {
    tables.FinishBillEntries();
    CStringArray items;
    EXPECT_TRUE(AnswerTreeItems(Context(), code, items));
    return Texts(items);
  }

  TableContext Context() { return {tables, areas, state}; }

  TestServices services;
  ReportTables tables;
  AreaTables areas;  // the area tables, which these tests leave empty
  QueryState state;
};

// A facade decoration record "WQM": its quantity counts once for the floors
// of a range rather than once per floor.
inline Rec Facade(std::wstring floor, std::wstring quantity, std::wstring handle,
                  std::wstring type_path = L"ZS\\LMZS") {
  return {.floor = floor,
          .component = L"WQM",
          .type_path = type_path,
          .quantity = quantity,
          .handle = handle};
}

// Display text of a bill or quota item: code, name and the indented second line.
inline std::wstring ItemText(std::wstring_view code, std::wstring_view name,
                             std::wstring_view second) {
  std::wstring text(code);
  text.append(L"  ").append(name).append(L"\n                 ").append(second);
  return text;
}

}  // namespace reportdata::testing

#endif  // REPORTDATA_TESTS_SUPPORT_TABLE_FIXTURE_H_
