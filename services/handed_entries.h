// The keys of bill rows read on the reading thread, handed on to the filing
// thread in row order. A bill build reads the keys of each bill row on the
// reading thread for the cloud-index data and the index analysis, which it
// files beside the filing; they are the keys the filing would read from the
// same row, so the filing takes them instead of reading the row again. The
// reading thread reads a bill row's keys into the next entry of a ring
// before the row's batch is handed to the filing
// (RowReadAheadOptions::beside); the filing takes the entry when it reaches
// the row, reads the keys of the entry's quota rows into it, and files it
// from there. While the filing is behind, the reading thread reads the keys
// of an entry's quota rows too, and the filing takes them as they are. The
// hand-over of the batch orders the two threads. No more rows are in flight
// than the read ahead holds, and the ring holds twice as many entries, so
// the reading thread never writes an entry the filing has not finished
// with.
#ifndef REPORTDATA_SERVICES_HANDED_ENTRIES_H_
#define REPORTDATA_SERVICES_HANDED_ENTRIES_H_

#include <cstddef>
#include <vector>

#include "model/record_keys.h"

namespace reportdata {

class HandedEntries {
 public:
  // rows_in_flight: RowReadAheadOptions::RowsInFlight of the reading.
  explicit HandedEntries(size_t rows_in_flight) : slots_(2 * rows_in_flight) {}

  // On the reading thread: the entry of its next bill row, holding the keys
  // of an earlier entry, to be read over whole. With quotas_read, the
  // reading thread reads the keys of the entry's quota rows into its first
  // quotas, in row order.
  EntryKeys& NextBill(bool quotas_read) {
    Slot& slot = slots_[kept_++ % slots_.size()];
    slot.quotas_read = quotas_read;
    return slot.keys;
  }

  // On the filing thread: the entry of its next bill row, the bill's keys
  // kept. *quotas_read tells whether the keys of its quota rows are kept
  // too; if not, its quotas are those of the entry that held the place
  // before.
  EntryKeys& TakeNext(bool* quotas_read) {
    Slot& slot = slots_[taken_++ % slots_.size()];
    *quotas_read = slot.quotas_read;
    return slot.keys;
  }

 private:
  struct Slot {
    EntryKeys keys;
    bool quotas_read = false;
  };
  std::vector<Slot> slots_;
  size_t kept_ = 0;   // the reading thread's alone
  size_t taken_ = 0;  // the filing thread's alone
};

}  // namespace reportdata

#endif  // REPORTDATA_SERVICES_HANDED_ENTRIES_H_
