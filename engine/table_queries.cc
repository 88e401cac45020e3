// The row queries of ReportTables: which tree and writer answer each table
// type code. The writers live beside this file; the trees in model/.
#include "engine/bill_rows.h"
#include "engine/component_summary_rows.h"
#include "engine/quota_floor_rows.h"
#include "engine/row_layout.h"
#include "engine/row_selection.h"
#include "engine/tree_rows.h"
#include "model/report_tables.h"

namespace reportdata {
namespace {

constexpr int kBillConsumptionColumns = 13;
constexpr int kColumns = 12;

// Only the bill summary and the bill consumption table list merged records
// once per instance when merging is off.
bool MergeFor(int code, const QueryState& state) {
  const bool uses_flag = code == 1 || code == 2 || code == 21 || code == 22;
  return uses_flag ? state.merge : true;
}

RecordLine RecordLineFor(int code) {
  switch (code) {
    case 21:
    case 22:
    case 23:
    case 31:
      return RecordLine::kDescription;
    case 32:
    case 33:
      return RecordLine::kCutDescription;
    default:
      return RecordLine::kNone;
  }
}

bool ServesLayoutA(int code) {
  return code == 1 || code == 2 || code == 3 || code == 11 || code == 12 || code == 13;
}

}  // namespace

bool ReportTables::GetTreeItem(int code, const QueryState& state, CStringArray& items) {
  switch (code) {
    case 1:
    case 2:
    case 3:
    case 11:
    case 12:
    case 13:
    case 14:
      break;
    default:
      return false;
  }
  items.RemoveAll();
  switch (code) {
    case 1:
      ListChapters(bill_summary_.nodes, bill_summary_.index, state.partition, items);
      break;
    case 2:
      ListChapters(bill_consumption_.nodes, bill_consumption_.index, state.partition, items);
      break;
    case 3:
      ListChapters(consumption_summary_.nodes, consumption_summary_.index, state.partition, items);
      break;
    case 11:
      ListChapters(quota_summary_.nodes, quota_summary_.index, state.partition, items);
      break;
    case 12:
      ListGroups(quota_by_floor_.nodes, quota_by_floor_.index, items);
      break;
    case 13:
      ListGroups(quota_by_floor_component_.nodes, quota_by_floor_component_.index, items);
      break;
    default:
      if (component_summary_.nodes.empty()) BuildComponentSummaryFromBills();
      ListComponentGroups(component_summary_.nodes, component_summary_.index, items);
      break;
  }
  return true;
}

bool ReportTables::GetItemData(int code, std::wstring_view name, const QueryState& state,
                               CStringArray& rows) {
  if (!ServesLayoutA(code)) return false;
  rows.RemoveAll();
  RowWriter writer(code == 2 ? kBillConsumptionColumns : kColumns, state.condition, rows);
  RowOptions options;
  options.filter = RowFilter{state.partition, nullptr};
  options.merge = MergeFor(code, state);
  options.records = !name.empty();
  options.wide = code == 2;
  WriteRows(code, name, options, writer);
  return true;
}

bool ReportTables::GetSelectedData(int code, const CStringArray& floors, const CStringArray& second,
                                   const QueryState& state, CStringArray& rows) {
  if (!ServesLayoutA(code)) return false;
  const FloorSelection selection(floors, second);
  rows.RemoveAll();
  RowWriter writer(code == 2 ? kBillConsumptionColumns : kColumns, state.condition, rows);
  RowOptions options;
  options.filter = RowFilter{state.partition, &selection};
  options.merge = MergeFor(code, state);
  options.records = true;
  options.wide = code == 2;
  WriteRows(code, std::wstring_view(), options, writer);
  return true;
}

void ReportTables::WriteRows(int code, std::wstring_view name, const RowOptions& options,
                             RowWriter& writer) {
  const ChapterChoice choice{name, std::wstring_view()};
  switch (code) {
    case 1:
      WriteBillSummaryRows(bill_summary_.nodes, bill_summary_.index, choice, options, writer);
      break;
    case 2:
      WriteBillConsumptionRows(bill_consumption_.nodes, bill_consumption_.index, choice, options,
                               writer);
      break;
    case 3:
      WriteQuotaChapterRows(consumption_summary_.nodes, consumption_summary_.index, choice, options,
                            writer);
      break;
    case 11:
      WriteQuotaChapterRows(quota_summary_.nodes, quota_summary_.index, choice, options, writer);
      break;
    case 12:
      WriteQuotaByFloorRows(quota_by_floor_.nodes, quota_by_floor_.index, name, options, writer);
      break;
    default:
      WriteQuotaByFloorComponentRows(quota_by_floor_component_.nodes,
                                     quota_by_floor_component_.index, name, options, writer);
      break;
  }
}

bool ReportTables::GetNewItemData(int code, std::wstring_view name, const QueryState& state,
                                  CStringArray& rows) {
  // The new-style component rows count each drawing once: the engine answers
  // them from its component table.
  if (code == 14) return false;
  StreamOptions options;
  options.filter = RowFilter{state.partition, nullptr};
  options.merge = MergeFor(code, state);
  options.records = RecordLineFor(code);
  return Stream(code, ChapterChoice{name, std::wstring_view()}, options, nullptr, rows);
}

bool ReportTables::GetDataByCondition(int code, CStringArray& a, CStringArray& b, CStringArray& c,
                                      std::wstring_view condition, const QueryState& state) {
  StreamOptions options;
  options.merge = MergeFor(code, state);
  options.records = RecordLineFor(code);
  switch (code) {
    case 1:
    case 21:
    case 2:
    case 22:
    case 3:
    case 23:
    case 11:
    case 31: {
      const FloorSelection selection(b, c);
      options.filter = RowFilter{state.partition, &selection};
      return Stream(code, ChapterChoice{std::wstring_view(), condition}, options, &selection, a);
    }
    case 12:
    case 32:
    case 13:
    case 33:
    case 14: {
      const FloorSelection selection(a, b);
      options.filter = RowFilter{state.partition, &selection};
      return Stream(code, ChapterChoice{}, options, &selection, c);
    }
    default:
      return false;
  }
}

bool ReportTables::Stream(int code, const ChapterChoice& choice, const StreamOptions& options,
                          const FloorSelection* selection, CStringArray& out) {
  switch (code) {
    case 1:
    case 21:
      StreamBillSummary(out, bill_summary_.nodes, bill_summary_.index, choice, options);
      return true;
    case 2:
    case 22:
      StreamBillConsumption(out, bill_consumption_.nodes, bill_consumption_.index, choice, options);
      return true;
    case 3:
    case 23:
      StreamQuotaChapters(out, consumption_summary_.nodes, consumption_summary_.index, choice,
                          options);
      return true;
    case 11:
    case 31:
      StreamQuotaChapters(out, quota_summary_.nodes, quota_summary_.index, choice, options);
      return true;
    case 12:
    case 32:
      StreamQuotaByFloor(out, quota_by_floor_.nodes, quota_by_floor_.index, choice.name, options);
      return true;
    case 13:
    case 33:
      StreamQuotaByFloorComponent(out, quota_by_floor_component_.nodes,
                                  quota_by_floor_component_.index, choice.name, options);
      return true;
    case 14:
      if (component_summary_.nodes.empty()) BuildComponentSummaryFromBills();
      StreamComponentSummary(out, component_summary_.nodes, component_summary_.index, choice.name,
                             selection);
      return true;
    case 50:
      StreamPrices(out, bill_summary_.nodes, bill_summary_.index, choice.name,
                   options.filter.partition);
      return true;
    default:
      return false;
  }
}

}  // namespace reportdata
