#include "services/held_results.h"

#include "reportdata/services.h"

namespace reportdata {
namespace {

bool EachHeldEntry(const std::vector<SNYTJQdDeClassResult>& entries, const EntryKeysVisitor& file) {
  EntryKeys keys;  // refilled for every entry, its quota list reused
  for (const SNYTJQdDeClassResult& entry : entries) {
    KeysOf(entry, keys);
    file(keys);
  }
  return true;
}

bool EachHeldRecord(const std::vector<TJQd>& records, const KeysVisitor& file) {
  for (const TJQd& record : records) file(KeysOf(record));
  return true;
}

}  // namespace

bool HeldResults::AskBillResults(const CString& dir, SNYRAGetResultParam param) {
  if (!CNYRADealCalResult::GetQdDeClassResultData(dir, param, classified_, true)) return false;
  param.b4 = false;
  return CNYRADealCalResult::GetQTXMQdDeClassResult(dir, param, other_items_);
}

bool HeldResults::AskQuotaResults(const CString& dir, const SNYRAGetResultParam& param) {
  return CNYRADealCalResult::GetDeResultData(dir, param, quotas_, true) &&
         CNYRADealCalResult::GetQTXMDeResult(dir, param, other_quotas_);
}

bool HeldResults::ReadOutline(bool bill_side, RecordsOutline& outline) {
  outline.partitions = bill_side ? classified_.partitions : quotas_.partitions;
  outline.floors = bill_side ? classified_.floors : quotas_.floors;
  outline.count = bill_side ? classified_.items.size() : quotas_.quotas.size();
  return true;
}

bool HeldResults::EachEntry(const EntryKeysVisitor& file) {
  return EachHeldEntry(classified_.items, file);
}

bool HeldResults::EachLooseQuota(const KeysVisitor& file) {
  return EachHeldRecord(classified_.looseQuotas, file);
}

bool HeldResults::EachOtherItem(const EntryKeysVisitor& file) {
  return EachHeldEntry(other_items_.items, file);
}

bool HeldResults::EachQuota(const KeysVisitor& file) {
  return EachHeldRecord(quotas_.quotas, file);
}

bool HeldResults::EachOtherQuota(const KeysVisitor& file) {
  return EachHeldRecord(other_quotas_.quotas, file);
}

}  // namespace reportdata
