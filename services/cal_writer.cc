#include "services/cal_writer.h"

namespace reportdata {
namespace {

std::string InsertRecordSql(RecordTable table, bool with_role) {
  std::string sql = std::string("INSERT INTO ") + RecordTableName(table) + "(";
  if (with_role) sql += "role, ";
  sql += kRecordColumns;
  sql += ") VALUES(";
  const int count = kRecordColumnCount + (with_role ? 1 : 0);
  for (int i = 1; i <= count; ++i) sql += (i == 1 ? "?" : ", ?") + std::to_string(i);
  return sql + ")";
}

}  // namespace

CalWriter::CalWriter(const std::string& path) : path_(path) {
  db_ = SqliteDb::Open(path, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
  // The file is thrown away unless the import succeeds, so it needs no
  // journal and no syncing while it is written.
  if (!db_ || !db_->Exec("PRAGMA journal_mode = OFF; PRAGMA synchronous = OFF;") ||
      !db_->Exec(kCreateSchema) || !db_->Exec("BEGIN")) {
    throw ImportError(path + ": cannot create the calculation database" +
                      (db_ ? ": " + db_->ErrorMessage() : std::string()));
  }
}

CalWriter::~CalWriter() = default;

SqliteStatement& CalWriter::Statement(std::unique_ptr<SqliteStatement>& slot,
                                      const std::string& sql) {
  if (!slot) {
    slot = std::make_unique<SqliteStatement>(db_->Prepare(sql));
    if (!slot->Ok()) throw ImportError(path_ + ": " + db_->ErrorMessage());
  }
  return *slot;
}

void CalWriter::Run(SqliteStatement& statement, const Place& place,
                    std::string_view duplicate_reason) {
  if (statement.Run()) return;
  if (sqlite3_errcode(db_->handle()) == SQLITE_CONSTRAINT) Refuse(place, duplicate_reason);
  throw ImportError(path_ + ": " + db_->ErrorMessage());
}

void CalWriter::AddClassified(RecordTable table, int role, const Json& record, const Place& place) {
  const bool other = table == RecordTable::kOtherItem;
  SqliteStatement& insert = Statement(classified_[other ? 1 : 0], InsertRecordSql(table, true));
  insert.BindInt(1, role);
  binder_.Bind(record, place, insert, 2);
  Run(insert, place, "cannot be stored");
}

void CalWriter::AddRecord(RecordTable table, const Json& record, const Place& place) {
  const int slot = table == RecordTable::kLooseQuota    ? 0
                   : table == RecordTable::kQuotaResult ? 1
                                                        : 2;
  SqliteStatement& insert = Statement(records_[slot], InsertRecordSql(table, false));
  binder_.Bind(record, place, insert, 1);
  Run(insert, place, "cannot be stored");
}

void CalWriter::AddPartition(std::string_view name, const Place& place) {
  SqliteStatement& insert = Statement(partition_, "INSERT INTO partition_name(name) VALUES(?1)");
  insert.BindText(1, name);
  Run(insert, place, "cannot be stored");
}

void CalWriter::AddFloor(std::string_view name, const Place& place) {
  SqliteStatement& insert = Statement(floor_, "INSERT INTO calc_floor(name) VALUES(?1)");
  insert.BindText(1, name);
  Run(insert, place, "cannot be stored");
}

void CalWriter::AddDoorWindow(const Json& value, const Place& place) {
  CheckObject(value, place, {"type", "floor", "typeName", "position", "key"});
  SqliteStatement& insert = Statement(
      door_window_,
      "INSERT INTO door_window(type, floor, type_name, position, key) VALUES(?1, ?2, ?3, ?4, ?5)");
  insert.BindInt(1, IntMember(value, "type", place, 0));
  insert.BindText(2, TextMember(value, "floor", place));
  insert.BindText(3, TextMember(value, "typeName", place));
  insert.BindText(4, TextMember(value, "position", place));
  insert.BindText(5, TextMember(value, "key", place));
  Run(insert, place, "cannot be stored");
}

void CalWriter::AddFloorArea(const Json& value, const Place& place) {
  CheckObject(value, place, {"floor", "kind", "value"});
  SqliteStatement& insert =
      Statement(floor_area_, "INSERT INTO floor_area(floor, kind, value) VALUES(?1, ?2, ?3)");
  insert.BindText(1, TextMember(value, "floor", place));
  insert.BindText(2, TextMember(value, "kind", place));
  insert.BindDouble(3, NumberMember(value, "value", place));
  Run(insert, place, "cannot be stored");
}

void CalWriter::AddCompIndex(const Json& value, const Place& place) {
  CheckObject(value, place, {"compDir", "index", "category"});
  SqliteStatement& insert =
      Statement(comp_index_, "INSERT INTO comp_index(comp_dir, idx, category) VALUES(?1, ?2, ?3)");
  insert.BindText(1, TextMember(value, "compDir", place));
  insert.BindText(2, TextMember(value, "index", place));
  insert.BindText(3, TextMember(value, "category", place));
  Run(insert, place.Key("compDir"), "listed twice");
}

void CalWriter::AddPrice(const Json& value, const Place& place) {
  CheckObject(value, place, {"library", "code", "name", "unit", "price"});
  SqliteStatement& insert = Statement(
      price_,
      "INSERT INTO quota_price(library, code, name, unit, price) VALUES(?1, ?2, ?3, ?4, ?5)");
  insert.BindText(1, TextMember(value, "library", place));
  insert.BindText(2, TextMember(value, "code", place));
  insert.BindText(3, TextMember(value, "name", place));
  insert.BindText(4, TextMember(value, "unit", place));
  insert.BindText(5, TextMember(value, "price", place));
  Run(insert, place, "cannot be stored");
}

void CalWriter::AddChapter(bool bill, const Json& value, const Place& place) {
  CheckObject(value, place, {"prefix", "name", "orderId"});
  SqliteStatement& insert =
      bill ? Statement(bill_chapter_,
                       "INSERT INTO bill_chapter(prefix, name, order_id) VALUES(?1, ?2, ?3)")
           : Statement(quota_chapter_,
                       "INSERT INTO quota_chapter(prefix, name, order_id) VALUES(?1, ?2, ?3)");
  insert.BindText(1, TextMember(value, "prefix", place));
  insert.BindText(2, TextMember(value, "name", place));
  insert.BindText(3, TextMember(value, "orderId", place));
  Run(insert, place.Key("prefix"), "listed twice");
}

void CalWriter::SetMeta(std::string_view key, std::string_view value) {
  SqliteStatement& insert =
      Statement(meta_, "INSERT OR REPLACE INTO meta(key, value) VALUES(?1, ?2)");
  insert.BindText(1, key);
  insert.BindText(2, value);
  Run(insert, kFileRoot, "cannot be stored");
}

void CalWriter::Commit() {
  classified_[0].reset();
  classified_[1].reset();
  for (auto& statement : records_) statement.reset();
  for (auto* slot : {&partition_, &floor_, &door_window_, &floor_area_, &comp_index_, &price_,
                     &bill_chapter_, &quota_chapter_, &meta_}) {
    slot->reset();
  }
  if (!db_->Exec("COMMIT")) throw ImportError(path_ + ": " + db_->ErrorMessage());
  db_.reset();
}

}  // namespace reportdata
