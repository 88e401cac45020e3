// reportdata compare OLD_PROJECT NEW_PROJECT [TABLE…] [--partition P] [--changed]
//   [--tolerance T] [--format text|json|csv] [--xlsx OUT.xlsx] [--html OUT.html]
#include <cstdio>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "cli/compare_outputs.h"
#include "cli/compare_view.h"
#include "cli/input_error.h"
#include "cli/project_dir.h"

namespace reportdata::cli {
namespace {

std::string ComparedTableNames() {
  std::string names;
  for (ComparedTable table : AllComparedTables()) {
    if (!names.empty()) names += ", ";
    names +=
        std::string(ComparedTableName(table)) + " (" + std::string(ComparedTableStem(table)) + ")";
  }
  return names;
}

}  // namespace

void AddCompareCommand(CLI::App& app) {
  struct Options {
    std::string old_project;
    std::string new_project;
    std::vector<std::string> tables;
    std::string report_dir;
    CompareOptions compare;  // all but the table, which each TABLE names
    std::string format = "text";
    std::string xlsx;
    std::string html;
  };
  auto options = std::make_shared<Options>();
  CLI::App* command = app.add_subcommand(
      "compare",
      "Compare the report tables of two builds of a project: which rows grew or shrank, which "
      "are new (新增) and which are gone (删除), with chapter and table totals per unit.");
  command->add_option("OLD_PROJECT", options->old_project, "the earlier project directory")
      ->required();
  command->add_option("NEW_PROJECT", options->new_project, "the later project directory")
      ->required();
  command
      ->add_option("TABLE", options->tables,
                   "tables by name or stem (default: 清单汇总表): " + ComparedTableNames())
      ->check(CLI::Validator(
          [](std::string& name) {
            return FindComparedTable(name)
                       ? std::string()
                       : "unknown table '" + name + "'; the tables are: " + ComparedTableNames();
          },
          "TABLE"));
  command->add_option("--partition", options->compare.partition,
                      "compare within this partition of both projects");
  command->add_flag("--changed", options->compare.changed_only,
                    "leave out unchanged rows (their parents stay when something below changed)");
  command
      ->add_option("--tolerance", options->compare.tolerance,
                   "a difference of at most this much counts as none (default: 0, rounding at "
                   "the unit's decimals)")
      ->check(CLI::NonNegativeNumber);
  command->add_option("--format", options->format, "text, json or csv (default: text)")
      ->check(CLI::IsMember({"text", "json", "csv"}));
  command->add_option("--xlsx", options->xlsx,
                      "also write a workbook: the summary, then a sheet per table");
  command->add_option("--html", options->html,
                      "also write a report page: the summary, then every table as a tree");
  AddReportDirOption(command, options->report_dir, "each project");
  command->callback([options] {
    const ProjectDir old_dir = ResolveProjectDir(options->old_project, options->report_dir);
    const ProjectDir new_dir = ResolveProjectDir(options->new_project, options->report_dir);
    if (options->tables.empty()) options->tables.push_back("qd");
    CompareOptions& compare = options->compare;
    std::vector<TableComparison> tables;
    for (const std::string& name : options->tables) {
      compare.table = *FindComparedTable(name);
      CompareResult result =
          CompareProjects(old_dir.ReportArgument().str(), new_dir.ReportArgument().str(), compare);
      if (result.error != CompareError::kNone) throw InputError(result.message);
      tables.push_back({compare.table, std::move(result)});
    }
    if (!options->xlsx.empty())
      WriteComparisonWorkbook(options->xlsx, ReadProjectInfo(new_dir), tables);
    if (!options->html.empty()) {
      const std::string page = RenderComparisonPage(ReadProjectInfo(new_dir), tables);
      std::ofstream out(options->html, std::ios::binary);
      out << page;
      if (!out.flush()) throw InputError("cannot write " + options->html);
    }
    const ComparisonHeading heading{old_dir.project.string(), new_dir.project.string(),
                                    compare.partition};
    if (options->format == "json") return WriteComparisonJson(stdout, heading, tables);
    const std::string text = options->format == "csv" ? RenderComparisonCsv(tables)
                                                      : RenderComparisonText(heading, tables);
    Print(text);
  });
}

}  // namespace reportdata::cli
