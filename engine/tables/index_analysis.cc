// The index analysis table (指标分析表, code 10): its rows (layout A: group,
// item and floor rows of ratios per square metre, "%.2f/%.2f" quantity over
// area; layout B: ratios "%.9f"; a building area of 1 m² or less gives
// "建筑面积小于等于1" or "无建筑面积" instead of a ratio), its catalogue entry
// and columns, the definition of its code (it answers no floor selection), its
// file "\zbfx.xml" (read at once on a reload: it is small) and the
// forwarders of its facade CIZBfFenXi.
#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "engine/analyze.h"
#include "engine/facade_forwarders.h"
#include "engine/table_definitions.h"
#include "keys/number_format.h"
#include "persist/index_table_files.h"
#include "reportdata/facades.h"
#include "rows/row_layout.h"

namespace reportdata {
namespace {

// The ratio of a quantity to an area, or the text said instead of it.
struct Ratio {
  bool divided = false;
  double value = 0.0;
  const wchar_t* message = L"";
};

Ratio Divide(double quantity, double area) {
  if (area > 1.0) return {true, quantity / area, L""};
  return {false, 0.0, area > 0.0 ? L"建筑面积小于等于1" : L"无建筑面积"};
}

bool IsSpecial(const SIndexGroup& group) {
  return group.name == kEarthworkGroup || group.name == kRoofGroup;
}

// Whether the group shows its row only: an ordinary group without more than
// 1 m² of building area, or a special one with less than 1 m².
bool EndsAtGroupRow(const SIndexGroup& group) {
  return IsSpecial(group) ? group.building_area < 1.0 : group.building_area <= 1.0;
}

// Items of the whole site or the foundations have no floor breakdown.
bool HasFloorRows(const SIndexItem& item) {
  return item.name != L"挖土" && item.name != L"回填" && item.name != L"基础";
}

// "%.2f/%.2f".
std::wstring OverText(double quantity, double area) {
  std::wstring text;
  AppendFixed(text, quantity, 2);
  text += L'/';
  AppendFixed(text, area, 2);
  return text;
}

std::wstring Fixed(double value, int decimals) {
  std::wstring text;
  AppendFixed(text, value, decimals);
  return text;
}

// One storey's building area of a floor label: the whole area for label 0,
// none when the area table has no such floor.
std::optional<double> StoreyArea(const SIndexGroup& group, const std::wstring& label) {
  if (label == L"0") return group.building_area;
  return group.StoreyArea(label);
}

std::vector<const SIndexFloorQty*> SortedFloors(const SIndexItem& item) {
  std::vector<const SIndexFloorQty*> floors;
  for (const SIndexFloorQty& floor : item.floors) floors.push_back(&floor);
  std::stable_sort(
      floors.begin(), floors.end(),
      [](const SIndexFloorQty* a, const SIndexFloorQty* b) { return a->grade < b->grade; });
  return floors;
}

const wchar_t* SingleStorey(const SIndexFloorQty& floor) { return floor.num != 1 ? L"单层" : L""; }

// Layout B: the quantity and its "%.9f" ratio, or "0" and the message.
void PutRatio(CStringArray& out, double quantity, double area) {
  const Ratio ratio = Divide(quantity, area);
  if (!ratio.divided) {
    AppendCell(out, L"0");
    AppendCell(out, ratio.message);
    return;
  }
  AppendCell(out, FormatQuantity(quantity));
  AppendCell(out, Fixed(ratio.value, 9));
}

// Writes the rows of the group named name (of every group when name is
// empty), ten cells each, below the writer's header.
void WriteIndexAnalysisRows(const IndexAnalysisTable& table, std::wstring_view name,
                            RowWriter& writer) {
  for (const SIndexGroup& group : table.groups()) {
    if (!name.empty() && group.name != name) continue;
    const double area = group.building_area;
    const std::wstring unit = group.unit + L"/m2";
    auto ratio_cells = [&](double quantity) {
      const Ratio ratio = Divide(quantity, area);
      return ratio.divided ? std::pair(FormatQuantity(ratio.value), OverText(quantity, area))
                           : std::pair(std::wstring(L"0"), std::wstring(ratio.message));
    };
    const auto [group_ratio, group_text] = ratio_cells(group.RatioQuantity());
    const int group_row = writer.AddRow(0, {group.name, L"", L"", unit, group_ratio, group_text});
    if (EndsAtGroupRow(group)) continue;
    for (const SIndexItem& item : group.items) {
      const auto [item_ratio, item_text] = ratio_cells(item.Quantity());
      const int item_row =
          writer.AddRow(group_row, {L"", item.name, L"", unit, item_ratio, item_text});
      if (!HasFloorRows(item)) continue;
      for (const SIndexFloorQty* floor : SortedFloors(item)) {
        const std::optional<double> storey = StoreyArea(group, floor->label);
        const std::wstring label = floor->label + L"层";
        if (storey && *storey > 1.0) {
          writer.AddRow(item_row, {L"", L"", label, unit, FormatQuantity(floor->quantity / *storey),
                                   OverText(floor->quantity, *storey), SingleStorey(*floor)});
        } else if (!storey || *storey > 0.0) {
          writer.AddRow(item_row, {L"", L"", label, unit, L"0", L"0.0", SingleStorey(*floor)});
        }
      }
    }
  }
}

// Appends the layout B stream of the group named name (every group when empty).
void StreamIndexAnalysis(const IndexAnalysisTable& table, std::wstring_view name,
                         CStringArray& out) {
  for (const SIndexGroup& group : table.groups()) {
    if (!name.empty() && group.name != name) continue;
    const double area = group.building_area;
    const std::wstring unit = group.unit + L"/m2";
    AppendCell(out, L"#ZhangFlag#");
    AppendCell(out, group.name);
    AppendCell(out, unit);
    PutRatio(out, group.RatioQuantity(), area);
    if (EndsAtGroupRow(group)) continue;
    for (const SIndexItem& item : group.items) {
      AppendCell(out, L"#AttNameFlag#");
      AppendCell(out, item.name);
      PutRatio(out, item.Quantity(), area);
      AppendCell(out, unit);
      if (!HasFloorRows(item)) {
        const Ratio ratio = Divide(item.Quantity(), area);
        AppendCell(out, L"#FloorFlag#");
        AppendCell(out, L"0层");
        AppendCell(out, FormatQuantity(item.Quantity()));
        AppendCell(out, ratio.divided ? Fixed(ratio.value, 9) : std::wstring(L"0"));
        AppendCell(out, L"");
        continue;
      }
      for (const SIndexFloorQty* floor : SortedFloors(item)) {
        const std::optional<double> storey = StoreyArea(group, floor->label);
        if (storey && *storey <= 0.0) continue;
        AppendCell(out, L"#FloorFlag#");
        AppendCell(out, floor->label + L"层");
        AppendCell(out, FormatQuantity(floor->quantity));
        AppendCell(out, storey && *storey > 1.0 ? Fixed(floor->quantity / *storey, 9)
                                                : std::wstring(L"0.0"));
        AppendCell(out, SingleStorey(*floor));
      }
    }
  }
}

using namespace column_words;

// Index analysis: group → item → floor.
constexpr NamedColumn kIndexColumns[] = {
    {"group", "指标组", T, kLabel, {{2}}},     {"item", "指标项", T, kLabel, {{3}}},
    {"floor", "楼层", T, kLabel, {{4}}},       {"unit", "单位", T, kValue, {{5}}},
    {"quantity", "指标", N, kValue, {{6}}},    {"formula", "计算式", T, kValue, {{7}}},
    {"description", "说明", T, kValue, {{8}}},
};

constexpr int kCodes[] = {10};

CodeDefinition IndexAnalysis() {
  CodeDefinition index{10, CodeDefinition::kAllHeld};
  index.tree_items = [](TableContext& context, CStringArray& items) {
    for (const SIndexGroup& group : context.areas.index_analysis.groups())
      items.Add(CString(group.name));
  };
  index.item_rows = [](TableContext& context, std::wstring_view name, RowWriter& writer) {
    WriteIndexAnalysisRows(context.areas.index_analysis, name, writer);
  };
  index.stream = [](TableContext& context, std::wstring_view name, CStringArray& out) {
    StreamIndexAnalysis(context.areas.index_analysis, name, out);
  };
  return index;
}

const CodeDefinition kCodeDefinitions[] = {IndexAnalysis()};
// The index analysis is offered the named bill records of the bill build
// and every quota result of the quota build.
const RecordFiling kIndexFiling{
    nullptr, [](AreaTables& areas, const RecordKeys& record, FiledRecord as) {
      if (as == FiledRecord::kBill || as == FiledRecord::kQuota || as == FiledRecord::kOtherQuota)
        areas.index_analysis.Offer(record);
    }};

const TableDefinition kTables[] = {{{10, kCodes, "指标分析表", "zbfx", kEither, 10, kIndexColumns},
                                    kCodeDefinitions,
                                    {10, &kIndexAnalysisFile, nullptr, false,
                                     [](TableContext& c, std::wstring_view dir) {
                                       WriteIndexAnalysis(dir, c.areas.index_analysis);
                                     },
                                     [](TableContext& c, std::wstring_view dir) {
                                       ReadIndexAnalysis(dir, c.areas.index_analysis);
                                     }},
                                    nullptr,
                                    0,
                                    kIndexFiling}};
const TableRegistration kRegistered{kTables};

}  // namespace
}  // namespace reportdata

using reportdata::GetEngine;

// The three-array row query has no branch for index analysis.
REPORTDATA_TREE_TABLE_FORWARDERS(CIZBfFenXi, 10)
void CIZBfFenXi::GetNewItemData(CString name, CStringArray& rows) {
  GetEngine()->GetNewItemData(name, rows, 10);
}
