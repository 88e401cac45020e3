#include "services/cal_writer.h"

#include <algorithm>

namespace reportdata {
namespace {

std::string InsertRecordSql(RecordTable table, bool with_role) {
  std::string sql = std::string("INSERT INTO ") + RecordTableName(table) + "(";
  if (with_role) sql += "role, ";
  sql += kRecordColumns;
  return sql + (with_role ? ") VALUES(?1, ?2, ?3)" : ") VALUES(?1, ?2)");
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
  ++role_rows_[other ? 1 : 0][role == kRoleBill ? 0 : 1];
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
  AddObject(door_window_, "door_window",
            {{"type", "type", ColumnKind::kInt},
             {"floor", "floor"},
             {"typeName", "type_name"},
             {"position", "position"},
             {"key", "key"}},
            value, place, place, "cannot be stored");
}

void CalWriter::AddFloorArea(const Json& value, const Place& place) {
  AddObject(floor_area_, "floor_area",
            {{"floor", "floor"}, {"kind", "kind"}, {"value", "value", ColumnKind::kNumber}}, value,
            place, place, "cannot be stored");
}

void CalWriter::AddCompIndex(const Json& value, const Place& place) {
  AddObject(comp_index_, "comp_index",
            {{"compDir", "comp_dir"}, {"index", "idx"}, {"category", "category"}}, value, place,
            place.Key("compDir"), "listed twice");
}

void CalWriter::AddPrice(const Json& value, const Place& place) {
  AddObject(price_, "quota_price",
            {{"library", "library"},
             {"code", "code"},
             {"name", "name"},
             {"unit", "unit"},
             {"price", "price"}},
            value, place, place, "cannot be stored");
}

void CalWriter::AddChapter(bool bill, const Json& value, const Place& place) {
  AddObject(bill ? bill_chapter_ : quota_chapter_, bill ? "bill_chapter" : "quota_chapter",
            {{"prefix", "prefix"}, {"name", "name"}, {"orderId", "order_id"}}, value, place,
            place.Key("prefix"), "listed twice");
}

void CalWriter::AddObject(std::unique_ptr<SqliteStatement>& slot, const char* table,
                          std::initializer_list<ObjectColumn> columns, const Json& value,
                          const Place& place, const Place& conflict,
                          std::string_view conflict_reason) {
  CheckIsObject(value, place);
  for (const auto& member : value.items()) {
    const std::string& key = member.key();
    const bool known = std::any_of(columns.begin(), columns.end(),
                                   [&](const ObjectColumn& column) { return key == column.key; });
    if (!known) Refuse(place.Key(key), "unknown key");
  }
  std::string sql;
  if (!slot) {
    std::string names, values;
    for (const ObjectColumn& column : columns) {
      names += (names.empty() ? "" : ", ") + std::string(column.column);
      values += (values.empty() ? "?" : ", ?") + std::to_string(&column - columns.begin() + 1);
    }
    sql = std::string("INSERT INTO ") + table + "(" + names + ") VALUES(" + values + ")";
  }
  SqliteStatement& insert = Statement(slot, sql);
  int index = 1;
  for (const ObjectColumn& column : columns) {
    if (column.kind == ColumnKind::kInt) {
      insert.BindInt(index++, IntMember(value, column.key, place, 0));
    } else if (column.kind == ColumnKind::kNumber) {
      insert.BindDouble(index++, NumberMember(value, column.key, place));
    } else {
      insert.BindText(index++, TextMember(value, column.key, place));
    }
  }
  Run(insert, conflict, conflict_reason);
}

void CalWriter::SetMeta(std::string_view key, std::string_view value) {
  SqliteStatement& insert =
      Statement(meta_, "INSERT OR REPLACE INTO meta(key, value) VALUES(?1, ?2)");
  insert.BindText(1, key);
  insert.BindText(2, value);
  Run(insert, kFileRoot, "cannot be stored");
}

void CalWriter::Commit() {
  for (const RecordTable table : {RecordTable::kClassified, RecordTable::kOtherItem}) {
    const auto& rows = role_rows_[table == RecordTable::kOtherItem ? 1 : 0];
    SetMeta(RoleRowsKey(table, kRoleBill), std::to_string(rows[0]));
    SetMeta(RoleRowsKey(table, kRoleQuota), std::to_string(rows[1]));
  }
  if (!binder_.key_texts().Write(*db_, kKeyTextTable) ||
      !binder_.key_lists().Write(*db_, kKeyListTable)) {
    throw ImportError(path_ + ": " + db_->ErrorMessage());
  }
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
