// Orders of the report tree levels.
#include "model/tree_order.h"

#include "model/natural_order.h"
#include "platform/text.h"
#include "reportdata/services.h"

namespace reportdata {

bool ChapterBefore(std::wstring_view a_name, std::wstring_view a_order, std::wstring_view b_name,
                   std::wstring_view b_order) {
  if (a_name == b_name) return false;
  if (a_name == kOtherChapter) return false;
  if (b_name == kOtherChapter) return true;
  if (a_name == kCommonParameterChapter) return false;
  if (b_name == kCommonParameterChapter) return true;
  return CompareNatural(a_order, b_order) < 0;
}

int CompareBillItems(const SQdItemNode& a, const SQdItemNode& b) {
  if (const int code = a.code.str().compare(b.code); code != 0) return code;
  if (const int name = CompareNatural(a.name, b.name); name != 0) return name;
  if (a.unit != b.unit) {
    if (const int unit =
            CNYRACompareMethod::CompareTwoUnits(CString(a.unit.str()), CString(b.unit.str()));
        unit != 0) {
      return unit;
    }
  }
  if (const int feature = CompareNatural(a.feature, b.feature); feature != 0) return feature;
  const size_t common = std::min(a.quota_features.size(), b.quota_features.size());
  for (size_t i = 0; i < common; ++i) {
    const int order =
        CNYRACompareMethod::IsDEFeatureALargerThanB(a.quota_features[i], b.quota_features[i]);
    if (order != 0) return order;
  }
  if (a.quota_features.size() == b.quota_features.size()) return 0;
  return a.quota_features.size() < b.quota_features.size() ? -1 : 1;
}

int CompareQuotaKeys(std::wstring_view a_code, std::wstring_view a_name, std::wstring_view a_unit,
                     const std::vector<SNYTJFenLeiVarDescInfo>& a_categories,
                     std::wstring_view b_code, std::wstring_view b_name, std::wstring_view b_unit,
                     const std::vector<SNYTJFenLeiVarDescInfo>& b_categories) {
  if (const int code = CompareNatural(a_code, b_code); code != 0) return code;
  if (const int name = CompareNatural(a_name, b_name); name != 0) return name;
  if (a_unit != b_unit) {
    if (const int unit = CNYRACompareMethod::CompareTwoUnits(CString(a_unit), CString(b_unit));
        unit != 0) {
      return unit;
    }
  }
  return CNyQdDeDataAssistor::IsDeFenLeiSet1LargeThan2(a_categories, b_categories);
}

namespace {

template <typename QuotaItem>
void SortQuotaList(std::vector<QuotaItem>& items, HashIndex& index) {
  SortList(items, index,
           [](const QuotaItem& a, const QuotaItem& b) { return CompareQuotaItems(a, b) < 0; });
}

}  // namespace

void SortBillItems(SQdChapterNode& chapter) {
  SortList(chapter.items, chapter.item_index,
           [](const SQdItemNode& a, const SQdItemNode& b) { return CompareBillItems(a, b) < 0; });
}

void SortBillItems(SQdXhlChapterNode& chapter) {
  SortList(chapter.items, chapter.item_index, [](const SQdXhlItemNode& a, const SQdXhlItemNode& b) {
    return CompareBillItems(a.bill, b.bill) < 0;
  });
}

void SortQuotaItems(SDeChapterNode& chapter) { SortQuotaList(chapter.items, chapter.item_index); }
void SortQuotaItems(SDeFloorChapterNode& chapter) {
  SortQuotaList(chapter.items, chapter.item_index);
}
void SortQuotaItems(CalcQuotaList& list) { SortQuotaList(list.quotas, list.quota_index); }
void SortQuotaItems(SQdXhlItemNode& item) { SortQuotaList(item.quotas, item.quota_index); }

void SortComponents(std::vector<SQdCompNode>& components, HashIndex& index) {
  SortList(components, index, [](const SQdCompNode& a, const SQdCompNode& b) {
    return CompareNatural(a.name, b.name) < 0;
  });
}

void SortComponents(SDeFloorCompGroupNode& group) {
  SortList(group.components, group.component_index,
           [](const SDeCompGroupNode& a, const SDeCompGroupNode& b) {
             return CompareNatural(a.name, b.name) < 0;
           });
}

void SortRecords(std::vector<SQdRecordNode>& records, HashIndex& index) {
  // The position lists are UTF-8; the natural order reads wide text.
  thread_local std::wstring a_positions;
  thread_local std::wstring b_positions;
  SortList(records, index, [](const SQdRecordNode& a, const SQdRecordNode& b) {
    AssignFromUtf8(a.positions, a_positions);
    AssignFromUtf8(b.positions, b_positions);
    return CompareNatural(a_positions, b_positions) < 0;
  });
}

void SortCalcItems(SDeCompGroupNode& component) {
  SortList(
      component.calc_items, component.calc_item_index,
      [](const SDeCalcItemNode& a, const SDeCalcItemNode& b) { return a.sub_code < b.sub_code; });
}

}  // namespace reportdata
