// The rows of the index analysis table: layout A (group, item and floor rows
// of ratios per square metre, "%.2f/%.2f" quantity over area) and the flagged
// stream of layout B (ratios "%.9f"). A building area of 1 m² or less gives
// "建筑面积小于等于1" or "无建筑面积" instead of a ratio.
#ifndef REPORTDATA_ROWS_INDEX_ANALYSIS_ROWS_H_
#define REPORTDATA_ROWS_INDEX_ANALYSIS_ROWS_H_

#include <string_view>

#include "areas/index_analysis.h"
#include "reportdata/framework.h"
#include "rows/row_layout.h"

namespace reportdata {

// Writes the rows of the group named name (of every group when name is
// empty), ten cells each, below the writer's header.
void WriteIndexAnalysisRows(const IndexAnalysisTable& table, std::wstring_view name,
                            RowWriter& writer);

// Appends the layout B stream of the group named name (every group when empty).
void StreamIndexAnalysis(const IndexAnalysisTable& table, std::wstring_view name,
                         CStringArray& out);

}  // namespace reportdata

#endif  // REPORTDATA_ROWS_INDEX_ANALYSIS_ROWS_H_
