// Chapter-based tables: chapters, bill items and quota items above the
// shared floor rows.
#include "rows/bill_rows.h"

#include <type_traits>

#include "keys/number_format.h"
#include "model/tree_order.h"
#include "model/tree_quantity.h"

namespace reportdata {
namespace {

bool Contains(std::wstring_view text, std::wstring_view part) {
  return text.find(part) != std::wstring_view::npos;
}

// The condition keeps a bill item whose name or feature description holds it.
bool ItemChosen(const SQdItemNode& item, std::wstring_view condition) {
  return condition.empty() || Contains(item.name, condition) || Contains(item.feature, condition);
}

// The condition keeps a quota item whose name or classification text holds it.
bool ItemChosen(const SDeItemNode& item, std::wstring_view condition) {
  return condition.empty() || Contains(item.name, condition) ||
         Contains(CategoryText(item.categories), condition);
}

bool ChapterChosen(std::wstring_view chapter, const ChapterChoice& choice) {
  return choice.name.empty() || chapter == choice.name;
}

// Bill consumption: a bill item shows when its own floors or one of its
// quota items has something visible.
struct XhlItemSums {
  ItemSum bill;
  std::vector<ItemSum> quotas;
  bool visible = false;
};

XhlItemSums SumXhlItem(const SQdXhlItemNode& item, const RowFilter& filter) {
  XhlItemSums sums;
  sums.bill = SumFloors(item.bill.floors, filter);
  sums.visible = sums.bill.visible;
  sums.quotas.reserve(item.quotas.size());
  for (const SDeItemNode& quota : item.quotas) {
    sums.quotas.push_back(SumFloors(quota.floors, filter));
    sums.visible = sums.visible || sums.quotas.back().visible;
  }
  return sums;
}

template <typename Item, typename SumOf>
auto SumItems(const std::vector<Item>& items, SumOf&& sum_of, bool& any) {
  std::vector<std::invoke_result_t<SumOf&, const Item&>> sums;
  sums.reserve(items.size());
  any = false;
  for (const Item& item : items) {
    sums.push_back(sum_of(item));
    any = any || sums.back().visible;
  }
  return sums;
}

// An item row opens with its flag, code, name, unit and quantity.
void PutItemHead(CStringArray& out, const wchar_t* flag, const ItemHead& item, double quantity) {
  Put(out, flag);
  Put(out, item.code);
  Put(out, item.name);
  Put(out, item.unit);
  Put(out, FormatQuantity(quantity));
}

void PutItem(CStringArray& out, const SDeItemNode& item, double quantity) {
  PutItemHead(out, L"#DEItemFlag#", item, quantity);
  Put(out, CategoryText(item.categories));
}

void PutItem(CStringArray& out, const SQdItemNode& item, double quantity) {
  PutItemHead(out, L"#QDItemFlag#", item, quantity);
  Put(out, item.feature);
  Put(out, item.extra);
}

// The chapter tables whose items hold their floors directly: the bill
// summary (bill items) and the consumption and quota summaries (quota items).
void SortItems(SQdChapterNode& chapter) { SortBillItems(chapter); }
void SortItems(SDeChapterNode& chapter) { SortQuotaItems(chapter); }
void SortItems(SQdXhlChapterNode& chapter) { SortBillItems(chapter); }
std::wstring ItemText(const SQdItemNode& item) { return BillItemText(item); }
std::wstring ItemText(const SDeItemNode& item) {
  return QuotaItemText(item.code, item.name, item.categories);
}

// Walks the chosen chapters in chapter order, their items sorted: a chapter
// with a visible item is opened, then each visible item is visited with its
// sum.
template <typename Chapter, typename SumOf, typename Open, typename Visit>
void WalkChapters(std::vector<Chapter>& chapters, HashIndex& index, const ChapterChoice& choice,
                  SumOf&& sum_of, Open&& open, Visit&& visit) {
  SortChapters(chapters, index);
  for (Chapter& chapter : chapters) {
    if (!ChapterChosen(chapter.name, choice)) continue;
    SortItems(chapter);
    bool any = false;
    const auto sums = SumItems(chapter.items, sum_of, any);
    if (!any) continue;
    open(chapter);
    for (size_t i = 0; i < chapter.items.size(); ++i) {
      if (sums[i].visible) visit(chapter.items[i], sums[i]);
    }
  }
}

template <typename Chapter>
void WriteChapterRows(std::vector<Chapter>& chapters, HashIndex& index, const ChapterChoice& choice,
                      const RowOptions& options, RowWriter& writer) {
  int chapter_row = 0;
  WalkChapters(
      chapters, index, choice,
      [&](const auto& item) { return SumFloors(item.floors, options.filter); },
      [&](const Chapter& chapter) { chapter_row = writer.AddRow(0, {chapter.name}); },
      [&](auto& item, const ItemSum& sum) {
        const std::wstring text = ItemText(item);
        const int row = writer.AddRow(
            chapter_row, {L"", text, L"", L"", L"", item.unit, FormatQuantity(sum.quantity)});
        WriteFloorRows(writer, row, text, item.floors, item.floor_index, options);
      });
}

template <typename Chapter>
void StreamChapters(CStringArray& out, std::vector<Chapter>& chapters, HashIndex& index,
                    const ChapterChoice& choice, const StreamOptions& options) {
  WalkChapters(
      chapters, index, choice,
      [&](const auto& item) {
        return ItemChosen(item, choice.condition) ? SumFloors(item.floors, options.filter)
                                                  : ItemSum{};
      },
      [&](const Chapter& chapter) {
        Put(out, L"#ZhangFlag#");
        Put(out, chapter.name);
      },
      [&](auto& item, const ItemSum& sum) {
        PutItem(out, item, sum.quantity);
        StreamFloors(out, item.floors, item.floor_index, options);
      });
}

// The visible quota items of a bill consumption item with their quantities.
// Sorting the quotas reorders them; their sums are taken after it.
template <typename Visit>
void VisitQuotas(SQdXhlItemNode& item, const RowFilter& filter, Visit&& visit) {
  SortQuotaItems(item);
  for (SDeItemNode& quota : item.quotas) {
    const ItemSum sum = SumFloors(quota.floors, filter);
    if (sum.visible) visit(quota, sum.quantity);
  }
}

}  // namespace

void WriteBillSummaryRows(std::vector<SQdChapterNode>& chapters, HashIndex& index,
                          const ChapterChoice& choice, const RowOptions& options,
                          RowWriter& writer) {
  WriteChapterRows(chapters, index, choice, options, writer);
}

void WriteBillConsumptionRows(std::vector<SQdXhlChapterNode>& chapters, HashIndex& index,
                              const ChapterChoice& choice, const RowOptions& options,
                              RowWriter& writer) {
  int chapter_row = 0;
  WalkChapters(
      chapters, index, choice,
      [&](const SQdXhlItemNode& item) { return SumXhlItem(item, options.filter); },
      [&](const SQdXhlChapterNode& chapter) { chapter_row = writer.AddRow(0, {chapter.name}); },
      [&](SQdXhlItemNode& item, const XhlItemSums& sums) {
        const int bill_row =
            writer.AddRow(chapter_row, {L"", BillItemText(item.bill), L"", L"", L"", L"",
                                        item.bill.unit, FormatQuantity(sums.bill.quantity)});
        VisitQuotas(item, options.filter, [&](SDeItemNode& quota, double quantity) {
          const std::wstring text = ItemText(quota);
          const int quota_row = writer.AddRow(
              bill_row, {L"", L"", text, L"", L"", L"", quota.unit, FormatQuantity(quantity)});
          WriteFloorRows(writer, quota_row, text, quota.floors, quota.floor_index, options);
        });
      });
}

void WriteQuotaChapterRows(std::vector<SDeChapterNode>& chapters, HashIndex& index,
                           const ChapterChoice& choice, const RowOptions& options,
                           RowWriter& writer) {
  WriteChapterRows(chapters, index, choice, options, writer);
}

void StreamBillSummary(CStringArray& out, std::vector<SQdChapterNode>& chapters, HashIndex& index,
                       const ChapterChoice& choice, const StreamOptions& options) {
  StreamChapters(out, chapters, index, choice, options);
}

void StreamBillConsumption(CStringArray& out, std::vector<SQdXhlChapterNode>& chapters,
                           HashIndex& index, const ChapterChoice& choice,
                           const StreamOptions& options) {
  WalkChapters(
      chapters, index, choice,
      [&](const SQdXhlItemNode& item) {
        return ItemChosen(item.bill, choice.condition) ? SumXhlItem(item, options.filter)
                                                       : XhlItemSums{};
      },
      [&](const SQdXhlChapterNode& chapter) {
        Put(out, L"#ZhangFlag#");
        Put(out, chapter.name);
        Put(out, chapter.code_prefix);
      },
      [&](SQdXhlItemNode& item, const XhlItemSums& sums) {
        PutItem(out, item.bill, sums.bill.quantity);
        VisitQuotas(item, options.filter, [&](SDeItemNode& quota, double quantity) {
          PutItem(out, quota, quantity);
          StreamFloors(out, quota.floors, quota.floor_index, options);
        });
      });
}

void StreamQuotaChapters(CStringArray& out, std::vector<SDeChapterNode>& chapters, HashIndex& index,
                         const ChapterChoice& choice, const StreamOptions& options) {
  StreamChapters(out, chapters, index, choice, options);
}

void StreamPrices(CStringArray& out, std::vector<SQdChapterNode>& chapters, HashIndex& index,
                  std::wstring_view name, std::wstring_view partition) {
  SortChapters(chapters, index);
  const RowFilter filter{partition, nullptr};
  for (SQdChapterNode& chapter : chapters) {
    if (!name.empty() && chapter.name != name) continue;
    SortBillItems(chapter);
    Put(out, L"#ZhangFlag#");
    Put(out, chapter.name);
    for (const SQdItemNode& item : chapter.items) {
      PutItem(out, item, SumFloors(item.floors, filter).quantity);
    }
  }
}

namespace {

template <typename Chapter, typename Visible>
void ListVisible(std::vector<Chapter>& chapters, HashIndex& index, CStringArray& items,
                 Visible&& visible) {
  SortChapters(chapters, index);
  for (const Chapter& chapter : chapters) {
    for (const auto& item : chapter.items) {
      if (visible(item)) {
        Put(items, chapter.name);
        break;
      }
    }
  }
}

}  // namespace

void ListChapters(std::vector<SQdChapterNode>& chapters, HashIndex& index,
                  std::wstring_view partition, CStringArray& items) {
  const RowFilter filter{partition, nullptr};
  ListVisible(chapters, index, items,
              [&](const SQdItemNode& item) { return SumFloors(item.floors, filter).visible; });
}

void ListChapters(std::vector<SQdXhlChapterNode>& chapters, HashIndex& index,
                  std::wstring_view partition, CStringArray& items) {
  const RowFilter filter{partition, nullptr};
  ListVisible(chapters, index, items,
              [&](const SQdXhlItemNode& item) { return SumXhlItem(item, filter).visible; });
}

void ListChapters(std::vector<SDeChapterNode>& chapters, HashIndex& index,
                  std::wstring_view partition, CStringArray& items) {
  const RowFilter filter{partition, nullptr};
  ListVisible(chapters, index, items,
              [&](const SDeItemNode& item) { return SumFloors(item.floors, filter).visible; });
}

}  // namespace reportdata
