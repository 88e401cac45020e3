#include "services/row_read_ahead.h"

#include <algorithm>
#include <condition_variable>
#include <deque>
#include <exception>
#include <memory>
#include <mutex>
#include <system_error>
#include <thread>

#include "services/packed_texts.h"
#include "services/sqlite_db.h"

namespace reportdata {

// Rows as the reading thread copied them from the statement. Its buffers are
// kept from one use to the next, so a long read allocates only while the
// first batches grow.
class RowBatch {
 public:
  // columns: those of the statement; the last holds packed_texts texts when
  // that is nonzero.
  RowBatch(int columns, int int_columns, int packed_texts)
      : plain_columns_(packed_texts ? columns - 1 : columns),
        row_columns_(plain_columns_ + packed_texts),
        int_columns_(int_columns),
        packed_lengths_(packed_texts) {}

  void Clear() {
    ints_.clear();
    ends_.clear();
    bytes_.clear();
  }

  // Appends the statement's current row; false, appending nothing, when its
  // blob of texts is damaged. REQUIRES: this thread holds the connection.
  bool Append(const SqliteStatement& row) {
    std::string_view packed;
    if (!packed_lengths_.empty() &&
        !SplitPackedTexts(row.HeldBlob(plain_columns_), packed_lengths_, packed)) {
      return false;
    }
    for (int c = 0; c < int_columns_; ++c) ints_.push_back(row.Int(c));
    ends_.push_back(static_cast<uint32_t>(bytes_.size()));
    for (int c = 0; c < plain_columns_; ++c) {
      if (c >= int_columns_) bytes_.append(row.HeldText(c));
      ends_.push_back(static_cast<uint32_t>(bytes_.size()));
    }
    uint32_t end = static_cast<uint32_t>(bytes_.size());
    bytes_.append(packed);
    const size_t first = ends_.size();
    ends_.resize(first + packed_lengths_.size());
    uint32_t* ends = ends_.data() + first;
    for (const uint32_t length : packed_lengths_) *ends++ = end += length;
    return true;
  }

  size_t rows() const { return ends_.size() / (row_columns_ + 1); }
  size_t bytes() const { return bytes_.size(); }
  StoredRow Row(size_t i) const {
    return StoredRow(ints_.data() + i * int_columns_, ends_.data() + i * (row_columns_ + 1),
                     bytes_.data());
  }

 private:
  // The statement's columns before the blob of texts (all of them when
  // there is none), and the columns a row shows: those, then the texts.
  const int plain_columns_;
  const int row_columns_;
  const int int_columns_;
  std::vector<uint32_t> packed_lengths_;  // of the current row's packed texts
  std::vector<long long> ints_;
  std::vector<uint32_t> ends_;  // row_columns_ + 1 a row: its start, then each column's end
  std::string bytes_;
};

namespace {

// A batch is handed over once it holds this much text, whatever its row
// count: a few rows of huge lists do not hold the filing up, and the 32-bit
// offsets stay far from their limit.
constexpr size_t kBatchBytes = 1 << 20;

// Fills batch from the statement's next rows; false once the rows have
// ended (the batch may still hold some).
bool FillBatch(SqliteDb& db, SqliteStatement& rows, size_t rows_per_batch, RowBatch& batch) {
  // Held for the whole batch, the connection's mutex is taken again by each
  // call below without an atomic operation: about thirty calls a row.
  const SqliteDb::Hold hold(db);
  batch.Clear();
  while (batch.rows() < rows_per_batch && batch.bytes() < kBatchBytes) {
    if (!rows.Step() || !batch.Append(rows)) return false;
  }
  return true;
}

void VisitBatch(const RowBatch& batch, const std::function<void(const StoredRow&)>& visit) {
  for (size_t i = 0; i < batch.rows(); ++i) visit(batch.Row(i));
}

// The batches between the two threads. The reader takes a free batch, fills
// it and queues it full; the filing takes the oldest full batch and returns
// it free when its rows are filed.
class BatchQueue {
 public:
  BatchQueue(size_t count, int columns, int int_columns, int packed_texts) {
    for (size_t i = 0; i < count; ++i) {
      batches_.push_back(std::make_unique<RowBatch>(columns, int_columns, packed_texts));
      free_.push_back(batches_.back().get());
    }
  }

