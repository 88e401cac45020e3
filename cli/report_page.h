// The report page: one self-contained HTML file (no network, no outside
// files) with a table of contents, every table as a tree grid whose levels
// open and close, and bar charts of the building area and of the quantities
// by floor and by chapter as inline SVG. It prints: the controls are left
// out and the table headings repeat on every page.
#ifndef CLI_REPORT_PAGE_H_
#define CLI_REPORT_PAGE_H_

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "cli/column_schema.h"

namespace reportdata::cli {

struct PageTable {
  std::string_view name;  // 清单汇总表 …
  std::string_view stem;  // qd …; the anchor of its section
  std::span<const NamedColumn> columns;
  bool built = false;  // false: its file is missing
  std::vector<NamedRow> rows;
};

std::string RenderReportPage(std::string_view project, const std::vector<PageTable>& tables);

}  // namespace reportdata::cli

#endif  // CLI_REPORT_PAGE_H_
