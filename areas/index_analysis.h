// The index analysis table (指标分析表, code 10): chosen quantities of the
// project per square metre of building area, by index group and item, for
// the whole project and floor by floor. The groups, their items and each
// item's sources (component type path and calculation item) come from the
// settings file; the builds offer every record to the groups; the building
// area comes from the area table. The engine owns one table.
#ifndef REPORTDATA_AREAS_INDEX_ANALYSIS_H_
#define REPORTDATA_AREAS_INDEX_ANALYSIS_H_

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "areas/area_floor_head.h"
#include "areas/building_area.h"
#include "keys/hash_index.h"
#include "keys/parsed_units.h"
#include "keys/record_keys.h"

namespace reportdata {

inline constexpr wchar_t kEarthworkGroup[] = L"土方工程";
inline constexpr wchar_t kRoofGroup[] = L"屋面工程";

struct SIndexFloorQty : AreaFloorHead {
  double quantity = 0.0;  // one storey of the label
};

struct SIndexSource {
  std::wstring type_path;  // "GJType", such as "J\TF"
  std::wstring item;       // "Item", a calculation item name
};

struct SIndexItem {
  std::wstring name;
  std::vector<SIndexSource> sources;
  std::vector<SIndexFloorQty> floors;
  HashIndex floor_index;  // floors by label

  // Σ quantity × num of the floor entries.
  double Quantity() const;
  // Adds to the entry of the label, appending it when there is none.
  void AddQuantity(std::wstring_view label, double quantity);
  // Appends an entry as a table file holds it.
  void AppendFloor(SIndexFloorQty floor);
};

// One storey's building area of each floor entry of the area table, as
// the groups divide their floor quantities by it: one copy for all groups,
// found by label whatever the number of floors.
class StoreyAreas {
 public:
  explicit StoreyAreas(const CAreaSummaryTable& area);
  // The storey area of the first entry of the label; none when the area
  // table has no such floor.
  std::optional<double> Of(std::wstring_view label) const;

 private:
  struct Storey {
    PooledText label;
    double area;
  };
  std::vector<Storey> storeys_;  // in table order
  HashIndex index_;              // storeys_ by label, complete from construction
};

struct SIndexGroup {
  std::wstring name;
  std::wstring unit;  // base unit of the group's quantities: "m3", "m2", "m"
  std::vector<SIndexItem> items;
  double building_area = 0.0;
  // The area table's storey areas, set with the building area; shared by
  // the groups (and their copies), never changed.
  std::shared_ptr<const StoreyAreas> storeys;

  // The quantity the group row divides: the item "挖土" alone for
  // "土方工程", "防水卷材" alone for "屋面工程", else every item.
  double RatioQuantity() const;
  // One storey's building area of the area table's floor of that label;
  // none when it has no such floor or the area is not set.
  std::optional<double> StoreyArea(std::wstring_view label) const;
};

class IndexAnalysisTable {
 public:
  const std::vector<SIndexGroup>& groups() const { return groups_; }

  // Replaces the groups (their sources as read from the settings file).
  void SetGroups(std::vector<SIndexGroup> groups);
  // Appends a group as a table file holds it (no sources).
  void AppendGroup(SIndexGroup group);
  // Offers a calculation-result record, by its keys with its calculation
  // item, to the groups in order until one takes it; false when none does.
  bool Offer(const RecordKeys& keys);
  // Gives every group the area table's storey areas and total area.
  void SetBuildingArea(const CAreaSummaryTable& area);
  void Clear();

 private:
  using Candidates = std::vector<std::pair<size_t, size_t>>;
  struct Source {
    PooledText type_path, item;
    bool operator==(const Source&) const = default;
  };
  struct SourceHash {
    size_t operator()(const Source& source) const;
  };

  void IndexSources();
  // The candidates of a record's type path and calculation item; null when
  // no item lists them.
  const Candidates* CandidatesOf(const PooledText& type_path, const PooledText& item);

  std::vector<SIndexGroup> groups_;
  // (group, item) positions of the sources, by type path and calculation
  // item, in group and item order: a record finds its candidates at once.
  std::unordered_map<std::wstring, Candidates> source_index_;
  // The same by the records' pool entries, as they were asked for: records
  // repeat a few hundred pairs, whose wide keys cost more to build than the
  // rest of the offer.
  std::unordered_map<Source, const Candidates*, SourceHash> asked_;
  ParsedUnits units_;
  std::wstring scratch_;  // the key being looked up, its buffer reused from record to record
};

}  // namespace reportdata

#endif  // REPORTDATA_AREAS_INDEX_ANALYSIS_H_
