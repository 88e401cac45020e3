// Filing concrete records into the concrete table.
#include "model/concrete_table.h"

#include <algorithm>
#include <span>

#include "keys/floor_text.h"
#include "keys/number_format.h"
#include "model/concrete_catalogue.h"
#include "model/find_or_append.h"
#include "model/tree_insert.h"
#include "platform/text.h"

namespace reportdata {
namespace {

// Post-pour strips are poured once per strip section, and the service hands
// each section as its own record under one identity: every one counts.
bool IsPostPourStrip(std::wstring_view type_path) {
  return type_path == L"LX\\HJD" || type_path == L"LX\\JCHJD";
}

// Adds the shares of one record, scaled to cubic metres, to a grade.
void AddShares(ConcreteGrade& grade, std::span<const PartitionShare> partitions, int factor) {
  for (const PartitionShare& partition : partitions) {
    ConcreteShare& share = FindOrAppend(
        grade.shares, grade.share_index, partition.name,
        [](const ConcreteShare& s) -> const PooledText& { return s.partition; },
        [&] {
          return ConcreteShare{partition.name, 0.0};
        });
    share.quantity += partition.quantity * factor;
  }
}

}  // namespace

bool ConcretePosition::Count(long long id, std::string_view handle, bool every_delivery) {
  if (!every_delivery) {
    const auto hash_of = [](long long instance, std::string_view text) {
      return HashFold(
          HashMix(std::hash<std::string_view>{}(text), static_cast<uint64_t>(instance)));
    };
    const auto handle_of = [this](const CountedInstance& instance) {
      return std::string_view(handles).substr(instance.handle_begin, instance.handle_size);
    };
    const int found = FindFirst(
        counted, counted_index, [&] { return hash_of(id, handle); },
        [&](const CountedInstance& instance) { return hash_of(instance.id, handle_of(instance)); },
        [&](const CountedInstance& instance) {
          return instance.id == id && handle_of(instance) == handle;
        });
    if (found >= 0) return false;
    counted.push_back({id, handles.size() + (handle.empty() ? 0 : 2), handle.size()});
  }
  if (!handle.empty()) {
    handles += "$$";
    handles += handle;
  }
  return true;
}

void STongTable::Add(const RecordKeys& record) {
  if (record.grade.empty()) return;
  const CatalogueAnswer& answer =
      components_.Get(record.type_path, record.sub_code, [](const std::wstring& code) {
        const ConcreteComponentEntry* entry = FindConcreteComponent(code);
        return entry ? CatalogueAnswer{entry, PooledText(entry->group), PooledText(entry->item)}
                     : CatalogueAnswer{};
      });
  const ConcreteComponentEntry* entry = answer.entry;
  if (!entry) return;
  const int factor = VolumeUnitFactor(OwnUnit(record));
  if (factor == 0) return;

  ConcreteFloor& floor = FindOrAppend(
      floors_, floor_index_, record.floor,
      [](const ConcreteFloor& f) -> const PooledText& { return f.floor_text; },
      [&] {
        ConcreteFloor made;
        made.floor_text = record.floor;
        const FloorKey parsed = ParseFloorKey(made.floor_text);
        made.count = parsed.count;
        made.order_key = parsed.order_key;
        return made;
      });
  ConcreteGroup& group = FindOrAppend(
      floor.groups, floor.group_index, answer.group,
      [](const ConcreteGroup& g) -> const PooledText& { return g.name; },
      [&] {
        return ConcreteGroup{answer.group, entry->group_order, {}, {}};
      });
  ConcreteItem& item = FindOrAppend(
      group.items, group.item_index, answer.item,
      [](const ConcreteItem& i) -> const PooledText& { return i.name; },
      [&] {
        return ConcreteItem{answer.item, entry->item_order, {}, {}};
      });
  ConcreteComponent& component = FindOrAppendComponent(item.components, item.component_index,
                                                       record.component_name, record.type_path);
  const PooledText position_text = PooledText::FromUtf8(record.position);
  ConcretePosition& position = FindOrAppend(
      component.positions, component.position_index, position_text,
      [](const ConcretePosition& p) -> const PooledText& { return p.position; },
      [&] {
        ConcretePosition made;
        made.position = position_text;
        return made;
      });

  if (!position.Count(record.id, record.handle, IsPostPourStrip(component.type_path))) return;

  if (record.grade != grade_) {
    std::wstring upper = record.grade.str();
    std::replace(upper.begin(), upper.end(), L'c', L'C');
    grade_ = record.grade;
    upper_grade_ = upper;
  }
  ConcreteGrade& grade = FindOrAppend(
      position.grades, position.grade_index, upper_grade_,
      [](const ConcreteGrade& g) -> const PooledText& { return g.name; },
      [&] {
        ConcreteGrade made;
        made.name = upper_grade_;
        return made;
      });
  AddShares(grade, record.partitions, factor);
}

void STongTable::Sort() {
  std::stable_sort(
      floors_.begin(), floors_.end(),
      [](const ConcreteFloor& a, const ConcreteFloor& b) { return a.order_key < b.order_key; });
  floor_index_.Reset();
  auto by_order = [](const auto& a, const auto& b) { return a.order < b.order; };
  for (ConcreteFloor& floor : floors_) {
    std::stable_sort(floor.groups.begin(), floor.groups.end(), by_order);
    floor.group_index.Reset();
    for (ConcreteGroup& group : floor.groups) {
      std::stable_sort(group.items.begin(), group.items.end(), by_order);
      group.item_index.Reset();
    }
  }
}

void STongTable::Clear() {
  floors_.clear();
  floor_index_.Reset();
  components_ = {};
  grade_ = upper_grade_ = PooledText();
}

}  // namespace reportdata
