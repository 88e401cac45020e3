// reportdata show PROJECT_DIR TABLE [ITEM] [--partition P] [--condition C]
//   [--no-merge] [--layout a|b] [--format text|json|cells|csv] [--depth N]
//   [--floor F] [--decimals N]
#include <cstdio>
#include <memory>

#include "cli/commands.h"
#include "cli/input_error.h"
#include "cli/table_view.h"

namespace reportdata::cli {

void AddShowCommand(CLI::App& app) {
  struct Options {
    std::string project;
    std::string table;
    std::string report_dir;
    bool no_merge = false;
    std::string layout = "a";
    std::string format = "text";
    ShowRequest request;
  };
  auto options = std::make_shared<Options>();
  CLI::App* command = app.add_subcommand(
      "show", "Print one report table of a built project, read back from its table file.");
  command->add_option("PROJECT_DIR", options->project, "project directory")->required();
  command
      ->add_option(
          "TABLE", options->table,
          "table by name or file stem: " + std::string("清单汇总表 (qd), 定额汇总表 (de1), …"))
      ->required();
  command->add_option("ITEM", options->request.item,
                      "one tree item (chapter, floor, room…); all items when left out");
  command->add_option("--partition", options->request.partition,
                      "show only this partition's records and quantities");
  command->add_option("--condition", options->request.condition,
                      "condition text of the header row");
  command->add_flag("--no-merge", options->no_merge, "list merged records once per instance");
  command
      ->add_option("--layout", options->layout,
                   "a: tree grid rows; b: flagged record stream (default: a)")
      ->check(CLI::IsMember({"a", "b"}));
  command
      ->add_option("--format", options->format,
                   "text, json (named columns), cells (the facade's strings) or csv "
                   "(default: text)")
      ->check(CLI::IsMember({"text", "json", "cells", "csv"}));
  command
      ->add_option("--depth", options->request.depth,
                   "deepest tree level printed (0: top-level items)")
      ->check(CLI::Range(0, 99));
  command->add_option("--floor", options->request.floor,
                      "only this floor, as 3, 2,5 or 2,5层; a range also gives its single floors");
  command
      ->add_option("--decimals", options->request.decimals,
                   "decimals of quantities in text and csv")
      ->check(CLI::Range(0, 9));
  command->add_option("--report-dir", options->report_dir,
                      "report data directory, a direct child of PROJECT_DIR (default: report)");
  command->callback([options] {
    const ProjectDir dir = ResolveProjectDir(options->project, options->report_dir);
    const TableSpec* table = FindTable(options->table);
    if (!table) {
      throw InputError("unknown table '" + options->table + "'; the tables are: " + TableNames());
    }
    ReloadTables(dir, *table);
    options->request.merge = !options->no_merge;
    options->request.layout = options->layout == "b" ? Layout::kB : Layout::kA;
    options->request.format = options->format == "json"    ? Format::kJson
                              : options->format == "cells" ? Format::kCells
                              : options->format == "csv"   ? Format::kCsv
                                                           : Format::kText;
    const std::string text = ShowTable(*table, options->request);
    std::fwrite(text.data(), 1, text.size(), stdout);
  });
}

}  // namespace reportdata::cli
