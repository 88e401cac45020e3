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
                        const RecordKeys& keys, BillOf&& bill_of, bool& created) {
  const auto hash = [&] {
    return BillItemHash(keys.bill_code, keys.bill_name, keys.bill_unit, keys.feature,
                        record.quotaFeatures.size());
  };
  const int found = FindFirst(
      items, index, hash,
      [&](const Item& item) {
        const SQdItemNode& bill = bill_of(item);
        return BillItemHash(bill.code, bill.name, bill.unit, bill.feature,
                            bill.quota_features.size());
      },
      [&](const Item& item) { return SameBillItem(bill_of(item), record, keys); });
  created = found < 0;
  if (found >= 0) return items[found];
  Item& item = items.emplace_back();
  FillBillItem(bill_of(item), record, keys);
  return item;
}

constexpr size_t kCodePrefixLength = 4;

}  // namespace

void ReportTables::AddClassifiedEntry(const SNYTJQdDeClassResult& entry, const EntryKeys& keys) {
  AddBillEntry(entry, keys);
}

void ReportTables::AddOtherItem(const SNYTJQdDeClassResult& entry, const EntryKeys& keys) {
  AddBillEntry(entry, keys);
}

void ReportTables::AddBillEntry(const SNYTJQdDeClassResult& entry, const EntryKeys& keys) {
  const TJQd& bill = entry.bill;
  const RecordKeys& bill_keys = keys.bill;
  const bool facade = IsFacadeTypePath(bill_keys.type_path);
  const PooledText bill_component = FiledComponentName(bill_keys, facade);
  const double bill_quantity = ParseQuantity(bill.quantity);
  const Chapter& chapter = BillChapter(bill_keys.bill_code);

  // Bill consumption: the bill item with the quota items it consumes.
  SQdXhlChapterNode& xhl_chapter = FindOrAddChapter(
      bill_consumption_.nodes, bill_consumption_.index, chapter.name, chapter.order_id);
  bool created = false;
  SQdXhlItemNode& xhl_item = FindOrAddBillItem(
      xhl_chapter.items, xhl_chapter.item_index, bill, bill_keys,
      [](auto& item) -> auto& { return item.bill; }, created);
  if (created && xhl_chapter.code_prefix.empty() &&
      bill.billCode.str().size() > kCodePrefixLength) {
    xhl_chapter.code_prefix = std::wstring_view(bill.billCode.str()).substr(0, kCodePrefixLength);
  }
  InsertIntoFloors(xhl_item.bill.floors, xhl_item.bill.floor_index, bill_keys, bill_component,
                   bill_keys.bill_unit, bill_quantity);

  // Bill summary: bill records without a name stay out of it.
  if (!bill.billName.IsEmpty()) {
    SQdChapterNode& summary_chapter =
        FindOrAddChapter(bill_summary_.nodes, bill_summary_.index, chapter.name, chapter.order_id);
    SQdItemNode& item = FindOrAddBillItem(
        summary_chapter.items, summary_chapter.item_index, bill, bill_keys,
        [](auto& node) -> auto& { return node; }, created);
    InsertIntoFloors(item.floors, item.floor_index, bill_keys, bill_component, bill_keys.bill_unit,
                     bill_quantity);
  }

  // The quotas: under the bill item of the bill consumption, and in the
  // consumption summary. Each tree gets them in entry order.
  for (size_t i = 0; i < entry.quotas.size(); ++i) {
    const TJQd& quota = entry.quotas[i];
    const RecordKeys& quota_keys = keys.quotas[i];
    const double quantity = ParseQuantity(quota.quantity);
    const PooledText component = FiledComponentName(quota_keys, facade);
    bool quota_created = false;
    SDeItemNode& item =
        FindOrAddQuotaItem(xhl_item.quotas, xhl_item.quota_index, quota, quota_keys, quota_created);
    if (quota_created) item.bill_code = bill_keys.bill_code;
    InsertIntoFloors(item.floors, item.floor_index, quota_keys, component, quota_keys.quota_unit,
                     quantity);
    AddToConsumptionSummary(quota, quota_keys, component, bill_keys.bill_code, quantity);
  }
}

void ReportTables::AddLooseQuota(const TJQd& record, const RecordKeys& keys) {
  if (record.kind.str() == L"1") return;
  AddToConsumptionSummary(record, keys, FiledComponentName(keys, IsFacadeTypePath(keys.type_path)),
                          keys.bill_code, ParseQuantity(record.quantity));
}

void ReportTables::AddToConsumptionSummary(const TJQd& record, const RecordKeys& keys,
                                           const PooledText& component_name,
                                           const PooledText& bill_code, double quantity) {
  const Chapter& chapter = QuotaChapter(keys);
  SDeChapterNode& summary_chapter = FindOrAddChapter(
      consumption_summary_.nodes, consumption_summary_.index, chapter.name, chapter.order_id);
  bool created = false;
  SDeItemNode& item =
      FindOrAddQuotaItem(summary_chapter.items, summary_chapter.item_index, record, keys, created);
  if (created) item.bill_code = bill_code;
  InsertIntoFloors(item.floors, item.floor_index, keys, component_name, keys.quota_unit, quantity);
}

}  // namespace reportdata
