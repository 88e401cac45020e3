// The calculation results stored in a project's calculation database, handed
// to a build one record at a time while the rows are stepped, so that a build
// files each record as it is read instead of first holding every record of
// the project. Stands only while the built-in calculation-result service
// does: a host's service answers with its vectors (HeldResults). The
// database stays owned by the built-in director.
#ifndef REPORTDATA_SERVICES_STORED_RESULTS_H_
#define REPORTDATA_SERVICES_STORED_RESULTS_H_

#include <functional>
#include <memory>

#include "keys/record_keys.h"
#include "reportdata/records.h"
#include "services/calculation_records.h"

namespace reportdata {

class CalDatabase;

// A visitor gets the entry or record just read, with its keys, and may take
// its contents (move from it): the object is refilled for the next row.
using EntryVisitor = std::function<void(SNYTJQdDeClassResult&, const EntryKeys&)>;
using RecordVisitor = std::function<void(TJQd&, const RecordKeys&)>;

class StoredResults final : public CalculationRecords {
 public:
  // Null while a host's calculation-result service is installed, or when the
  // calculation database of project directory dir cannot be opened.
  static std::unique_ptr<StoredResults> Open(const CString& dir);

  bool ReadOutline(bool bill_side, RecordsOutline& outline) override;
  bool EachEntry(const EntryKeysVisitor& file) override;
  bool EachLooseQuota(const KeysVisitor& file) override;
  bool EachOtherItem(const EntryKeysVisitor& file) override;
  // The quota results (GetDeResultData) and those of the other items
  // (GetQTXMDeResult), in stored order.
  bool EachQuota(const KeysVisitor& file) override;
  bool EachOtherQuota(const KeysVisitor& file) override;

 private:
  explicit StoredResults(CalDatabase& db) : db_(db) {}
  CalDatabase& db_;
};

}  // namespace reportdata

#endif  // REPORTDATA_SERVICES_STORED_RESULTS_H_
