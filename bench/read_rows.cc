// Steps every row of a calculation database's classified table as a bill
// build does, on a reading thread that copies each row's columns for the
// calling thread, and files nothing: the floor that reading the records
// through SQLite sets under a bill build, timed as a process beside it.
// Usage: read_rows DATABASE
#include <cstdio>
#include <memory>
#include <string>

#include "services/cal_schema.h"
#include "services/row_read_ahead.h"
#include "services/sqlite_db.h"

int main(int argc, char** argv) {
  using namespace reportdata;
  if (argc != 2) {
    std::fprintf(stderr, "usage: read_rows DATABASE\n");
    return 2;
  }
  std::unique_ptr<SqliteDb> db =
      SqliteDb::Open(argv[1], SQLITE_OPEN_READONLY | SQLITE_OPEN_FULLMUTEX);
  if (!db || !db->Exec("PRAGMA mmap_size = 1073741824")) {
    std::fprintf(stderr, "cannot open %s\n", argv[1]);
    return 1;
  }
  const std::string sql =
      std::string("SELECT role, ") + kRecordColumns + " FROM classified ORDER BY rowid";
  size_t rows = 0;
  size_t bytes = 0;
  const bool read = EachRowReadAhead(*db, sql, 2, [&](const StoredRow& row) {
    ++rows;
    for (int column = 2; column <= kRecordColumnCount; ++column) bytes += row.Text(column).size();
  });
  if (!read) {
    std::fprintf(stderr, "cannot read %s\n", argv[1]);
    return 1;
  }
  std::printf("%zu rows, %zu bytes of text\n", rows, bytes);
  return 0;
}
