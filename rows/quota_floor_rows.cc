// Floor-group tables of the quota side.
#include "rows/quota_floor_rows.h"

#include "keys/floor_text.h"
#include "keys/number_format.h"
#include "model/catalogues.h"
#include "model/tree_order.h"
#include "model/tree_quantity.h"

namespace reportdata {
namespace {

FloorSum SumQuotaItem(const SDeFloorItemNode& item, const FloorMatch& match,
                      std::wstring_view partition) {
  return SumComponents(item.components, match, partition);
}

// A quota item of the floor-and-component table: its records on one floor
// count once per floor of the group unless the component is facade work.
struct CalcQuotaSum {
  double per_floor = 0.0;
  bool visible = false;
};

CalcQuotaSum SumCalcQuota(const SDeCalcQuotaNode& quota, std::wstring_view partition) {
  CalcQuotaSum sum;
  for (const SQdRecordNode& record : quota.records) {
    if (!RecordVisible(record, partition)) continue;
    sum.visible = true;
    sum.per_floor += RecordQuantity(record, partition);
  }
  return sum;
}

bool CalcItemVisible(const SDeCalcItemNode& calc_item, std::wstring_view partition) {
  for (const SDeCalcQuotaNode& quota : calc_item.quotas) {
    if (SumCalcQuota(quota, partition).visible) return true;
  }
  return false;
}

bool ComponentVisible(const SDeCompGroupNode& component, std::wstring_view partition) {
  for (const SDeCalcItemNode& calc_item : component.calc_items) {
    if (CalcItemVisible(calc_item, partition)) return true;
  }
  return false;
}

bool ChapterVisible(const SDeFloorChapterNode& chapter, const FloorMatch& match,
                    std::wstring_view partition) {
  for (const SDeFloorItemNode& item : chapter.items) {
    if (SumQuotaItem(item, match, partition).visible) return true;
  }
  return false;
}

bool GroupVisible(const SDeFloorGroupNode& group, const FloorMatch& match,
                  std::wstring_view partition) {
  for (const SDeFloorChapterNode& chapter : group.chapters) {
    if (ChapterVisible(chapter, match, partition)) return true;
  }
  return false;
}

bool GroupVisible(const SDeFloorCompGroupNode& group, const FloorMatch& match,
                  std::wstring_view partition) {
  for (const SDeCompGroupNode& component : group.components) {
    if (match.Keeps(component.name, component.type_path) &&
        ComponentVisible(component, partition)) {
      return true;
    }
  }
  return false;
}

// Quantity and formula of a floor-and-component quota item.
struct CalcQuotaRow {
  double quantity;
  std::wstring formula;
};

CalcQuotaRow CalcQuotaFigures(const CalcQuotaSum& sum, int floor_count, bool facade) {
  if (facade) return {sum.per_floor, std::wstring()};
  return {sum.per_floor * floor_count, PerFloorFormula(floor_count, sum.per_floor)};
}

void PutQuotaItem(CStringArray& out, const std::wstring& code, const std::wstring& name,
                  const std::wstring& unit, const std::vector<SNYTJFenLeiVarDescInfo>& categories,
                  double quantity, std::wstring&& formula) {
  Put(out, L"#DEItemFlag#");
  Put(out, code);
  Put(out, name);
  Put(out, unit);
  Put(out, FormatQuantity(quantity));
  Put(out, CategoryText(categories));
  Put(out, std::move(formula));
}

}  // namespace

bool GroupChosen(std::wstring_view floor_text, std::wstring_view name) {
  if (name.empty() || name == floor_text) return true;
  return name.size() == floor_text.size() + 1 && name.substr(0, floor_text.size()) == floor_text &&
         name.back() == L'层';
}

namespace {

// The chosen floor groups with something visible, in floor order.
template <typename Group, typename Visit>
void WalkGroups(std::vector<Group>& groups, FloorIndex& index, std::wstring_view name,
                const RowFilter& filter, Visit&& visit) {
  SortFloors(groups, index);
  for (Group& group : groups) {
    if (!GroupChosen(group.floor_text, name)) continue;
    const FloorMatch match(filter, group.floor_text);
    if (GroupVisible(group, match, filter.partition)) visit(group, match);
  }
}

// The visible quota items of a by-floor group, chapter by chapter; each
// chapter with one is opened first.
template <typename OpenChapter, typename Visit>
void WalkFloorItems(SDeFloorGroupNode& group, const FloorMatch& match, std::wstring_view partition,
                    OpenChapter&& open_chapter, Visit&& visit) {
  SortChapters(group.chapters, group.chapter_index);
  for (SDeFloorChapterNode& chapter : group.chapters) {
    if (!ChapterVisible(chapter, match, partition)) continue;
    open_chapter(chapter);
    SortQuotaItems(chapter);
    for (SDeFloorItemNode& item : chapter.items) {
      const FloorSum sum = SumQuotaItem(item, match, partition);
      if (sum.visible) visit(item, sum);
    }
  }
}

// The visible quota items of a by-floor-and-component group below their
// components and calculation items, each of which is opened first.
// The floor text of a floor group's rows; the counting form makes none.
std::wstring FloorTextFor(const RowWriter& writer, std::wstring_view floor_text) {
  return writer.counting() ? std::wstring() : FloorText(floor_text);
}

template <typename OpenComponent, typename OpenCalcItem, typename Visit>
void WalkCalcQuotas(SDeFloorCompGroupNode& group, const FloorMatch& match,
                    std::wstring_view partition, OpenComponent&& open_component,
                    OpenCalcItem&& open_calc_item, Visit&& visit) {
  SortComponents(group);
  for (SDeCompGroupNode& component : group.components) {
    if (!match.Keeps(component.name, component.type_path) ||
        !ComponentVisible(component, partition)) {
      continue;
    }
    const bool facade = IsFacadeTypePath(component.type_path);
    open_component(component);
    SortCalcItems(component);
    for (SDeCalcItemNode& calc_item : component.calc_items) {
      if (!CalcItemVisible(calc_item, partition)) continue;
      open_calc_item(calc_item);
      SortQuotaItems(calc_item);
      for (SDeCalcQuotaNode& quota : calc_item.quotas) {
        const CalcQuotaSum sum = SumCalcQuota(quota, partition);
        if (sum.visible) visit(quota, CalcQuotaFigures(sum, group.count, facade));
      }
    }
  }
}

}  // namespace

void WriteQuotaByFloorRows(std::vector<SDeFloorGroupNode>& groups, FloorIndex& index,
                           std::wstring_view name, const RowOptions& options, RowWriter& writer) {
  WalkGroups(
      groups, index, name, options.filter, [&](SDeFloorGroupNode& group, const FloorMatch& match) {
        const std::wstring floor_text = FloorTextFor(writer, group.floor_text);
        const int group_row = writer.AddRow(0, {floor_text});
        int chapter_row = 0;
        WalkFloorItems(
            group, match, options.filter.partition,
            [&](const SDeFloorChapterNode& chapter) {
              chapter_row = writer.AddRow(group_row, {chapter.name});
            },
            [&](SDeFloorItemNode& item, const FloorSum& sum) {
              const int item_row =
                  writer.counting()
                      ? writer.AddRow(chapter_row, {})
                      : WriteFloorLevelRow(writer, chapter_row, false,
                                           QuotaItemText(item.code, item.name, item.categories),
                                           floor_text, item.unit, sum.Total(group.count),
                                           QuotaByFloorFormula(group.count, sum));
              WriteComponentRows(writer, item_row, item.components, item.component_index, match,
                                 item.unit, options);
            });
      });
}

void WriteQuotaByFloorComponentRows(std::vector<SDeFloorCompGroupNode>& groups, FloorIndex& index,
                                    std::wstring_view name, const RowOptions& options,
                                    RowWriter& writer) {
  WalkGroups(
      groups, index, name, options.filter,
      [&](SDeFloorCompGroupNode& group, const FloorMatch& match) {
        const std::wstring floor_text = FloorTextFor(writer, group.floor_text);
        const int group_row = writer.AddRow(0, {floor_text});
        int component_row = 0;
        int calc_row = 0;
        WalkCalcQuotas(
            group, match, options.filter.partition,
            [&](const SDeCompGroupNode& component) {
              component_row = writer.AddRow(group_row, {component.name});
            },
            [&](const SDeCalcItemNode& calc_item) {
              calc_row = writer.AddRow(component_row, {L"", CalcItemName(calc_item.sub_code)});
            },
            [&](SDeCalcQuotaNode& quota, const CalcQuotaRow& figures) {
              const int quota_row =
                  writer.counting()
                      ? writer.AddRow(calc_row, {})
                      : WriteFloorLevelRow(writer, calc_row, false,
                                           QuotaItemText(quota.code, quota.name, quota.categories),
                                           floor_text, quota.unit, figures.quantity,
                                           figures.formula);
              if (options.records) {
                WriteRecordRows(writer, quota_row, quota.records, quota.record_index, quota.unit,
                                options);
              }
            });
      });
}

void StreamQuotaByFloor(CStringArray& out, std::vector<SDeFloorGroupNode>& groups,
                        FloorIndex& index, std::wstring_view name, const StreamOptions& options) {
  WalkGroups(groups, index, name, options.filter,
             [&](SDeFloorGroupNode& group, const FloorMatch& match) {
               Put(out, L"#ZhangFlag#");
               Put(out, FloorText(group.floor_text));
               WalkFloorItems(
                   group, match, options.filter.partition, [](const SDeFloorChapterNode&) {},
                   [&](SDeFloorItemNode& item, const FloorSum& sum) {
                     PutQuotaItem(out, item.code, item.name, item.unit, item.categories,
                                  sum.Total(group.count), QuotaByFloorFormula(group.count, sum));
                     StreamComponents(out, item.components, item.component_index, match, options);
                   });
             });
}

void StreamQuotaByFloorComponent(CStringArray& out, std::vector<SDeFloorCompGroupNode>& groups,
                                 FloorIndex& index, std::wstring_view name,
                                 const StreamOptions& options) {
  WalkGroups(groups, index, name, options.filter,
             [&](SDeFloorCompGroupNode& group, const FloorMatch& match) {
               Put(out, L"#ZhangFlag#");
               Put(out, FloorText(group.floor_text));
               WalkCalcQuotas(
                   group, match, options.filter.partition,
                   [&](const SDeCompGroupNode& component) {
                     Put(out, L"#MemFlag#");
                     Put(out, component.name);
                   },
                   [&](const SDeCalcItemNode& calc_item) {
                     Put(out, L"#CalItemFlag#");
                     Put(out, CalcItemName(calc_item.sub_code));
                   },
                   [&](SDeCalcQuotaNode& quota, const CalcQuotaRow& figures) {
                     PutQuotaItem(out, quota.code, quota.name, quota.unit, quota.categories,
                                  figures.quantity, std::wstring(figures.formula));
                     StreamRecords(out, quota.records, quota.record_index, options);
                   });
             });
}

}  // namespace reportdata
