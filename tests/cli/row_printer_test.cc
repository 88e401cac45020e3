#include "cli/row_printer.h"

#include <gtest/gtest.h>

namespace reportdata::cli {
namespace {

std::vector<std::string> Flat(const std::vector<std::vector<std::string>>& rows) {
  std::vector<std::string> flat;
  for (const auto& row : rows) flat.insert(flat.end(), row.begin(), row.end());
  return flat;
}

// A bill summary answer: header, a chapter with one bill item on two floors,
// a component under the first floor, and a second, empty chapter.
std::vector<std::string> BillRows() {
  const std::string item = "010502001  矩形柱\n                 1.混凝土强度等级:C30";
  return Flat({
      {"1", "0", "", "", "", "", "", "", "", "", "", ""},
      {"2", "0", "混凝土及钢筋混凝土工程", "", "", "", "", "", "", "", "", ""},
      {"3", "2", "", item, "", "", "", "m3", "3.500000", "", "", ""},
      {"4", "3", "", item, "2,5层", "", "", "m3", "2.000000", "", "0.50*4层", ""},
      {"5", "4", "", "", "", "KZ1", "", "m3", "2.000000", "", "", "$$3A8"},
      {"6", "3", "", item, "1层", "", "", "m3", "1.500000", "", "", ""},
      {"7", "0", "其他章", "", "", "", "", "", "", "", "", ""},
  });
}

// Each row's depth and the first line of its tree text, "depth tree".
std::vector<std::string> Outline(const std::vector<TreeRow>& rows) {
  std::vector<std::string> out;
  for (const TreeRow& row : rows)
    out.push_back(std::to_string(row.depth) + " " + row.tree.substr(0, row.tree.find('\n')));
  return out;
}

GridLayout BillGrid() {
  GridLayout grid;
  grid.width = 12;
  grid.label_first = 2;
  grid.label_last = 6;
  grid.tree_title = "项目";
  grid.columns = {{7, "单位", Align::kLeft},
                  {8, "工程量", Align::kRight},
                  {9, "说明", Align::kLeft},
                  {10, "计算式", Align::kLeft}};
  return grid;
}

TEST(RowPrinterTest, LeavesOutLabelsThatNameAnAncestor) {
  // Quota summary by floor: the floor group's name comes back on each item,
  // and a quota item without classification variables ends in a bare break.
  const std::vector<std::string> flat = Flat({
      {"1", "0", "", "", "", "", "", "", "", "", "", ""},
      {"2", "0", "2,5层", "", "", "", "", "", "", "", "", ""},
      {"3", "2", "砌筑工程", "", "", "", "", "", "", "", "", ""},
      {"4", "3", "", "A4-6  加气混凝土砌块墙\n                 ", "2,5层", "", "", "10m3",
       "1.958400", "", "0.490*4层", ""},
  });
  const std::vector<TreeRow> rows = FoldRows(flat, BillGrid());
  ASSERT_EQ(Outline(rows),
            (std::vector<std::string>{"0 2,5层", "1 砌筑工程", "2 A4-6  加气混凝土砌块墙"}));
  EXPECT_EQ(rows[2].cells[3], "0.490*4层");
}

TEST(RowPrinterTest, AlignsColumnsCountingChineseAsTwoCells) {
  const std::string text = RenderText(FoldRows(BillRows(), BillGrid()), BillGrid());
  // The floor row repeats the item text; only its floor names it. Values
  // equal to the parent's stay: the component has the floor's quantity. The
  // empty 说明 column is left out; 工程量 is right-aligned.
  const std::string expected =
      "项目                        单位    工程量  计算式\n"
      "----------------------------------------------------\n"
      "混凝土及钢筋混凝土工程\n"
      "  010502001  矩形柱         m3    3.500000\n"
      "      1.混凝土强度等级:C30\n"
      "    2,5层                   m3    2.000000  0.50*4层\n"
      "      KZ1                   m3    2.000000\n"
      "    1层                     m3    1.500000\n"
      "其他章\n";
  EXPECT_EQ(text, expected);
  // A depth leaves out the deeper rows; a trailing incomplete row is not a row.
  EXPECT_EQ(
      Outline(FoldRows(BillRows(), BillGrid(), 1)),
      (std::vector<std::string>{"0 混凝土及钢筋混凝土工程", "1 010502001  矩形柱", "0 其他章"}));
  std::vector<std::string> cut = BillRows();
  cut.resize(cut.size() - 1);
  EXPECT_EQ(FoldRows(cut, BillGrid()).size(), 5u);
}

TEST(RowPrinterTest, IndentsStreamRecordsByTheFlagsOpenAboveThem) {
  const std::vector<std::string> stream = {
      "#ZhangFlag#",  "土石方工程",  "#QDItemFlag#",
      "010101002",    "挖一般土方",  "1.土壤类别:三类土\n2.深度",
      "#FloorFlag#",  "0层",         "#AttNameFlag#",
      "大开挖土方",   "#FloorFlag#", "-1层",
      "#QDItemFlag#", "010103001",   "#ZhangFlag#",
      "其他章"};
  EXPECT_EQ(RenderStreamText(stream),
            "#ZhangFlag# | 土石方工程\n"
            "  #QDItemFlag# | 010101002 | 挖一般土方 | 1.土壤类别:三类土 / 2.深度\n"
            "    #FloorFlag# | 0层\n"
            "      #AttNameFlag# | 大开挖土方\n"
            "    #FloorFlag# | -1层\n"
            "  #QDItemFlag# | 010103001\n"
            "#ZhangFlag# | 其他章\n");
  EXPECT_EQ(RenderStreamCsv({"#ZhangFlag#", "建筑面积", "#FloorFlag#", "2,5层", "1.0"}),
            "\xEF\xBB\xBF"
            "flag,cell1,cell2\r\n"
            "#ZhangFlag#,建筑面积,\r\n"
            "#FloorFlag#,\"  2,5层\",1.0\r\n");
}

}  // namespace
}  // namespace reportdata::cli
