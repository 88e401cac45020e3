// The built-in calculation-result and calculation-database services answer
// exactly what an interchange file put into a project, in stored order.
#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <nlohmann/json.hpp>
#include <tuple>

#include "reportdata/services.h"
#include "service_fixture.h"
#include "services/sqlite_db.h"
#include "support/records.h"

namespace reportdata {
namespace {

using testing::ImportedProject;

// The classified entries a build reads from the project in dir; -1 when it
// cannot read them.
int Entries(const testing::TempDir& dir) {
  SNYRAQdDeClassResultInfo result;
  if (!CNYRADealCalResult::GetQdDeClassResultData(dir.wpath(), {}, result, true)) return -1;
  return static_cast<int>(result.items.size());
}

// The doors and windows the database answers; -1 when it cannot.
int Doors(IDMDatabase* database) {
  std::vector<SNYDoorWindowRecord> doors;
  return database->GetDoorWindows(doors) ? static_cast<int>(doors.size()) : -1;
}

// Every field of every record in its own place, as the fixture file gives
// it: a column read into the wrong field shows up as a shifted cell.
TEST(CalResultService, ClassifiedEntriesComeBackAsStored) {
  ImportedProject project("small_project.json");
  std::ifstream file(testing::FixturePath("small_project.json"));
  const nlohmann::json fixture = nlohmann::json::parse(file);
  const auto expect_entries = [](const auto& items, const nlohmann::json& want) {
    ASSERT_EQ(items.size(), want.size());
    for (size_t i = 0; i < items.size(); ++i) {
      const std::string where = "entry " + std::to_string(i);
      testing::ExpectRecordOf(items[i].bill, want[i]["bill"], where);
      const nlohmann::json quotas = want[i].value("quotas", nlohmann::json::array());
      ASSERT_EQ(items[i].quotas.size(), quotas.size()) << where;
      for (size_t q = 0; q < quotas.size(); ++q)
        testing::ExpectRecordOf(items[i].quotas[q], quotas[q], where + " quota");
    }
  };

  SNYRAQdDeClassResultInfo result;
  result.items.resize(5);  // a filled result is replaced, not appended to
  ASSERT_TRUE(CNYRADealCalResult::GetQdDeClassResultData(project.wdir(), {}, result, true));
  expect_entries(result.items, fixture["classified"]);
  EXPECT_EQ(result.items[0].bill.id, 101);
  ASSERT_EQ(result.looseQuotas.size(), 2u);
  for (size_t i = 0; i < 2; ++i)
    testing::ExpectRecordOf(result.looseQuotas[i], fixture["looseQuotas"][i], "loose");
  EXPECT_EQ(result.partitions, (std::set<CString>{L"1区", L"2区"}));
  EXPECT_EQ(result.floors, (std::vector<CString>{L"1", L"2"}));

  SNYRAQdDeClassResultInfo other;
  ASSERT_TRUE(CNYRADealCalResult::GetQTXMQdDeClassResult(project.wdir(), {}, other));
  expect_entries(other.items, fixture["otherItems"]);
  EXPECT_EQ(std::tuple(other.looseQuotas.size(), other.floors.size()), std::tuple(0u, 2u));
}

// Without stored quota results the classified quotas come first, then the
// loose ones; stored quota results are used even when empty.
TEST(CalResultService, QuotaResultsAreStoredOnesOrClassifiedThenLooseQuotas) {
  const struct {
    const char* fixture;
    std::vector<std::wstring> codes, other_codes;
    size_t partitions;
  } cases[] = {{"small_project.json", {L"A5-5", L"A16-6", L"A1-1", L""}, {L"A16-1"}, 2},
               {"stored_results.json", {L"A4-2"}, {}, 0}};
  for (const auto& c : cases) {
    ImportedProject project(c.fixture);
    SNYRADeResultInfo quotas, other;
    ASSERT_TRUE(CNYRADealCalResult::GetDeResultData(project.wdir(), {}, quotas, true));
    ASSERT_TRUE(CNYRADealCalResult::GetQTXMDeResult(project.wdir(), {}, other));
    std::vector<std::wstring> codes, other_codes;
    for (const TJQd& record : quotas.quotas) codes.push_back(record.quotaCode.str());
    for (const TJQd& record : other.quotas) other_codes.push_back(record.quotaCode.str());
    EXPECT_EQ(codes, c.codes) << c.fixture;
    EXPECT_EQ(other_codes, c.other_codes) << c.fixture;
    if (c.partitions) {
      EXPECT_EQ(quotas.partitions.size(), c.partitions) << c.fixture;
    }
  }
}

TEST(CalResultService, MissingProjectAndDialogs) {
  testing::TempDir empty;
  EXPECT_EQ(Entries(empty), -1);
  SNYRADeResultInfo quotas;
  EXPECT_FALSE(CNYRADealCalResult::GetDeResultData(empty.wpath(), {}, quotas, true));

  std::vector<SNYTJQdDeClassResult> items(1), other;
  items[0].bill.billCode = L"010101001";
  EXPECT_TRUE(CNYRADealCalResult::ShowQdListDialog(empty.wpath(), L"k", L"q", items, other));
  ASSERT_EQ(items.size(), 1u);
  EXPECT_EQ(items[0].bill.billCode, L"010101001");
  EXPECT_FALSE(CNYRADealCalResult::ShowDeListPriceDialog(empty.wpath(), L"DE-TJ-2024"));
}

TEST(CalDatabaseService, DirectorAnswersFromTheProjectDatabase) {
  ImportedProject project("small_project.json");
  IDMDirector* director = GetIDMDirector();
  const std::wstring db_path = project.wdir() + L"\\CalResult.mdb";

  IDMDatabase* db = director->Open(db_path, true);
  ASSERT_NE(db, nullptr);
  EXPECT_EQ(director->Open(db_path, false), db);  // kept and handed out again
  EXPECT_EQ(director->Open(project.wdir() + L"\\\\CalResult.mdb", true), db);
  EXPECT_EQ(director->Open(project.wdir() + L"//CalResult.mdb", true), db);
  EXPECT_TRUE(db->HasCalResult(project.wdir(), true));

  std::vector<SNYFloorAreaRecord> areas;
  ASSERT_TRUE(db->GetFloorAreas(areas));
  ASSERT_EQ(areas.size(), 2u);
  EXPECT_EQ(testing::Joined({areas[0].floor.str(), areas[0].kind.str(), areas[1].kind.str()}),
            L"1|FL_MainArea|FL_YTArea");
  EXPECT_EQ(areas[0].value, 120.5);

  std::vector<SNYDoorWindowRecord> doors;
  ASSERT_TRUE(db->GetDoorWindows(doors));
  ASSERT_EQ(doors.size(), 2u);
  EXPECT_EQ(doors[0].type, 101);
  EXPECT_EQ(testing::Joined({doors[0].floor.str(), doors[0].typeName.str(), doors[0].position.str(),
                             doors[0].key.str()}),
            L"1|M1021|1/A-B|h1");
  EXPECT_EQ(doors[1].position, L"");

  IDMCompDictionary* dictionary = director->GetCompDictionary();
  EXPECT_TRUE(dictionary->CanOpen(db_path, L"/nonexistent\\CalResult.mdb"));
  EXPECT_FALSE(dictionary->CanOpen(project.wdir() + L"\\project.ld", L""));
  std::wstring text = L"unchanged";
  EXPECT_TRUE(dictionary->GetCompIndex(L"Q\\TWQ", text));
  EXPECT_EQ(text, L"22");
  EXPECT_TRUE(dictionary->GetCompName(L"Z\\KZ", text));
  EXPECT_EQ(text, L"柱\\砼柱");
  text = L"unchanged";
  EXPECT_FALSE(dictionary->GetCompIndex(L"B\\XB", text));
  EXPECT_EQ(text, L"unchanged");

  std::vector<SNYDePriceEntry> prices;
  ASSERT_TRUE(director->GetPriceAccess(project.wdir())->GetDePrices(L"DE-TJ-2024", prices));
  ASSERT_EQ(prices.size(), 2u);
  EXPECT_EQ(
      testing::Joined({prices[0].id.code.str(), prices[0].id.name.str(), prices[0].id.unit.str(),
                       prices[0].id.library.str(), prices[0].price.str()}),
      L"A5-5|现浇混凝土 矩形柱|10m3|DE-TJ-2024|4512.30");
  EXPECT_EQ(prices[1].id.code, L"A1-1");
}

TEST(CalDatabaseService, CategorySettingsAreKeptPerProject) {
  ImportedProject first("small_project.json");
  ImportedProject second("small_project.json");
  IDMProjectAccess* access = GetIDMDirector()->GetProjectAccess();
  IDMProjectAccess::CategoryConfig config{{L"砼类型", {L"商品砼", L"现拌砼"}}, {L"空", {}}};
  IDMProjectAccess::CategoryConfig read{{L"stale", {L"x"}}};

  EXPECT_FALSE(access->ReadDeCategoryShowConfig(first.wdir(), read));
  ASSERT_TRUE(access->WriteDeCategoryShowConfig(first.wdir(), config));
  read.clear();
  ASSERT_TRUE(access->ReadDeCategoryShowConfig(first.wdir(), read));
  EXPECT_EQ(read, config);
  read.clear();
  EXPECT_FALSE(access->ReadDeCategoryShowConfig(second.wdir(), read));

  // An empty configuration is a configuration.
  ASSERT_TRUE(access->WriteDeCategoryShowConfig(second.wdir(), {}));
  EXPECT_TRUE(access->ReadDeCategoryShowConfig(second.wdir(), read));
  EXPECT_TRUE(read.empty());

  testing::TempDir none;
  EXPECT_FALSE(access->WriteDeCategoryShowConfig(none.wpath(), config));
  EXPECT_FALSE(access->AttachProject(none.wpath()));
  EXPECT_TRUE(access->AttachProject(first.wdir()));
}

// A category settings write changes the database in place: while another
// connection reads it (a build in another process) the write waits for the
// read lock as long as a build would, then reports false.
TEST(CalDatabaseService, CategorySettingsWriteWaitsForAReaderThenFails) {
  testing::TempDir dir;
  ASSERT_TRUE(ImportProject(testing::FixturePath("small_project.json"), dir.path()).ok);
  std::unique_ptr<SqliteDb> reader =
      SqliteDb::Open(dir.path() + "/CalResult.mdb", SQLITE_OPEN_READONLY);
  ASSERT_TRUE(reader && reader->Exec("BEGIN"));
  ASSERT_GT(reader->QueryInt("SELECT count(*) FROM classified", 0), 0);
  IDMProjectAccess* access = GetIDMDirector()->GetProjectAccess();
  const IDMProjectAccess::CategoryConfig config{{L"砼类型", {L"商品砼"}}};
  const auto start = std::chrono::steady_clock::now();
  EXPECT_FALSE(access->WriteDeCategoryShowConfig(dir.wpath(), config));
  EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::seconds(4));
  // Once the reader is gone, the next write goes through.
  ASSERT_TRUE(reader->Exec("COMMIT"));
  EXPECT_TRUE(access->WriteDeCategoryShowConfig(dir.wpath(), config));
}

// A build reads one state of the database: a project imported again
// meanwhile (the file replaced by rename) is seen only by the next build,
// which opens it afresh while the old object stays usable.
TEST(CalDatabaseService, BuildReadsOneSnapshotWhileTheProjectIsReimported) {
  testing::TempDir dir;
  ASSERT_TRUE(ImportProject(testing::FixturePath("small_project.json"), dir.path()).ok);
  IDMDatabase* before = GetIDMDirector()->Open(dir.wpath() + L"\\CalResult.mdb", true);
  ASSERT_NE(before, nullptr);
  ASSERT_TRUE(before->BeginRead());
  ASSERT_TRUE(ImportProject(testing::FixturePath("stored_results.json"), dir.path()).ok);
  EXPECT_EQ(Entries(dir), 2);
  EXPECT_EQ(Doors(before), 2);
  before->EndRead();
  EXPECT_EQ(Entries(dir), 0);

  IDMDatabase* reopened = GetIDMDirector()->Open(dir.wpath() + L"\\CalResult.mdb", true);
  ASSERT_NE(reopened, nullptr);
  EXPECT_NE(reopened, before);
  EXPECT_EQ(Doors(before), 2);
  EXPECT_EQ(Doors(reopened), 0);
}

// In WAL mode a writer may commit while a build reads: the build still
// reads the state it began with, its rows as well as its other questions.
TEST(CalDatabaseService, BuildOverAWalDatabaseReadsOneSnapshot) {
  testing::TempDir dir;
  ASSERT_TRUE(ImportProject(testing::FixturePath("small_project.json"), dir.path()).ok);
  const std::string path = dir.path() + "/CalResult.mdb";
  std::unique_ptr<SqliteDb> writer = SqliteDb::Open(path, SQLITE_OPEN_READWRITE);
  ASSERT_TRUE(writer && writer->Exec("PRAGMA journal_mode = WAL"));
  IDMDatabase* database = GetIDMDirector()->Open(dir.wpath() + L"\\CalResult.mdb", true);
  ASSERT_NE(database, nullptr);
  ASSERT_TRUE(database->BeginRead());
  ASSERT_TRUE(writer->Exec("INSERT INTO classified SELECT * FROM classified"));
  EXPECT_EQ(Entries(dir), 2);
  database->EndRead();
  EXPECT_EQ(Entries(dir), 4);
}

}  // namespace
}  // namespace reportdata
