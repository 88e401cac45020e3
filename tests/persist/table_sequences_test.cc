// The engine's write and read sequences of the two table families: which
// files each writes, what a reload restores, and what a failure in the
// middle of a sequence leaves behind.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "engine/analyze.h"
#include "reportdata/errors.h"
#include "support/file_error.h"
#include "support/table_services.h"
#include "support/temp_dir.h"
#include "tests/persist/generated_project.h"

namespace reportdata {
namespace {

using testing::TempDir;

// The lengths of the bill summary, bill consumption, consumption summary,
// quota summary, quota by floor and quota by floor and component.
std::vector<size_t> Sizes(CAnalyze& engine, bool bill_side, bool quota_side) {
  const ReportTables& t = engine.tables();
  return {bill_side ? t.bill_summary().size() : 0,
          bill_side ? t.bill_consumption().size() : 0,
          bill_side ? t.consumption_summary().size() : 0,
          quota_side ? t.quota_summary().size() : 0,
          quota_side ? t.quota_by_floor().size() : 0,
          quota_side ? t.quota_by_floor_component().size() : 0};
}

class TableSequencesTest : public ::testing::Test {
 protected:
  TableSequencesTest() {
    testing::FileGenerated(engine_.tables(), 200);
    engine_.mutable_partitions() = {L"一区", L"二区"};
    engine_.cal_floors() = {CString(L"1"), CString(L"2,5")};
  }

  testing::TestServices services_;
  CAnalyze engine_;
  TempDir dir_{"report"};
};

TEST_F(TableSequencesTest, EachFamilyWritesItsOwnFiles) {
  engine_.Write_xml(dir_.wpath());
  EXPECT_EQ(dir_.Entries(), (std::vector<std::string>{
                                "CalFloor.xml", "CloudData.xml", "CompTable.xml", "GlobalParas.xml",
                                "TongTablede.xml", "TongTableqd.xml", "de.xml", "mc.xml", "mj.xml",
                                "qd.xml", "qdxhl.xml", "room1.xml", "room2.xml", "zbfx.xml"}));
  EXPECT_EQ(dir_.Read("mj.xml"),
            "<工程数据 Version=\"10\" Table_Name=\"建筑面积汇总表\"><Chapter "
            "Name=\"建筑面积\"/></工程数据>");
  EXPECT_EQ(dir_.Read("room1.xml"), "<工程数据 Version=\"10\" Table_Name=\"门窗汇总表\"/>");
  EXPECT_EQ(dir_.Read("zbfx.xml"), "<工程数据 Version=\"10\" Table_Name=\"指标分析表\"/>");
  EXPECT_EQ(dir_.Read("CompTable.xml"), "<工程数据 Version=\"10\" Table_Name=\"构件表\"/>");

  TempDir quota_dir{"report"};
  engine_.WriteXML(quota_dir.wpath());
  EXPECT_EQ(
      quota_dir.Entries(),
      (std::vector<std::string>{"CalFloor.xml", "CloudData.xml", "CompTable.xml", "GlobalParas.xml",
                                "TongTablede.xml", "de1.xml", "de2.xml", "de3.xml", "mc.xml",
                                "mj.xml", "room1.xml", "room2.xml", "zbfx.xml"}));
}

TEST_F(TableSequencesTest, ReloadRestoresPartitionsFloorsAndTablesAndAppends) {
  engine_.Write_xml(dir_.wpath());
  engine_.WriteXML(dir_.wpath());

  CAnalyze bill;
  bill.InitDataFromXml(dir_.wpath());
  EXPECT_EQ(bill.partitions(), engine_.partitions());
  EXPECT_EQ(bill.cal_floors(), engine_.cal_floors());
  EXPECT_EQ(bill.project_dir(), std::filesystem::path(dir_.path()).parent_path().wstring());
  EXPECT_EQ(Sizes(bill, true, true), Sizes(engine_, true, false));

  // A second reload without emptying the engine lists everything twice;
  // the partition set is replaced, not added to.
  bill.InitDataFromXml(dir_.wpath());
  EXPECT_EQ(bill.tables().bill_summary().size(), 2 * engine_.tables().bill_summary().size());
  EXPECT_EQ(bill.cal_floors().size(), 4u);
  EXPECT_EQ(bill.partitions().size(), 2u);

  CAnalyze quota;
  EXPECT_TRUE(quota.InitialTableFromXml(dir_.wpath()));
  EXPECT_EQ(Sizes(quota, true, true), Sizes(engine_, false, true));

  TempDir empty{"report"};
  CAnalyze nothing;
  EXPECT_TRUE(nothing.InitialTableFromXml(empty.wpath()));
  EXPECT_TRUE(nothing.tables().quota_summary().empty());
}

TEST_F(TableSequencesTest, FailedSaveReplacesNoFileOfTheSequence) {
  dir_.Write("qd.xml", "old bill summary");
  dir_.Write("de.xml", "old consumption summary");
  std::filesystem::create_directory(dir_.File("qdxhl.xml"));
  EXPECT_EQ(testing::FileError([&] { engine_.Write_xml(dir_.wpath()); }),
            dir_.File("qdxhl.xml") + ": cannot replace the file (Is a directory)");
  // Neither the steps before the failure nor those after it replace their
  // files, and no temporary file is left.
  EXPECT_EQ(dir_.Entries(), (std::vector<std::string>{"de.xml", "qd.xml", "qdxhl.xml"}));
  EXPECT_EQ(dir_.Read("qd.xml"), "old bill summary");
  EXPECT_EQ(dir_.Read("de.xml"), "old consumption summary");

  // A report data directory below a regular file cannot take any file.
  dir_.Write("plain", "x");
  EXPECT_THROW(engine_.WriteXML(dir_.wpath() + L"/plain"), TableFileError);
  EXPECT_EQ(dir_.Read("plain"), "x");
}

TEST_F(TableSequencesTest, DamagedFileStopsTheReloadAfterWhatWasRead) {
  engine_.Write_xml(dir_.wpath());
  dir_.Write("de.xml", "<报表/>");
  CAnalyze reader;
  EXPECT_THROW(reader.InitDataFromXml(dir_.wpath()), TableFileError);
  std::vector<size_t> read_first = Sizes(engine_, true, false);
  read_first[2] = 0;
  EXPECT_EQ(Sizes(reader, true, true), read_first);
  EXPECT_TRUE(reader.cal_floors().empty());  // read after the damaged file

  // An unparsable file is skipped and the sequence goes on.
  dir_.Write("de.xml", "<工程数据><Chapter1");
  CAnalyze skipping;
  skipping.InitDataFromXml(dir_.wpath());
  EXPECT_TRUE(skipping.tables().consumption_summary().empty());
  EXPECT_EQ(skipping.cal_floors(), engine_.cal_floors());
}

TEST_F(TableSequencesTest, ExportAndComparisonColumnsGoThroughTheEngine) {
  engine_.ExportToXML(dir_.wpath() + L"/导出.xml");
  const std::string bytes = dir_.Read("导出.xml");
  EXPECT_EQ(
      bytes.rfind("<工程数据 Type=\"R\" Version=\"6.0\" Table_Name=\"清单定额\"><Chapter0 ", 0),
      0u);

  SReportColunm root;
  root.columnId = L"root";
  root.children.resize(2);
  engine_.WriteReportCompColumn(root, dir_.wpath());
  SReportColunm read;
  engine_.ReadReportCompColumn(read, dir_.wpath());
  EXPECT_EQ(read.columnId, L"root");
  EXPECT_EQ(read.children.size(), 2u);
}

}  // namespace
}  // namespace reportdata
