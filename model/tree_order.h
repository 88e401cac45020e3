// The orders in which the report trees are listed: chapters ("其他章" last,
// "常用计算参数" before it, otherwise by order id), bill items, quota items,
// floors, components and measurement records. Lists are sorted in place when
// their rows are produced; every Sort* function also resets the list's index
// so that later merges find their partners at the new positions.
#ifndef REPORTDATA_MODEL_TREE_ORDER_H_
#define REPORTDATA_MODEL_TREE_ORDER_H_

#include <algorithm>
#include <string_view>
#include <vector>

#include "model/natural_order.h"
#include "model/report_tree.h"

namespace reportdata {

inline constexpr std::wstring_view kOtherChapter = L"其他章";
inline constexpr std::wstring_view kCommonParameterChapter = L"常用计算参数";

// True when chapter a is listed before chapter b.
bool ChapterBefore(std::wstring_view a_name, std::wstring_view a_order, std::wstring_view b_name,
                   std::wstring_view b_order);

// Component categories (the component summary's groups, the component
// table's groups): the attribute templates' order, then name (natural).
template <typename Group>
bool CategoryBefore(const Group& a, const Group& b) {
  if (a.order != b.order) return a.order < b.order;
  return CompareNatural(a.name, b.name) < 0;
}

// Bill item order: code as plain text, name (natural), unit (unit order of
// the calculation-result service), feature (natural), own quota lists.
int CompareBillItems(const SQdItemNode& a, const SQdItemNode& b);

// Quota item order: code and name (natural), unit, classification variables.
template <typename QuotaItem>
int CompareQuotaItems(const QuotaItem& a, const QuotaItem& b);
int CompareQuotaKeys(std::wstring_view a_code, std::wstring_view a_name, std::wstring_view a_unit,
                     const std::vector<SNYTJFenLeiVarDescInfo>& a_categories,
                     std::wstring_view b_code, std::wstring_view b_name, std::wstring_view b_unit,
                     const std::vector<SNYTJFenLeiVarDescInfo>& b_categories);

template <typename Chapter>
void SortChapters(std::vector<Chapter>& chapters, HashIndex& index);
void SortBillItems(SQdChapterNode& chapter);
void SortBillItems(SQdXhlChapterNode& chapter);
void SortQuotaItems(SDeChapterNode& chapter);
void SortQuotaItems(SDeFloorChapterNode& chapter);
void SortQuotaItems(CalcQuotaList& list);  // a calculation item or a room place
void SortQuotaItems(SQdXhlItemNode& item);
// Floors (and floor groups) by order key.
template <typename Floor>
void SortFloors(std::vector<Floor>& floors, FloorIndex& index);
void SortComponents(std::vector<SQdCompNode>& components, HashIndex& index);
void SortComponents(SDeFloorCompGroupNode& group);
void SortRecords(std::vector<SQdRecordNode>& records, HashIndex& index);
// Calculation items by sub-code as plain text ("10" before "2").
void SortCalcItems(SDeCompGroupNode& component);

// ---------------------------------------------------------------------------

template <typename QuotaItem>
int CompareQuotaItems(const QuotaItem& a, const QuotaItem& b) {
  return CompareQuotaKeys(a.code, a.name, a.unit, a.categories, b.code, b.name, b.unit,
                          b.categories);
}

// Stable, so entries that tie keep their order of arrival, and safe with an
// outside comparison that is not a strict order. A list already in order is
// left alone and keeps its index. Returns whether the list was reordered.
template <typename List, typename Less>
bool SortList(List& list, HashIndex& index, Less&& less) {
  if (list.size() < 2 || std::is_sorted(list.begin(), list.end(), less)) return false;
  std::stable_sort(list.begin(), list.end(), less);
  index.Reset();
  return true;
}

template <typename Chapter>
void SortChapters(std::vector<Chapter>& chapters, HashIndex& index) {
  SortList(chapters, index, [](const Chapter& a, const Chapter& b) {
    return ChapterBefore(a.name, a.order_id, b.name, b.order_id);
  });
}

template <typename Floor>
void SortFloors(std::vector<Floor>& floors, FloorIndex& index) {
  if (SortList(floors, index.by_text,
               [](const Floor& a, const Floor& b) { return a.order_key < b.order_key; })) {
    index.by_covered_floor.Reset();
  }
}

}  // namespace reportdata

#endif  // REPORTDATA_MODEL_TREE_ORDER_H_
