// The matching core of a comparison of two builds of a project. It takes the
// rows of one table from each project in a neutral form (depth, label, unit,
// quantity, in tree order) and does not care which table they come from.
// Rows are matched level by level among the children of matched rows, by
// label and unit, never by position: a chapter by its name, an item by its
// code, name and features and its unit (a changed unit makes a removed and an
// added item), a floor by its floor text, a component by its name.
#ifndef REPORTDATA_MODEL_ROW_MATCH_H_
#define REPORTDATA_MODEL_ROW_MATCH_H_

#include <string>
#include <vector>

#include "reportdata/compare.h"

namespace reportdata {

// One row of a table as the comparison reads it.
struct MatchRow {
  int depth = 0;      // 0: top level; a row follows its parent, deeper by one
  std::string label;  // what the row stands for at its level, UTF-8
  std::string unit;   // UTF-8; part of the match key
  double quantity = 0;
  bool has_quantity = false;  // false for rows such as chapters that hold none
};

struct MatchSettings {
  double tolerance = 0;
  bool changed_only = false;
  // Total lines per unit for each top-level row and for the whole table,
  // summing the rows one level below the top. Off for tables of ratios.
  bool totals = true;
};

// Compares old_rows with new_rows into result.rows and result.summary.
void MatchRows(const std::vector<MatchRow>& old_rows, const std::vector<MatchRow>& new_rows,
               const MatchSettings& settings, CompareResult& result);

}  // namespace reportdata

#endif  // REPORTDATA_MODEL_ROW_MATCH_H_
