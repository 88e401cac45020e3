// "\GlobalParas.xml", "\CalFloor.xml" and "\ReportComp.xml": exact bytes of
// what is written and the reading rules that differ from writing.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "persist/global_files.h"
#include "persist/report_comp_file.h"
#include "reportdata/errors.h"
#include "support/file_error.h"
#include "support/records.h"
#include "support/temp_dir.h"

namespace reportdata {
namespace {

using testing::TempDir;

TEST(GlobalParasTest, WritesPartitionsInSetOrderAndReadsFirstGroupOnly) {
  TempDir dir;
  WriteGlobalParas(dir.wpath(), {L"B区", L"A&B", L"a区"});
  EXPECT_EQ(
      dir.Read("GlobalParas.xml"),
      "<全局数据><工程分区><分区数据 PartitionName=\"A&amp;B\"/>"
      "<分区数据 PartitionName=\"B区\"/><分区数据 PartitionName=\"a区\"/></工程分区></全局数据>");

  std::set<std::wstring> partitions = {L"旧分区"};
  WriteGlobalParas(dir.wpath(), {});
  EXPECT_EQ(dir.Read("GlobalParas.xml"), "<全局数据><工程分区/></全局数据>");
  ReadGlobalParas(dir.wpath(), partitions);
  EXPECT_TRUE(partitions.empty());

  // The name is the first attribute whatever it is called; duplicates collapse.
  dir.Write("GlobalParas.xml",
            "<全局数据><工程分区><x Other=\"一区\" PartitionName=\"二区\"/><y N=\"一区\"/>"
            "<z/></工程分区></全局数据>");
  ReadGlobalParas(dir.wpath(), partitions);
  EXPECT_EQ(partitions, (std::set<std::wstring>{L"一区"}));

  // Only the first child of the root counts, even when a partition group follows.
  dir.Write("GlobalParas.xml",
            "<全局数据><其他/><工程分区><分区数据 PartitionName=\"一区\"/></工程分区></全局数据>");
  partitions = {L"旧分区"};
  ReadGlobalParas(dir.wpath(), partitions);
  EXPECT_TRUE(partitions.empty());
}

TEST(GlobalParasTest, MissingOrDamagedFileKeepsTheSetAndForeignRootThrows) {
  TempDir dir;
  std::set<std::wstring> partitions = {L"一区"};
  ReadGlobalParas(dir.wpath(), partitions);
  dir.Write("GlobalParas.xml", "<全局数据><工程分区>");
  ReadGlobalParas(dir.wpath(), partitions);
  EXPECT_EQ(partitions, (std::set<std::wstring>{L"一区"}));

  const struct {
    std::string file;
    std::string reason;
  } refused[] = {
      {"<工程数据/>", "the root element is not <全局数据>"},
      {"<全局数据><工程分区><分区数据 PartitionName=\"二区\"/><分区数据 PartitionName=\"" +
           std::string((std::size_t{1} << 20) + 1, 'x') + "\"/></工程分区></全局数据>",
       "a partition name longer than 1048576 bytes"},
  };
  for (const auto& bad : refused) {
    dir.Write("GlobalParas.xml", bad.file);
    EXPECT_EQ(testing::FileError([&] { ReadGlobalParas(dir.wpath(), partitions); }),
              dir.File("GlobalParas.xml") + ": " + bad.reason);
    EXPECT_EQ(partitions, (std::set<std::wstring>{L"一区"}));
  }
}

TEST(CalFloorTest, WritesFromZeroAndReadingAppendsFloorNames) {
  TempDir dir;
  WriteCalFloor(dir.wpath(), {CString(L"1"), CString(L"2,5"), CString(L"-1")});
  EXPECT_EQ(dir.Read("CalFloor.xml"),
            "<工程数据 Version=\"1\"><Floor0 FloorName=\"1\"/><Floor1 FloorName=\"2,5\"/>"
            "<Floor2 FloorName=\"-1\"/></工程数据>");

  // Element names are not examined; an element without "FloorName" adds nothing.
  dir.Write("CalFloor.xml",
            "<工程数据 Version=\"7\"><Other A=\"x\" FloorName=\"3\"/><Floor0/>"
            "<Floor9 FloorName=\"4\"/></工程数据>");
  std::vector<CString> floors;
  ReadCalFloor(dir.wpath(), floors);
  EXPECT_EQ(floors, (std::vector<CString>{CString(L"3"), CString(L"4")}));

  dir.Write("CalFloor.xml", "<工程数据><Floor0 FloorName=\"5\"/>text</工程数据>");
  floors.clear();
  EXPECT_THROW(ReadCalFloor(dir.wpath(), floors), TableFileError);
  EXPECT_EQ(floors, (std::vector<CString>{CString(L"5")}));
}

SReportColunm Column(const wchar_t* id, int image, double width) {
  SReportColunm column;
  column.image = image;
  column.selectedImage = image + 1;
  column.width = width;
  column.parentId = L"P";
  column.columnId = id;
  column.columnText = CString(L"列") + id;
  return column;
}

TEST(ReportCompTest, WritesThreeLevelsWithConstantWidth) {
  TempDir dir;
  SReportColunm root = Column(L"R", 0, 80);
  SReportColunm group = Column(L"G", 2, 20);
  SReportColunm column = Column(L"C", -3, 5);
  column.children.push_back(Column(L"D", 9, 1));  // a fourth level is not kept
  group.children.push_back(column);
  root.children.push_back(group);
  root.children.push_back(Column(L"H", 4, 7));
  WriteReportComp(dir.wpath(), root);
  EXPECT_EQ(dir.Read("ReportComp.xml"),
            "<工程数据 Version=\"1\" TableName=\"对比表列显示设置\">"
            "<Column0 Image=\"0\" SelectedImage=\"1\" ParentID=\"P\" ColumnID=\"R\" "
            "ColumnText=\"列R\" ColumnWidth=\"1.5\">"
            "<Column0 Image=\"2\" SelectedImage=\"3\" ParentID=\"P\" ColumnID=\"G\" "
            "ColumnText=\"列G\" ColumnWidth=\"1.5\">"
            "<Column0 Image=\"-3\" SelectedImage=\"-2\" ParentID=\"P\" ColumnID=\"C\" "
            "ColumnText=\"列C\" ColumnWidth=\"1.5\"/></Column0>"
            "<Column1 Image=\"4\" SelectedImage=\"5\" ParentID=\"P\" ColumnID=\"H\" "
            "ColumnText=\"列H\" ColumnWidth=\"1.5\"/></Column0></工程数据>");

  SReportColunm read = Column(L"old", 1, 3);
  read.children.push_back(Column(L"kept", 1, 3));
  ReadReportComp(dir.wpath(), read);
  ASSERT_EQ(read.children.size(), 3u);
  ASSERT_EQ(read.children[1].children.size(), 1u);
  EXPECT_EQ(
      testing::Joined({read.columnId.str(), read.children[0].columnId.str(),
                       read.children[1].columnId.str(), read.children[1].children[0].columnId.str(),
                       read.children[2].columnId.str()}),
      L"R|kept|G|C|H");
  EXPECT_TRUE(read.children[1].children[0].children.empty());
}

TEST(ReportCompTest, ReadsOnlyTheFirstRootColumnByAttributeName) {
  TempDir dir;
  dir.Write("ReportComp.xml",
            "<工程数据><X ColumnWidth=\"12.5abc\" Image=\" 7px\" ColumnID=\"a\" Extra=\"1\">"
            "<Y ColumnText=\"t\"/></X><Column1 ColumnID=\"second\"/></工程数据>");
  SReportColunm read = Column(L"old", 1, 3);
  ReadReportComp(dir.wpath(), read);
  // SelectedImage and ParentID are absent: unchanged.
  EXPECT_EQ(std::tuple(read.columnId.str(), read.image, read.selectedImage, read.width,
                       read.parentId.str()),
            std::tuple(std::wstring(L"a"), 7, 2, 12.5, std::wstring(L"P")));
  ASSERT_EQ(read.children.size(), 1u);
  EXPECT_EQ(read.children[0].columnText.str() + L"|" + read.children[0].columnId.str(), L"t|");

  dir.Write("ReportComp.xml", "<对比表/>");
  EXPECT_THROW(ReadReportComp(dir.wpath(), read), TableFileError);
  dir.Write("ReportComp.xml", "not xml at all");
  ReadReportComp(dir.wpath(), read);
  EXPECT_EQ(read.children.size(), 1u);
}

}  // namespace
}  // namespace reportdata
