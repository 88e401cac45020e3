// The bay windows of the sample building. They reach the door and window
// table only (the calculation database's door and window occurrences), not
// the bill and quota tables: the sample shows the kinds "飘窗" and "转角飘窗"
// beside doors and windows, occurrences that share a key (the two bay windows
// of a storey are one drawing block placed twice) and one occurrence without
// a position.
#include "cli/sample_building.h"

namespace reportdata::cli {
namespace {

constexpr int kBayWindowType = 53;        // MCD\PC
constexpr int kCornerBayWindowType = 54;  // MCD\ZPC

}  // namespace

void SampleBuilding::PlaceBayWindows(const SampleFloor& floor) {
  if (floor.number < 2) return;
  const std::string block = "PC-" + std::to_string(floor.number);
  for (int i = 0; i < 2 * options_.scale; ++i) {
    doors_windows_.push_back(
        {kBayWindowType, floor.label, "PC1815",
         "A/" + std::to_string(3 + 4 * (i % 2)) + "-" + std::to_string(4 + 4 * (i % 2)), block});
  }
  if (floor.kind == "顶层") {
    doors_windows_.push_back({kCornerBayWindowType, floor.label, "ZPC2418", "", "ZPC-1"});
  }
}

}  // namespace reportdata::cli
