// ImportProject accepts a well-formed interchange file, refuses every kind of
// bad one with a one-line message naming the place, and never leaves a
// half-written project behind.
#include "reportdata/importer.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

#include "reportdata/services.h"
#include "service_fixture.h"
#include "services/sqlite_db.h"

namespace reportdata {
namespace {

namespace fs = std::filesystem;
using testing::Snapshot;
using testing::TempDir;

struct BadFile {
  std::string json;
  std::string message;  // after "<file>: "
};

TEST(Importer, RefusesBadFilesNamingThePlace) {
  const std::string minimal = R"("project": {"name": "p"}, )";
  std::vector<BadFile> cases = {
      {"{\n  \"project\": {\"name\": \"p\"},\n  \"classified\": tru\n}",
       "syntax error at line 3, column 20 (byte 49): syntax error while parsing value - invalid "
       "literal; last read: '\"classified\": tru<U+000A>'"},
      {"[]", "/: expected an object, found an array"},
      {"{" + minimal + R"("classified": {}})", "/classified: expected an array, found an object"},
      {R"({"classified": []})", "/project: required but missing"},
      {R"({"project": {"name": "p"}})", "/classified: required but missing"},
      {"{" + minimal + R"("classified": [], "classified": []})", "/classified: duplicate key"},
      {"{" + minimal + R"("classified": [], "extras": 1})", "/extras: unknown key"},
      {R"({"version": 2, "project": {}, "classified": []})",
       "/version: unsupported version 2, expected 1"},
      {"{" + minimal + R"("classified": [{"bill": {}}, {"bill": {"quantity": 1.5}}]})",
       "/classified/1/bill/quantity: expected a text, found a number"},
      {"{" + minimal + R"("classified": [{"quotas": []}]})",
       "/classified/0/bill: required but missing"},
      {"{" + minimal + R"("classified": [{"bill": {"billcode": "x"}}]})",
       "/classified/0/bill/billcode: unknown key"},
      {"{" + minimal + R"("classified": [{"bill": {"id": 1, "id": 2}}]})",
       "/classified/0/bill/id: duplicate key"},
      {"{" + minimal +
           R"("classified": [{"bill": {}, "quotas": [{}, {"categories": [{"name": 3}]}]}]})",
       "/classified/0/quotas/1/categories/0/name: expected a text, found a number"},
      {"{" + minimal +
           R"("classified": [{"bill": {"quotaFeatures": [{"categories": [{}, {"v": ""}]}]}}]})",
       "/classified/0/bill/quotaFeatures/0/categories/1/v: unknown key"},
      {"{" + minimal + R"("classified": [], "looseQuotas": [{"id": 2147483648}]})",
       "/looseQuotas/0/id: expected a whole number from -2147483648 to 2147483647"},
      {"{" + minimal + R"("classified": [], "looseQuotas": [{"id": "7"}]})",
       "/looseQuotas/0/id: expected a whole number, found a text"},
      {"{" + minimal + R"("classified": [], "partitions": ["1区", null]})",
       "/partitions/1: expected a text, found null"},
      {"{" + minimal + R"("classified": [], "floorAreas": [{"value": "12"}]})",
       "/floorAreas/0/value: expected a number, found a text"},
      {"{" + minimal +
           R"("classified": [], "componentIndex": [{"compDir": "Q\\TWQ"}, {"compDir": "Q\\TWQ"}]})",
       "/componentIndex/1/compDir: listed twice"},
      {R"({"project": {"billLibrary": ["a", "b", "c"]}, "classified": []})",
       "/project/billLibrary: expected 4 texts (name, key, region, version), found 3"},
      {R"({"project": {"quotaLibrary": {"name": "定额", "key": 1}}, "classified": []})",
       "/project/quotaLibrary/key: expected a text, found a number"},
      {R"({"project": {"quotaLibrary": "DE-TJ-2024"}, "classified": []})",
       "/project/quotaLibrary: expected an array or an object, found a text"},
      {R"({"project": {"floorBase": [{"height": 3.3}]}, "classified": []})",
       "/project/floorBase/0/height: expected a text, found a number"},
      {R"({"project": {"a/b~c": 1}, "classified": []})", "/project/a~1b~0c: unknown key"},
      {"{" + minimal + R"("classified": [{"bill": {"quantity": "NaN"}}]})",
       "/classified/0/bill/quantity: expected a finite quantity"},
      {"{" + minimal + R"("classified": [{"bill": {}, "quotas": [{"quantity": "1e400"}]}]})",
       "/classified/0/quotas/0/quantity: expected a finite quantity"},
      {"{" + minimal +
           R"("classified": [], "looseQuotas": [{"quantity": "1.5"}, {"quantity": "1.5abc"}]})",
       "/looseQuotas/1/quantity: expected a decimal quantity"},
      {"{" + minimal + R"("classified": [], "looseQuotas": [{"quantity": "0x10"}]})",
       "/looseQuotas/0/quantity: expected a decimal quantity"},
      {"{" + minimal + R"("classified": [{"bill": {"quantity": "1,5"}}]})",
       "/classified/0/bill/quantity: expected a decimal quantity"},
      {"{" + minimal + R"("classified": [{"bill": {"quantity": ""}}]})",
       "/classified/0/bill/quantity: expected a decimal quantity"},
      {"{" + minimal + R"("classified": [{"bill": {"quantity": " 2"}}]})",
       "/classified/0/bill/quantity: expected a decimal quantity"},
      {"{\"a\xff\": 1}",
       "syntax error at line 1, column 4 (byte 3): syntax error while parsing object key - "
       "invalid string: ill-formed UTF-8 byte; last read: '\"a\xEF\xBF\xBD'; expected string "
       "literal"},
  };
  // One value past the bounds of a text, a number, nesting or the bytes between values.
  const std::string long_text(std::size_t{1} << 20, 'a');
  cases.push_back({R"({"project": {"name": ")" + long_text + "b\"}}",
                   "text too long at line 1, column 1048599 (byte 1048598): more than 1048576 "
                   "bytes in one text"});
  cases.push_back({"{\"version\": " + std::string((std::size_t{1} << 20) + 1, '1') + "}",
                   "value too long at line 1, column 1048589 (byte 1048588): more than 1048576 "
                   "bytes in one number or literal"});
  cases.push_back({"{\"classified\": " + std::string(64, '[') + "]",
                   "nesting too deep at line 1, column 79 (byte 78): more than 64 levels of arrays "
                   "and objects"});
  cases.push_back({"{\n" + std::string(std::size_t{16} << 20, ' ') + "\"project\": {}}",
                   "too much between two values at line 2, column 16777215 (byte 16777216): more "
                   "than 16777216 bytes of blank space and punctuation in a row"});
  cases.push_back({R"({"project": {"name": ")" + std::string(1000, 'a') + "\x01\"}}",
                   "syntax error at line 1, column 1023 (byte 1022): syntax error while parsing "
                   "value - invalid string: control character U+0001 (SOH) must be escaped to "
                   "\\u0001; last read: '…aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa<U+0001>'"});
  for (const BadFile& bad : cases) {
    TempDir input;
    input.Write("bad.json", bad.json);
    TempDir parent;
    const std::string target = parent.File("project");
    const ImportResult result = ImportProject(input.File("bad.json"), target);
    EXPECT_FALSE(result.ok) << bad.json;
    EXPECT_EQ(result.message, input.File("bad.json") + ": " + bad.message) << bad.json;
    EXPECT_EQ(result.records, 0u);
    EXPECT_FALSE(fs::exists(target)) << "a refused import leaves no project directory";
  }
}

