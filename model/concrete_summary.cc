// Forming the rows of the physical-quantity summaries from a concrete table.
#include "model/concrete_summary.h"

#include <algorithm>
#include <cwchar>
#include <unordered_set>
#include <utility>

#include "keys/floor_text.h"
#include "keys/number_format.h"

namespace reportdata {
namespace {

// Sums of one row while it is formed; maps keyed by (order, name) list
// groups and items in catalogue order.
struct ItemSum {
  double sum = 0.0;
  std::map<std::wstring, double> grades;
};
struct GroupSum {
  double sum = 0.0;
  std::map<std::pair<int, std::wstring>, ItemSum> items;
};
using RowSum = std::map<std::pair<int, std::wstring>, GroupSum>;

// The floor buckets that make up one floor row and the multiplier of each.
struct FloorScope {
  std::wstring floor;  // the bucket's floor text or the requested floor
  std::vector<std::pair<const ConcreteFloor*, int>> buckets;
};

// What a summary reads from the input record.
struct Filter {
  std::unordered_set<std::wstring> type_paths;  // empty: every component
  bool Accepts(const std::wstring& type_path) const {
    return type_paths.empty() || type_paths.contains(type_path);
  }
};

Filter MakeFilter(const SWLReportInputInfo& input) {
  Filter filter;
  for (const CString& path : input.typePaths) filter.type_paths.insert(path.str());
  return filter;
}

// With no requested floor, one scope per bucket multiplied by its floor
// count. A requested floor takes the bucket of its own floor text (floor
// count) and every range or list bucket that covers it (one floor).
std::vector<FloorScope> FloorScopes(const STongTable& table, const SWLReportInputInfo& input) {
  std::vector<FloorScope> scopes;
  if (input.floors.IsEmpty()) {
    for (const ConcreteFloor& bucket : table.floors()) {
      scopes.push_back({bucket.floor_text, {{&bucket, bucket.count}}});
    }
    return scopes;
  }
  for (const CString& requested : input.floors) {
    FloorScope& scope = scopes.emplace_back();
    scope.floor = requested.str();
    for (const ConcreteFloor& bucket : table.floors()) {
      if (bucket.floor_text == scope.floor) {
        scope.buckets.emplace_back(&bucket, bucket.count);
      } else if (CoversFloor(bucket.floor_text, scope.floor)) {
        scope.buckets.emplace_back(&bucket, 1);
      }
    }
  }
  return scopes;
}

// Adds one bucket to a row: the whole quantity when column is empty or
// "小计(m3)", else the share of the partition named column.
void AddBucket(const ConcreteFloor& bucket, int multiplier, std::wstring_view column,
               const Filter& filter, std::map<CString, CString>& grades, RowSum& row) {
  const bool whole = column.empty() || column == kFloorSubtotalRow;
  for (const ConcreteGroup& group : bucket.groups) {
    for (const ConcreteItem& item : group.items) {
      for (const ConcreteComponent& component : item.components) {
        if (!filter.Accepts(component.type_path)) continue;
        for (const ConcretePosition& position : component.positions) {
          for (const ConcreteGrade& grade : position.grades) {
            bool found = false;
            double quantity = 0.0;
            for (const ConcreteShare& share : grade.shares) {
              if (whole || share.partition == column) {
                quantity += share.quantity;
                found = true;
              }
            }
            if (!found) continue;
            quantity *= multiplier;
            GroupSum& group_sum = row[{group.order, group.name}];
            ItemSum& item_sum = group_sum.items[{item.order, item.name}];
            group_sum.sum += quantity;
            item_sum.sum += quantity;
            item_sum.grades[grade.name] += quantity;
            grades[CString(grade.name.str())] = CString(grade.name.str());
          }
        }
      }
    }
  }
}

SWLReportEntryInfo MakeEntry(const std::wstring& name, int order, double sum) {
  SWLReportEntryInfo entry;
  entry.name = name;
  entry.quantity = FormatQuantity(sum);
  entry.order = order;
  return entry;
}

// The entries of a row: its groups with their items and grades, then
// "构件小计". Empty when no group received anything.
std::vector<SWLReportEntryInfo> RowEntries(const RowSum& row) {
  std::vector<SWLReportEntryInfo> entries;
  double total = 0.0;
  for (const auto& [group_key, group] : row) {
    SWLReportEntryInfo& entry =
        entries.emplace_back(MakeEntry(group_key.second, group_key.first, group.sum));
    for (const auto& [item_key, item] : group.items) {
      SWLReportEntryInfo& item_entry =
          entry.items.emplace_back(MakeEntry(item_key.second, item_key.first, item.sum));
      for (const auto& [grade, quantity] : item.grades) {
        item_entry.grades.push_back({CString(grade), CString(FormatQuantity(quantity))});
      }
    }
    total += group.sum;
  }
  if (!entries.empty()) entries.push_back(MakeEntry(kComponentSubtotal, kSubtotalOrder, total));
  return entries;
}

std::vector<SWLReportEntryInfo> ScopeEntries(const FloorScope& scope, std::wstring_view column,
                                             const Filter& filter,
                                             std::map<CString, CString>& grades) {
  RowSum row;
  for (const auto& [bucket, multiplier] : scope.buckets) {
    AddBucket(*bucket, multiplier, column, filter, grades, row);
  }
  return RowEntries(row);
}

// A quantity text added as a number: the totals add what the rows show.
void AddText(CString& into, const CString& add) {
  into = FormatQuantity(std::wcstod(into, nullptr) + std::wcstod(add, nullptr));
}

void MergeGrades(std::vector<SWLReportGradeInfo>& into,
                 const std::vector<SWLReportGradeInfo>& from) {
  for (const SWLReportGradeInfo& grade : from) {
    auto same = std::find_if(into.begin(), into.end(),
                             [&](const SWLReportGradeInfo& g) { return g.grade == grade.grade; });
    if (same == into.end()) {
      into.push_back(grade);
    } else {
      AddText(same->quantity, grade.quantity);
    }
  }
}

// Merges entries by name. The lists are bounded by the catalogue (17 groups,
// a handful of items and grades each), so a scan serves.
void MergeEntries(std::vector<SWLReportEntryInfo>& into,
                  const std::vector<SWLReportEntryInfo>& from) {
  for (const SWLReportEntryInfo& entry : from) {
    auto same = std::find_if(into.begin(), into.end(),
                             [&](const SWLReportEntryInfo& e) { return e.name == entry.name; });
    if (same == into.end()) {
      into.push_back(entry);
      continue;
    }
    AddText(same->quantity, entry.quantity);
    MergeEntries(same->items, entry.items);
    MergeGrades(same->grades, entry.grades);
  }
}

using EntryLists = std::vector<const std::vector<SWLReportEntryInfo>*>;

// The entries of several rows merged by name and sorted by order.
std::vector<SWLReportEntryInfo> MergedEntries(const EntryLists& rows) {
  std::vector<SWLReportEntryInfo> merged;
  for (const auto* entries : rows) MergeEntries(merged, *entries);
  std::stable_sort(
      merged.begin(), merged.end(),
      [](const SWLReportEntryInfo& a, const SWLReportEntryInfo& b) { return a.order < b.order; });
  return merged;
}

// The totals row's entries: merged, the last "构件小计" named "构件合计".
std::vector<SWLReportEntryInfo> TotalEntries(const EntryLists& rows) {
  std::vector<SWLReportEntryInfo> total = MergedEntries(rows);
  if (!total.empty() && total.back().name == kComponentSubtotal) {
    total.back().name = kComponentTotal;
  }
  return total;
}

std::wstring FloorRowName(const std::wstring& floor) { return floor + L"层"; }

}  // namespace

void SummarizeByFloor(const STongTable& table, const SWLReportInputInfo& input,
                      std::map<CString, CString>& grades, CArray<SWLReportFloorInfo>& rows) {
  rows.RemoveAll();
  const Filter filter = MakeFilter(input);
  for (const FloorScope& scope : FloorScopes(table, input)) {
    SWLReportFloorInfo row;
    row.entries = ScopeEntries(scope, L"", filter, grades);
    if (row.entries.empty()) continue;
    row.name = FloorRowName(scope.floor);
    row.floorText = scope.floor;
    rows.Add(row);
  }
  EntryLists parts;
  for (const SWLReportFloorInfo& row : rows) parts.push_back(&row.entries);
  SWLReportFloorInfo total;
  total.name = kTotalsRow;
  total.entries = TotalEntries(parts);
  rows.Add(total);
}

void SummarizeByFloorPartition(const STongTable& table, const SWLReportInputInfo& input,
                               const std::vector<std::wstring>& partitions,
                               std::map<CString, CString>& grades,
                               CArray<SWLReportFloorFenQuInfo>& rows) {
  rows.RemoveAll();
  const Filter filter = MakeFilter(input);
  std::vector<size_t> subtotal_rows;
  for (const FloorScope& scope : FloorScopes(table, input)) {
    auto add_row = [&](const std::wstring& column) {
      SWLReportFloorFenQuInfo row;
      row.entries = ScopeEntries(scope, column, filter, grades);
      if (row.entries.empty()) return false;
      row.name = column;
      row.floorText = scope.floor;
      rows.Add(row);
      return true;
    };
    for (const std::wstring& partition : partitions) add_row(partition);
    if (add_row(kFloorSubtotalRow)) subtotal_rows.push_back(rows.GetSize() - 1);
  }
  EntryLists parts;
  for (size_t index : subtotal_rows) parts.push_back(&rows[index].entries);
  SWLReportFloorFenQuInfo total;
  total.name = kTotalsRow;
  total.entries = TotalEntries(parts);
  rows.Add(total);
}

void SummarizeByPartitionFloor(const STongTable& table, const SWLReportInputInfo& input,
                               const std::vector<std::wstring>& partitions,
                               std::map<CString, CString>& grades,
                               CArray<SWLReportFenQuFloorInfo>& rows) {
  rows.RemoveAll();
  const Filter filter = MakeFilter(input);
  const std::vector<FloorScope> scopes = FloorScopes(table, input);
  std::vector<SWLReportFenQuFloorInfo> subtotals;
  for (const std::wstring& partition : partitions) {
    const INT_PTR first = rows.GetSize();
    for (const FloorScope& scope : scopes) {
      SWLReportFenQuFloorInfo row;
      row.entries = ScopeEntries(scope, partition, filter, grades);
      if (row.entries.empty()) continue;
      row.name = FloorRowName(scope.floor);
      row.partition = partition;
      rows.Add(row);
    }
    if (rows.GetSize() == first) continue;
    EntryLists floor_rows;
    for (INT_PTR i = first; i < rows.GetSize(); ++i) floor_rows.push_back(&rows[i].entries);
    SWLReportFenQuFloorInfo subtotal;
    subtotal.name = kPartitionSubtotalRow;
    subtotal.partition = partition;
    subtotal.entries = MergedEntries(floor_rows);
    rows.Add(subtotal);
    subtotals.push_back(subtotal);
  }
  EntryLists parts;
  for (const SWLReportFenQuFloorInfo& row : subtotals) parts.push_back(&row.entries);
  SWLReportFenQuFloorInfo total;
  total.name = kTotalsRow;
  total.entries = TotalEntries(parts);
  rows.Add(total);
}

}  // namespace reportdata
