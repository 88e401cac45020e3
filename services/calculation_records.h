// The one way a build takes the project's calculation results: the records
// pulled one at a time as keys, whether they are stored in the project's
// calculation database (StoredResults) or answered whole by a host's
// calculation-result service (HeldResults). A build reads the outline first,
// before it changes a table, then files each kind of record in one loop on
// the calling thread, in the order the records are handed out.
#ifndef REPORTDATA_SERVICES_CALCULATION_RECORDS_H_
#define REPORTDATA_SERVICES_CALCULATION_RECORDS_H_

#include <cstddef>
#include <functional>
#include <memory>
#include <set>
#include <vector>

#include "keys/record_keys.h"
#include "reportdata/framework.h"
#include "reportdata/records.h"

namespace reportdata {

// Gets the keys of each record, its calculation item included.
using KeysVisitor = std::function<void(const RecordKeys&)>;
// Gets the keys of each entry, all that a build files it by: its bill
// record's calculation item included.
using EntryKeysVisitor = std::function<void(const EntryKeys&)>;

// What a build reads of its records before it changes a table.
struct RecordsOutline {
  std::set<CString> partitions;  // the project's partition names
  std::vector<CString> floors;   // the project's floor list, in its order
  // The classified entries of a bill build, or the quota results of a
  // quota build: the records its progress count counts.
  std::size_t count = 0;
};

class CalculationRecords {
 public:
  virtual ~CalculationRecords() = default;

  // The outline of a bill build (bill_side) or a quota build. The stored
  // records are counted row by row, so that most damage is found here: false
  // then, or when the partitions or floors cannot be read.
  virtual bool ReadOutline(bool bill_side, RecordsOutline& outline) = 0;

  // Each hands `file` the keys of every record of its kind, in order, on the
  // calling thread; false when a read failed part way, after the records
  // before the damage were handed out. The bill side: the classified
  // entries, the loose quota records and the other items.
  virtual bool EachEntry(const EntryKeysVisitor& file) = 0;
  virtual bool EachLooseQuota(const KeysVisitor& file) = 0;
  virtual bool EachOtherItem(const EntryKeysVisitor& file) = 0;
  // The quota side: the quota results and those of the other items.
  virtual bool EachQuota(const KeysVisitor& file) = 0;
  virtual bool EachOtherQuota(const KeysVisitor& file) = 0;
};

// The records a build of the bill side (bill_side) or of the quota side of
// project directory dir files: the stored ones while the built-in
// calculation-result service stands and the database opens, else the
// answers of the service to param, held whole. Null when the service
// answers false.
std::unique_ptr<CalculationRecords> PullRecords(const CString& dir, bool bill_side,
                                                const SNYRAGetResultParam& param);

}  // namespace reportdata

#endif  // REPORTDATA_SERVICES_CALCULATION_RECORDS_H_
