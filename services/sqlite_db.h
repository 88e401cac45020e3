// A thin owner of SQLite connections and prepared statements for the
// calculation database. Statements are prepared once and reset between rows,
// so a million-record load or import costs one prepare per statement.
#ifndef REPORTDATA_SERVICES_SQLITE_DB_H_
#define REPORTDATA_SERVICES_SQLITE_DB_H_

#include <sqlite3.h>

#include <memory>
#include <string>
#include <string_view>

namespace reportdata {

class SqliteStatement;

class SqliteDb {
 public:
  // Opens path with the sqlite3_open_v2 flags; null when it cannot be opened.
  // Without SQLITE_OPEN_FULLMUTEX the connection is for one thread at a time.
  static std::unique_ptr<SqliteDb> Open(const std::string& path, int flags);
  ~SqliteDb();
  SqliteDb(const SqliteDb&) = delete;
  SqliteDb& operator=(const SqliteDb&) = delete;

  // Runs statements without results; false on any error.
  bool Exec(const char* sql);
  // A prepared statement; its Ok() is false when sql does not compile.
  SqliteStatement Prepare(std::string_view sql);
  // The first column of the first row of a query as an integer; fallback
  // when there is no row or the query fails.
  long long QueryInt(const char* sql, long long fallback);
  std::string ErrorMessage() const;

  // Holds a serialized connection's mutex while it stands: another thread's
  // calls wait, this thread's own calls take it again at little cost. Does
  // nothing on a connection for one thread.
  class Hold {
   public:
    explicit Hold(SqliteDb& db) : mutex_(sqlite3_db_mutex(db.db_)) { sqlite3_mutex_enter(mutex_); }
    ~Hold() { sqlite3_mutex_leave(mutex_); }
    Hold(const Hold&) = delete;
    Hold& operator=(const Hold&) = delete;

   private:
    sqlite3_mutex* mutex_;
  };
  sqlite3* handle() const { return db_; }

 private:
  explicit SqliteDb(sqlite3* db) : db_(db) {}
  sqlite3* db_;
};

class SqliteStatement {
 public:
  SqliteStatement(sqlite3* db, std::string_view sql);
  ~SqliteStatement();
  SqliteStatement(SqliteStatement&& other) noexcept : stmt_(other.stmt_), status_(other.status_) {
    other.stmt_ = nullptr;
  }
  SqliteStatement(const SqliteStatement&) = delete;
  SqliteStatement& operator=(const SqliteStatement&) = delete;

  bool Ok() const { return stmt_ != nullptr; }
  // Parameters are numbered from 1; texts are copied by SQLite only when it
  // must, so the bound text must live until Step.
  void BindText(int index, std::string_view text);
  void BindInt(int index, long long value);
  void BindDouble(int index, double value);
  void BindBlob(int index, std::string_view bytes);
  // True while a row is available.
  bool Step();
  // Whether the last Step ran to the end of the rows; false after an error
  // such as a damaged page, which also ends a row loop.
  bool Done() const { return status_ == SQLITE_DONE; }
  // Runs a statement without results and resets it; false on error.
  bool Run();

  // Columns are numbered from 0.
  int ColumnCount() const { return sqlite3_column_count(stmt_); }
  std::string_view Text(int column) const;
  // Text with one call that takes the connection's mutex instead of two: it
  // reads the column through SQLite's unprotected value, so this thread must
  // hold the connection (SqliteDb::Hold) while it does.
  std::string_view HeldText(int column) const;
  // A blob column's bytes, as HeldText reads them.
  std::string_view HeldBlob(int column) const;
  long long Int(int column) const { return sqlite3_column_int64(stmt_, column); }
  double Double(int column) const { return sqlite3_column_double(stmt_, column); }
  bool IsNull(int column) const { return sqlite3_column_type(stmt_, column) == SQLITE_NULL; }

 private:
  sqlite3_stmt* stmt_ = nullptr;
  int status_ = SQLITE_OK;
};

}  // namespace reportdata

#endif  // REPORTDATA_SERVICES_SQLITE_DB_H_
