// The building-area summary (建筑面积汇总表, code 4): the building area of
// the project floor by floor, split into main-body and balcony area. The
// engine owns one table; the intake and the table file reader append floor
// entries, the row writers and the project-area answers read it. A floor
// entry holds the area of one storey; its floor count multiplies it.
#ifndef REPORTDATA_AREAS_BUILDING_AREA_H_
#define REPORTDATA_AREAS_BUILDING_AREA_H_

#include <string>
#include <string_view>
#include <vector>

#include "areas/area_floor_head.h"
#include "keys/hash_index.h"

namespace reportdata {

inline constexpr wchar_t kBuildingAreaName[] = L"建筑面积";

enum class AreaKind { kMain, kBalcony };

// One area of one storey.
struct SAreaItem {
  std::wstring quantity;  // m² of one storey, "%.3f"
  std::wstring formula;   // empty for areas of the calculation database
};

struct SAreaFloorItem : AreaFloorHead {
  std::vector<SAreaItem> mainItems;
  std::vector<SAreaItem> balconyItems;

  // Σ quantity × num of the items of one kind, and of both.
  double MainArea() const;
  double BalconyArea() const;
  double Area() const { return MainArea() + BalconyArea(); }
  // Σ quantity of both kinds: the area of one storey.
  double StoreyArea() const;
};

// Whether a selection of the floor `wanted` keeps the entry of `label`: the
// same label, or a single floor that the label stands for.
bool SelectsFloor(std::wstring_view label, std::wstring_view wanted);

// Whether a floor label counts below ground: its leading integer is below 1.
bool IsBelowGround(std::wstring_view label);

// The four areas of CReportComMethod::GetProjectArea.
struct ProjectAreas {
  double total = 0.0;
  double above_ground = 0.0;
  double below_ground = 0.0;
  double first_floor = 0.0;  // the last entry whose label reads as the integer 1 (1, 1,3)
};

class CAreaSummaryTable {
 public:
  const std::wstring& name() const { return name_; }
  const std::vector<SAreaFloorItem>& floors() const { return floors_; }

  // Appends the item to the entry whose label equals `label` exactly,
  // creating the entry at the end when there is none.
  void AddItem(std::wstring_view label, AreaKind kind, SAreaItem item);
  // Appends a complete entry as a table file holds it (num and grade kept).
  void AppendFloor(SAreaFloorItem floor);
  void Clear();

  double Area() const;
  ProjectAreas Areas() const;

  // A working copy holding, for each entry and each selected label in order,
  // the entry relabelled with the selected label when it matches: same
  // label, or a single floor that the entry's label stands for.
  CAreaSummaryTable SelectFloors(const std::vector<std::wstring>& labels) const;

  // The entries sorted by grade (equal grades keep their table order).
  std::vector<const SAreaFloorItem*> SortedFloors() const;

 private:
  std::wstring name_ = kBuildingAreaName;
  std::vector<SAreaFloorItem> floors_;
  HashIndex by_label_;  // floors_ by label; a label's first entry is the one items join
};

}  // namespace reportdata

#endif  // REPORTDATA_AREAS_BUILDING_AREA_H_
