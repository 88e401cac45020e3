// Where the comparison reads each compared table: which reload holds it,
// which file, and which cells of its rows are the labels, the unit and the
// quantity. This is the one place that knows it; it gives way to the table
// catalogue once that describes every table's columns. The rows come out in
// the neutral form of model/row_match.h.
#ifndef REPORTDATA_ENGINE_COMPARE_SOURCES_H_
#define REPORTDATA_ENGINE_COMPARE_SOURCES_H_

#include <string>
#include <string_view>
#include <vector>

#include "model/row_match.h"
#include "reportdata/compare.h"
#include "reportdata/framework.h"

namespace reportdata {

// Which reload reads the table's file back; kEither: the bill reload when
// the project has a bill summary file, else the quota reload.
enum class CompareReload { kBill, kQuota, kEither };

struct CompareSource {
  ComparedTable table;
  std::string_view name;   // 清单汇总表 …
  std::string_view stem;   // its name in `show`
  std::wstring_view file;  // the table file checked and read, "\qd.xml" …
  CompareReload reload;
  // A tree file is large and is checked only when its reload gives no rows;
  // the others are checked before they are read.
  bool tree_file;
  bool totals;                           // sums per unit make sense (not for ratios)
  std::vector<std::string_view> levels;  // title of each depth compared
};

// The source of every compared table.
const CompareSource& SourceOf(ComparedTable table);
const std::vector<CompareSource>& AllSources();

// The rows of the table of the reloaded project, the engine's current
// partition applied (the concrete summary reads that partition's rows).
std::vector<MatchRow> CaptureRows(const CompareSource& source, std::wstring_view partition);

}  // namespace reportdata

#endif  // REPORTDATA_ENGINE_COMPARE_SOURCES_H_
