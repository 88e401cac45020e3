// The report page: one self-contained HTML file (no network, no outside
// files) that opens with the project's name and summary, then a table of
// contents, bar charts as inline SVG that each compare like with like
// (building area per storey, concrete by floor and grade, decoration area
// by kind, each index group per m²), and every table as a tree grid whose
// levels open and close. It prints on A4: the controls are left out and the
// table headings repeat on every page.
#ifndef CLI_REPORT_PAGE_H_
#define CLI_REPORT_PAGE_H_

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "cli/column_schema.h"
#include "cli/project_info.h"

namespace reportdata::cli {

struct PageTable {
  std::string_view name;  // 清单汇总表 …
  std::string_view stem;  // qd …; the anchor of its section
  std::span<const NamedColumn> columns;
  bool built = false;  // false: its file is missing
  std::vector<NamedRow> rows;
  size_t records_left_out = 0;  // record rows not on the page
};

// Labelled quantities of one chart, in the order they are drawn.
using Bars = std::vector<std::pair<std::string, double>>;

// The charts whose quantities do not come from the page's tables.
struct PageCharts {
  Bars concrete;      // m3 by "floor grade"
  Bars decoration;    // m2 by kind of finish
  bool shown = true;  // false: a page without charts, such as a comparison of two builds
};

std::string RenderReportPage(const ProjectInfo& project, const std::vector<PageTable>& tables,
                             const PageCharts& charts = {});

}  // namespace reportdata::cli

#endif  // CLI_REPORT_PAGE_H_
