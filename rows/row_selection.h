// What a row query shows of a tree: the current partition (records without an
// entry for it are hidden, and so is every node with nothing visible below
// it) and, for the three-array and condition queries, a floor list and a list
// of component names that narrow each floor entry to the components asked
// for. Built per query; holds copies of the lists.
#ifndef REPORTDATA_ROWS_ROW_SELECTION_H_
#define REPORTDATA_ROWS_ROW_SELECTION_H_

#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "model/report_tree.h"
#include "model/tree_quantity.h"
#include "reportdata/framework.h"

namespace reportdata {

class FloorSelection {
 public:
  FloorSelection(const CStringArray& floors, const CStringArray& names);

  // Appends to `hits` the requested floors for which a floor entry of `floor_text`
  // stays: the entry's floor text is the requested floor itself or one of
  // the floors it expands to.
  void Match(std::wstring_view floor_text, std::vector<int>& hits) const;

  // Whether a component of a floor entry stays for one of the requested
  // floors in `hits`: its name is asked for, and the entry is that floor, or
  // the component is not facade decoration, or its name carries the floor tag
  // "[g层]" of the requested floor or of a floor that it expands to.
  bool KeepsComponent(std::wstring_view floor_text, const std::vector<int>& hits,
                      std::wstring_view name, bool facade) const;

  // Whether `name` is in the second list.
  bool HasName(std::wstring_view name) const { return names_.find(name) != names_.end(); }

 private:
  struct Requested {
    std::wstring floor;
    std::vector<std::wstring> expansion;
    std::vector<std::wstring> tags;  // "[g层]" for the floor and each floor of its expansion
  };
  std::vector<Requested> requested_;
  std::set<std::wstring, std::less<>> names_;
};

struct RowFilter {
  std::wstring_view partition;
  const FloorSelection* selection = nullptr;  // null: nothing narrowed
};

// One floor entry seen through a filter.
class FloorMatch {
 public:
  FloorMatch(const RowFilter& filter, std::wstring_view floor_text);
  bool stays() const { return stays_; }
  // The selection rule for a component of this floor entry (visibility aside).
  bool Keeps(std::wstring_view component_name, std::wstring_view type_path) const;

 private:
  const RowFilter& filter_;
  std::wstring_view floor_text_;
  std::vector<int> hits_;
  bool stays_ = true;
};

// Sums of the visible components that the match keeps.
FloorSum SumComponents(const std::vector<SQdCompNode>& components, const FloorMatch& match,
                       std::wstring_view partition);
FloorSum SumFloor(const SQdFloorNode& floor, const FloorMatch& match, std::wstring_view partition);

// Quantity and visibility of an item's floor list: floor count times the
// per-floor sum plus the facade sum, over the floors that stay.
struct ItemSum {
  double quantity = 0.0;
  bool visible = false;
};
ItemSum SumFloors(const std::vector<SQdFloorNode>& floors, const RowFilter& filter);

}  // namespace reportdata

#endif  // REPORTDATA_ROWS_ROW_SELECTION_H_
