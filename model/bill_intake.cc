// Filing the bill/quota classification result into the bill summary, the
// bill consumption table and the consumption summary.
#include <string>

#include "model/floor_text.h"
#include "model/report_tables.h"
#include "model/tree_insert.h"

namespace reportdata {
namespace {

template <typename Item, typename BillOf>
Item& FindOrAddBillItem(std::vector<Item>& items, HashIndex& index, const TJQd& record,
                        BillOf&& bill_of, bool& created) {
  const auto hash = [&] {
    return BillItemHash(record.billCode.str(), record.billName.str(), record.billUnit.str(),
                        record.feature.str(), record.quotaFeatures.size());
  };
  const int found = FindFirst(
      items, index, hash,
      [&](const Item& item) {
        const SQdItemNode& bill = bill_of(item);
        return BillItemHash(bill.code, bill.name, bill.unit, bill.feature,
                            bill.quota_features.size());
      },
      [&](const Item& item) { return SameBillItem(bill_of(item), record); });
  created = found < 0;
  if (found >= 0) return items[found];
  Item& item = items.emplace_back();
  FillBillItem(bill_of(item), record);
  return item;
}

constexpr size_t kCodePrefixLength = 4;

}  // namespace

void ReportTables::AddClassifiedEntry(const SNYTJQdDeClassResult& entry) { AddBillEntry(entry); }

void ReportTables::AddOtherItem(const SNYTJQdDeClassResult& entry) { AddBillEntry(entry); }

void ReportTables::AddBillEntry(const SNYTJQdDeClassResult& entry) {
  const TJQd& bill = entry.bill;
  const bool facade = IsFacadeTypePath(bill.typePath.str());
  const ComponentName bill_component(bill, facade);
  const double bill_quantity = ParseQuantity(bill.quantity);
  const Chapter& chapter = BillChapter(bill.billCode);

  // Bill consumption: the bill item with the quota items it consumes.
  SQdXhlChapterNode& xhl_chapter = FindOrAddChapter(
      bill_consumption_.nodes, bill_consumption_.index, chapter.name, chapter.order_id);
  bool created = false;
  SQdXhlItemNode& xhl_item = FindOrAddBillItem(
      xhl_chapter.items, xhl_chapter.item_index, bill,
      [](auto& item) -> auto& { return item.bill; }, created);
  if (created && xhl_chapter.code_prefix.empty() &&
      bill.billCode.str().size() > kCodePrefixLength) {
    xhl_chapter.code_prefix = std::wstring_view(bill.billCode.str()).substr(0, kCodePrefixLength);
  }
  InsertIntoFloors(xhl_item.bill.floors, xhl_item.bill.floor_index, bill, bill_component.get(),
                   bill.billUnit.str(), bill_quantity);
  for (const TJQd& quota : entry.quotas) {
    const ComponentName quota_component(quota, facade);
    bool quota_created = false;
    SDeItemNode& item =
        FindOrAddQuotaItem(xhl_item.quotas, xhl_item.quota_index, quota, quota_created);
    if (quota_created) item.bill_code = bill.billCode.str();
    InsertIntoFloors(item.floors, item.floor_index, quota, quota_component.get(),
                     quota.quotaUnit.str(), ParseQuantity(quota.quantity));
  }

  // Bill summary: bill records without a name stay out of it.
  if (!bill.billName.IsEmpty()) {
    SQdChapterNode& summary_chapter =
        FindOrAddChapter(bill_summary_.nodes, bill_summary_.index, chapter.name, chapter.order_id);
    SQdItemNode& item = FindOrAddBillItem(
        summary_chapter.items, summary_chapter.item_index, bill,
        [](auto& node) -> auto& { return node; }, created);
    InsertIntoFloors(item.floors, item.floor_index, bill, bill_component.get(), bill.billUnit.str(),
                     bill_quantity);
  }

  // Consumption summary.
  for (const TJQd& quota : entry.quotas) {
    const ComponentName quota_component(quota, facade);
    AddToConsumptionSummary(quota, quota_component.get(), bill.billCode.str());
  }
}

void ReportTables::AddLooseQuota(const TJQd& record) {
  if (record.kind.str() == L"1") return;
  const ComponentName component(record, IsFacadeTypePath(record.typePath.str()));
  AddToConsumptionSummary(record, component.get(), record.billCode.str());
}

void ReportTables::AddToConsumptionSummary(const TJQd& record, std::wstring_view component_name,
                                           std::wstring_view bill_code) {
  const Chapter& chapter = QuotaChapter(record);
  SDeChapterNode& summary_chapter = FindOrAddChapter(
      consumption_summary_.nodes, consumption_summary_.index, chapter.name, chapter.order_id);
  bool created = false;
  SDeItemNode& item =
      FindOrAddQuotaItem(summary_chapter.items, summary_chapter.item_index, record, created);
  if (created) item.bill_code = bill_code;
  InsertIntoFloors(item.floors, item.floor_index, record, component_name, record.quotaUnit.str(),
                   ParseQuantity(record.quantity));
}

}  // namespace reportdata
