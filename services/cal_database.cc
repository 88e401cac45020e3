#include "services/cal_database.h"

#include <sys/stat.h>

#include <charconv>
#include <string>
#include <utility>

#include "platform/text.h"
#include "services/key_texts.h"
#include "services/record_row.h"

namespace reportdata {
namespace {

std::wstring Wide(std::string_view text) { return FromUtf8(text); }

// Why the last open or BeginRead of this thread failed, for the message of a
// failed build; empty when it did not, or for no reason more telling than
// a missing, damaged or newer file.
thread_local std::string open_failure;

// A quota category settings write changes the file in place and holds it
// for a moment; a build that meets it waits so long before it gives up.
constexpr int kBusyWaitMs = 5000;

void WaitWhileBusy(SqliteDb& db) { sqlite3_busy_timeout(db.handle(), kBusyWaitMs); }

// Notes a lock that outlasted the wait as the reason of a failure; true then.
bool NoteFailure(SqliteDb& db) {
  if (sqlite3_errcode(db.handle()) != SQLITE_BUSY) return false;
  open_failure = "it is busy: another program is writing it";
  return true;
}

// A build reads every page of the results once: mapped, a page costs a fault
// instead of a read call and a copy. A file larger than the map is read the
// usual way past its end.
void MapPages(SqliteDb& db) { db.Exec("PRAGMA mmap_size = 1073741824"); }

// A second connection to step the stored results on, for one thread at a
// time: the thirty calls a row then take no lock. It sees what the first
// sees: while a build reads, the first holds its shared lock, so no writer
// commits in between. In WAL mode each connection keeps its own snapshot,
// which a writer may move on between the two: null then, as when the file
// cannot be opened again.
std::unique_ptr<SqliteDb> OpenRowSource(const std::string& path) {
  std::unique_ptr<SqliteDb> db = SqliteDb::Open(path, SQLITE_OPEN_READONLY);
  if (!db) return nullptr;
  WaitWhileBusy(*db);
  {
    SqliteStatement mode = db->Prepare("PRAGMA journal_mode");
    if (!mode.Ok() || !mode.Step() || mode.Text(0) == "wal") return nullptr;
  }
  MapPages(*db);
  return db;
}

// The rows of a classified table, a bill row and then its quota rows,
// gathered into entries: whole, or their keys alone, the bill's calculation
// item included. An entry is handed to the visitor when the next bill row
// begins, or at Finish.
class EntryRows {
 public:
  EntryRows(bool whole, const std::vector<std::string>& key_texts,
            const std::vector<std::string>& key_lists)
      : whole_(whole), bill_rows_(key_texts, key_lists), quota_rows_(key_texts, key_lists) {}

  template <typename Visit>
  void Read(const StoredRow& row, const Visit& visit) {
    if (row.Int(0) == kRoleBill) {
      Finish(visit);
      started_ = true;
      if (whole_) {
        bill_rows_.Read(row, 1, entry_.bill, keys_.bill);
      } else {
        bill_rows_.ReadKeysAndCalcItem(row, 1, keys_.bill);
      }
      return;
    }
    if (!started_) return;
    std::vector<RecordKeys>& quotas = keys_.quotas;
    if (quotas_ == quotas.size()) quotas.emplace_back();
    if (whole_) {
      if (quotas_ == entry_.quotas.size()) entry_.quotas.emplace_back();
      quota_rows_.Read(row, 1, entry_.quotas[quotas_], quotas[quotas_]);
    } else {
      quota_rows_.ReadKeys(row, 1, quotas[quotas_]);
    }
    ++quotas_;
  }

  // Hands over the entry being read, if there is one.
  template <typename Visit>
  void Finish(const Visit& visit) {
    if (!started_) return;
    keys_.quotas.resize(quotas_);
    if (whole_) entry_.quotas.resize(quotas_);
    visit(entry_, keys_);
    started_ = false;
    quotas_ = 0;
  }

