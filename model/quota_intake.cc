// Filing the quota result into the quota summary, the quota summary by floor
// and the quota summary by floor and component.
#include <string>

#include "keys/floor_text.h"
#include "model/report_tables.h"
#include "model/tree_insert.h"

namespace reportdata {
namespace {

// Floor group a record joins by the floor match, appended when none matches.
template <typename Group>
Group& FindOrAddGroup(std::vector<Group>& groups, FloorIndex& index, const PooledText& floor_text,
                      bool facade) {
  const int found = FindFloor(groups, index, floor_text, facade);
  if (found >= 0) return groups[found];
  Group& group = groups.emplace_back();
  group.floor_text = floor_text;
  const FloorKey parsed = ParseFloorKey(floor_text);
  group.count = parsed.count;
  group.order_key = parsed.order_key;
  return group;
}

SDeCompGroupNode& FindOrAddComponentGroup(SDeFloorCompGroupNode& group, const PooledText& name,
                                          const PooledText& type_path) {
  auto hash_of = [](const PooledText& n, const PooledText& t) {
    return HashFold(HashMix(n.hash(), t.hash()));
  };
  const int found = FindFirst(
      group.components, group.component_index, [&] { return hash_of(name, type_path); },
      [&](const SDeCompGroupNode& c) { return hash_of(c.name, c.type_path); },
      [&](const SDeCompGroupNode& c) { return c.name == name && c.type_path == type_path; });
  if (found >= 0) return group.components[found];
  SDeCompGroupNode& component = group.components.emplace_back();
  component.name = name;
  component.type_path = type_path;
  return component;
}

SDeCalcItemNode& FindOrAddCalcItem(SDeCompGroupNode& component, const PooledText& sub_code) {
  const int found = FindFirst(
      component.calc_items, component.calc_item_index, [&] { return TextHash(sub_code); },
      [](const SDeCalcItemNode& c) { return TextHash(c.sub_code); },
      [&](const SDeCalcItemNode& c) { return c.sub_code == sub_code; });
  if (found >= 0) return component.calc_items[found];
  SDeCalcItemNode& calc_item = component.calc_items.emplace_back();
  calc_item.sub_code = sub_code;
  return calc_item;
}

}  // namespace

void ReportTables::AddQuotaRecord(const RecordKeys& keys) {
  const bool facade = IsFacadeTypePath(keys.type_path);
  const PooledText component_name = FiledComponentName(keys, facade);
  const double quantity = keys.quantity;
  bool created = false;

  // Quota summary, chapters as in the consumption summary.
  const Chapter& chapter = QuotaChapter(keys);
  SDeChapterNode& summary_chapter =
      FindOrAddChapter(quota_summary_.nodes, quota_summary_.index, chapter.name, chapter.order_id);
  SDeItemNode& item =
      FindOrAddQuotaItem(summary_chapter.items, summary_chapter.item_index, keys, created);
  if (created) item.bill_code = keys.bill_code;
  InsertIntoFloors(item.floors, item.floor_index, keys, component_name, keys.quota_unit, quantity);

  // Quota by floor: the library chapter without the common parameter rule.
  const Chapter& library_chapter = QuotaLibraryChapter(keys.quota_code);
  SDeFloorGroupNode& group =
      FindOrAddGroup(quota_by_floor_.nodes, quota_by_floor_.index, keys.floor, facade);
  SDeFloorChapterNode& group_chapter = FindOrAddChapter(
      group.chapters, group.chapter_index, library_chapter.name, library_chapter.order_id);
  SDeFloorItemNode& group_item =
      FindOrAddQuotaItem(group_chapter.items, group_chapter.item_index, keys, created);
  SQdCompNode& component = FindOrAddComponent(group_item.components, group_item.component_index,
                                              component_name, keys.type_path, keys.sub_type);
  InsertRecord(component.records, component.record_index, keys, quantity);

  // Quota by floor and component: floor group, component, sub-code, quota.
  SDeFloorCompGroupNode& comp_group = FindOrAddGroup(
      quota_by_floor_component_.nodes, quota_by_floor_component_.index, keys.floor, facade);
  SDeCompGroupNode& comp = FindOrAddComponentGroup(comp_group, component_name, keys.type_path);
  SDeCalcItemNode& calc_item = FindOrAddCalcItem(comp, keys.sub_code);
  SDeCalcQuotaNode& quota =
      FindOrAddQuotaItem(calc_item.quotas, calc_item.quota_index, keys, created);
  if (created) quota.num = comp_group.count;
  InsertRecord(quota.records, quota.record_index, keys, quantity);
}

}  // namespace reportdata
