// Component summary (codes 14 and 15) and the component table rows built from it.
#include <gtest/gtest.h>

#include "areas/component_table.h"
#include "support/scoped_env.h"
#include "support/table_fixture.h"
#include "support/temp_dir.h"

namespace reportdata::testing {
namespace {

class ComponentSummaryTest : public TableFixture {
 public:
  ComponentSummaryTest() {
    services.director->dictionary.names[L"Q\\TWQ"] = L"墙\\砼外墙";
    services.director->dictionary.names[L"Z\\KZ"] = L"柱\\框架柱";
    system_.Write("category_order.json", R"({"categories": ["柱", "墙"]})");
  }

  // The component table's rows of the summary built last.
  std::vector<std::wstring> TableStream() {
    ComponentTable table;
    table.AddSummary(tables.component_summary());
    CStringArray out;
    table.Stream(L"", out);
    return Texts(out);
  }

  // A system directory whose category order puts columns before walls.
  TempDir system_;
  ScopedEnv system_dir_{"REPORTDATA_SYSDIR", system_.path().c_str()};
  // A framed column of floor 2, drawn once.
  const Rec column{
      .floor = L"2", .component = L"Z1", .type_path = L"Z\\KZ", .quantity = L"1", .handle = L"hz"};
};

TEST_F(ComponentSummaryTest, CountsInstancesByCategoryAndFloor) {
  Rec wall{
      .floor = L"1", .component = L"Q1", .quantity = L"2", .position = L"P1", .handle = L"$h1"};
  Rec other{.floor = L"1", .component = L"其他", .type_path = L"QTXM", .quantity = L"1"};
  Rec unknown{
      .floor = L"1", .component = L"X1", .type_path = L"X\\YY", .quantity = L"1", .handle = L"hx"};
  TJQd wall_bill = wall.Bill(L"010401001001", L"砖墙");
  wall_bill.subType = L"240";
  AddEntry(wall_bill);
  wall_bill.position = L"P2";
  wall_bill.handle = L"$h2";
  AddEntry(wall_bill);
  AddEntry(column.Bill(L"010502001001", L"矩形柱"));
  AddEntry(other.Bill(L"010502001002", L"其他项目"));
  AddEntry(unknown.Bill(L"010502001003", L"未知构件"));
  tables.BuildComponentSummaryFromBills();
  // Groups in the templates' order; a kind the dictionary does not know
  // falls in a group without name.
  EXPECT_EQ(TreeItems(14), (std::vector<std::wstring>{L"柱", L"墙", L""}));
  EXPECT_EQ(Joined(TableStream()),
            L"#ZhangFlag#|柱|#FloorFlag#|2|1||#RecordFlag#|Z1|1|||#ZhangFlag#|墙|#FloorFlag#|1|2||"
            L"#RecordFlag#|Q1|2|240||#ZhangFlag#||#FloorFlag#|1|1||#RecordFlag#|X1|1||");
  CStringArray floors = Array({L"1"});
  CStringArray names = Array({L"Q1"});
  CStringArray out;
  EXPECT_TRUE(AnswerByCondition(Context(), 14, floors, names, out, L""));
  EXPECT_EQ(Joined(Texts(out)), L"#ZhangFlag#|墙|#FloorFlag#|1层|2|#MemFlag#|Q1|240|2|$$h1$$h2");
}

TEST_F(ComponentSummaryTest, QuotaSideCountsEachDrawingOnce) {
  for (const TJQd& quota : {column.Quota(L"A5-1", L"浇筑"), column.Quota(L"A5-2", L"模板")}) {
    tables.AddQuotaRecord(KeysOf(quota));
  }
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
