// The stored results handed out while the rows are stepped: one record is
// refilled for every row, and must keep nothing of the row before it.
#include "services/stored_results.h"

#include <gtest/gtest.h>

#include <functional>
#include <tuple>

#include "platform/text.h"
#include "reportdata/services.h"
#include "service_fixture.h"
#include "services/cal_database.h"
#include "services/cal_schema.h"
#include "services/import_check.h"
#include "services/key_texts.h"
#include "services/packed_texts.h"
#include "services/sqlite_db.h"

namespace reportdata {
namespace {

using testing::ImportedProject;

// The keys the reader hands out with a record are the record's own texts.
void ExpectKeysOf(const RecordKeys& got, const TJQd& record) {
  const auto texts = [](const RecordKeys& k) {
    return std::vector<std::wstring>{
        k.bill_code,  k.bill_name,  k.bill_unit,   k.feature,         k.quota_code,
        k.quota_name, k.quota_unit, k.floor,       k.component_name,  k.type_path,
        k.sub_type,   k.sub_code,   k.description, k.description_cut, k.kind,
        k.extra,      k.grade,      k.room,        k.place,           k.place2};
  };
  const RecordKeys want = KeysOf(record);
  EXPECT_EQ(texts(got), texts(want));
  EXPECT_EQ(got.quantity, want.quantity);
  EXPECT_EQ(got.id, want.id);
  EXPECT_EQ(got.categories.size(), want.categories.size());
  EXPECT_EQ(got.quota_features.size(), want.quota_features.size());
  EXPECT_EQ(got.position, want.position);
  EXPECT_EQ(got.handle, want.handle);
  EXPECT_EQ(got.partition_hash, want.partition_hash);
  ASSERT_EQ(got.partitions.size(), want.partitions.size());
  for (size_t i = 0; i < want.partitions.size(); ++i) {
    EXPECT_EQ(got.partitions[i].name, want.partitions[i].name);
    EXPECT_EQ(got.partitions[i].formula, want.partitions[i].formula);
    EXPECT_EQ(got.partitions[i].quantity, want.partitions[i].quantity);
  }
}

void ExpectEntryKeysOf(const EntryKeys& got, const SNYTJQdDeClassResult& entry) {
  ExpectKeysOf(got.bill, entry.bill);
  // The cloud-index data files a bill record by its calculation item.
  EXPECT_EQ(got.bill.calc_item, entry.bill.calcItem.str());
  ASSERT_EQ(got.quotas.size(), entry.quotas.size());
  for (size_t q = 0; q < entry.quotas.size(); ++q) ExpectKeysOf(got.quotas[q], entry.quotas[q]);
}

// The counts of a build's progress and reservations follow the rows, also
// when the counts written with them no longer add up.
TEST(StoredResults, CountsFollowTheRowsWhateverTheWrittenCounts) {
  const Json classified = {
      {{"bill", {{"billCode", "010502001"}}},
       {"quotas", {{{"quotaCode", "A5-5"}}, {{"quotaCode", "A1-1"}}, {{"quotaCode", "A1-2"}}}}},
      {{"bill", {{"billCode", "010503001"}}}, {"quotas", Json::array()}}};
  testing::TempDir dir;
  const Json json = {{"project", {{"name", "counts"}}}, {"classified", classified}};
  ASSERT_TRUE(testing::ImportJson(json.dump(), dir.path() + "/p").ok);
  const char* const changes[] = {
      "",
      "DELETE FROM classified WHERE rowid = (SELECT max(rowid) FROM classified WHERE role = 1)",
      "DELETE FROM classified WHERE rowid = (SELECT max(rowid) FROM classified WHERE role = 0)",
      "UPDATE meta SET value = '3x' WHERE key = 'classified.role0'",
      "DELETE FROM meta WHERE key LIKE 'classified.%'",
  };
  for (const char* change : changes) {
    std::unique_ptr<SqliteDb> db =
        SqliteDb::Open(dir.path() + "/p/CalResult.mdb", SQLITE_OPEN_READWRITE);
    ASSERT_TRUE(db && db->Exec(change)) << change;
    const long long bills = db->QueryInt("SELECT count(*) FROM classified WHERE role = 0", -1);
    const long long quotas = db->QueryInt("SELECT count(*) FROM classified WHERE role = 1", -1);
    db.reset();
    std::unique_ptr<StoredResults> stored = StoredResults::Open(FromUtf8(dir.path() + "/p"));
    ASSERT_TRUE(stored);
    RecordsOutline bill_side, quota_side;
    ASSERT_TRUE(stored->ReadOutline(true, bill_side));
    EXPECT_EQ(bill_side.count, static_cast<size_t>(bills)) << change;
    ASSERT_TRUE(stored->ReadOutline(false, quota_side));
    EXPECT_EQ(quota_side.count, static_cast<size_t>(quotas)) << change;
  }
}

// Passes the texts of every record of the calculation database at path
// through change (the key texts as the numbers the rows hold).
void ChangeRecords(const std::string& path,
                   const std::function<void(std::vector<std::string>&)>& change) {
  std::unique_ptr<SqliteDb> db = SqliteDb::Open(path, SQLITE_OPEN_READWRITE);
  ASSERT_TRUE(db && db->Exec("BEGIN"));
  for (const RecordTable table :
       {RecordTable::kClassified, RecordTable::kLooseQuota, RecordTable::kOtherItem,
        RecordTable::kQuotaResult, RecordTable::kOtherQuotaResult}) {
    const std::string name = RecordTableName(table);
    std::vector<std::pair<long long, std::string>> changed;
    SqliteStatement rows = db->Prepare("SELECT rowid, texts FROM " + name);
    while (rows.Step()) {
      bool ok = false;
      std::vector<std::string> texts =
          testing::UnpackedTexts(rows.HeldBlob(1), kRecordTextCount, ok);
      ASSERT_TRUE(ok);
      change(texts);
      PackTexts(std::vector<std::string_view>(texts.begin(), texts.end()),
                changed.emplace_back(rows.Int(0), "").second);
    }
    ASSERT_TRUE(rows.Done());
    SqliteStatement update = db->Prepare("UPDATE " + name + " SET texts = ?1 WHERE rowid = ?2");
    for (const auto& [rowid, blob] : changed) {
      update.BindBlob(1, blob);
      update.BindInt(2, rowid);
      ASSERT_TRUE(update.Run());
    }
  }
  ASSERT_TRUE(db->Exec("COMMIT"));
}

// A record refilled from row to row keeps nothing of the row before: every
// text and list that changes, empties or comes back must still arrive, for
// the bill record and for quota records at every position, also at a
// position the entry before did not fill.
TEST(StoredResults, RefilledFieldsFollowEveryChange) {
  const Json part1 = {{"name", "1区"}, {"formula", "0.5*2.5"}, {"quantity", 1.25}};
  const Json part2 = {{"name", "2区"}, {"formula", "1"}, {"quantity", 1.0}};
  const Json bill1 = {{"billCode", "010502001"},
                      {"billName", "矩形柱"},
                      {"billUnit", "m3"},
                      {"description", "C30||泵送"},
                      {"subType", "KZ"},
                      {"typePath", "Z\\KZ"},
                      {"componentName", "KZ1"},
                      {"position", "1/A"},
                      {"handle", "h1"},
                      {"floor", "1"},
                      {"kind", "1"},
                      {"calcItem", "1"},
                      {"partitions", {part1, part2}},
                      {"quotaFeatures", {{{"code", "A5-5"}}}}};
  Json bill2 = bill1;
  bill2["position"] = "二/甲";
  bill2["handle"] = "h2";
  bill2["description"] = "C30";
  bill2["subType"] = "GZ";
  bill2.erase("partitions");
  bill2.erase("calcItem");
  Json bill3 = bill1;
  bill3["billCode"] = "010503001";
  bill3["partitions"] = {part2, part1};
  bill3.erase("quotaFeatures");
  const Json qa = {{"quotaCode", "A5-5"},
                   {"quotaName", "现浇混凝土"},
                   {"room", "办公室"},
                   {"calcItem", "2"},
                   {"categories", {{{"var", "TLX"}, {"name", "砼类型"}, {"value", "商品砼"}}}}};
  const Json qb = {{"quotaCode", "A16-6"}, {"place", "北"}, {"floor", "2"}};
  // A quota record of the bill kind.
  const Json qc = {{"quotaCode", "A1-1"}, {"place2", "东"}, {"kind", "1"}};
  Json qa_bare = qa;
  qa_bare.erase("room");
  qa_bare.erase("categories");
  const Json pattern = {{{"bill", bill1}, {"quotas", {qa, qb, qc}}},
                        {{"bill", bill2}, {"quotas", {qa_bare}}},
                        {{"bill", bill3}, {"quotas", {qa, qb, qc}}},
                        {{"bill", bill3}, {"quotas", {qc, qa}}},
                        {{"bill", bill1}, {"quotas", Json::array()}}};
  // Repeated past the rows of one batch of the read ahead.
  constexpr int kRepeats = 120;
  Json classified = Json::array();
  Json want_entries = Json::array();
  for (int r = 0; r < kRepeats; ++r) {
    for (const Json& entry : pattern) classified.push_back(entry);
    want_entries.insert(want_entries.end(), pattern.begin(), pattern.end());
    want_entries[want_entries.size() - 4]["bill"]["handle"] = "h\uFFFD2";
  }
  testing::TempDir dir;
  const std::string project = dir.path() + "/p";
  const Json json = {{"project", {{"name", "refill"}}}, {"classified", classified}};
  ASSERT_TRUE(testing::ImportJson(json.dump(), project).ok);
  // A damaged handle: its malformed byte reads as U+FFFD, in the record
  // and in the UTF-8 its instance lists get.
  ChangeRecords(project + "/CalResult.mdb", [](std::vector<std::string>& texts) {
    std::string& handle = texts[kFieldHandle - 1];
    if (handle == "h2")
      handle =
          "h\xFF"
          "2";
  });
  std::unique_ptr<StoredResults> stored = StoredResults::Open(FromUtf8(project));
  ASSERT_TRUE(stored);

  // The records whole, as the calculation-result service reads them, and
  // the keys the filing gets, refilled row by row.
  SNYRAQdDeClassResultInfo whole;
  ASSERT_TRUE(CNYRADealCalResult::GetQdDeClassResultData(FromUtf8(project), {}, whole, true));
  ASSERT_EQ(whole.items.size(), want_entries.size());
  for (size_t i = 0; i < whole.items.size(); ++i) {
    const SNYTJQdDeClassResult& entry = whole.items[i];
    const Json& want = want_entries[i];
    const std::string where = "entry " + std::to_string(i);
    testing::ExpectRecordOf(entry.bill, want["bill"], where + " bill");
    ASSERT_EQ(entry.quotas.size(), want["quotas"].size()) << where;
    for (size_t q = 0; q < entry.quotas.size(); ++q) {
      testing::ExpectRecordOf(entry.quotas[q], want["quotas"][q],
                              where + " quota " + std::to_string(q));
    }
  }
  size_t i = 0;
  EXPECT_TRUE(stored->EachEntry([&](const EntryKeys& keys) {
    ASSERT_LT(i, whole.items.size());
    ExpectEntryKeysOf(keys, whole.items[i++]);
  }));
  EXPECT_EQ(i, whole.items.size());
  // The quota results (here the classified quotas, then the loose ones) as
  // keys with their calculation items.
  SNYRADeResultInfo quotas;
  ASSERT_TRUE(CNYRADealCalResult::GetDeResultData(FromUtf8(project), {}, quotas, true));
  i = 0;
  EXPECT_TRUE(stored->EachQuota([&](const RecordKeys& keys) {
    ASSERT_LT(i, quotas.quotas.size());
    ExpectKeysOf(keys, quotas.quotas[i]);
    EXPECT_EQ(keys.calc_item, quotas.quotas[i++].calcItem.str());
  }));
  EXPECT_EQ(i, quotas.quotas.size());
}

// A record whose blob holds a text more than the records of its layout (a
// field added without a new version) is a damaged row.
TEST(StoredResults, ARecordOfMoreTextsThanItsLayoutIsDamaged) {
  ImportedProject project("small_project.json");
  const std::string path = ToUtf8(project.wdir()) + "/CalResult.mdb";
  ChangeRecords(path, [](std::vector<std::string>& texts) { texts.emplace_back(); });
  const std::unique_ptr<CalDatabase> wide = CalDatabase::Open(path);
  ASSERT_TRUE(wide);
  EXPECT_FALSE(wide->FileClassified(RecordTable::kClassified, [](const EntryKeys&) {}));
}

}  // namespace
}  // namespace reportdata
