// Steps the rows of a large query on a second thread while the calling thread
// files the rows already read. Stepping SQLite's rows and reading their
// columns is about a quarter of a build; filing is the rest, so the two
// overlap. The second thread runs nothing of the build: it only copies each
// row's stored bytes into batches of contiguous memory, which the calling
// thread reads in order: the hand-over costs a few cache lines per row,
// where records of decoded texts cost their scattered allocations. While the rows are read the
// calling thread may use the connection only when it is serialized (SQLITE_OPEN_FULLMUTEX): the
// reading thread then holds the connection's mutex while it fills a batch,
// so the other questions wait for at most one batch. A connection for one
// thread at a time spares every column read its lock.
#ifndef REPORTDATA_SERVICES_ROW_READ_AHEAD_H_
#define REPORTDATA_SERVICES_ROW_READ_AHEAD_H_

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace reportdata {

class SqliteDb;

// One row of a batch, as stored: the leading integer columns, then texts.
class StoredRow {
 public:
  long long Int(int column) const { return ints_[column]; }
  std::string_view Text(int column) const {
    return {bytes_ + ends_[column], ends_[column + 1] - ends_[column]};
  }

 private:
  friend class RowBatch;
  StoredRow(const long long* ints, const uint32_t* ends, const char* bytes)
      : ints_(ints), ends_(ends), bytes_(bytes) {}
  const long long* ints_;
  // Column c's bytes are bytes_[ends_[c], ends_[c + 1]); an integer column
  // has none.
  const uint32_t* ends_;
  const char* bytes_;
};

struct RowReadAheadOptions {
  // Rows per batch, and batches read ahead of the filing.
  size_t rows_per_batch = 256;
  size_t batches = 4;
  // When nonzero, the statement's last column is a blob of that many texts
  // (services/packed_texts.h), which the rows show as columns of their own in
  // its place.
  int packed_texts = 0;
};

// Runs sql over db and calls visit for each row, in order, on the calling
// thread. Columns 0 .. int_columns - 1 are read as integers, the others as
// texts. False when sql does not compile, a step fails (a damaged page) or a
// blob of texts is not one: the rows visited before the failure stay
// visited. What visit throws ends the reading and is rethrown; so is what
// the reading thread throws (out of memory), once the rows read before it
// are visited.
bool EachRowReadAhead(SqliteDb& db, const std::string& sql, int int_columns,
                      const std::function<void(const StoredRow&)>& visit,
                      const RowReadAheadOptions& options = {});

}  // namespace reportdata

#endif  // REPORTDATA_SERVICES_ROW_READ_AHEAD_H_
