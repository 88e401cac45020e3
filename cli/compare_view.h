// The forms of `reportdata compare`: aligned text for people (a summary,
// then the rows as a tree with old and new quantity, difference, relative
// change and a mark), and JSON and CSV with named columns and numbers as
// numbers for programs. Each renders the comparisons of one or more tables.
#ifndef CLI_COMPARE_VIEW_H_
#define CLI_COMPARE_VIEW_H_

#include <cstdio>
#include <string>
#include <vector>

#include "reportdata/compare.h"

namespace reportdata::cli {

struct TableComparison {
  ComparedTable table;
  CompareResult result;
};

struct ComparisonHeading {
  std::string old_project;
  std::string new_project;
  std::string partition;  // empty for the whole projects
};

// The mark of a row: 新增, 删除, 增加 or 减少 (by the sign of its
// difference), 变化 for a row without a quantity that has changes below it,
// or empty when unchanged.
std::string MarkOf(const ComparedRow& row);

// Whether the row has a quantity in the old build, and in the new one.
inline bool HasOld(const ComparedRow& row) {
  return row.has_quantity && row.status != RowStatus::kAdded;
}
inline bool HasNew(const ComparedRow& row) {
  return row.has_quantity && row.status != RowStatus::kRemoved;
}

// "变化 3  新增 1  删除 0  未变 40".
std::string CountsText(const CompareSummary& summary);

// The labels of the row's first `count` levels, " / " apart: the first line
// of each, and the whole text of the row's own label, its line breaks as
// blanks.
std::string PathText(const ComparedRow& row, size_t count);

std::string RenderComparisonText(const ComparisonHeading& heading,
                                 const std::vector<TableComparison>& tables);
// JSON is written straight to out as it goes.
void WriteComparisonJson(std::FILE* out, const ComparisonHeading& heading,
                         const std::vector<TableComparison>& tables);
std::string RenderComparisonCsv(const std::vector<TableComparison>& tables);

}  // namespace reportdata::cli

#endif  // CLI_COMPARE_VIEW_H_
