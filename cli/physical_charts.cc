#include "cli/physical_charts.h"

#include <map>

#include "cli/input_error.h"
#include "cli/quantity_format.h"
#include "cli/table_view.h"
#include "platform/text.h"
#include "reportdata/facades.h"

namespace reportdata::cli {
namespace {

std::string U8(const CString& text) { return ToUtf8(text.str()); }

// Adds value to the bar of that label, bars kept in the order first seen.
void Add(Bars& bars, std::map<std::string, size_t>& index, const std::string& label, double value) {
  const auto [at, added] = index.emplace(label, bars.size());
  if (added) bars.emplace_back(label, 0.0);
  bars[at->second].second += value;
}

}  // namespace

PageCharts ReadPhysicalCharts(const ProjectDir& dir) {
  PageCharts charts;
  try {
    ReloadSide(dir, true, "TongTableqd.xml", "physical-quantity tables");
  } catch (const InputError&) {
    return charts;  // not built: the charts say there is nothing to show
  }
  SWLReportInputInfo input;
  input.fromBill = true;
  CArray<SWLReportFloorInfo> floors;
  std::map<CString, CString> grades;
  CInterQingDan::GetSWLInfoByFloor(floors, grades, input);
  std::map<std::string, size_t> index;
  for (const SWLReportFloorInfo& floor : floors) {
    if (floor.floorText.str().empty()) continue;  // a total over the floors
    // The grades of the items: the groups' own totals and subtotals would
    // count them twice.
    for (const SWLReportEntryInfo& group : floor.entries) {
      for (const SWLReportEntryInfo& item : group.items) {
        for (const SWLReportGradeInfo& grade : item.grades) {
          if (const auto value = ParseQuantity(U8(grade.quantity)))
            Add(charts.concrete, index, U8(floor.name) + " " + U8(grade.grade), *value);
        }
      }
    }
  }
  CArray<SWLReportDecSmallInfo> decoration;
  std::map<int, CString> kinds;
  CInterQingDan::GetSWLInfoByDec(decoration, kinds, input);
  index.clear();
  for (const SWLReportDecSmallInfo& row : decoration) {
    if (row.attribute.str().empty()) continue;  // a floor's subtotal
    if (const auto value = ParseQuantity(U8(row.quantity)))
      Add(charts.decoration, index, U8(row.kind), *value);
  }
  return charts;
}

}  // namespace reportdata::cli
