// The engine's state, its pipelines' use of the outside services, the
// physical-quantity tables its builds feed, and the answers it gives through
// the services, with the services replaced by fakes.
#include "engine/analyze.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <tuple>

#include "engine/fake_services.h"
#include "model/concrete_summary.h"
#include "reportdata/message_box.h"
#include "support/records.h"
#include "support/temp_dir.h"

namespace reportdata {
namespace {

using testing::FakeProject;
using testing::Fakes;
using testing::Record;
using testing::ScopedService;
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

// A graded wall of 3 m3 with its quota in "10m3".
SNYTJQdDeClassResult Wall(const wchar_t* floor) {
  TJQd bill = Record(L"1", floor, L"3");
  bill.subCode = L"1";
  bill.grade = L"C30";
  bill.partitions = {{L"1区", L"", 3.0}};
  SNYTJQdDeClassResult entry = Entry(bill);
  entry.quotas[0].partitions = {{L"1区", L"", 0.3}};
  return entry;
}

// The totals of the bill side's and the quota side's physical quantities by
// floor, "bill|quota"; a side without any has an empty total, but still its
// totals row.
std::wstring PhysicalTotals(CAnalyze& engine) {
  std::wstring totals;
  for (const bool bill_side : {true, false}) {
    SWLReportInputInfo input;
    input.fromBill = bill_side;
    std::map<CString, CString> grades;
    CArray<SWLReportFloorInfo> rows;
    SummarizeByFloor(engine.physical().concrete(bill_side), input, grades, rows);
    if (rows.IsEmpty()) return L"no totals row";
    const SWLReportFloorInfo& total = rows[rows.GetUpperBound()];
    totals += (bill_side ? L"" : L"|") +
              (total.entries.empty() ? L"" : total.entries.back().quantity.str());
  }
  return totals;
}

// An engine over fake services answering from project_.
class AnalyzeTest : public ::testing::Test {
 protected:
  ~AnalyzeTest() override { SetMessageBoxHandler(previous_handler_); }

  // The engine's partitions, as the host lists them into a used list.
  std::vector<std::wstring> Partitions() {
    std::vector<CString> partitions = {L"stale"};
    engine_.GetEngPatitions(partitions);
    return Texts(partitions);
  }

