// The engine's state, its pipelines' use of the outside services, and the
// answers it gives through them, with the services replaced by fakes.
#include "engine/analyze.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <tuple>

#include "engine/fake_services.h"
#include "reportdata/message_box.h"
#include "support/records.h"
#include "support/temp_dir.h"

namespace reportdata {
namespace {

using testing::FakeProject;
using testing::FakeServices;
using testing::Record;
using testing::TempDir;
using testing::Texts;

SNYTJQdDeClassResult Entry(TJQd bill) {
  SNYTJQdDeClassResult entry;
  entry.bill = bill;
  TJQd quota = bill;
  quota.kind = L"2";
  entry.quotas.push_back(quota);
  return entry;
}

TEST(AnalyzeTest, PartitionsComeInNaturalOrderFollowedByTheUnpartitionedRest) {
  CAnalyze engine;
  std::vector<CString> partitions;
  engine.GetEngPatitions(partitions);
  EXPECT_EQ(Texts(partitions), std::vector<std::wstring>{L"未分区"});

  engine.mutable_partitions() = {L"10区", L"2区", L"未分区", L"1区"};
  engine.GetEngPatitions(partitions);
  EXPECT_EQ(Texts(partitions), (std::vector<std::wstring>{L"1区", L"2区", L"10区", L"未分区"}));

  // Neither ReleaseAll nor the current partition touches the partition set.
  engine.SetCurrentPartition(L"2区");
  engine.ReleaseAll();
  engine.GetEngPatitions(partitions);
  EXPECT_EQ(partitions.size(), 4u);
  EXPECT_EQ(engine.GetCurrentPartitionName().str(), L"2区");
}

// Facade decoration floors become calculated floors unless a floor name
// already stands for them; a facade bill item without a name counts as well,
// and so does a loose facade quota. The floors are appended to the caller's
// array.
TEST(AnalyzeTest, DecorationFloorsJoinTheCalculatedFloors) {
  FakeProject project;
  project.classified.floors = {L"1", L"2,5"};
  TJQd covered = Record(L"1", L"3", L"2", L"ZS\\LMZS", L"立面");
  TJQd unnamed = Record(L"1", L"7", L"2", L"ZS\\LMDK", L"洞口");
  unnamed.billName = L"";
  TJQd loose = Record(L"2", L"8", L"1", L"ZS\\LMZS", L"立面");
  TJQd loose_bill_kind = Record(L"1", L"9", L"1", L"ZS\\LMZS", L"立面");
  project.classified.items = {Entry(covered), Entry(unnamed), Entry(Record(L"1", L"6", L"1")),
                              Entry(covered)};
  project.classified.looseQuotas = {loose, loose_bill_kind};
  FakeServices services(project);
  CAnalyze engine;
  engine.InitQdData(L"/proj/report");
  CArray<CString> floors;
  engine.GetCalFloorMsg(floors);
  engine.GetCalFloorMsg(floors);
  EXPECT_EQ(Texts(floors),
            (std::vector<std::wstring>{L"1", L"2,5", L"7", L"8", L"1", L"2,5", L"7", L"8"}));
}

// Named bills and other items reach the cloud-index data as well.
TEST(AnalyzeTest, BillBuildAsksTheServicesInOrder) {
  FakeProject project;
  project.classified.partitions = {L"1区", L"2区"};
  project.classified.items.push_back(Entry(Record(L"1", L"1", L"3")));
  TJQd unnamed = Record(L"1", L"2", L"3", L"L\\KL", L"KL1");
  unnamed.billName = L"";
  project.classified.items.push_back(Entry(unnamed));
  project.other_items.items.push_back(Entry(Record(L"1", L"1", L"5", L"QTXM", L"其他")));
  FakeServices services(project);
  CAnalyze engine;
  engine.InitQdData(L"/proj/report");
  EXPECT_EQ(engine.project_dir(), L"/proj");
  EXPECT_EQ(project.attached, std::vector<std::wstring>{L"/proj"});
  EXPECT_EQ(project.opened_paths,
            (std::vector<std::wstring>{L"/proj/CalResult.mdb", L"/proj/project.ld"}));

  // The classification request, then the other-items request without b4.
  ASSERT_EQ(project.params.size(), 2u);
  const SNYRAGetResultParam& bill = project.params[0];
  EXPECT_EQ(bill.billLibKey.str(), L"GB50854-2013");
  EXPECT_EQ(bill.quotaLibKey.str(), L"DE-TJ-2024");
  // b7: no project settings file, so own quotas merge.
  EXPECT_TRUE(bill.b0 && !bill.b1 && bill.b2 && bill.b3 && bill.b4 && bill.b5 && !bill.b6 &&
              bill.b7);
  EXPECT_TRUE(project.params[1].b0 && !project.params[1].b4);

  std::vector<CString> partitions;
  engine.GetEngPatitions(partitions);
  EXPECT_EQ(Texts(partitions), (std::vector<std::wstring>{L"1区", L"2区", L"未分区"}));

  std::vector<std::wstring> type_paths;
  for (const CCloudDataUnit& unit : engine.GetCloudDataMnd()->GetUnits()) {
    for (const CCloudDataFloor& floor : unit.floors) {
      for (const CCloudDataSMem& member : floor.members)
        type_paths.push_back(member.typePath.str());
    }
  }
  EXPECT_EQ(type_paths, (std::vector<std::wstring>{L"Q\\TWQ", L"QTXM"}));
}

TEST(AnalyzeTest, FailedOpensLeaveTheEngineAsItWas) {
  FakeProject project;
  project.classified.partitions = {L"1区"};
  FakeServices services(project);
  CAnalyze engine;
  engine.mutable_partitions() = {L"旧分区"};

  project.database_opens = false;
  engine.InitQdData(L"/proj/report");
  EXPECT_TRUE(project.params.empty());
  EXPECT_EQ(engine.partitions().count(L"旧分区"), 1u);
  EXPECT_FALSE(engine.InitialTable(L"/proj/report"));

  project.database_opens = true;
  project.project_description_opens = false;
  EXPECT_FALSE(engine.InitialTable(L"/proj/report"));
  EXPECT_TRUE(project.params.empty());

  // A report directory without a separator keeps the previous project.
  EXPECT_EQ(engine.project_dir(), L"/proj");
  project.project_description_opens = true;
  engine.InitQdData(L"report");
  EXPECT_EQ(engine.project_dir(), L"/proj");
}

// A rebuild cancelled, refused or unable to read its results keeps the
// tables it had; a failed build says so, and its side's write sequence then
// leaves the files of the last good build.
TEST(AnalyzeTest, FailedRebuildsKeepTheTablesAndWriteNothing) {
  FakeProject project;
  project.classified.items.push_back(Entry(Record(L"1", L"1", L"3")));
  FakeServices services(project);
  int shown = 0;
  MessageBoxHandler previous =
      SetMessageBoxHandler([&](const CString&, const CString&, MessageBoxIcon) { ++shown; });
  CAnalyze engine;
  engine.InitQdData(L"/proj/report");
  ASSERT_TRUE(engine.bill_build_failure().empty());
  CStringArray before, after;
  engine.GetTotalData(before, 1);

  project.classified.items.push_back(Entry(Record(L"1", L"2", L"7")));
  project.dialog_answer = false;
  EXPECT_FALSE(engine.ShowQdListDialog());
  project.dialog_answer = true;
  project.classification_answer = false;
  EXPECT_FALSE(engine.ShowQdListDialog());
  EXPECT_EQ(project.dialogs, 1);
  engine.InitQdData(L"/proj/report");
  EXPECT_FALSE(engine.bill_build_failure().empty());
  engine.GetTotalData(after, 1);
  EXPECT_EQ(Texts(before), Texts(after));

  project.database_opens = false;
  EXPECT_FALSE(engine.InitialTable(L"/proj/report"));
  EXPECT_FALSE(engine.quota_build_failure().empty());
  SetMessageBoxHandler(previous);
  EXPECT_EQ(shown, 2);
  TempDir dir;
  engine.Write_xml(dir.wpath());
  engine.WriteXML(dir.wpath());
  EXPECT_TRUE(std::filesystem::is_empty(dir.path()));

  project.classification_answer = true;
  EXPECT_TRUE(engine.ShowQdListDialog());
  engine.GetTotalData(after, 1);
  EXPECT_NE(Texts(before), Texts(after));
}

TEST(AnalyzeTest, InteractiveRebuildReportsAFailedProjectDescription) {
  FakeProject project;
  project.project_description_opens = false;
  FakeServices services(project);
  std::vector<std::wstring> shown;
  MessageBoxHandler previous =
      SetMessageBoxHandler([&](const CString& text, const CString& caption, MessageBoxIcon) {
        shown.push_back(caption.str() + L": " + text.str());
      });
  CAnalyze engine;
  EXPECT_TRUE(engine.ShowQdListDialog());
  SetMessageBoxHandler(previous);
  EXPECT_EQ(shown, std::vector<std::wstring>{L"青禾土建报表: 初始化工程设置数据出错!"});
  // Without a project description the library keys are empty.
  EXPECT_TRUE(project.params.at(0).billLibKey.IsEmpty());
}

TEST(AnalyzeTest, QuotaBuildRequestsAndFloors) {
  FakeProject project;
  project.quotas.partitions = {L"2区"};
  project.quotas.floors = {L"1"};
  TJQd facade = Record(L"2", L"3", L"2", L"ZS\\LMZS", L"立面");
  project.quotas.quotas = {Record(L"2", L"2,5", L"1"), facade, Record(L"2", L"1", L"1")};
  project.other_quotas.quotas = {Record(L"2", L"-1", L"1", L"QTXM", L"其他")};
  FakeServices services(project);
  CAnalyze engine;
  ASSERT_TRUE(engine.InitialTable(L"/proj/report"));

  ASSERT_EQ(project.params.size(), 2u);
  const SNYRAGetResultParam& quota = project.params[0];
  EXPECT_EQ(quota.billLibKey.str(), L"-1");
  EXPECT_EQ(quota.quotaLibKey.str(), L"DE-TJ-2024");
  EXPECT_TRUE(!quota.b0 && !quota.b1 && quota.b2 && quota.b3 && quota.b4 && !quota.b5 &&
              !quota.b6 && !quota.b7);

  // The facade record's floor is not a calculated floor of its own.
  CArray<CString> floors;
  engine.GetCalFloorMsg(floors);
  EXPECT_EQ(Texts(floors), (std::vector<std::wstring>{L"1", L"2,5", L"-1"}));

  // Building twice does not count the quantities twice.
  CStringArray first, second;
  engine.GetTotalData(first, 11);
  ASSERT_TRUE(engine.InitialTable(L"/proj/report"));
  engine.GetTotalData(second, 11);
  EXPECT_EQ(Texts(first.items()), Texts(second.items()));
}

TEST(AnalyzeTest, ProjectQueries) {
  FakeProject project;
  project.floor_names = {L"1", L"2"};
  project.summary = {{L"工程名称", L"示例楼"}};
  project.outdoor_level = L"-0.45m";
  SNYDePriceEntry entry;
  entry.id = {L"A4-1", L"砖墙", L"10m3", L"DE-TJ-2024"};
  entry.price = L"3520.00";
  project.prices = {entry, entry};
  project.prices[1].price = L"9999";
  project.comp_index = {{L"Q\\TWQ", L"TWQ"}};
  FakeServices services(project);
  CAnalyze engine;

  STJReportFloorBaseInfo info;
  EXPECT_TRUE(engine.GetFloorBaseInfo(L"1", info));
  EXPECT_EQ(std::tuple(info.label.str(), info.height, info.bottomElevation),
            std::tuple(std::wstring(L"首层"), 3.3, -0.05));
  EXPECT_FALSE(engine.GetFloorBaseInfo(L"9", info));
  CStringArray names;
  EXPECT_FALSE(engine.GetAllFloorNames(names));  // false even when filled
  EXPECT_EQ(names.GetSize(), 2);
  std::vector<SNYPair> pairs = {{L"stale", L"x"}};
  EXPECT_TRUE(engine.GetProjectSummary(pairs));
  ASSERT_EQ(pairs.size(), 1u);
  EXPECT_EQ(pairs[0].value.str(), L"示例楼");
  double level = 0;
  EXPECT_TRUE(engine.GetOutDesignLevel(level));
  EXPECT_DOUBLE_EQ(level, -0.45);

  std::map<STJReportDePriceId, CString> prices;
  prices[entry.id] = L"kept";
  EXPECT_TRUE(engine.ReadDePrice(prices));
  EXPECT_EQ(prices.size(), 1u);
  EXPECT_EQ(prices[entry.id].str(), L"kept");  // present keys are not replaced
  EXPECT_EQ(project.price_key, L"DE-TJ-2024");

  std::map<CString, std::set<CString>> config = {{L"stale", {}}};
  EXPECT_FALSE(engine.ReadDeCategoryShowConfig(config));
  EXPECT_TRUE(config.empty());
  EXPECT_TRUE(engine.WriteDeCategoryShowConfig({{L"砂浆", {L"M5", L"M7.5"}}, {L"空", {}}}));
  EXPECT_TRUE(engine.ReadDeCategoryShowConfig(config));
  EXPECT_EQ(config.size(), 2u);
  EXPECT_EQ(config[L"砂浆"].size(), 2u);
  EXPECT_TRUE(config[L"空"].empty());

  CString index = L"unchanged";
  EXPECT_TRUE(engine.GetCompIndexByCompDir(L"Q\\TNQ", index));
  EXPECT_EQ(index.str(), L"unchanged");
  EXPECT_TRUE(engine.GetCompIndexByCompDir(L"Q\\TWQ", index));
  EXPECT_EQ(index.str(), L"TWQ");
  EXPECT_FALSE(engine.GetIsPriatedCalResult(L"/proj", false));
  EXPECT_TRUE(engine.GetIsPriatedCalResult(L"/proj", true));

  project.project_description_opens = false;
  CAnalyze closed;
  EXPECT_FALSE(closed.GetProjectSummary(pairs));
  EXPECT_TRUE(pairs.empty());
}

}  // namespace
}  // namespace reportdata
