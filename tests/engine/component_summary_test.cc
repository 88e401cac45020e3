// Component summary (codes 14 and 15) and the component table rows built from it.
#include <gtest/gtest.h>

#include "areas/component_table.h"
#include "support/table_fixture.h"

namespace reportdata::testing {
namespace {

class ComponentSummaryTest : public TableFixture {
 public:
  ComponentSummaryTest() {
    services.director->dictionary.names[L"Q\\TWQ"] = L"墙\\砼外墙";
    services.director->dictionary.names[L"Z\\KZ"] = L"柱\\框架柱";
    services.templates->templ.orders[L"柱"] = 1;
    services.templates->templ.orders[L"墙"] = 2;
  }

  // The component table's rows of the summary built last.
  std::vector<std::wstring> TableStream() {
    ComponentTable table;
    table.AddSummary(tables.component_summary());
    CStringArray out;
    table.Stream(L"", out);
    return Texts(out);
  }
};

TEST_F(ComponentSummaryTest, CountsInstancesByCategoryAndFloor) {
  Rec wall{
      .floor = L"1", .component = L"Q1", .quantity = L"2", .position = L"P1", .handle = L"$h1"};
  Rec wall2 = wall;
  wall2.position = L"P2";
  wall2.handle = L"$h2";
  Rec column{
      .floor = L"2", .component = L"Z1", .type_path = L"Z\\KZ", .quantity = L"1", .handle = L"hz"};
  Rec other{.floor = L"1", .component = L"其他", .type_path = L"QTXM", .quantity = L"1"};
  Rec unknown{
      .floor = L"1", .component = L"X1", .type_path = L"X\\YY", .quantity = L"1", .handle = L"hx"};
  TJQd wall_bill = wall.Bill(L"010401001001", L"砖墙");
  wall_bill.subType = L"240";
  TJQd wall_bill2 = wall2.Bill(L"010401001001", L"砖墙");
  wall_bill2.subType = L"240";
  AddEntry(wall_bill);
  AddEntry(wall_bill2);
  AddEntry(column.Bill(L"010502001001", L"矩形柱"));
  AddEntry(other.Bill(L"010502001002", L"其他项目"));
  AddEntry(unknown.Bill(L"010502001003", L"未知构件"));
  tables.BuildComponentSummaryFromBills();
  // Groups in the templates' order; a kind the dictionary does not know
  // falls in a group without name.
  EXPECT_EQ(TreeItems(14), (std::vector<std::wstring>{L"柱", L"墙", L""}));
  EXPECT_EQ(TableStream(), (std::vector<std::wstring>{L"#ZhangFlag#",
                                                      L"柱",
                                                      L"#FloorFlag#",
                                                      L"2",
                                                      L"1",
                                                      L"",
                                                      L"#RecordFlag#",
                                                      L"Z1",
                                                      L"1",
                                                      L"",
                                                      L"",
                                                      L"#ZhangFlag#",
                                                      L"墙",
                                                      L"#FloorFlag#",
                                                      L"1",
                                                      L"2",
                                                      L"",
                                                      L"#RecordFlag#",
                                                      L"Q1",
                                                      L"2",
                                                      L"240",
                                                      L"",
                                                      L"#ZhangFlag#",
                                                      L"",
                                                      L"#FloorFlag#",
                                                      L"1",
                                                      L"1",
                                                      L"",
                                                      L"#RecordFlag#",
                                                      L"X1",
                                                      L"1",
                                                      L"",
                                                      L""}));
  CStringArray floors = Array({L"1"});
  CStringArray names = Array({L"Q1"});
  CStringArray out;
  EXPECT_TRUE(tables.GetDataByCondition(14, floors, names, out, L"", state));
  EXPECT_EQ(Texts(out),
            (std::vector<std::wstring>{L"#ZhangFlag#", L"墙", L"#FloorFlag#", L"1层", L"2",
                                       L"#MemFlag#", L"Q1", L"240", L"2", L"$$h1$$h2"}));
}

TEST_F(ComponentSummaryTest, QuotaSideCountsEachDrawingOnce) {
  Rec column{
      .floor = L"2", .component = L"Z1", .type_path = L"Z\\KZ", .quantity = L"1", .handle = L"hz"};
  tables.AddQuotaRecord(column.Quota(L"A5-1", L"浇筑"));
  tables.AddQuotaRecord(column.Quota(L"A5-2", L"模板"));
  // The quota summary keeps one entry per quota item; the component table
  // counts the column once by its drawing.
  tables.BuildComponentSummaryFromQuotas();
  EXPECT_EQ(tables.component_summary().at(0).floors.at(0).records.size(), 2u);
  EXPECT_EQ(TableStream().at(4), L"1");
  tables.ClearComponentSummary();
  EXPECT_TRUE(TreeItems(14).empty());  // no bill records
  AddEntry(column.Bill(L"010502001001", L"矩形柱"));
  tables.ClearComponentSummary();
  EXPECT_EQ(TreeItems(14), (std::vector<std::wstring>{L"柱"}));
}

}  // namespace
}  // namespace reportdata::testing
