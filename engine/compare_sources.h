// What the comparison reads of each compared table. A table's name, stem,
// file, side and the cells of its labels, unit and quantity are those of its
// catalogue entry (reportdata/table_catalog.h); kept here is only what is the
// comparison's own: the levels it compares and their titles, whether totals
// per unit make sense, and the reading of the concrete summary by floor,
// which has no catalogue entry. The rows come out in the neutral form of
// model/row_match.h.
#ifndef REPORTDATA_ENGINE_COMPARE_SOURCES_H_
#define REPORTDATA_ENGINE_COMPARE_SOURCES_H_

#include <string>
#include <string_view>
#include <vector>

#include "model/row_match.h"
#include "reportdata/compare.h"
#include "reportdata/table_catalog.h"

namespace reportdata {

struct CompareSource {
  ComparedTable table;
  const CatalogTable* catalog;  // null for the concrete summary
  std::string_view name;        // 清单汇总表 …
  std::string_view stem;        // its name in `show`
  std::wstring file;            // the table file checked and read, "\qd.xml" …
  TableSide side;               // kEither: the bill reload when there is a bill summary file
  bool totals;                  // sums per unit make sense (not for ratios)
  std::vector<std::string_view> levels;  // title of each depth compared; deeper rows are not
};

// The source of every compared table.
const CompareSource& SourceOf(ComparedTable table);
const std::vector<CompareSource>& AllSources();

// The rows of the table of the reloaded project, the engine's current
// partition applied (the concrete summary reads that partition's rows).
std::vector<MatchRow> CaptureRows(const CompareSource& source, std::wstring_view partition);

}  // namespace reportdata

#endif  // REPORTDATA_ENGINE_COMPARE_SOURCES_H_