TEST(Importer, RefusalKeepsAnExistingProjectIntact) {
  TempDir project;
  ASSERT_TRUE(ImportProject(testing::FixturePath("small_project.json"), project.path()).ok);
  project.Write("ProjInfo.ini", "[QdMergeConfig]\nOwnerDeSame=1\n");
  const auto before = Snapshot(project.path());

  TempDir input;
  // The error comes late, after many rows were written to the new database.
  std::string json = R"({"project": {"name": "new"}, "classified": [)";
  for (int i = 0; i < 500; ++i) json += R"({"bill": {"billCode": "010101001"}},)";
  json += R"({"bill": {"quantity": 3}}]})";
  input.Write("late.json", json);
  const ImportResult result = ImportProject(input.File("late.json"), project.path());
  EXPECT_FALSE(result.ok);
  EXPECT_EQ(result.message, input.File("late.json") +
                                ": /classified/500/bill/quantity: expected a text, found a number");
  EXPECT_EQ(Snapshot(project.path()), before);

  const ImportResult missing = ImportProject(input.File("absent.json"), project.path());
  EXPECT_EQ(missing.message,
            input.File("absent.json") + ": cannot read: No such file or directory");
  EXPECT_EQ(Snapshot(project.path()), before);
}

TEST(Importer, RemovesTheTemporaryFilesOfKilledImports) {
  TempDir project;
  const pid_t child = fork();
  if (child == 0) _exit(0);
  waitpid(child, nullptr, 0);
  const std::string dead = std::to_string(child);
  const std::vector<std::pair<std::string, bool>> files = {
      {".CalResult.mdb.import-" + dead, false},
      {".project.ld.import-" + dead, false},
      {".CalResult.mdb.import-1", true},              // a running process: an import in progress
      {".CalResult.mdb.import-" + dead + "x", true},  // no import's name
  };
  for (const auto& [name, stays] : files) project.Write(name, "left");
  ASSERT_TRUE(ImportProject(testing::FixturePath("small_project.json"), project.path()).ok);
  for (const auto& [name, stays] : files) EXPECT_EQ(fs::exists(project.File(name)), stays) << name;
}