 private:
  const bool whole_;
  SNYTJQdDeClassResult entry_;  // empty while only keys are read
  EntryKeys keys_;              // of the entry being read
  // One reader per kind of row (see RecordRowReader).
  RecordRowReader bill_rows_;
  RecordRowReader quota_rows_;
  bool started_ = false;
  std::size_t quotas_ = 0;  // quota rows read into the entry
};

}  // namespace

std::unique_ptr<CalDatabase> CalDatabase::Open(const std::string& path) {
  open_failure.clear();
  // Serialized: when the stored results cannot be stepped on a connection of
  // their own (see OpenRowSource), they are stepped on this one on a second
  // thread while the filing may ask it other questions.
  std::unique_ptr<SqliteDb> db =
      SqliteDb::Open(path, SQLITE_OPEN_READWRITE | SQLITE_OPEN_FULLMUTEX);
  if (!db) db = SqliteDb::Open(path, SQLITE_OPEN_READONLY | SQLITE_OPEN_FULLMUTEX);
  if (!db) return nullptr;
  WaitWhileBusy(*db);
  const long long version = db->QueryInt("PRAGMA user_version", -1);
  if (version < 0) {
    NoteFailure(*db);
    return nullptr;
  }
  if (db->QueryInt("PRAGMA application_id", -1) != kCalApplicationId) return nullptr;
  const int record_texts = RecordTextsOf(version);
  if (record_texts == 0) {
    // An earlier layout is not upgraded in place: the interchange file is
    // the source of every project, and importing it again writes this one.
    if (version > 0 && version < kCalSchemaVersion) {
      open_failure = path + " is of an earlier layout (version " + std::to_string(version) +
                     "): import the project again";
    }
    return nullptr;
  }
  // SQLite reads a file that ends in part of a page as if the page were
  // whole: a copy cut short would build from whatever the missing bytes
  // are taken to be.
  struct stat file {};
  const long long page = db->QueryInt("PRAGMA page_size", 0);
  if (stat(path.c_str(), &file) != 0 || page <= 0 || file.st_size % page != 0) {
    open_failure = "its size is not a whole number of pages (the file was cut short)";
    return nullptr;
  }
  // A few thousand texts, and lists of a few bytes for every few records
  // at most, read with the file so that every read of the records has them;
  // a table that cannot be read is a damaged file.
  std::vector<std::string> key_texts;
  std::vector<std::string> key_lists;
  if (!ReadKeyTexts(*db, kKeyTextTable, key_texts) ||
      !ReadKeyTexts(*db, kKeyListTable, key_lists)) {
    NoteFailure(*db);
    return nullptr;
  }
  MapPages(*db);
  // Opened now, the second connection reads the same file as the first
  // even when a new import is renamed over it later.
  return std::unique_ptr<CalDatabase>(new CalDatabase(std::move(db), OpenRowSource(path),
                                                      record_texts, std::move(key_texts),
                                                      std::move(key_lists)));
}

const std::string& CalDatabase::LastFailure() { return open_failure; }

bool CalDatabase::HasCalResult(const std::wstring& /*dir*/, bool /*flag*/) {
  return db_->QueryInt(
             "SELECT EXISTS(SELECT 1 FROM classified) OR EXISTS(SELECT 1 FROM loose_quota) OR "
             "EXISTS(SELECT 1 FROM other_item) OR EXISTS(SELECT 1 FROM quota_result) OR "
             "EXISTS(SELECT 1 FROM other_quota_result)",
             0) != 0;
}

bool CalDatabase::BeginRead() {
  if (reading_) return true;
  open_failure.clear();
  // A deferred transaction takes its lock at the first read; reading the
  // schema now fixes the state the whole build sees, and fails on a file
  // that is damaged. The component index is read with it, so that a damaged
  // page of it fails the build before its tables change.
  if (!db_->Exec("BEGIN") || db_->QueryInt("SELECT count(*) FROM sqlite_master", -1) < 0 ||
      !LoadCompIndex()) {
    NoteFailure(*db_);
    db_->Exec("ROLLBACK");
    return false;
  }
  reading_ = true;
  return true;
}

void CalDatabase::EndRead() {
  if (!reading_) return;
  db_->Exec("COMMIT");
  reading_ = false;
}

bool CalDatabase::GetFloorAreas(std::vector<SNYFloorAreaRecord>& out) {
  SqliteStatement rows = db_->Prepare("SELECT floor, kind, value FROM floor_area ORDER BY rowid");
  if (!rows.Ok()) return false;
  while (rows.Step()) {
    SNYFloorAreaRecord& record = out.emplace_back();
    record.floor = Wide(rows.Text(0));
    record.kind = Wide(rows.Text(1));
    record.value = rows.Double(2);
  }
  return rows.Done();
}

bool CalDatabase::GetDoorWindows(std::vector<SNYDoorWindowRecord>& out) {
  SqliteStatement rows =
      db_->Prepare("SELECT type, floor, type_name, position, key FROM door_window ORDER BY rowid");
  if (!rows.Ok()) return false;
  while (rows.Step()) {
    SNYDoorWindowRecord& record = out.emplace_back();
    record.type = static_cast<int>(rows.Int(0));
    record.floor = Wide(rows.Text(1));
    record.typeName = Wide(rows.Text(2));
    record.position = Wide(rows.Text(3));
    record.key = Wide(rows.Text(4));
  }
  return rows.Done();
}

bool CalDatabase::EachClassified(RecordTable table, const EntryVisitor& visit) {
  EntryRows rows(true, key_texts_, key_lists_);
  // The role and the id are read as integers.
  if (!EachRecordColumns(SelectRecords(table, true), 2,
                         [&](const StoredRow& row) { rows.Read(row, visit); })) {
    return false;
  }
  rows.Finish(visit);
  return true;
}

bool CalDatabase::FileClassified(RecordTable table, const EntryKeysVisitor& file) {
  const auto file_keys = [&file](SNYTJQdDeClassResult&, const EntryKeys& keys) { file(keys); };
  EntryRows rows(false, key_texts_, key_lists_);
  if (!EachRecordColumns(SelectRecords(table, true), 2,
                         [&](const StoredRow& row) { rows.Read(row, file_keys); })) {
    return false;
  }
  rows.Finish(file_keys);
  return true;
}

std::string CalDatabase::SelectRecords(RecordTable table, bool with_role,
                                       std::string_view where) const {
  std::string sql = "SELECT ";
  if (with_role) sql += "role, ";
  sql += kRecordColumns;
  sql += " FROM ";
  sql += RecordTableName(table);
  sql += where;
  sql += " ORDER BY rowid";
  return sql;
}

bool CalDatabase::EachRecordColumns(const std::string& sql, int int_columns,
                                    const std::function<void(const StoredRow&)>& visit) {
  RowReadAheadOptions options;
  options.packed_texts = record_texts_;
  try {
    return EachRowReadAhead(RowSource(), sql, int_columns, visit, options);
  } catch (const DamagedRow&) {
    return false;
  }
}

bool CalDatabase::EachRecordRow(const std::string& sql, const RecordRowVisitor& visit) {
  // The id is read as an integer.
  return EachRecordColumns(sql, 1, visit);
}

CalDatabase::RecordRowVisitor CalDatabase::WholeRecords(const RecordVisitor& file) {
  struct Read {
    RecordRowReader reader;
    TJQd record;
    RecordKeys keys;
  };
  auto read = std::make_shared<Read>(Read{RecordRowReader(key_texts_, key_lists_), {}, {}});
  return [read, &file](const StoredRow& row) {
    read->reader.Read(row, 0, read->record, read->keys);
    file(read->record, read->keys);
  };
}

CalDatabase::RecordRowVisitor CalDatabase::RecordKeysOnly(const KeysVisitor& file) {
  struct Read {
    RecordRowReader reader;
    RecordKeys keys;
  };
  auto read = std::make_shared<Read>(Read{RecordRowReader(key_texts_, key_lists_), {}});
  return [read, &file](const StoredRow& row) {
    read->reader.ReadKeysAndCalcItem(row, 0, read->keys);
    file(read->keys);
  };
}

bool CalDatabase::EachRecord(RecordTable table, const RecordVisitor& file) {
  return EachRecordRow(SelectRecords(table, false), WholeRecords(file));
}

bool CalDatabase::EachRecordKeys(RecordTable table, const KeysVisitor& file) {
  return EachRecordRow(SelectRecords(table, false), RecordKeysOnly(file));
}

bool CalDatabase::EachQuotaResult(bool other_items, const RecordVisitor& file) {
  return EachQuotaRow(other_items, WholeRecords(file));
}

bool CalDatabase::EachQuotaResultKeys(bool other_items, const KeysVisitor& file) {
  return EachQuotaRow(other_items, RecordKeysOnly(file));
}

bool CalDatabase::EachQuotaRow(bool other_items, const RecordRowVisitor& visit) {
  const auto rows = [&](RecordTable table) {
    return EachRecordRow(SelectRecords(table, false), visit);
  };
  const auto quota_rows_of = [&](RecordTable classified) {
    return EachRecordRow(SelectRecords(classified, false, " WHERE role = 1"), visit);
  };
  std::string source;
  if (!Meta(other_items ? kMetaOtherQuotaResults : kMetaQuotaResults, source)) return false;
  if (other_items) {
    if (source == kSourceOtherItems) return quota_rows_of(RecordTable::kOtherItem);
    return rows(RecordTable::kOtherQuotaResult);
  }
  if (source == kSourceClassified) {
    return quota_rows_of(RecordTable::kClassified) && rows(RecordTable::kLooseQuota);
  }
  return rows(RecordTable::kQuotaResult);
}

bool CalDatabase::CountRows(RecordTable table, std::string_view where, std::size_t& count) {
  const std::string sql =
      std::string("SELECT count(*) FROM ") + RecordTableName(table) + std::string(where);
  // On the connection the rows are then stepped on: the pages a count maps
  // are those the reading maps again, and are not mapped twice.
  const long long rows = RowSource().QueryInt(sql.c_str(), -1);
  if (rows < 0) return false;
  count = static_cast<std::size_t>(rows);
  return true;
}

bool CalDatabase::CountRoleRows(RecordTable table, int role, std::size_t& count) {
  // SQLite counts a whole table by walking every page of it without decoding
  // a row: the damage check, at a fifth of the time of counting one role.
  std::size_t rows = 0;
  if (!CountRows(table, "", rows)) return false;
  std::size_t written[2] = {};
  bool known = true;
  for (const int written_role : {kRoleBill, kRoleQuota}) {
    std::string text;
    if (!Meta(RoleRowsKey(table, written_role).c_str(), text)) return false;
    const auto [end, error] =
        std::from_chars(text.data(), text.data() + text.size(), written[written_role]);
    known = known && !text.empty() && error == std::errc() && end == text.data() + text.size();
  }
  if (known && written[kRoleBill] + written[kRoleQuota] == rows) {
    count = written[role];
    return true;
  }
  return CountRows(table, " WHERE role = " + std::to_string(role), count);
}

bool CalDatabase::CountEntries(RecordTable table, std::size_t& count) {
  if (table == RecordTable::kClassified || table == RecordTable::kOtherItem) {
    return CountRoleRows(table, kRoleBill, count);
  }
  return CountRows(table, "", count);
}

bool CalDatabase::CountQuotaResults(bool other_items, std::size_t& count) {
  std::string source;
  if (!Meta(other_items ? kMetaOtherQuotaResults : kMetaQuotaResults, source)) return false;
  if (other_items) {
    return source == kSourceOtherItems ? CountRoleRows(RecordTable::kOtherItem, kRoleQuota, count)
                                       : CountEntries(RecordTable::kOtherQuotaResult, count);
  }
  if (source == kSourceClassified) {
    std::size_t loose = 0;
    if (!CountRoleRows(RecordTable::kClassified, kRoleQuota, count) ||
        !CountEntries(RecordTable::kLooseQuota, loose)) {
      return false;
    }
    count += loose;
    return true;
  }
  return CountEntries(RecordTable::kQuotaResult, count);
}

bool CalDatabase::ReadClassified(RecordTable table, std::vector<SNYTJQdDeClassResult>& out) {
  std::size_t count = 0;
  if (!CountEntries(table, count)) return false;
  out.reserve(out.size() + count);
  return EachClassified(table, [&](SNYTJQdDeClassResult& entry, const EntryKeys&) {
    out.push_back(std::move(entry));
  });
}

bool CalDatabase::ReadRecords(RecordTable table, std::vector<TJQd>& out) {
  std::size_t count = 0;
  if (!CountEntries(table, count)) return false;
  out.reserve(out.size() + count);
  return EachRecord(table,
                    [&](TJQd& record, const RecordKeys&) { out.push_back(std::move(record)); });
}

bool CalDatabase::ReadQuotaResults(std::vector<TJQd>& out) {
  return EachQuotaResult(
      false, [&](TJQd& record, const RecordKeys&) { out.push_back(std::move(record)); });
}

bool CalDatabase::ReadOtherQuotaResults(std::vector<TJQd>& out) {
  return EachQuotaResult(
      true, [&](TJQd& record, const RecordKeys&) { out.push_back(std::move(record)); });
}

bool CalDatabase::ReadPartitions(std::set<CString>& out) {
  SqliteStatement rows = db_->Prepare("SELECT name FROM partition_name ORDER BY rowid");
  if (!rows.Ok()) return false;
  while (rows.Step()) out.insert(CString(Wide(rows.Text(0))));
  return rows.Done();
}

bool CalDatabase::ReadFloors(std::vector<CString>& out) {
  SqliteStatement rows = db_->Prepare("SELECT name FROM calc_floor ORDER BY rowid");
  if (!rows.Ok()) return false;
  while (rows.Step()) out.emplace_back(Wide(rows.Text(0)));
  return rows.Done();
}

bool CalDatabase::LoadCompIndex() {
  if (comp_index_loaded_) return true;
  SqliteStatement rows = db_->Prepare("SELECT comp_dir, idx, category FROM comp_index");
  if (!rows.Ok()) return false;
  while (rows.Step()) {
    comp_index_.emplace(Wide(rows.Text(0)), std::make_pair(Wide(rows.Text(1)), Wide(rows.Text(2))));
  }
  comp_index_loaded_ = rows.Done();
  return comp_index_loaded_;
}

bool CalDatabase::FindCompIndex(const std::wstring& compDir, std::wstring& index) {
  if (!LoadCompIndex()) return false;
  const auto found = comp_index_.find(compDir);
  if (found == comp_index_.end()) return false;
  index = found->second.first;
  return true;
}

bool CalDatabase::FindCompCategory(const std::wstring& compDir, std::wstring& category) {
  if (!LoadCompIndex()) return false;
  const auto found = comp_index_.find(compDir);
  if (found == comp_index_.end()) return false;
  category = found->second.second;
  return true;
}

bool CalDatabase::ReadPrices(const std::wstring& library, std::vector<SNYDePriceEntry>& out) {
  SqliteStatement rows = db_->Prepare(
      "SELECT code, name, unit, library, price FROM quota_price WHERE library = ?1 "
      "ORDER BY rowid");
  if (!rows.Ok()) return false;
  const std::string key = ToUtf8(library);
  rows.BindText(1, key);
  while (rows.Step()) {
    SNYDePriceEntry& entry = out.emplace_back();
    entry.id.code = Wide(rows.Text(0));
    entry.id.name = Wide(rows.Text(1));
    entry.id.unit = Wide(rows.Text(2));
    entry.id.library = Wide(rows.Text(3));
    entry.price = Wide(rows.Text(4));
  }
  return rows.Done();
}

bool CalDatabase::ReadChapters(bool bill, std::vector<ChapterRow>& out) {
  SqliteStatement rows = db_->Prepare(bill ? "SELECT prefix, name, order_id FROM bill_chapter"
                                           : "SELECT prefix, name, order_id FROM quota_chapter");
  if (!rows.Ok()) return false;
  while (rows.Step()) {
    out.push_back({Wide(rows.Text(0)), Wide(rows.Text(1)), Wide(rows.Text(2))});
  }
  return rows.Done();
}

bool CalDatabase::WriteCategoryConfig(const IDMProjectAccess::CategoryConfig& config) {
  if (!db_->Exec("BEGIN")) return false;
  SqliteStatement insert = db_->Prepare("INSERT INTO category_show(category, name) VALUES(?1, ?2)");
  SqliteStatement mark =
      db_->Prepare("INSERT OR REPLACE INTO meta(key, value) VALUES('category_show', 'set')");
  bool ok = insert.Ok() && mark.Ok() && db_->Exec("DELETE FROM category_show") && mark.Run();
  for (const auto& [category, names] : config) {
    if (!ok) break;
    const std::string category_text = ToUtf8(category);
    insert.BindText(1, category_text);
    if (names.empty()) {
      ok = insert.Run();  // a category with an empty set: name stays NULL
      continue;
    }
    for (const std::wstring& name : names) {
      const std::string name_text = ToUtf8(name);
      insert.BindText(1, category_text);
      insert.BindText(2, name_text);
      if (!(ok = insert.Run())) break;
    }
  }
  // A commit that a reader's lock outlasts leaves the transaction open: it
  // is rolled back, so that the next settings write starts afresh.
  if (ok && db_->Exec("COMMIT")) return true;
  db_->Exec("ROLLBACK");
  return false;
}

bool CalDatabase::ReadCategoryConfig(IDMProjectAccess::CategoryConfig& config) {
  std::string written;
  if (!Meta(kMetaCategoryShow, written) || written.empty()) return false;
  SqliteStatement rows = db_->Prepare("SELECT category, name FROM category_show ORDER BY rowid");
  if (!rows.Ok()) return false;
  while (rows.Step()) {
    std::set<std::wstring>& names = config[Wide(rows.Text(0))];
    if (!rows.IsNull(1)) names.insert(Wide(rows.Text(1)));
  }
  return rows.Done();
}

bool CalDatabase::Meta(const char* key, std::string& value) {
  SqliteStatement row = db_->Prepare("SELECT value FROM meta WHERE key = ?1");
  if (!row.Ok()) return false;
  row.BindText(1, key);
  value.clear();
  if (row.Step()) {
    value = row.Text(0);
    return true;
  }
  return row.Done();  // no such row, or a read that failed
}

}  // namespace reportdata
