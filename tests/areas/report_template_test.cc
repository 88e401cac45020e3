// Cloud index reports: node building, scopes, per-floor children, failing
// nodes, row ids and cells, the document, and the template file reader.
#include "reportdata/report_template.h"

#include <gtest/gtest.h>

#include <tuple>

#include "support/records.h"
#include "support/temp_dir.h"

namespace reportdata {
namespace {

using testing::Rec;

// Walls of 10 m3 on floors -1, 1 and 2, each floor 100 m².
CCloudDataMng WallData() {
  CCloudDataMng data;
  for (const wchar_t* floor : {L"-1", L"1", L"2"}) {
    TJQd wall = Rec{.floor = floor, .quantity = L"10"}.Bill(L"010401001", L"墙");
    wall.calcItem = L"体积";
    data.AddData(wall);
    data.AddArea(floor, 100.0);
  }
  return data;
}

CCloudNormTempl Node(const wchar_t* name, const wchar_t* keywords, ECloudAreaType area,
                     ECloudFloorType floors, bool per_floor = false) {
  CCloudNormTempl node;
  node.name = name;
  node.keyWords = keywords;
  node.unit = L"m3";
  node.areaType = area;
  node.floorKind = floors;
  node.perFloor = per_floor;
  node.rate = true;
  return node;
}

CCloudNormTemplMng Template() {
  CCloudNormTemplMng templ;
  templ.rate = true;
  CCloudNormTempl walls = Node(L"墙", L"Q", eCloudAreaAll, eCloudFloorAll);
  walls.children = {Node(L"地下墙", L"Q", eCloudAreaFloors, eCloudFloorUnder),
                    Node(L"地上墙", L"Q", eCloudAreaAbove, eCloudFloorAbove, true)};
  templ.nodes = {walls, Node(L"梁", L"L", eCloudAreaAll, eCloudFloorAll),
                 Node(L"首层墙", L"Q", eCloudAreaFirst, eCloudFloorFirst)};
  return templ;
}

// "id name scope" of each row.
std::vector<std::wstring> Labels(const CArray<SCloudNormDispData>& rows) {
  std::vector<std::wstring> texts;
  for (const SCloudNormDispData& row : rows)
    texts.push_back(row.id.str() + L" " + row.name.str() + L" " + row.scope.str());
  return texts;
}

// Quantity, quantity per area, rate and area of a row.
std::wstring Cells(const SCloudNormDispData& row) {
  return testing::Joined({row.quantity.str(), row.perArea.str(), row.rate.str(), row.area.str()});
}

TEST(ReportTemplate, BuildsScopesFloorsAndRows) {
  CCloudDataMng data = WallData();
  const CReportTemplate report(Template(), &data, L"住宅");
  CStringArray roots;
  report.GetRootData(roots);
  ASSERT_EQ(roots.GetSize(), 2);  // the beams gather nothing and are left out
  EXPECT_EQ(roots[1], L"首层墙");
  EXPECT_EQ(report.GetMaxLevel(), 3);

  CArray<SCloudNormDispData> rows;
  report.GetRepData(rows, L"工程数据", 3);
  EXPECT_EQ(Labels(rows),
            (std::vector<std::wstring>{L"1 墙 工程", L"1.1 地下墙 地下", L"1.2 地上墙 地上",
                                       L"1.2.1 1层 本层", L"1.2.2 2层 本层", L"2 首层墙 本层"}));
  EXPECT_EQ(Cells(rows[1]), L"10|0.1|0.333333|100.00");

  rows.RemoveAll();
  report.GetRepData(rows, L"首层墙", 1);
  EXPECT_EQ(Labels(rows), (std::vector<std::wstring>{L"2 首层墙 本层"}));

  // The document holds what the rows show of the whole project's walls.
  const std::wstring document = report.WriteData().str();
  EXPECT_TRUE(document.starts_with(
      L"<工程数据 Version=\"1\" Name=\"云指标模板\" MTRateColumn=\"1\"><Root1 Name=\"墙\" "
      L"Unit=\"m3\" KeyWords=\"Q\" Q=\"30\" Area=\"300\"><Root1 Name=\"地下墙\""))
      << document;
}

TEST(ReportTemplate, ZeroAreasAndNoRateGiveZeroTexts) {
  CCloudDataMng data;
  TJQd wall = Rec{}.Bill(L"1", L"墙");
  wall.calcItem = L"体积";
  data.AddData(wall);
  CCloudNormTemplMng templ = Template();
  templ.rate = false;
  const CReportTemplate report(templ, &data, L"");
  CArray<SCloudNormDispData> rows;
  report.GetRepData(rows, L"墙", 1);
  ASSERT_EQ(rows.GetSize(), 1);
  EXPECT_EQ(Cells(rows[0]).substr(Cells(rows[0]).find(L'|')), L"|0|0|0");
  EXPECT_EQ(CReportTemplate().GetMaxLevel(), 0);
}

TEST(ReportTemplate, ReadsTemplateFiles) {
  testing::TempDir dir;
  dir.Write("t.xml",
            "<云指标模板 Name=\"住宅\" Rate=\"1\"><Node Name=\"墙\" KeyWords=\"Q\" Unit=\"m3\" "
            "AreaType=\"3\" FloorKind=\"3\" PerFloor=\"1\" Excludes=\"#01；Q\\TWQ\">"
            "<Node Name=\"内墙\"/>text<Other/></Node></云指标模板>");
  CCloudNormTemplMng templ;
  ASSERT_TRUE(templ.ReadTemplData(CString(dir.wpath() + L"/t.xml"), L"", true));
  EXPECT_EQ(std::pair(templ.name.str(), templ.rate), std::pair(std::wstring(L"住宅"), true));
  ASSERT_EQ(templ.nodes.size(), 1u);
  const CCloudNormTempl& walls = templ.nodes[0];
  EXPECT_EQ(std::tuple(walls.areaType, walls.floorKind, walls.perFloor, walls.GetNodeType()),
            std::tuple(eCloudAreaFloors, eCloudFloorAbove, true, true));
  EXPECT_EQ(walls.excludes, (std::vector<CString>{L"#01", L"Q\\TWQ"}));
  ASSERT_EQ(walls.children.size(), 1u);
  EXPECT_FALSE(walls.children[0].GetNodeType());

  std::string deep = "<云指标模板>";
  for (int i = 0; i < 100; ++i) deep += "<Node>";
  for (int i = 0; i < 100; ++i) deep += "</Node>";
  dir.Write("deep.xml", deep + "</云指标模板>");
  EXPECT_TRUE(templ.ReadTemplData(CString(dir.wpath() + L"/deep.xml"), L"深", false));
  EXPECT_EQ(templ.nodes.size(), 2u);  // appended, cut at the depth limit
  for (const char* bad : {"<其他/>", "<云指标模板><Node>", ""}) {
    dir.Write("bad.xml", bad);
    EXPECT_FALSE(templ.ReadTemplData(CString(dir.wpath() + L"/bad.xml"), L"", true)) << bad;
  }
  EXPECT_EQ(templ.name, L"深");
}

}  // namespace
}  // namespace reportdata
