// reportdata show PROJECT_DIR TABLE [ITEM] [--partition P] [--condition C]
//   [--no-merge] [--layout a|b] [--format text|json|cells|csv] [--depth N]
//   [--floor F]... [--decimals N] [--side bill|quota] [--type-path P]...
#include <memory>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "cli/component_view.h"
#include "cli/input_error.h"
#include "cli/physical_view.h"
#include "cli/table_view.h"
#include "reportdata/errors.h"

namespace reportdata::cli {
namespace {

// The views without facade cells print "cells" as text.
Format FormatOf(const std::string& name) {
  if (name == "json") return Format::kJson;
  if (name == "cells") return Format::kCells;
  if (name == "csv") return Format::kCsv;
  return Format::kText;
}

}  // namespace

void AddShowCommand(CLI::App& app) {
  struct Options {
    std::string project;
    std::string table;
    std::string report_dir;
    bool no_merge = false;
    std::string layout = "a";
    std::string format = "text";
    ShowRequest request;
    bool as_written = false;
    std::string side = "bill";
    std::vector<std::string> floors;
    PhysicalRequest physical;
  };
  auto options = std::make_shared<Options>();
  CLI::App* command = app.add_subcommand(
      "show", "Print one report table of a built project, read back from its table file.");
  command->add_option("PROJECT_DIR", options->project, "project directory")->required();
  command
      ->add_option(
          "TABLE", options->table,
          "table by name or file stem: " + std::string("清单汇总表 (qd), 定额汇总表 (de1), …") +
              "; or a physical-quantity view: " + PhysicalViewNames() + "; or " +
              std::string(kComponentViewNames))
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
  command
      ->add_option("--floor", options->floors,
                   "only this floor, as 3, 2,5 or 2,5层; a range also gives its single floors "
                   "(repeatable in the physical-quantity views)")
      ->expected(1)
      ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
  CLI::Option* decimals =
      command
          ->add_option("--decimals", options->request.decimals,
                       "decimals of quantities (default: text rounds by unit, csv and json "
                       "keep the module's values)")
          ->check(CLI::Range(0, 9));
  command
      ->add_flag("--as-written", options->as_written,
                 "text: quantities as the module wrote them, with six decimals")
      ->excludes(decimals);
  AddReportDirOption(command, options->report_dir);
  command
      ->add_option("--side", options->side,
                   "physical-quantity views and 构件表: bill or quota side (default: bill)")
      ->check(CLI::IsMember({"bill", "quota"}));
  command
      ->add_option("--type-path", options->physical.type_paths,
                   "concrete views: only components of this type path, e.g. Q\\TWQ "
                   "(repeatable)")
      ->expected(1)
      ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
  command->callback([options, decimals] {
    const ProjectDir dir = ResolveProjectDir(options->project, options->report_dir);
    if (const PhysicalView* view = FindPhysicalView(options->table)) {
      options->physical.floors = options->floors;
      options->physical.bill_side = options->side == "bill";
      options->physical.format = FormatOf(options->format);
      return Print(ShowPhysicalView(dir, *view, options->physical));
    }
    if (IsComponentView(options->table)) {
      return Print(ShowComponentTable(dir, options->side == "bill", options->request.item,
                                      FormatOf(options->format)));
    }
    const CatalogTable* table = FindCatalogTable(options->table);
    if (!table) {
      throw InputError("unknown table '" + options->table + "'; the tables are: " + TableNames() +
                       "; the physical-quantity views: " + PhysicalViewNames() + "; and " +
                       std::string(kComponentViewNames));
    }
    if (options->floors.size() > 1) throw InputError("--floor takes one floor for a report table");
    if (!options->floors.empty()) options->request.floor = options->floors.front();
    ReloadTables(dir, *table);
    options->request.merge = !options->no_merge;
    options->request.layout = options->layout == "b" ? Layout::kB : Layout::kA;
    options->request.format = FormatOf(options->format);
    // Text is for people and rounds by unit; the other forms are for
    // programs and keep the module's values; --decimals rounds any.
    if (decimals->count() == 0) {
      options->request.decimals = options->as_written || options->request.format != Format::kText
                                      ? kDecimalsAsWritten
                                      : kDecimalsOfUnit;
    }
    try {
      Print(ShowTable(*table, options->request));
    } catch (const TableFileError&) {
      // The check's words for what it finds.
      RequireIntactTableFile(dir, std::string(table->stem) + ".xml");
      throw;
    }
  });
}

}  // namespace reportdata::cli
