// The calculation results stored in a project's calculation database, handed
// to a build one record at a time while the rows are stepped, so that a build
// files each record as it is read instead of first holding every record of
// the project. Stands only while the built-in calculation-result service
// does: a host's service answers with its vectors. The database stays owned
// by the built-in director.
#ifndef REPORTDATA_SERVICES_STORED_RESULTS_H_
#define REPORTDATA_SERVICES_STORED_RESULTS_H_

#include <cstddef>
#include <functional>
#include <memory>
#include <set>
#include <vector>

#include "keys/record_keys.h"
#include "reportdata/records.h"

namespace reportdata {

class CalDatabase;

// A visitor gets the entry or record just read, with its keys, and may take
// its contents (move from it): the object is refilled for the next row.
using EntryVisitor = std::function<void(SNYTJQdDeClassResult&, const EntryKeys&)>;
using RecordVisitor = std::function<void(TJQd&, const RecordKeys&)>;
// Gets the keys of each record, its calculation item included.
using KeysVisitor = std::function<void(const RecordKeys&)>;
// Gets the keys of each entry, all that a build files it by: its bill
// record's calculation item included.
using EntryKeysVisitor = std::function<void(const EntryKeys&)>;

class StoredResults {
 public:
  // Null while a host's calculation-result service is installed, or when the
  // calculation database of project directory dir cannot be opened.
  static std::unique_ptr<StoredResults> Open(const CString& dir);

  bool ReadPartitionsAndFloors(std::set<CString>& partitions, std::vector<CString>& floors);
  // The classified entries, or those of the other items, in stored order.
  // The counts read every row once: false when the database is damaged, so
  // that a build can refuse before it changes its tables.
  bool CountEntries(bool other_items, std::size_t& count);
  // `file` gets the keys of every entry, in order, on this thread.
  bool EachEntry(bool other_items, const EntryKeysVisitor& file);
  bool EachLooseQuota(const KeysVisitor& file);
  // The quota results (GetDeResultData), or those of the other items
  // (GetQTXMDeResult), in stored order.
  bool CountQuotaResults(bool other_items, std::size_t& count);
  bool EachQuotaResult(bool other_items, const KeysVisitor& file);

 private:
  explicit StoredResults(CalDatabase& db) : db_(db) {}
  CalDatabase& db_;
};

}  // namespace reportdata

#endif  // REPORTDATA_SERVICES_STORED_RESULTS_H_
