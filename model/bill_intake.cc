// Filing the bill/quota classification result into the bill summary, the
// bill consumption table and the consumption summary.
#include <string>

#include "keys/floor_text.h"
#include "model/report_tables.h"
#include "model/tree_insert.h"

namespace reportdata {
namespace {

template <typename Item, typename BillOf>
Item& FindOrAddBillItem(std::vector<Item>& items, HashIndex& index, const RecordKeys& keys,
                        BillOf&& bill_of, bool& created) {
  const auto hash = [&] {
    return BillItemHash(keys.bill_code, keys.bill_name, keys.bill_unit, keys.feature,
                        keys.quota_features.size());
  };
  const int found = FindFirst(
      items, index, hash,
      [&](const Item& item) {
        const SQdItemNode& bill = bill_of(item);
        return BillItemHash(bill.code, bill.name, bill.unit, bill.feature,
                            bill.quota_features.size());
      },
      [&](const Item& item) { return SameBillItem(bill_of(item), keys); });
  created = found < 0;
  if (found >= 0) return items[found];
  Item& item = items.emplace_back();
  FillBillItem(bill_of(item), keys);
  return item;
}

constexpr size_t kCodePrefixLength = 4;

}  // namespace

void ReportTables::AddClassifiedEntry(const EntryKeys& entry) { AddBillEntry(entry); }

void ReportTables::AddOtherItem(const EntryKeys& entry) { AddBillEntry(entry); }

void ReportTables::AddBillEntry(const EntryKeys& entry) {
  const RecordKeys& bill = entry.bill;
  const bool facade = IsFacadeTypePath(bill.type_path);
  const PooledText bill_component = FiledComponentName(bill, facade);
  const Chapter& chapter = BillChapter(bill.bill_code);

  // Bill consumption: the bill item with the quota items it consumes.
  SQdXhlChapterNode& xhl_chapter = FindOrAddChapter(
      bill_consumption_.nodes, bill_consumption_.index, chapter.name, chapter.order_id);
  bool created = false;
  SQdXhlItemNode& xhl_item = FindOrAddBillItem(
      xhl_chapter.items, xhl_chapter.item_index, bill,
      [](auto& item) -> auto& { return item.bill; }, created);
  if (created && xhl_chapter.code_prefix.empty() && bill.bill_code.size() > kCodePrefixLength) {
    xhl_chapter.code_prefix = std::wstring_view(bill.bill_code).substr(0, kCodePrefixLength);
  }
  // Bill records without a name stay out of the bill summary.
  if (bill.bill_name.empty() || !bill_parts_deferred_) {
    InsertIntoFloors(xhl_item.bill.floors, xhl_item.bill.floor_index, bill, bill_component,
                     bill.bill_unit, bill.quantity);
  }
  if (!bill.bill_name.empty()) {
    // The same chapter and item rules give the summary one item for each
    // named item of the bill consumption, created by the same entry.
    SQdChapterNode& summary_chapter =
        FindOrAddChapter(bill_summary_.nodes, bill_summary_.index, chapter.name, chapter.order_id);
    bool summary_created = false;
    SQdItemNode& item = FindOrAddBillItem(
        summary_chapter.items, summary_chapter.item_index, bill,
        [](auto& node) -> auto& { return node; }, summary_created);
    InsertIntoFloors(item.floors, item.floor_index, bill, bill_component, bill.bill_unit,
                     bill.quantity);
    if (created && bill_parts_deferred_) {
      const auto position = [](const auto& list, const auto& node) {
        return static_cast<uint32_t>(&node - list.data());
      };
      pending_bill_parts_.push_back(
          {position(bill_consumption_.nodes, xhl_chapter), position(xhl_chapter.items, xhl_item),
           position(bill_summary_.nodes, summary_chapter), position(summary_chapter.items, item)});
    }
  }

  // The quotas: under the bill item of the bill consumption, and in the
  // consumption summary. Each tree gets them in entry order.
  for (const RecordKeys& quota : entry.quotas) {
    const PooledText component = FiledComponentName(quota, facade);
    bool quota_created = false;
    SDeItemNode& item =
        FindOrAddQuotaItem(xhl_item.quotas, xhl_item.quota_index, quota, quota_created);
    if (quota_created) item.bill_code = bill.bill_code;
    InsertIntoFloors(item.floors, item.floor_index, quota, component, quota.quota_unit,
                     quota.quantity);
    AddToConsumptionSummary(quota, component, bill.bill_code);
  }
}

void ReportTables::FinishBillEntries() {
  for (const PendingBillPart& part : pending_bill_parts_) {
    const SQdItemNode& summary = bill_summary_.nodes[part.summary_chapter].items[part.summary_item];
    SQdItemNode& bill =
        bill_consumption_.nodes[part.consumption_chapter].items[part.consumption_item].bill;
    bill.floors = summary.floors;
    bill.floor_index = summary.floor_index;
  }
  pending_bill_parts_.clear();
  bill_parts_deferred_ = false;
}

void ReportTables::AddLooseQuota(const RecordKeys& record) {
  if (IsBillRecord(record)) return;
  AddToConsumptionSummary(record, FiledComponentName(record, IsFacadeTypePath(record.type_path)),
                          record.bill_code);
}

void ReportTables::AddToConsumptionSummary(const RecordKeys& record,
                                           const PooledText& component_name,
                                           const PooledText& bill_code) {
  const Chapter& chapter = QuotaChapter(record);
  SDeChapterNode& summary_chapter = FindOrAddChapter(
      consumption_summary_.nodes, consumption_summary_.index, chapter.name, chapter.order_id);
  bool created = false;
  SDeItemNode& item =
      FindOrAddQuotaItem(summary_chapter.items, summary_chapter.item_index, record, created);
  if (created) item.bill_code = bill_code;
  InsertIntoFloors(item.floors, item.floor_index, record, component_name, record.quota_unit,
                   record.quantity);
}

}  // namespace reportdata
