// The keys of bill rows read on the reading thread, handed on to the filing
// thread in row order. A bill build reads the keys of each bill row on the
// reading thread for the cloud-index data and the index analysis, which it
// files beside the filing; they are the keys the filing would read from the
// same row, so the filing takes them instead of reading the row again. The
// reading thread reads a bill row's keys into the next entry of a ring
// before the row's batch is handed to the filing
// (RowReadAheadOptions::beside); the filing takes the entry when it reaches
// the row, reads the keys of the entry's quota rows into it, and files it
// from there. The hand-over of the batch orders the two threads. No more
// rows are in flight than the read ahead holds, and the ring holds twice as
// many entries, so the reading thread never writes an entry the filing has
// not finished with.
#ifndef REPORTDATA_SERVICES_HANDED_ENTRIES_H_
#define REPORTDATA_SERVICES_HANDED_ENTRIES_H_

#include <cstddef>
#include <vector>

#include "model/record_keys.h"

namespace reportdata {

class HandedEntries {
 public:
  // rows_in_flight: RowReadAheadOptions::RowsInFlight of the reading.
  explicit HandedEntries(size_t rows_in_flight) : entries_(2 * rows_in_flight) {}

  // On the reading thread: the place of the keys of its next bill row,
  // holding those of an earlier row, to be read over whole.
  RecordKeys& NextBill() { return entries_[kept_++ % entries_.size()].bill; }

  // On the filing thread: the entry of its next bill row, the bill's keys
  // kept, its quotas those of the entry that held the place before.
  EntryKeys& TakeNext() { return entries_[taken_++ % entries_.size()]; }

 private:
  std::vector<EntryKeys> entries_;
  size_t kept_ = 0;   // the reading thread's alone
  size_t taken_ = 0;  // the filing thread's alone
};

}  // namespace reportdata

#endif  // REPORTDATA_SERVICES_HANDED_ENTRIES_H_
