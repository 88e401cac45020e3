// Comparing two builds of a project: which bill items, quota items, floors
// and components of a table grew or shrank, which are new (新增) and which
// are gone (删除), with chapter and table totals per unit. Both projects are
// read back from their table files, one after the other, through the one
// engine; the engine is left empty (as after ReleaseAll) when the call
// returns. Runs on the caller's thread like every exported operation.
#ifndef REPORTDATA_COMPARE_H_
#define REPORTDATA_COMPARE_H_

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "reportdata/export.h"

namespace reportdata {

// The tables that can be compared.
enum class ComparedTable {
  kBillSummary,    // 清单汇总表: chapter, bill item, floor, component
  kQuotaSummary,   // 定额汇总表: chapter, quota item, floor, component
  kBuildingArea,   // 建筑面积汇总表: total, floor, area item
  kDoorsWindows,   // 门窗汇总表: kind, type, floor
  kConcrete,       // 混凝土按楼层: floor, component kind, component, grade
  kIndexAnalysis,  // 指标分析表: group, index item, floor
};

struct CompareOptions {
  ComparedTable table = ComparedTable::kBillSummary;
  std::string partition;      // UTF-8; empty compares the whole projects
  double tolerance = 0;       // a difference of at most this much counts as none
  bool changed_only = false;  // leave out unchanged rows that hold no change below them
};

// 新增: only the new project has the row; 删除: only the old one has it.
enum class RowStatus { kUnchanged, kChanged, kAdded, kRemoved };

// A row of the table, the total line of a top-level row (a chapter, a floor
// group…) for one unit, or the total line of the whole table for one unit.
enum class RowKind { kRow, kGroupTotal, kTableTotal };

struct ComparedRow {
  RowKind kind = RowKind::kRow;
  int depth = 0;                  // 0: top level; a group total is at depth 1
  std::vector<std::string> path;  // labels from the top level down to this row, UTF-8
  std::string unit;
  int decimals = 2;                // shown for the unit
  bool has_quantity = false;       // false for rows without a quantity of their own (chapters)
  double old_quantity = 0;         // 0 for a row of the new project only
  double new_quantity = 0;         // 0 for a row of the old project only
  double difference = 0;           // new - old
  std::optional<double> relative;  // difference / old; none when old is 0 or missing
  RowStatus status = RowStatus::kUnchanged;
};

struct CompareSummary {
  // Rows of the level below the top (bill and quota items, floors of the
  // building area, component kinds of a floor's concrete…).
  std::size_t changed = 0;
  std::size_t added = 0;
  std::size_t removed = 0;
  std::size_t unchanged = 0;
  // Per unit, in the order the units first appear, the ten rows of that
  // level with the largest absolute difference, largest first.
  std::vector<ComparedRow> largest;
};

// Why a comparison did not run.
enum class CompareError {
  kNone,
  kProject,    // a project's table file is missing or damaged; the message names it
  kPartition,  // a project lacks the partition; the message names both
};

struct CompareResult {
  CompareError error = CompareError::kNone;
  std::string message;              // one line, UTF-8; empty on success
  std::vector<std::string> levels;  // the title of each depth: 章节, 清单项, 楼层, 构件…
  CompareSummary summary;
  std::vector<ComparedRow> rows;  // tree order, group totals after their group
};

// Compares the table of the project whose report data directory is
// new_report_dir with that of old_report_dir (directories as the reload
// entries take them).
REPORTDATA_API CompareResult CompareProjects(const std::wstring& old_report_dir,
                                             const std::wstring& new_report_dir,
                                             const CompareOptions& options);

// The Chinese name of a compared table ("清单汇总表") and the stem its
// `show` name has ("qd").
REPORTDATA_API std::string_view ComparedTableName(ComparedTable table);
REPORTDATA_API std::string_view ComparedTableStem(ComparedTable table);

// Every table that can be compared, in the order of ComparedTable.
REPORTDATA_API std::vector<ComparedTable> AllComparedTables();

// The table by its Chinese name or stem; none when it cannot be compared.
REPORTDATA_API std::optional<ComparedTable> FindComparedTable(std::string_view name);

}  // namespace reportdata

#endif  // REPORTDATA_COMPARE_H_
