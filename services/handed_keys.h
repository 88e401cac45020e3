// The keys of rows read on the reading thread, handed on to the filing
// thread in row order. A bill build reads each bill row whole on the reading
// thread for the records it hands beside the filing (cloud-index data, index
// analysis); the keys that reading gives are the keys the filing would read
// from the same row, so the filing takes them instead of reading the row
// again. The reading thread keeps the keys of a row before the row's batch
// is handed to the filing (RowReadAheadOptions::beside), and the filing
// takes them when it reaches the row; the hand-over of the batch orders the
// two. No more rows are in flight than the read ahead holds, so a ring of
// that many keys is never overwritten before it is taken.
#ifndef REPORTDATA_SERVICES_HANDED_KEYS_H_
#define REPORTDATA_SERVICES_HANDED_KEYS_H_

#include <cstddef>
#include <utility>
#include <vector>

#include "model/record_keys.h"

namespace reportdata {

class HandedKeys {
 public:
  // rows_in_flight: RowReadAheadOptions::RowsInFlight of the reading.
  explicit HandedKeys(size_t rows_in_flight) : slots_(rows_in_flight) {}

  // On the reading thread: keeps a copy of the keys of its next row.
  void Keep(const RecordKeys& keys) { slots_[kept_++ % slots_.size()] = keys; }

  // On the filing thread: the keys kept for its next row, swapped into keys.
  void TakeInto(RecordKeys& keys) { std::swap(keys, slots_[taken_++ % slots_.size()]); }

 private:
  std::vector<RecordKeys> slots_;
  size_t kept_ = 0;   // the reading thread's alone
  size_t taken_ = 0;  // the filing thread's alone
};

}  // namespace reportdata

#endif  // REPORTDATA_SERVICES_HANDED_KEYS_H_
