// Rows of the two floor-group tables: the quota summary by floor (codes 12,
// 32: floor group, chapter, quota item, component, record) and by floor and
// component (13, 33: floor group, component, calculation item, quota item,
// record). Quota items there stand for one floor group, so their rows carry
// the floor formulas with three decimals.
#ifndef REPORTDATA_ROWS_QUOTA_FLOOR_ROWS_H_
#define REPORTDATA_ROWS_QUOTA_FLOOR_ROWS_H_

#include <string_view>
#include <vector>

#include "model/report_tree.h"
#include "model/tree_order.h"
#include "reportdata/framework.h"
#include "rows/row_layout.h"
#include "rows/tree_rows.h"

namespace reportdata {

// A floor group is named by its floor text; hosts pass it back either
// plain or as listed, followed by "层". An empty name chooses every group.
bool GroupChosen(std::wstring_view floor_text, std::wstring_view name);

// Floor groups sorted by floor, each listed as floor text + "层".
template <typename Group>
void ListGroups(std::vector<Group>& groups, FloorIndex& index, CStringArray& items);

void WriteQuotaByFloorRows(std::vector<SDeFloorGroupNode>& groups, FloorIndex& index,
                           std::wstring_view name, const RowOptions& options, RowWriter& writer);
void WriteQuotaByFloorComponentRows(std::vector<SDeFloorCompGroupNode>& groups, FloorIndex& index,
                                    std::wstring_view name, const RowOptions& options,
                                    RowWriter& writer);

void StreamQuotaByFloor(CStringArray& out, std::vector<SDeFloorGroupNode>& groups,
                        FloorIndex& index, std::wstring_view name, const StreamOptions& options);
void StreamQuotaByFloorComponent(CStringArray& out, std::vector<SDeFloorCompGroupNode>& groups,
                                 FloorIndex& index, std::wstring_view name,
                                 const StreamOptions& options);

// ---------------------------------------------------------------------------

template <typename Group>
void ListGroups(std::vector<Group>& groups, FloorIndex& index, CStringArray& items) {
  SortFloors(groups, index);
  for (const Group& group : groups) Put(items, FloorText(group.floor_text));
}

}  // namespace reportdata

#endif  // REPORTDATA_ROWS_QUOTA_FLOOR_ROWS_H_
