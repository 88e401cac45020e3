// Partition summaries: every item of a chapter tree with its quantity in each
// partition of the project, numbered across chapters.
#include "engine/partition_summary.h"

#include "keys/number_format.h"
#include "model/report_tables.h"
#include "model/tree_order.h"
#include "model/tree_quantity.h"
#include "rows/row_selection.h"

namespace reportdata {
namespace {

constexpr double kShownTotal = 1e-5;

class PartitionSummary {
 public:
  PartitionSummary(const std::set<CString>& partitions, CArray<FenQuQdHZInfo>& out)
      : partitions_(partitions), out_(out) {
    out_.RemoveAll();
  }

  FenQuQdHZInfo& StartChapter(const std::wstring& name) {
    FenQuQdHZInfo& chapter = out_.items().emplace_back();
    chapter.chapterName = CString(name);
    return chapter;
  }

  void AddItem(FenQuQdHZInfo& chapter, std::wstring_view code, std::wstring_view name,
               std::wstring_view unit, std::wstring&& description,
               const std::vector<SQdFloorNode>& floors) {
    FenQuDeInfo& info = chapter.items.items().emplace_back();
    info.number = CString(FormatInt(++sequence_));
    info.code = CString(code);
    info.name = CString(name);
    info.unit = CString(unit);
    info.description = CString(std::move(description));
    double total = 0.0;
    for (const CString& partition : partitions_) {
      FenQuSGDInfo& share = info.partitions.items().emplace_back();
      share.name = partition;
      const ItemSum sum = SumFloors(floors, RowFilter{partition.str(), nullptr});
      if (!sum.visible) continue;
      share.quantity = CString(FormatQuantity(sum.quantity));
      total += sum.quantity;
    }
    if (total > kShownTotal) info.total = CString(FormatQuantity(total));
  }

 private:
  const std::set<CString>& partitions_;
  CArray<FenQuQdHZInfo>& out_;
  int sequence_ = 0;
};

void SummariseQuotaChapters(std::vector<SDeChapterNode>& chapters, HashIndex& index,
                            PartitionSummary& summary) {
  SortChapters(chapters, index);
  for (SDeChapterNode& chapter : chapters) {
    FenQuQdHZInfo& info = summary.StartChapter(chapter.name);
    SortQuotaItems(chapter);
    for (const SDeItemNode& item : chapter.items) {
      summary.AddItem(info, item.code, item.name, item.unit, CategoryText(item.categories),
                      item.floors);
    }
  }
}

}  // namespace

void SummariseBillPartitions(ReportTables& tables, const std::set<CString>& partitions,
                             bool from_bills, CArray<FenQuQdHZInfo>& out) {
  PartitionSummary summary(partitions, out);
  if (!from_bills) {
    auto& consumption = tables.consumption_summary_tree();
    SummariseQuotaChapters(consumption.nodes, consumption.index, summary);
    return;
  }
  auto& bills = tables.bill_consumption_tree();
  SortChapters(bills.nodes, bills.index);
  for (SQdXhlChapterNode& chapter : bills.nodes) {
    FenQuQdHZInfo& info = summary.StartChapter(chapter.name);
    SortBillItems(chapter);
    for (const SQdXhlItemNode& item : chapter.items) {
      const SQdItemNode& bill = item.bill;
      summary.AddItem(info, bill.code, bill.name, bill.unit, std::wstring(bill.feature),
                      bill.floors);
    }
  }
}

void SummariseQuotaPartitions(ReportTables& tables, const std::set<CString>& partitions,
                              CArray<FenQuQdHZInfo>& out) {
  PartitionSummary summary(partitions, out);
  auto& quotas = tables.quota_summary_tree();
  SummariseQuotaChapters(quotas.nodes, quotas.index, summary);
}

}  // namespace reportdata
