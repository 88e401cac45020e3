// Rows stepped on a second thread reach the calling thread whole and in
// order, however they fall into batches, and a failure on either side ends
// the reading.
#include "services/row_read_ahead.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "services/sqlite_db.h"

namespace reportdata {
namespace {

// Ten rows (n, text): row 3's text is NULL, row 4's empty, row 7's larger
// than a batch may hold.
std::unique_ptr<SqliteDb> TenRows() {
  auto db = SqliteDb::Open(":memory:", SQLITE_OPEN_READWRITE | SQLITE_OPEN_FULLMUTEX);
  EXPECT_TRUE(
      db->Exec("CREATE TABLE t(n INTEGER, text TEXT);"
               "WITH RECURSIVE k(n) AS (SELECT 1 UNION ALL SELECT n + 1 FROM k WHERE n < 10) "
               "INSERT INTO t SELECT n, CASE n WHEN 3 THEN NULL WHEN 4 THEN '' "
               "WHEN 7 THEN replace(hex(zeroblob(750000)), '0', 'x') ELSE '行' || n END FROM k"));
  return db;
}

std::string Expected(long long n) {
  if (n == 3 || n == 4) return "";
  if (n == 7) return std::string(1500000, 'x');
  return "行" + std::to_string(n);
}

RowReadAheadOptions Batches(size_t rows_per_batch) {
  RowReadAheadOptions options;
  options.rows_per_batch = rows_per_batch;
  options.batches = 2;
  return options;
}

TEST(RowReadAheadTest, RowsArriveWholeAndInOrderWhateverTheBatches) {
  auto db = TenRows();
  const std::vector<long long> all{1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
  for (size_t rows_per_batch : {1, 3, 256}) {
    std::vector<long long> seen;
    EXPECT_TRUE(EachRowReadAhead(
        *db, "SELECT n, n * 2, text, 'end' FROM t ORDER BY n", 2,
        [&](const StoredRow& row) {
          seen.push_back(row.Int(0));
          EXPECT_EQ(row.Int(1), row.Int(0) * 2);
          EXPECT_EQ(row.Text(2), Expected(row.Int(0)));
          EXPECT_EQ(row.Text(3), "end");
          // The filing may ask the connection other questions meanwhile.
          EXPECT_EQ(db->QueryInt("SELECT count(*) FROM t", -1), 10);
        },
        Batches(rows_per_batch)));
    EXPECT_EQ(seen, all) << rows_per_batch << " rows a batch";
  }
}

TEST(RowReadAheadTest, FailuresEndTheReading) {
  auto db = TenRows();
  int visited = 0;
  const auto count = [&](const StoredRow&) { ++visited; };
  EXPECT_FALSE(EachRowReadAhead(*db, "SELECT n FROM no_such_table", 1, count));
  // abs() of the smallest integer fails at row 5, after the rows before it.
  EXPECT_FALSE(EachRowReadAhead(
      *db,
      "SELECT n, CASE n WHEN 5 THEN abs(n - 5 - 9223372036854775807 - 1) END FROM t ORDER BY rowid",
      1, count, Batches(2)));
  EXPECT_EQ(visited, 4);
  EXPECT_THROW(EachRowReadAhead(*db, "SELECT n FROM t", 1,
                                [](const StoredRow& row) {
                                  if (row.Int(0) == 2) throw std::runtime_error("filing failed");
                                }),
               std::runtime_error);
  EXPECT_EQ(db->QueryInt("SELECT count(*) FROM t", -1), 10);
}

}  // namespace
}  // namespace reportdata
