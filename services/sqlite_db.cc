#include "services/sqlite_db.h"

namespace reportdata {

std::unique_ptr<SqliteDb> SqliteDb::Open(const std::string& path, int flags) {
  sqlite3* db = nullptr;
  // A connection used from one thread goes without the connection mutex:
  // every column read of a million-row load is cheaper.
  if (!(flags & SQLITE_OPEN_FULLMUTEX)) flags |= SQLITE_OPEN_NOMUTEX;
  if (sqlite3_open_v2(path.c_str(), &db, flags, nullptr) != SQLITE_OK) {
    sqlite3_close(db);
    return nullptr;
  }
  return std::unique_ptr<SqliteDb>(new SqliteDb(db));
}

SqliteDb::~SqliteDb() { sqlite3_close(db_); }

bool SqliteDb::Exec(const char* sql) {
  return sqlite3_exec(db_, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
}

SqliteStatement SqliteDb::Prepare(std::string_view sql) { return SqliteStatement(db_, sql); }

long long SqliteDb::QueryInt(const char* sql, long long fallback) {
  SqliteStatement statement(db_, sql);
  if (!statement.Ok() || !statement.Step()) return fallback;
  return statement.Int(0);
}

std::string SqliteDb::ErrorMessage() const { return sqlite3_errmsg(db_); }

SqliteStatement::SqliteStatement(sqlite3* db, std::string_view sql) {
  if (sqlite3_prepare_v3(db, sql.data(), static_cast<int>(sql.size()), SQLITE_PREPARE_PERSISTENT,
                         &stmt_, nullptr) != SQLITE_OK) {
    sqlite3_finalize(stmt_);
    stmt_ = nullptr;
  }
}

SqliteStatement::~SqliteStatement() { sqlite3_finalize(stmt_); }

void SqliteStatement::BindText(int index, std::string_view text) {
  // An empty view may have no data pointer; bind "" rather than NULL.
  sqlite3_bind_text(stmt_, index, text.empty() ? "" : text.data(), static_cast<int>(text.size()),
                    SQLITE_STATIC);
}

void SqliteStatement::BindBlob(int index, std::string_view bytes) {
  // An empty blob is still a blob, not NULL.
  sqlite3_bind_blob(stmt_, index, bytes.empty() ? "" : bytes.data(), static_cast<int>(bytes.size()),
                    SQLITE_STATIC);
}

void SqliteStatement::BindInt(int index, long long value) {
  sqlite3_bind_int64(stmt_, index, value);
}

void SqliteStatement::BindDouble(int index, double value) {
  sqlite3_bind_double(stmt_, index, value);
}

bool SqliteStatement::Step() {
  status_ = stmt_ ? sqlite3_step(stmt_) : SQLITE_ERROR;
  return status_ == SQLITE_ROW;
}

bool SqliteStatement::Run() {
  if (!stmt_) return false;
  const int status = sqlite3_step(stmt_);
  sqlite3_reset(stmt_);
  sqlite3_clear_bindings(stmt_);
  return status == SQLITE_DONE;
}

namespace {

// The bytes of value that `data` points to, fetched as text or as a blob:
// sqlite3_value_bytes counts them once they are in that form.
std::string_view HeldBytes(sqlite3_value* value, const void* data) {
  if (!data) return {};
  return {static_cast<const char*>(data), static_cast<std::size_t>(sqlite3_value_bytes(value))};
}

}  // namespace

std::string_view SqliteStatement::HeldText(int column) const {
  sqlite3_value* value = sqlite3_column_value(stmt_, column);
  return HeldBytes(value, sqlite3_value_text(value));
}

std::string_view SqliteStatement::HeldBlob(int column) const {
  sqlite3_value* value = sqlite3_column_value(stmt_, column);
  return HeldBytes(value, sqlite3_value_blob(value));
}

std::string_view SqliteStatement::Text(int column) const {
  const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, column));
  if (!text) return {};
  return {text, static_cast<std::size_t>(sqlite3_column_bytes(stmt_, column))};
}

}  // namespace reportdata