  // Null when the filing has stopped.
  RowBatch* TakeFree() {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [&] { return stopped_ || !free_.empty(); });
    if (stopped_) return nullptr;
    RowBatch* batch = free_.back();
    free_.pop_back();
    return batch;
  }
  void QueueFull(RowBatch* batch, bool last, bool ok) {
    {
      std::lock_guard lock(mutex_);
      full_.push_back(batch);
      ended_ = last;
      ok_ = ok;
    }
    changed_.notify_all();
  }
  // Ends the reading with what the reading thread threw (memory, mostly).
  void Fail(std::exception_ptr error) {
    {
      std::lock_guard lock(mutex_);
      error_ = std::move(error);
      ended_ = true;
    }
    changed_.notify_all();
  }
  // Null once the last batch has been taken.
  RowBatch* TakeFull() {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [&] { return ended_ || !full_.empty(); });
    if (full_.empty()) return nullptr;
    RowBatch* batch = full_.front();
    full_.pop_front();
    return batch;
  }
  void ReturnFree(RowBatch* batch) {
    {
      std::lock_guard lock(mutex_);
      free_.push_back(batch);
    }
    changed_.notify_all();
  }
  void Stop() {
    {
      std::lock_guard lock(mutex_);
      stopped_ = true;
    }
    changed_.notify_all();
  }
  // After the reading thread has ended: whether every row was read, or
  // what it threw.
  bool ok() {
    std::lock_guard lock(mutex_);
    if (error_) std::rethrow_exception(error_);
    return ok_;
  }

 private:
  std::vector<std::unique_ptr<RowBatch>> batches_;
  std::mutex mutex_;
  std::condition_variable changed_;
  std::vector<RowBatch*> free_;
  std::deque<RowBatch*> full_;
  bool ended_ = false;
  bool ok_ = true;
  std::exception_ptr error_;
  bool stopped_ = false;
};

// Stops and joins the reading thread however the filing ends.
class ReaderThread {
 public:
  ReaderThread(BatchQueue& queue, std::thread thread) : queue_(queue), thread_(std::move(thread)) {}
  ~ReaderThread() {
    queue_.Stop();
    thread_.join();
  }
  ReaderThread(const ReaderThread&) = delete;
  ReaderThread& operator=(const ReaderThread&) = delete;

 private:
  BatchQueue& queue_;
  std::thread thread_;
};

}  // namespace

bool EachRowReadAhead(SqliteDb& db, const std::string& sql, int int_columns,
                      const std::function<void(const StoredRow&)>& visit,
                      const RowReadAheadOptions& options) {
  SqliteStatement rows = db.Prepare(sql);
  if (!rows.Ok()) return false;
  const int columns = rows.ColumnCount();
  const size_t rows_per_batch = std::max<size_t>(options.rows_per_batch, 1);

  BatchQueue queue(std::max<size_t>(options.batches, 1), columns, int_columns,
                   options.packed_texts);
  const auto read = [&] {
    try {
      for (;;) {
        RowBatch* batch = queue.TakeFree();
        if (!batch) return;
        const bool more = FillBatch(db, rows, rows_per_batch, *batch);
        // The filing reads the batch now; this thread refills it only once
        // the filing has handed it back free.
        queue.QueueFull(batch, !more, more || rows.Done());
        if (!more) return;
      }
    } catch (...) {
      queue.Fail(std::current_exception());
    }
  };
  std::thread thread;
  try {
    thread = std::thread(read);
  } catch (const std::system_error&) {
    // No second thread: read and file in turn on this one.
    RowBatch batch(columns, int_columns, options.packed_texts);
    for (bool more = true; more;) {
      more = FillBatch(db, rows, rows_per_batch, batch);
      VisitBatch(batch, visit);
    }
    return rows.Done();
  }
  {
    ReaderThread reader(queue, std::move(thread));
    while (RowBatch* batch = queue.TakeFull()) {
      VisitBatch(*batch, visit);
      queue.ReturnFree(batch);
    }
  }
  return queue.ok();
}

}  // namespace reportdata
