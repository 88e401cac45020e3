#include "services/calculation_records.h"

#include "services/held_results.h"
#include "services/stored_results.h"

namespace reportdata {

std::unique_ptr<CalculationRecords> PullRecords(const CString& dir, bool bill_side,
                                                const SNYRAGetResultParam& param) {
  if (std::unique_ptr<StoredResults> stored = StoredResults::Open(dir)) return stored;
  auto held = std::make_unique<HeldResults>();
  const bool asked =
      bill_side ? held->AskBillResults(dir, param) : held->AskQuotaResults(dir, param);
  if (!asked) return nullptr;
  return held;
}

}  // namespace reportdata