  FakeProject project_;
  // The fakes stand in for every outside service for the length of a test.
  std::shared_ptr<Fakes> fakes_ = std::make_shared<Fakes>(project_);
  ScopedService<CalResultService> results_{fakes_};
  ScopedService<IDMDirector> director_{fakes_};
  ScopedService<AttrProxyService> proxy_{fakes_};
  ScopedService<QuotaLibraryService> library_{std::make_shared<testing::TestQuotaLibrary>()};
  CAnalyze engine_;
  // The message boxes shown, "caption: text".
  std::vector<std::wstring> shown_;
  MessageBoxHandler previous_handler_ =
      SetMessageBoxHandler([this](const CString& text, const CString& caption, MessageBoxIcon) {
        shown_.push_back(caption.str() + L": " + text.str());
      });
};

TEST_F(AnalyzeTest, PartitionsComeInNaturalOrderFollowedByTheUnpartitionedRest) {
  EXPECT_EQ(Partitions(), std::vector<std::wstring>{L"未分区"});
  engine_.mutable_partitions() = {L"10区", L"2区", L"未分区", L"1区"};
  const std::vector<std::wstring> ordered = {L"1区", L"2区", L"10区", L"未分区"};
  EXPECT_EQ(Partitions(), ordered);
  // Neither ReleaseAll nor the current partition touches the partition set.
  engine_.SetCurrentPartition(L"2区");
  engine_.ReleaseAll();
  EXPECT_EQ(Partitions(), ordered);
  EXPECT_EQ(engine_.GetCurrentPartitionName().str(), L"2区");
}

// Facade decoration floors become calculated floors unless a floor name
// already stands for them; a facade bill item without a name counts as well,
// and so does a loose facade quota. The floors are appended to the caller's
// array.
TEST_F(AnalyzeTest, DecorationFloorsJoinTheCalculatedFloors) {
  project_.classified.floors = {L"1", L"2,5"};
  TJQd covered = Record(L"1", L"3", L"2", L"ZS\\LMZS", L"立面");
  TJQd unnamed = Record(L"1", L"7", L"2", L"ZS\\LMDK", L"洞口");
  unnamed.billName = L"";
  TJQd loose = Record(L"2", L"8", L"1", L"ZS\\LMZS", L"立面");
  TJQd loose_bill_kind = Record(L"1", L"9", L"1", L"ZS\\LMZS", L"立面");
  project_.classified.items = {Entry(covered), Entry(unnamed), Entry(Record(L"1", L"6", L"1")),
                               Entry(covered)};
  project_.classified.looseQuotas = {loose, loose_bill_kind};
  engine_.InitQdData(L"/proj/report");
  CArray<CString> floors;
  engine_.GetCalFloorMsg(floors);
  engine_.GetCalFloorMsg(floors);
  EXPECT_EQ(Texts(floors),
            (std::vector<std::wstring>{L"1", L"2,5", L"7", L"8", L"1", L"2,5", L"7", L"8"}));
}

// Named bills and other items reach the cloud-index data as well.
TEST_F(AnalyzeTest, BillBuildAsksTheServicesInOrder) {
  project_.classified.partitions = {L"1区", L"2区"};
  project_.classified.items.push_back(Entry(Record(L"1", L"1", L"3")));
  TJQd unnamed = Record(L"1", L"2", L"3", L"L\\KL", L"KL1");
  unnamed.billName = L"";
  project_.classified.items.push_back(Entry(unnamed));
  project_.other_items.items.push_back(Entry(Record(L"1", L"1", L"5", L"QTXM", L"其他")));
  engine_.InitQdData(L"/proj/report");
  EXPECT_EQ(engine_.project_dir(), L"/proj");
  EXPECT_EQ(project_.attached, std::vector<std::wstring>{L"/proj"});
  EXPECT_EQ(project_.opened_paths,
            (std::vector<std::wstring>{L"/proj/CalResult.mdb", L"/proj/project.ld"}));

  // The classification request, then the other-items request without b4.
  ASSERT_EQ(project_.params.size(), 2u);
  const SNYRAGetResultParam& bill = project_.params[0];
  EXPECT_EQ(bill.billLibKey.str(), L"GB50854-2013");
  EXPECT_EQ(bill.quotaLibKey.str(), L"DE-TJ-2024");
  // b7: no project settings file, so own quotas merge.
  EXPECT_TRUE(bill.b0 && !bill.b1 && bill.b2 && bill.b3 && bill.b4 && bill.b5 && !bill.b6 &&
              bill.b7);
  EXPECT_TRUE(project_.params[1].b0 && !project_.params[1].b4);

  EXPECT_EQ(Partitions(), (std::vector<std::wstring>{L"1区", L"2区", L"未分区"}));

  std::vector<std::wstring> type_paths;
  for (const CCloudDataUnit& unit : engine_.GetCloudDataMnd()->GetUnits()) {
    for (const CCloudDataFloor& floor : unit.floors) {
      for (const CCloudDataSMem& member : floor.members)
        type_paths.push_back(member.typePath.str());
    }
  }
  EXPECT_EQ(type_paths, (std::vector<std::wstring>{L"Q\\TWQ", L"QTXM"}));
}

// A build that cannot open its inputs asks for no results and keeps the
// engine's partitions; each failure shows the message box, an interactive
// rebuild without a project description as well, asking without library keys.
TEST_F(AnalyzeTest, FailedOpensLeaveTheEngineAsItWas) {
  project_.classified.partitions = {L"1区"};
  engine_.mutable_partitions() = {L"旧分区"};
  project_.database_opens = false;
  engine_.InitQdData(L"/proj/report");
  EXPECT_EQ(engine_.partitions().count(L"旧分区"), 1u);
  EXPECT_FALSE(engine_.InitialTable(L"/proj/report"));
  project_.database_opens = true;
  project_.project_description_opens = false;
  EXPECT_FALSE(engine_.InitialTable(L"/proj/report"));
  EXPECT_TRUE(project_.params.empty());
  EXPECT_TRUE(engine_.ShowQdListDialog());
  EXPECT_EQ(shown_, std::vector<std::wstring>(4, L"青禾土建报表: 初始化工程设置数据出错!"));
  EXPECT_TRUE(project_.params.at(0).billLibKey.IsEmpty());

  // A report directory without a separator keeps the previous project.
  EXPECT_EQ(engine_.project_dir(), L"/proj");
  project_.project_description_opens = true;
  engine_.InitQdData(L"report");
  EXPECT_EQ(engine_.project_dir(), L"/proj");
}

// A rebuild cancelled, refused or unable to read its results keeps the
// tables it had; a failed build says so, and its side's write sequence then
// leaves the files of the last good build.
TEST_F(AnalyzeTest, FailedRebuildsKeepTheTablesAndWriteNothing) {
  project_.classified.items.push_back(Entry(Record(L"1", L"1", L"3")));
  engine_.InitQdData(L"/proj/report");
  ASSERT_TRUE(engine_.bill_build_failure().empty());
  CStringArray before, after;
  engine_.GetTotalData(before, 1);

  project_.classified.items.push_back(Entry(Record(L"1", L"2", L"7")));
  project_.dialog_answer = false;
  EXPECT_FALSE(engine_.ShowQdListDialog());
  project_.dialog_answer = true;
  project_.classification_answer = false;
  EXPECT_FALSE(engine_.ShowQdListDialog());
  EXPECT_EQ(project_.dialogs, 1);
  engine_.InitQdData(L"/proj/report");
  EXPECT_FALSE(engine_.bill_build_failure().empty());
  engine_.GetTotalData(after, 1);
  EXPECT_EQ(Texts(before), Texts(after));

  project_.database_opens = false;
  EXPECT_FALSE(engine_.InitialTable(L"/proj/report"));
  EXPECT_FALSE(engine_.quota_build_failure().empty());
  EXPECT_EQ(shown_.size(), 2u);
  TempDir dir;
  engine_.Write_xml(dir.wpath());
  engine_.WriteXML(dir.wpath());
  EXPECT_TRUE(std::filesystem::is_empty(dir.path()));

  project_.classification_answer = true;
  EXPECT_TRUE(engine_.ShowQdListDialog());
  engine_.GetTotalData(after, 1);
  EXPECT_NE(Texts(before), Texts(after));
  TempDir after_dialog;
  engine_.Write_xml(after_dialog.wpath());
  EXPECT_TRUE(std::filesystem::exists(after_dialog.File("qd.xml")));

  // A build that succeeds, or a reload of the side, allows writing again.
  project_.database_opens = true;
  engine_.InitQdData(L"/proj/report");
  TempDir rewritten;
  engine_.Write_xml(rewritten.wpath());
  EXPECT_TRUE(std::filesystem::exists(rewritten.File("qd.xml")));
  EXPECT_TRUE(engine_.InitialTableFromXml(CString(dir.wpath())));
  engine_.WriteXML(rewritten.wpath());
  EXPECT_TRUE(std::filesystem::exists(rewritten.File("de1.xml")));
}

TEST_F(AnalyzeTest, QuotaBuildRequestsAndFloors) {
  project_.quotas.partitions = {L"2区"};
  project_.quotas.floors = {L"1"};
  TJQd facade = Record(L"2", L"3", L"2", L"ZS\\LMZS", L"立面");
  project_.quotas.quotas = {Record(L"2", L"2,5", L"1"), facade, Record(L"2", L"1", L"1")};
  project_.other_quotas.quotas = {Record(L"2", L"-1", L"1", L"QTXM", L"其他")};
  ASSERT_TRUE(engine_.InitialTable(L"/proj/report"));

  ASSERT_EQ(project_.params.size(), 2u);
  const SNYRAGetResultParam& quota = project_.params[0];
  EXPECT_EQ(quota.billLibKey.str(), L"-1");
  EXPECT_EQ(quota.quotaLibKey.str(), L"DE-TJ-2024");
  EXPECT_TRUE(!quota.b0 && !quota.b1 && quota.b2 && quota.b3 && quota.b4 && !quota.b5 &&
              !quota.b6 && !quota.b7);

  // The partitions are those of the quota results, not of a classification.
  EXPECT_EQ(Partitions(), (std::vector<std::wstring>{L"2区", L"未分区"}));

  // The facade record's floor is not a calculated floor of its own.
  CArray<CString> floors;
  engine_.GetCalFloorMsg(floors);
  EXPECT_EQ(Texts(floors), (std::vector<std::wstring>{L"1", L"2,5", L"-1"}));

  // Building twice does not count the quantities twice.
  CStringArray first, second;
  engine_.GetTotalData(first, 11);
  ASSERT_TRUE(engine_.InitialTable(L"/proj/report"));
  engine_.GetTotalData(second, 11);
  EXPECT_EQ(Texts(first.items()), Texts(second.items()));
}

// The builds feed the physical-quantity tables, the write sequences save
// them and the reloads give back the same summaries.
TEST_F(AnalyzeTest, PhysicalTablesOfTheBuildsAreWrittenAndReloaded) {
  project_.classified.items = {Wall(L"1"), Wall(L"2,5")};
  project_.quotas.quotas = {Wall(L"3").quotas[0]};
  TempDir dir("report");
  engine_.InitQdData(CString(dir.wpath()));
  // Floor 1 once and "2,5" four times, in cubic metres on both sides.
  EXPECT_EQ(PhysicalTotals(engine_), L"15.000000|15.000000");
  engine_.Write_xml(CString(dir.wpath()));

  CAnalyze reloaded;
  reloaded.InitDataFromXml(CString(dir.wpath()));
  EXPECT_EQ(PhysicalTotals(reloaded), L"15.000000|15.000000");

  // The quota build replaces the quota side only; its reload reads that side.
  ASSERT_TRUE(engine_.InitialTable(CString(dir.wpath())));
  EXPECT_EQ(PhysicalTotals(engine_), L"15.000000|3.000000");
  engine_.WriteXML(CString(dir.wpath()));
  CAnalyze quota;
  EXPECT_TRUE(quota.InitialTableFromXml(CString(dir.wpath())));
  EXPECT_EQ(PhysicalTotals(quota), L"|3.000000");
}

// A record files into the physical side of its kind, whatever its place in
// its entry: the bill build files the two sides on two threads.
TEST_F(AnalyzeTest, RecordsFileIntoThePhysicalSideOfTheirKind) {
  SNYTJQdDeClassResult quota_of_bill_kind = Wall(L"1");
  quota_of_bill_kind.quotas[0].kind = L"1";
  quota_of_bill_kind.quotas[0].position = L"B/3-4";
  quota_of_bill_kind.quotas[0].handle = L"2F";
  SNYTJQdDeClassResult bill_of_quota_kind = Wall(L"2");
  bill_of_quota_kind.bill.kind = L"2";
  bill_of_quota_kind.bill.position = L"B/3-4";
  bill_of_quota_kind.bill.handle = L"2F";
  project_.classified.items = {quota_of_bill_kind, bill_of_quota_kind};
  engine_.InitQdData(L"/proj/report");
  // The bill side: the first entry's bill (3 m3) and quota (0.3, in the bill
  // unit m3); the quota side: the second entry's bill (3) and quota (0.3),
  // both in the quota unit 10m3.
  EXPECT_EQ(PhysicalTotals(engine_), L"3.300000|33.000000");
}

// The rooms take, of the bill build, the quota records of the entries that
// are not a facade's and the loose quota records of the quota kind that are
// not a facade's.
TEST_F(AnalyzeTest, RoomsTakeTheQuotaRecordsOfTheBillBuild) {
  const auto in_room = [](TJQd record, const wchar_t* room) {
    record.room = room;
    return record;
  };
  SNYTJQdDeClassResult wall = Entry(Record(L"1", L"1", L"3"));
  wall.quotas[0].room = L"客厅";
  SNYTJQdDeClassResult facade = Entry(Record(L"1", L"1", L"2", L"ZS\\LMZS", L"立面"));
  facade.quotas[0].room = L"阳台";
  project_.classified.items = {wall, facade};
  project_.classified.looseQuotas = {
      in_room(Record(L"2", L"1", L"1"), L"卧室"),
      in_room(Record(L"2", L"1", L"1", L"ZS\\LMZS", L"立面"), L"厨房"),
      in_room(Record(L"1", L"1", L"1"), L"书房")};
  engine_.InitQdData(L"/proj/report");
  CStringArray rooms;
  engine_.GetTreeItem(rooms, 6);
  EXPECT_EQ(Texts(rooms), (std::vector<std::wstring>{L"客厅", L"卧室"}));
}

TEST_F(AnalyzeTest, ProjectQueries) {
  project_.floor_names = {L"1", L"2"};
  project_.summary = {{L"工程名称", L"示例楼"}};
  project_.outdoor_level = L"-0.45m";
  SNYDePriceEntry entry;
  entry.id = {L"A4-1", L"砖墙", L"10m3", L"DE-TJ-2024"};
  entry.price = L"3520.00";
  project_.prices = {entry, entry};
  project_.prices[1].price = L"9999";
  project_.comp_index = {{L"Q\\TWQ", L"TWQ"}};

  STJReportFloorBaseInfo info;
  EXPECT_TRUE(engine_.GetFloorBaseInfo(L"1", info));
  EXPECT_EQ(std::tuple(info.label.str(), info.height, info.bottomElevation),
            std::tuple(std::wstring(L"首层"), 3.3, -0.05));
  EXPECT_FALSE(engine_.GetFloorBaseInfo(L"9", info));
  CStringArray names;
  EXPECT_FALSE(engine_.GetAllFloorNames(names));  // false even when filled
  EXPECT_EQ(names.GetSize(), 2);
  std::vector<SNYPair> pairs = {{L"stale", L"x"}};
  EXPECT_TRUE(engine_.GetProjectSummary(pairs));
  ASSERT_EQ(pairs.size(), 1u);
  EXPECT_EQ(pairs[0].value.str(), L"示例楼");
  double level = 0;
  EXPECT_TRUE(engine_.GetOutDesignLevel(level));
  EXPECT_DOUBLE_EQ(level, -0.45);

  std::map<STJReportDePriceId, CString> prices;
  prices[entry.id] = L"kept";
  EXPECT_TRUE(engine_.ReadDePrice(prices));
  EXPECT_EQ(prices.size(), 1u);
  EXPECT_EQ(prices[entry.id].str(), L"kept");  // present keys are not replaced
  EXPECT_EQ(project_.price_key, L"DE-TJ-2024");

  std::map<CString, std::set<CString>> config = {{L"stale", {}}};
  EXPECT_FALSE(engine_.ReadDeCategoryShowConfig(config));
  EXPECT_TRUE(config.empty());
  const std::map<CString, std::set<CString>> written = {{L"砂浆", {L"M5", L"M7.5"}}, {L"空", {}}};
  EXPECT_TRUE(engine_.WriteDeCategoryShowConfig(written));
  EXPECT_TRUE(engine_.ReadDeCategoryShowConfig(config));
  EXPECT_EQ(config, written);

  // A directory the dictionary lacks leaves the index as it was.
  CString index = L"unchanged";
  for (const auto& [dir, expected] :
       {std::pair{L"Q\\TNQ", L"unchanged"}, {L"Q\\TWQ", L"TWQ"}, {L"其他项目", L"QTXM"}}) {
    EXPECT_TRUE(engine_.GetCompIndexByCompDir(dir, index));
    EXPECT_EQ(index.str(), expected) << dir;
  }
  EXPECT_FALSE(engine_.GetIsPriatedCalResult(L"/proj", false));
  EXPECT_TRUE(engine_.GetIsPriatedCalResult(L"/proj", true));

  project_.project_description_opens = false;
  CAnalyze closed;
  EXPECT_FALSE(closed.GetProjectSummary(pairs));
  EXPECT_TRUE(pairs.empty());
}

}  // namespace
}  // namespace reportdata
