// Filing one calculation-result record into a report tree: the merge rules of
// every level (bill item, quota item, floor, component, measurement record)
// and the lookups that find the merge partner through the index kept beside
// each list. Every function appends a new node when nothing matches and
// returns the node the record now belongs to. The trees are owned by the
// caller; the record is only read. A record comes with its keys
// (record_keys.h), the pool entries of the texts the levels match on, so
// that a level compares entries and mixes their stored hashes rather than
// comparing and hashing the record's texts at every level of every tree.
#ifndef REPORTDATA_MODEL_TREE_INSERT_H_
#define REPORTDATA_MODEL_TREE_INSERT_H_

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "keys/floor_text.h"
#include "keys/record_keys.h"
#include "model/report_tree.h"
#include "reportdata/records.h"

namespace reportdata {

// Measurement record: joins the record with equal partition entries, equal
// description before "||" and a quantity within 1e-7 (the earliest in list
// order), or is appended with piece count 1. `keys` are the record's.
void InsertRecord(std::vector<SQdRecordNode>& records, HashIndex& index, const RecordKeys& keys,
                  double quantity);

// Component with equal name, type path and sub-type.
SQdCompNode& FindOrAddComponent(std::vector<SQdCompNode>& components, HashIndex& index,
                                const PooledText& name, const PooledText& type_path,
                                const PooledText& sub_type);

// Position of the floor that a record on floor `floor_text` joins, -1 for none: the
// first floor in list order whose floor text equals `floor_text` or, for a
// facade record, where one floor text is a single floor that the other
// one's range or list covers.
template <typename Floor>
int FindFloor(const std::vector<Floor>& floors, FloorIndex& index, const PooledText& floor_text,
              bool facade);

// Floor, component and record of a record under an item's floor list. The
// floor's unit is `unit` when the floor is new; `component_name` replaces the
// record's component name (facade copies carry their floor tag).
void InsertIntoFloors(std::vector<SQdFloorNode>& floors, FloorIndex& index, const RecordKeys& keys,
                      const PooledText& component_name, const PooledText& unit, double quantity);

// Component name a record is filed under: facade records (or the quota
// records of a facade bill entry) carry their floor, "name[floor层]".
inline PooledText FiledComponentName(const RecordKeys& keys, bool facade) {
  if (!facade) return keys.component_name;
  return PooledText(FacadeComponentName(keys.component_name, keys.floor));
}

// Chapter of that name, appended with the order id when missing. A pooled
// name compares by its entry.
template <typename Chapter, typename Text>
Chapter& FindOrAddChapter(std::vector<Chapter>& chapters, HashIndex& index, const Text& name,
                          const Text& order_id);

// Bill item match: equal code, name, unit, feature description and equal own
// quota lists. `bill_of(item)` gives the SQdItemNode of a list entry.
bool SameBillItem(const SQdItemNode& item, const RecordKeys& keys);
uint32_t BillItemHash(const PooledText& code, const PooledText& name, const PooledText& unit,
                      const PooledText& feature, size_t features);
void FillBillItem(SQdItemNode& item, const RecordKeys& keys);

// Quota item match: equal code, name, unit and classification variables.
template <typename QuotaItem>
bool SameQuotaItem(const QuotaItem& item, const RecordKeys& keys);
uint32_t QuotaItemHash(const PooledText& code, const PooledText& name, const PooledText& unit,
                       size_t categories);

template <typename QuotaItem>
QuotaItem& FindOrAddQuotaItem(std::vector<QuotaItem>& items, HashIndex& index,
                              const RecordKeys& keys, bool& created);

uint32_t TextHash(std::wstring_view text);
inline uint32_t TextHash(const PooledText& text) { return HashFold(text.hash()); }
inline uint32_t TextHash(const std::wstring& text) { return TextHash(std::wstring_view(text)); }

// The lookup hash of a component by name, type path and sub-type (a section
// of the component table by name, type path and type text).
inline uint32_t ComponentHash(const PooledText& name, const PooledText& type_path,
                              const PooledText& sub_type) {
  return HashFold(HashMix(HashMix(name.hash(), type_path.hash()), sub_type.hash()));
}

// ---------------------------------------------------------------------------
// Template definitions.

template <typename Floor>
int FindFloor(const std::vector<Floor>& floors, FloorIndex& index, const PooledText& floor_text,
              bool facade) {
  const bool single = facade && IsSingleFloor(floor_text);
  if (floors.size() <= HashIndex::kScanLimit) {
    for (size_t i = 0; i < floors.size(); ++i) {
      if (floors[i].floor_text == floor_text) return static_cast<int>(i);
      if (!facade) continue;
      const std::wstring& other = floors[i].floor_text;
      if (single && CoversFloor(other, floor_text)) return static_cast<int>(i);
      if (!single && IsSingleFloor(other) && CoversFloor(floor_text, other))
        return static_cast<int>(i);
    }
    return -1;
  }
  int best = FindFirst(
      floors, index.by_text, [&] { return TextHash(floor_text); },
      [](const Floor& f) { return TextHash(f.floor_text); },
      [&](const Floor& f) { return f.floor_text == floor_text; });
  if (!facade) return best;
  auto better = [&best](int candidate) {
    if (candidate >= 0 && (best < 0 || candidate < best)) best = candidate;
  };
  if (single) {
    // Ranges and lists are indexed under every single floor they cover.
    HashIndex& covered = index.by_covered_floor;
    if (covered.indexed() > floors.size()) covered.Reset();
    std::vector<std::wstring> expansion;
    for (size_t i = covered.indexed(); i < floors.size(); ++i) {
      expansion.clear();
      if (!ExpandFloors(floors[i].floor_text, expansion)) continue;
      for (const std::wstring& floor : expansion)
        covered.Add(TextHash(floor), static_cast<uint32_t>(i));
    }
    covered.set_indexed(floors.size());
    covered.ForEach(TextHash(floor_text), [&](size_t position) {
      if (CoversFloor(floors[position].floor_text, floor_text)) better(static_cast<int>(position));
    });
  } else {
    std::vector<std::wstring> expansion;
    ExpandFloors(floor_text, expansion);
    for (const std::wstring& floor : expansion) {
      better(FindFirst(
          floors, index.by_text, [&] { return TextHash(floor); },
          [](const Floor& f) { return TextHash(f.floor_text); },
          [&](const Floor& f) { return f.floor_text == floor && IsSingleFloor(f.floor_text); }));
    }
  }
  return best;
}

template <typename Chapter, typename Text>
Chapter& FindOrAddChapter(std::vector<Chapter>& chapters, HashIndex& index, const Text& name,
                          const Text& order_id) {
  const int found = FindFirst(
      chapters, index, [&] { return TextHash(name); },
      [](const Chapter& c) { return TextHash(c.name); },
      [&](const Chapter& c) { return c.name == name; });
  if (found >= 0) return chapters[found];
  Chapter& chapter = chapters.emplace_back();
  chapter.name = name;
  chapter.order_id = order_id;
  return chapter;
}

bool SameCategories(std::span<const SNYTJFenLeiVarDescInfo> a,
                    std::span<const SNYTJFenLeiVarDescInfo> b);

template <typename QuotaItem>
bool SameQuotaItem(const QuotaItem& item, const RecordKeys& keys) {
  return item.code == keys.quota_code && item.name == keys.quota_name &&
         item.unit == keys.quota_unit && SameCategories(item.categories, keys.categories);
}

template <typename QuotaItem>
QuotaItem& FindOrAddQuotaItem(std::vector<QuotaItem>& items, HashIndex& index,
                              const RecordKeys& keys, bool& created) {
  const auto hash = [&] {
    return QuotaItemHash(keys.quota_code, keys.quota_name, keys.quota_unit, keys.categories.size());
  };
  const int found = FindFirst(
      items, index, hash,
      [](const QuotaItem& q) { return QuotaItemHash(q.code, q.name, q.unit, q.categories.size()); },
      [&](const QuotaItem& q) { return SameQuotaItem(q, keys); });
  created = found < 0;
  if (found >= 0) return items[found];
  QuotaItem& item = items.emplace_back();
  item.code = keys.quota_code;
  item.name = keys.quota_name;
  item.unit = keys.quota_unit;
  item.categories.assign(keys.categories.begin(), keys.categories.end());
  return item;
}

}  // namespace reportdata

#endif  // REPORTDATA_MODEL_TREE_INSERT_H_
