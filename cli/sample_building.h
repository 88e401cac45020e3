// The building that the sample generator describes: its floors, partitions
// and component instances, walked in a fixed order so that one seed always
// gives the same calculation records. Each instance yields, per calculation
// item, a bill record and the quota records classified under it; a sink
// receives them as they are made, so nothing grows with the building but the
// door and window list.
#ifndef CLI_SAMPLE_BUILDING_H_
#define CLI_SAMPLE_BUILDING_H_

#include <array>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "cli/sample_catalog.h"
#include "cli/sample_random.h"

namespace reportdata::cli {

struct SampleOptions {
  int floors = 10;  // storeys above ground
  int scale = 1;    // multiplies the instances on every storey
  std::uint64_t seed = 1;
  // The low-merge shape: quantities, positions and handles all distinct,
  // 25 component names per item and most records split over two or three
  // partitions, so that few records merge in the report trees.
  bool low_merge = false;
};

// One floor entry of the project: a single storey ("7"), a range ("2,5") or
// a list ("6/8") of identical storeys, the foundation floor "0" or a basement.
struct SampleFloor {
  std::string label;  // floor text as records carry it
  std::string kind;   // 基础层, 地下室, 首层, 标准层 or 顶层
  int number = 0;     // first storey it stands for
  int count = 1;      // storeys it stands for
  int height = 0;     // storey height, mm
  int bottom = 0;     // bottom elevation of its first storey, mm
};

struct SampleShare {
  std::string name;      // partition name, "未分区" for the rest
  std::string quantity;  // decimal text, written as a JSON number
};

// One calculation-result record as the interchange file carries it. Texts
// that come from the catalogue are views into it.
struct SampleRecord {
  long long id = 0;
  std::string_view bill_code, bill_name, bill_unit;
  std::string description;
  std::string quantity;
  std::string_view sub_type, type_path;
  std::string component_name;
  std::string position;
  std::string handle;
  std::string_view grade;
  std::string_view floor;
  std::string_view kind;  // "1" bill record, "2" quota record
  std::string_view sub_code;
  std::string_view quota_code, quota_name, quota_unit;
  std::string_view room, place, place2;
  std::vector<SampleShare> partitions;
  std::string feature;
  std::string_view category_grade;              // a quota's grade variable, when it has one
  std::span<const SampleQuota> quota_features;  // a bill record's own quotas
  std::string_view features_grade;              // their grade variable
  std::string_view calc_item;
};

struct SampleDoorWindow {
  int type = 0;
  std::string floor;
  std::string type_name;
  std::string position;
  std::string key;
};

// Receives each classified entry: one bill record and its quota records.
using EntrySink =
    std::function<void(const SampleRecord& bill, std::span<const SampleRecord> quotas)>;
using RecordSink = std::function<void(const SampleRecord& record)>;

class SampleBuilding {
 public:
  explicit SampleBuilding(const SampleOptions& options);

  const std::vector<SampleFloor>& floors() const { return floors_; }
  // Partition names, "未分区" last.
  const std::vector<std::string>& partitions() const { return partitions_; }
  // Storeys above ground and below it.
  int above_ground() const { return options_.floors; }

  // The classified entries of every component on every floor. Also collects
  // the doors and windows.
  void WalkClassified(const EntrySink& sink);
  // Quota records outside every bill item.
  void WalkLooseQuotas(const RecordSink& sink);
  // The other items (其他项目) of the project.
  void WalkOtherItems(const EntrySink& sink);

  // Filled by WalkClassified.
  const std::vector<SampleDoorWindow>& doors_windows() const { return doors_windows_; }

  // Building area of one storey of a floor entry (m2, thousandths), and of its
  // balconies.
  long long MainArea(const SampleFloor& floor) const;
  long long BalconyArea(const SampleFloor& floor) const;

 private:
  // One placed component instance: where it is and what it measures.
  struct Instance {
    long long id = 0;
    std::string name;
    std::string position;
    std::string handle;
    int first_axis = 1;  // the axes the instance spans, for its partition shares
    int last_axis = 1;
    // Partitions the instance is split over regardless of its axes (two or
    // three in the low-merge shape), 0 to split it by its axes.
    int spread = 0;
    std::string_view grade;
    std::string size;       // section or opening size, or the eave height of other items
    std::string thickness;  // wall thickness, mm
    std::string_view room;
    std::string_view place;
    // Quantities in thousandths by Measure, with the formula each comes from.
    std::array<long long, kMeasures> quantity{};
    std::array<std::string, kMeasures> formula;

    void Set(Measure measure, long long value, std::string text) {
      quantity[static_cast<size_t>(measure)] = value;
      formula[static_cast<size_t>(measure)] = std::move(text);
    }
  };

  bool OnFloor(Levels levels, const SampleFloor& floor) const;
  void PlaceComponent(const SampleComponent& component, const SampleFloor& floor,
                      const EntrySink& sink);
  void PlaceRooms(const SampleFloor& floor, const EntrySink& sink);
  // Bay and corner bay windows: door and window occurrences only.
  void PlaceBayWindows(const SampleFloor& floor);
  // Makes the instance differ from every other one of its item and floor:
  // a measured offset on its position and quantities, and a spread over
  // partitions. Renamed instances take one of 25 names.
  void MakeDistinct(Instance& instance, bool rename);
  void Emit(const Instance& instance, std::string_view type_path, std::string_view sub_type,
            std::span<const SampleItem> items, const SampleFloor& floor, const EntrySink& sink);
  std::vector<SampleShare> Shares(int first_axis, int last_axis, int spread, long long milli,
                                  int factor) const;
  // A new instance with the next id and drawing handle.
  Instance NextInstance();

  SampleOptions options_;
  SampleRandom random_;
  std::vector<SampleFloor> floors_;
  std::vector<std::string> partitions_;
  std::vector<SampleDoorWindow> doors_windows_;
  long long next_id_ = 1;
  // Reused for every entry so that a million records make no allocations
  // beyond the texts themselves.
  SampleRecord bill_;
  std::vector<SampleRecord> quotas_;
};

}  // namespace reportdata::cli

#endif  // CLI_SAMPLE_BUILDING_H_