TEST(Importer, WritesTheProjectFilesAndCountsRecords) {
  TempDir parent;
  const std::string target = parent.File("a/b");  // made with its parents
  std::vector<std::uint64_t> progress;
  const ImportResult result =
      ImportProject(testing::FixturePath("small_project.json"), target,
                    [&](std::uint64_t read, std::uint64_t total) {
                      progress.push_back(read);
                      EXPECT_EQ(total, fs::file_size(testing::FixturePath("small_project.json")));
                    });
  ASSERT_TRUE(result.ok) << result.message;
  EXPECT_EQ(result.message, "");
  EXPECT_EQ(result.records, 8u);  // classified 2 + 2, loose 2, other items 1 + 1
  ASSERT_FALSE(progress.empty());
  EXPECT_EQ(progress.back(), fs::file_size(testing::FixturePath("small_project.json")));

  const auto files = Snapshot(target);
  EXPECT_EQ(files.size(), 2u);
  EXPECT_TRUE(files.contains(target + "/CalResult.mdb") && files.contains(target + "/project.ld"));
}

TEST(Importer, LargeListsKeepTheirOrder) {
  // Enough entries to cross the reader's block size and the database's
  // page cache, with the record fields spread over the file.
  constexpr int kEntries = 20000;
  std::string json = R"({"project": {}, "classified": [)";
  for (int i = 0; i < kEntries; ++i) {
    if (i > 0) json += ',';
    json += R"({"bill": {"id": )" + std::to_string(i) + R"(, "billCode": "B)" + std::to_string(i) +
            R"("}, "quotas": [{"quotaCode": "Q)" + std::to_string(i) + R"("}]})";
  }
  json += "]}";
  TempDir project;
  const ImportResult result = testing::ImportJson(json, project.path());
  ASSERT_TRUE(result.ok) << result.message;
  EXPECT_EQ(result.records, 2u * kEntries);

  SNYRAQdDeClassResultInfo classified;
  ASSERT_TRUE(CNYRADealCalResult::GetQdDeClassResultData(project.wpath(), {}, classified, true));
  ASSERT_EQ(classified.items.size(), static_cast<std::size_t>(kEntries));
  for (int i = 0; i < kEntries; ++i) {
    const SNYTJQdDeClassResult& entry = classified.items[i];
    ASSERT_EQ(std::tuple(entry.bill.id, entry.bill.billCode.str(), entry.quotas.size()),
              std::tuple(i, L"B" + std::to_wstring(i), size_t{1}));
    ASSERT_EQ(entry.quotas[0].quotaCode, CString(L"Q" + std::to_wstring(i)));
  }
  SNYRADeResultInfo quotas;
  ASSERT_TRUE(CNYRADealCalResult::GetDeResultData(project.wpath(), {}, quotas, true));
  ASSERT_EQ(quotas.quotas.size(), static_cast<std::size_t>(kEntries));
  EXPECT_EQ(quotas.quotas.back().quotaCode, CString(L"Q" + std::to_wstring(kEntries - 1)));
}

TEST(Importer, StoresEachDistinctListOnce) {
  const std::string json = R"({"project": {}, "classified": [
      {"bill": {"id": 1, "partitions": [{"name": "1区", "formula": "a", "quantity": 1.5}],
                "categories": [{"var": "v", "name": "n", "value": "x"}]}},
      {"bill": {"id": 2, "partitions": [{"name": "1区", "formula": "a", "quantity": 1.5}],
                "categories": [{"var": "v", "name": "n", "value": "x"}]}},
      {"bill": {"id": 3, "partitions": [{"name": "2区", "formula": "b", "quantity": 2}],
                "quotaFeatures": [{"code": "Q", "name": "q", "unit": "m",
                                   "categories": [{"var": "w", "name": "n", "value": "y"}]}]}}]})";
  TempDir project;
  ASSERT_TRUE(testing::ImportJson(json, project.path()).ok);
  // Two partition lists, one category list, one quota feature list, and the
  // empty list.
  EXPECT_EQ(SqliteDb::Open(project.File("CalResult.mdb"), SQLITE_OPEN_READONLY)
                ->QueryInt("SELECT count(*) FROM key_list", -1),
            5);

  SNYRAQdDeClassResultInfo classified;
  ASSERT_TRUE(CNYRADealCalResult::GetQdDeClassResultData(project.wpath(), {}, classified, true));
  const nlohmann::json entries = nlohmann::json::parse(json)["classified"];
  ASSERT_EQ(classified.items.size(), entries.size());
  for (size_t i = 0; i < entries.size(); ++i)
    testing::ExpectRecordOf(classified.items[i].bill, entries[i]["bill"], std::to_string(i));
}

}  // namespace
}  // namespace reportdata
