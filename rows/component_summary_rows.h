// Rows of the component summary (codes 14 and 15): groups by component
// category in the attribute templates' order, floors by floor order, and the
// component entries with their instance counts.
#ifndef REPORTDATA_ROWS_COMPONENT_SUMMARY_ROWS_H_
#define REPORTDATA_ROWS_COMPONENT_SUMMARY_ROWS_H_

#include <string_view>
#include <vector>

#include "model/report_tree.h"
#include "reportdata/framework.h"
#include "rows/row_selection.h"

namespace reportdata {

// Group names in display order.
void ListComponentGroups(std::vector<GjhzGroupNode>& groups, HashIndex& index, CStringArray& items);

// "#ZhangFlag#" group, "#FloorFlag#" floor + "层" and instance count,
// "#MemFlag#" component name, type text, instance count and handle lists.
// An empty name lists every group; `selection` (may be null) narrows floors
// and component names.
void StreamComponentSummary(CStringArray& out, std::vector<GjhzGroupNode>& groups, HashIndex& index,
                            std::wstring_view name, const FloorSelection* selection);

}  // namespace reportdata

#endif  // REPORTDATA_ROWS_COMPONENT_SUMMARY_ROWS_H_
