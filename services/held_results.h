// The calculation results a host's calculation-result service answers with,
// held whole, handed to a build as the stored ones are: each record's fields
// are interned into keys as the record is handed out. The object owns the
// answers; the entry lists stay open to the host's list dialog, which may
// change them before the build.
#ifndef REPORTDATA_SERVICES_HELD_RESULTS_H_
#define REPORTDATA_SERVICES_HELD_RESULTS_H_

#include <vector>

#include "reportdata/records.h"
#include "services/calculation_records.h"

namespace reportdata {

class HeldResults final : public CalculationRecords {
 public:
  // Asks the service for the results of project directory dir: those of a
  // bill build (the classification, then the other items with b4 cleared),
  // or those of a quota build (the quota results, then those of the other
  // items). False as soon as an answer is false; the call after it is not
  // made.
  bool AskBillResults(const CString& dir, SNYRAGetResultParam param);
  bool AskQuotaResults(const CString& dir, const SNYRAGetResultParam& param);

  // The entries of the classification and of the other items.
  std::vector<SNYTJQdDeClassResult>& entries() { return classified_.items; }
  std::vector<SNYTJQdDeClassResult>& other_items() { return other_items_.items; }

  // The partitions and floors of the classification, or of the quota
  // results; never false.
  bool ReadOutline(bool bill_side, RecordsOutline& outline) override;
  bool EachEntry(const EntryKeysVisitor& file) override;
  bool EachLooseQuota(const KeysVisitor& file) override;
  bool EachOtherItem(const EntryKeysVisitor& file) override;
  bool EachQuota(const KeysVisitor& file) override;
  bool EachOtherQuota(const KeysVisitor& file) override;

 private:
  SNYRAQdDeClassResultInfo classified_;  // with the loose quota records
  SNYRAQdDeClassResultInfo other_items_;
  SNYRADeResultInfo quotas_;
  SNYRADeResultInfo other_quotas_;
};

}  // namespace reportdata

#endif  // REPORTDATA_SERVICES_HELD_RESULTS_H_
