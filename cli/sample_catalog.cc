// The catalogue is data: data/samples/sample-catalog.json, which the build
// embeds as kSampleCatalogText. It is read once, on first use, into lists
// that live as long as the tool; every view handed out points into them.
// Rows are arrays, in the order of the fields of the struct they fill;
// enumerators are named in snake case ("above_ground" for kAboveGround).
#include "cli/sample_catalog.h"

#include <map>
#include <nlohmann/json.hpp>
#include <stdexcept>
#include <string>
#include <vector>

namespace reportdata::cli {

extern const std::string_view kSampleCatalogText;

namespace {

using nlohmann::json;

// Enumerator names in the order of their enum.
constexpr std::string_view kMeasureNames[] = {"volume",   "formwork", "area",   "cushion",
                                              "backfill", "count",    "as_item"};
constexpr std::string_view kShapeNames[] = {"wall",       "column",      "beam",   "slab",
                                            "stair",      "door",        "window", "floor_finish",
                                            "ceiling",    "wall_finish", "facade", "facade_opening",
                                            "excavation", "raft",        "strip"};
constexpr std::string_view kLevelsNames[] = {"foundation",   "basement", "ground",
                                             "above_ground", "upper",    "building"};
constexpr std::string_view kLooseMeasureNames[] = {"site_area", "floor_area", "outer_length",
                                                   "mid_length"};

template <typename Enum, size_t N>
Enum Named(const std::string_view (&names)[N], const json& value) {
  const std::string& name = value.get_ref<const std::string&>();
  for (size_t i = 0; i < N; ++i) {
    if (names[i] == name) return static_cast<Enum>(i);
  }
  throw std::runtime_error("sample catalogue: unknown name " + name);
}

std::string_view Text(const json& value) { return value.get_ref<const std::string&>(); }

template <typename Row>
using Lists = std::map<std::string, std::vector<Row>, std::less<>>;

// The list of lists that a row names.
template <typename Row>
std::span<const Row> Find(const Lists<Row>& lists, std::string_view name) {
  const auto found = lists.find(name);
  if (found == lists.end()) {
    throw std::runtime_error("sample catalogue: no list " + std::string(name));
  }
  return found->second;
}

// Fills one named list per member of group, a row from each array.
template <typename Row, typename Make>
Lists<Row> ReadLists(const json& group, Make&& make) {
  Lists<Row> lists;
  for (const auto& [name, rows] : group.items()) {
    std::vector<Row>& list = lists[name];
    for (const json& row : rows) list.push_back(make(row));
  }
  return lists;
}

struct Catalog {
  json doc = json::parse(kSampleCatalogText);
  Lists<SampleQuota> quotas = ReadLists<SampleQuota>(doc.at("quotas"), [](const json& r) {
    SampleQuota quota{Text(r[0]), Text(r[1]), Text(r[2]), r[3].get<int>(), r[4].get<bool>()};
    if (r.size() > 5) quota.measure = Named<Measure>(kMeasureNames, r[5]);
    return quota;
  });
  Lists<SampleItem> items = ReadLists<SampleItem>(doc.at("items"), [this](const json& r) {
    return SampleItem{Text(r[0]),
                      Text(r[1]),
                      Text(r[2]),
                      Text(r[3]),
                      Text(r[4]),
                      Text(r[5]),
                      Named<Measure>(kMeasureNames, r[6]),
                      Find(quotas, Text(r[7]))};
  });
  Lists<SampleVariant> variants = ReadLists<SampleVariant>(doc.at("variants"), [](const json& r) {
    return SampleVariant{Text(r[0]), r[1].get<int>(), r[2].get<int>()};
  });
  std::vector<SampleComponent> components;
  std::vector<SampleRoom> rooms;
  std::vector<SampleLooseQuota> loose_quotas;
  std::vector<SampleIndexEntry> index;

  Catalog() {
    for (const json& r : doc.at("components")) {
      components.push_back({Text(r[0]), Text(r[1]), Named<Shape>(kShapeNames, r[2]),
                            Named<Levels>(kLevelsNames, r[3]), r[4].get<int>(), r[5].get<bool>(),
                            Find(variants, Text(r[6])), Find(items, Text(r[7])), r[8].get<int>()});
    }
    for (const json& r : doc.at("rooms")) {
      rooms.push_back({Text(r[0]), r[1].get<int>(), r[2].get<int>(), r[3].get<bool>()});
    }
    for (const json& r : doc.at("loose_quotas")) {
      loose_quotas.push_back({Text(r[0]), Text(r[1]), Text(r[2]), Text(r[3]), Text(r[4]),
                              Text(r[5]), r[6].get<int>(),
                              Named<LooseMeasure>(kLooseMeasureNames, r[7])});
    }
    for (const json& r : doc.at("index")) index.push_back({Text(r[0]), Text(r[1]), Text(r[2])});
  }
};

const Catalog& TheCatalog() {
  static const Catalog catalog;
  return catalog;
}

std::span<const SampleItem> Items(std::string_view name) { return Find(TheCatalog().items, name); }

}  // namespace

std::span<const SampleComponent> SampleComponents() { return TheCatalog().components; }
std::span<const SampleItem> SampleOtherItems() { return Items("other"); }
std::span<const SampleRoom> SampleRooms() { return TheCatalog().rooms; }
std::span<const SampleItem> FloorFinishItems(bool wet) {
  return Items(wet ? "wet_floor" : "dry_floor");
}
std::span<const SampleItem> CeilingItems() { return Items("ceiling"); }
std::span<const SampleItem> WallFinishItems(bool wet) {
  return Items(wet ? "glazed_tile" : "plaster");
}
std::span<const SampleLooseQuota> SampleLooseQuotas() { return TheCatalog().loose_quotas; }
std::span<const SampleIndexEntry> SampleComponentIndex() { return TheCatalog().index; }

}  // namespace reportdata::cli
