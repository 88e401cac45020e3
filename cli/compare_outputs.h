// The workbook and the report page of `reportdata compare`: the summary and
// each compared table in the named columns the tool's workbook and page
// render, so that they print and read like the other sheets and pages; rows
// that grew and shrank are told apart by colour, added and removed rows by
// their mark (新增, 删除).
#ifndef CLI_COMPARE_OUTPUTS_H_
#define CLI_COMPARE_OUTPUTS_H_

#include <filesystem>
#include <vector>

#include "cli/compare_view.h"
#include "cli/project_info.h"

namespace reportdata::cli {

// Writes a workbook: the new project's overview, 比较摘要, then a sheet per
// table with its rows in outline levels. Throws InputError when it cannot be
// written.
void WriteComparisonWorkbook(const std::filesystem::path& path, const ProjectInfo& project,
                             const std::vector<TableComparison>& tables);

// The report page: the summary, then every table as a tree.
std::string RenderComparisonPage(const ProjectInfo& project,
                                 const std::vector<TableComparison>& tables);

}  // namespace reportdata::cli

#endif  // CLI_COMPARE_OUTPUTS_H_
