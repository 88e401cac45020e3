// The definitions of the codes answered from the area tables that belong to
// no catalogue table: the handle query's own code (0) and code 15, the
// regrouped door and window kinds as tree items and the component table of
// the quota side as new-style rows. Each catalogue table defines its own
// codes (engine/tables/).
#include "areas/door_window.h"
#include "areas/door_window_regroup.h"
#include "engine/table_definitions.h"

namespace reportdata {
namespace {

// Code 15: the regrouped door and window kinds as tree items, and the
// component table of the quota side as new-style rows.
CodeDefinition QuotaComponentTable() {
  CodeDefinition table{15, CodeDefinition::kAllHeld};
  table.tree_items = [](TableContext& context, CStringArray& items) {
    for (const RegroupedKind& kind : Regroup(context.areas.owned.Of<DoorWindowTable>().kinds()))
      items.Add(CString(kind.kind));
  };
  table.stream = [](TableContext& context, std::wstring_view name, CStringArray& out) {
    StreamComponentTable(context, false, name, out);
  };
  return table;
}

const CodeDefinition kCodes[] = {
    // The handle query of a row that names its floor in cell 0.
    CodeDefinition{0, CodeDefinition::kAllHeld, 0},
    QuotaComponentTable(),
};

}  // namespace

std::span<const CodeDefinition> AreaCodes() { return kCodes; }

void StreamComponentTable(TableContext& context, bool from_bills, std::wstring_view category,
                          CStringArray& out) {
  ComponentTable& table = context.areas.component_table;
  if (table.groups().empty()) {
    if (context.tables.component_summary().empty()) {
      if (from_bills) {
        context.tables.BuildComponentSummaryFromBills();
      } else {
        context.tables.BuildComponentSummaryFromQuotas();
      }
    }
    table.AddSummary(context.tables.component_summary());
  }
  table.Stream(category, out);
}

}  // namespace reportdata
