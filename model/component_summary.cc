// The component summary (codes 14 and 15): every component instance of the
// bill summary or of the quota summary counted by component category, floor
// and component. Instances of equal component name, type path, type text and
// third text are kept as one entry with their count and handle lists.
#include <optional>
#include <vector>

#include "keys/floor_text.h"
#include "model/record_instances.h"
#include "model/report_tables.h"
#include "model/tree_insert.h"
#include "reportdata/services.h"

namespace reportdata {
namespace {

constexpr std::wstring_view kOtherItems = L"其他项目";

// The other-item naming rule, asked once per component type path.
class CategoryNamer {
 public:
  const std::optional<std::wstring>& Category(const PooledText& type_path) {
    const int found = FindFirst(
        cache_, index_, [&] { return TextHash(type_path); },
        [](const Named& named) { return TextHash(named.type_path); },
        [&](const Named& named) { return named.type_path == type_path; });
    if (found >= 0) return cache_[found].category;
    return cache_.emplace_back(Named{type_path, Lookup(type_path)}).category;
  }

 private:
  static std::optional<std::wstring> Lookup(const std::wstring& type_path) {
    if (type_path == L"QTXM" || type_path == L"QTRESULT") return std::wstring(kOtherItems);
    if (type_path.find(L'\\') == std::wstring::npos) return std::nullopt;
    IDMDirector* director = GetIDMDirector();
    IDMCompDictionary* dictionary = director ? director->GetCompDictionary() : nullptr;
    std::wstring category_path;
    if (dictionary == nullptr || !dictionary->GetCompName(type_path, category_path)) {
      return std::nullopt;
    }
    return category_path.substr(0, category_path.find(L'\\'));
  }

  struct Named {
    PooledText type_path;
    std::optional<std::wstring> category;
  };
  std::vector<Named> cache_;
  HashIndex index_;
};

int CategoryOrder(std::wstring_view category) {
  IAttrTempDirector* director = GetAttrTempDirector();
  IAttrTemplate* templ = director ? director->GetTemplate() : nullptr;
  return templ ? templ->GetCategoryOrder(CString(category)) : 0;
}

GjhzGroupNode& FindOrAddGroup(std::vector<GjhzGroupNode>& groups, HashIndex& index,
                              std::wstring_view name) {
  const int found = FindFirst(
      groups, index, [&] { return TextHash(name); },
      [](const GjhzGroupNode& g) { return TextHash(g.name); },
      [&](const GjhzGroupNode& g) { return g.name == name; });
  if (found >= 0) return groups[found];
  GjhzGroupNode& group = groups.emplace_back();
  group.name = name;
  group.order = CategoryOrder(name);
  return group;
}

GjhzFloorNode& FindOrAddFloor(GjhzGroupNode& group, const PooledText& floor_text) {
  const int found = FindFirst(
      group.floors, group.floor_index, [&] { return TextHash(floor_text); },
      [](const GjhzFloorNode& f) { return TextHash(f.floor_text); },
      [&](const GjhzFloorNode& f) { return f.floor_text == floor_text; });
  if (found >= 0) return group.floors[found];
  GjhzFloorNode& floor = group.floors.emplace_back();
  floor.floor_text = floor_text;
  floor.order_key = ParseFloorKey(floor_text).order_key;
  return floor;
}

uint32_t EntryHash(const PooledText& third, const PooledText& name, const PooledText& type_path,
                   const PooledText& type_text) {
  return HashFold(HashMix(HashMix(HashMix(HashText(third), HashText(name)), HashText(type_path)),
                          HashText(type_text)));
}

GjhzRecord& FindOrAddEntry(GjhzFloorNode& floor, const PooledText& third,
                           const SQdCompNode& component) {
  // The sub-type is the component's type text.
  const PooledText& type_text = component.sub_type;
  const int found = FindFirst(
      floor.records, floor.record_index,
      [&] { return EntryHash(third, component.name, component.type_path, type_text); },
      [](const GjhzRecord& r) { return EntryHash(r.third, r.name, r.type_path, r.type_text); },
      [&](const GjhzRecord& r) {
        return r.third == third && r.name == component.name && r.type_path == component.type_path &&
               r.type_text == type_text;
      });
  if (found >= 0) return floor.records[found];
  GjhzRecord& entry = floor.records.emplace_back();
  entry.third = third;
  entry.name = component.name;
  entry.type_path = component.type_path;
  entry.type_text = type_text;
  return entry;
}

void AddComponent(std::vector<GjhzGroupNode>& groups, HashIndex& index, CategoryNamer& namer,
                  const SQdCompNode& component, const PooledText& floor_text,
                  const PooledText& third) {
  const std::optional<std::wstring>& category = namer.Category(component.type_path);
  const std::wstring_view name = category ? std::wstring_view(*category) : std::wstring_view();
  if (name == kOtherItems) return;
  GjhzFloorNode& floor = FindOrAddFloor(FindOrAddGroup(groups, index, name), floor_text);
  if (component.records.empty()) return;
  // Every instance of the component joins one entry: its pieces and its
  // handles, as each instance's own record would hold them.
  GjhzRecord& entry = FindOrAddEntry(floor, third, component);
  InstanceParts parts;
  for (const SQdRecordNode& record : component.records) {
    if (!SplitInstances(record, parts)) {
      entry.count += record.count;
      entry.handles += record.handles;
      continue;
    }
    entry.count += static_cast<int>(parts.handles.size());
    for (const std::string_view handles : parts.handles)
      AppendInstanceHandles(handles, entry.handles);
  }
}

}  // namespace

void ReportTables::BuildComponentSummaryFromBills() {
  CategoryNamer namer;
  for (const SQdChapterNode& chapter : bill_summary_.nodes) {
    for (const SQdItemNode& item : chapter.items) {
      for (const SQdFloorNode& floor : item.floors) {
        for (const SQdCompNode& component : floor.components) {
          AddComponent(component_summary_.nodes, component_summary_.index, namer, component,
                       floor.floor_text, PooledText());
        }
      }
    }
  }
}

void ReportTables::BuildComponentSummaryFromQuotas() {
  CategoryNamer namer;
  for (const SDeChapterNode& chapter : quota_summary_.nodes) {
    for (const SDeItemNode& item : chapter.items) {
      for (const SQdFloorNode& floor : item.floors) {
        for (const SQdCompNode& component : floor.components) {
          AddComponent(component_summary_.nodes, component_summary_.index, namer, component,
                       floor.floor_text, item.code);
        }
      }
    }
  }
}

}  // namespace reportdata
