// Building-area intake, floor selection, rows, project areas and "\mj.xml".
// The cells the sample fills under each of its named columns close the file.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "areas/area_intake.h"
#include "cli/named_columns.h"
#include "persist/building_area_file.h"
#include "reportdata/errors.h"
#include "support/records.h"
#include "support/temp_dir.h"
#include "tables/area_answers.h"

namespace reportdata {
namespace {

using testing::Texts;

// "label n<num> g<grade> M[quantities] B[quantities]" per entry, "; "-joined.
std::wstring Describe(const CAreaSummaryTable& table) {
  std::wstring text;
  for (const SAreaFloorItem& floor : table.floors()) {
    if (!text.empty()) text += L"; ";
    text += floor.label + L" n" + std::to_wstring(floor.num) + L" g" + std::to_wstring(floor.grade);
    for (const auto* items : {&floor.mainItems, &floor.balconyItems}) {
      text += items == &floor.mainItems ? L" M[" : L" B[";
      for (const SAreaItem& item : *items) text += item.quantity + L",";
      text += L"]";
    }
  }
  return text;
}

CAreaSummaryTable Intake(const std::vector<SNYFloorAreaRecord>& records,
                         std::vector<CString>& project) {
  CAreaSummaryTable table;
  AddFloorAreas(records, project, table);
  return table;
}

TEST(BuildingAreaTest, IntakeFilesRecordsOnProjectFloors) {
  struct Case {
    const char* what;
    std::vector<CString> project;
    std::vector<SNYFloorAreaRecord> records;
    std::wstring table;
    std::vector<CString> added;  // floors the project did not list, appended
  };
  const Case cases[] = {
      {"below 0.001 dropped, 0.001 kept",
       {L"1"},
       {{L"1", L"FL_MainArea", 0.0005}, {L"1", L"FL_MainArea", 0.001}},
       L"1 n1 g10 M[0.001,] B[]"},
      {"two main items on one label, other kinds skipped",
       {L"2"},
       {{L"2", L"FL_MainArea", 5},
        {L"2", L"FL_Other", 9},
        {L"2", L"FL_MainArea", 6.25},
        {L"2", L"FL_YTArea", 1.5}},
       L"2 n1 g20 M[5.000,6.250,] B[1.500,]"},
      {"a single floor lands on the range standing for it",
       {L"1", L"3,5"},
       {{L"4", L"FL_MainArea", 100}},
       L"3,5 n3 g30 M[100.000,] B[]"},
      {"a range lands on each single project floor",
       {L"3", L"4", L"5"},
       {{L"3,5", L"FL_YTArea", 2}},
       L"3 n1 g30 M[] B[2.000,]; 4 n1 g40 M[] B[2.000,]; 5 n1 g50 M[] B[2.000,]"},
      {"list, basement, label 0 and full-width range",
       {L"3/5/7", L"0", L"-1", L"8，9"},
       {{L"3/5/7", L"FL_MainArea", 1},
        {L"0", L"FL_MainArea", 1},
        {L"-1", L"FL_MainArea", 1},
        {L"8,9", L"FL_MainArea", 1}},
       L"3/5/7 n3 g30 M[1.000,] B[]; 0 n1 g-1000 M[1.000,] B[]; -1 n1 g-10 M[1.000,] B[]; "
       L"8，9 n2 g80 M[1.000,] B[]"},
      {"unknown floors are appended to the project",
       {L"1"},
       {{L"2,3", L"FL_MainArea", 10}, {L"3", L"FL_MainArea", 1}},
       L"2 n1 g20 M[10.000,] B[]; 3 n1 g30 M[10.000,1.000,] B[]",
       {L"2", L"3"}},
      {"a floor two labels stand for lands on the first",
       {L"1,3", L"2"},
       {{L"2", L"FL_MainArea", 4}},
       L"1,3 n3 g10 M[4.000,] B[]"},
      {"a range's end written as a range is a floor of its own",
       {},
       {{L"1,2,3", L"FL_MainArea", 1}},
       L"1 n1 g10 M[1.000,] B[]; 2,3 n2 g20 M[1.000,] B[]",
       {L"1", L"2,3"}},
  };
  for (const Case& c : cases) {
    std::vector<CString> project = c.project;
    EXPECT_EQ(Describe(Intake(c.records, project)), c.table) << c.what;
    std::vector<CString> listed = c.project;
    listed.insert(listed.end(), c.added.begin(), c.added.end());
    EXPECT_EQ(project, listed) << c.what;
  }
}

TEST(BuildingAreaTest, RowsOfAMultiStoreyFloor) {
  std::vector<CString> project = {L"3,5", L"1"};
  testing::AreaAnswers answers;
  answers.areas.building_area =
      Intake({{L"3,5", L"FL_MainArea", 100}, {L"1", L"FL_YTArea", 20}}, project);
  answers.state.condition = L"条件";
  CStringArray rows;
  rows.Add(CString(L"kept"));
  ASSERT_TRUE(AnswerItemRows(answers.Context(), 4, L"", rows));
  const std::vector<std::wstring> cells = Texts(rows);
  ASSERT_EQ(cells.size(), 1u + 6 * 10);
  EXPECT_EQ(cells[0], L"kept");
  EXPECT_EQ(cells[3], L"条件");
  const std::vector<std::wstring> total(cells.begin() + 11, cells.begin() + 21);
  EXPECT_EQ(total, (std::vector<std::wstring>{L"2", L"0", L"建筑面积", L"", L"", L"m2",
                                              L"320.000000", L"", L"", L""}));
  // Floor 1 sorts before 3,5; its balcony row, then floor 3,5 and its main row.
  EXPECT_EQ(std::vector({cells[21 + 3], cells[31 + 4], cells[41 + 3], cells[41 + 6]}),
            (std::vector<std::wstring>{L"1层", L"阳台建筑面积", L"3,5层", L"300.000000"}));
  const std::vector<std::wstring> item(cells.begin() + 51, cells.end());
  EXPECT_EQ(item, (std::vector<std::wstring>{L"6", L"5", L"", L"", L"主体建筑面积", L"m2",
                                             L"300.000000", L"", L"100.000000*3层", L""}));

  const std::vector<std::wstring> flat = answers.Stream(4);
  ASSERT_EQ(flat.size(), 2u + 9 + 2 * 7);
  // The total, above ground, the above-ground balcony, floor 1's formula (one
  // storey) and floor 3,5's.
  EXPECT_EQ(
      std::vector({flat[2], flat[8], flat[10], flat[17], flat.back()}),
      (std::vector<std::wstring>{L"320.000000", L"320.000000", L"20.000000", L"", L"100.00×3层"}));
}

TEST(BuildingAreaTest, ProjectAreasAndFloorSelection) {
  std::vector<CString> project = {L"0", L"-1", L"1", L"3,5"};
  const CAreaSummaryTable table = Intake({{L"0", L"FL_MainArea", 7},
                                          {L"-1", L"FL_MainArea", 3},
                                          {L"1", L"FL_MainArea", 5},
                                          {L"3,5", L"FL_MainArea", 2}},
                                         project);
  const ProjectAreas areas = table.Areas();
  EXPECT_EQ(std::vector({areas.total, areas.below_ground, areas.above_ground, areas.first_floor}),
            std::vector<double>({21, 10, 11, 5}));
  EXPECT_DOUBLE_EQ(CAreaSummaryTable().Areas().total, 0);

  EXPECT_EQ(Describe(table.SelectFloors({L"3", L"4", L"1"})),
            L"1 n1 g10 M[5.000,] B[]; 3 n1 g30 M[2.000,] B[]; 4 n1 g40 M[2.000,] B[]");
  EXPECT_EQ(Describe(table.SelectFloors({L"3,5", L"2"})), L"3,5 n3 g30 M[2.000,] B[]");
}

TEST(BuildingAreaTest, FileKeepsNumAndGradeAndSkipsForeignShapes) {
  testing::TempDir dir;
  CAreaSummaryTable table;
  table.AddItem(L"3,5", AreaKind::kMain, {L"100.000", L"a+b"});
  table.AddItem(L"3,5", AreaKind::kBalcony, {L"2.500", L""});
  SAreaFloorItem odd = MakeFloor<SAreaFloorItem>(L"7");
  odd.num = 4;  // written by another build: the file's count wins over the label's
  odd.mainItems.push_back({L"1.000", L""});
  table.AppendFloor(odd);
  WriteBuildingArea(dir.wpath(), table);

  CAreaSummaryTable read;
  ReadBuildingArea(dir.wpath(), read);
  EXPECT_EQ(Describe(read), Describe(table));
  EXPECT_EQ(read.floors()[0].mainItems[0].formula, L"a+b");

  const std::string two_chapters =
      "<工程数据><Chapter Name=\"建筑面积\"/><Chapter Name=\"建筑面积\"/></工程数据>";
  const std::string foreign_node =
      "<工程数据><Chapter><Chapter0 Name=\"1\" Num=\"1\" Grade=\"10\"><Node Type=\"Other\" "
      "Quantity=\"1\"/><Node Type=\"Main\" Quantity=\"2\"/></Chapter0></Chapter></工程数据>";
  struct Case {
    std::string bytes;
    std::wstring table;
    bool throws;
  };
  const Case cases[] = {
      {two_chapters, L"", false},
      {"<工程数据><Chapter>", L"", false},
      {foreign_node, L"1 n1 g10 M[2,] B[]", false},
      {"<其他/>", L"", true},
      {"<工程数据><Chapter><Chapter0 Name=\"1\"/>text</Chapter></工程数据>", L"", true},
  };
  for (const Case& c : cases) {
    dir.Write("mj.xml", c.bytes);
    CAreaSummaryTable hostile;
    bool thrown = false;
    try {
      ReadBuildingArea(dir.wpath(), hostile);
    } catch (const TableFileError&) {
      thrown = true;
    }
    EXPECT_EQ(thrown, c.throws) << c.bytes;
    EXPECT_EQ(Describe(hostile), c.table) << c.bytes;
  }
}

TEST(BuildingAreaColumnsTest, EachTitleStandsOverItsCells) {
  // clang-format off
  testing::ExpectNamedColumns("mj", {
      {"建筑面积", "name", "名称", "主体建筑面积"},
      {"建筑面积", "floor", "楼层", "1层"},
      {"建筑面积", "unit", "单位", "m2"},
      {"建筑面积", "quantity", "面积", "606.96"},
      {"建筑面积", "formula", "计算式", "594.000000*4层"},
  });
  // clang-format on
}

}  // namespace
}  // namespace reportdata
