// reportdata tables [PROJECT_DIR] [--format text|json] [--report-dir DIR]:
// every report table with its Chinese name, short name, file and side, and
// with a project its rows.
#include <memory>
#include <nlohmann/json.hpp>
#include <optional>

#include "cli/commands.h"
#include "cli/display_width.h"
#include "cli/table_view.h"

namespace reportdata::cli {
namespace {

// The whole-table row count of every table of the project; nothing for a
// table whose file is missing. Each side's files are read back once.
std::vector<std::optional<std::size_t>> CountRows(const ProjectDir& dir) {
  std::vector<std::optional<std::size_t>> counts;
  TableReloader reloader(dir);
  for (const CatalogTable& table : TableCatalog()) {
    counts.push_back(reloader.Load(table, false) ? std::optional(CountTableRows(table))
                                                 : std::nullopt);
  }
  return counts;
}

}  // namespace

void AddTablesCommand(CLI::App& app) {
  struct Options {
    std::string project;
    std::string report_dir;
    std::string format = "text";
  };
  auto options = std::make_shared<Options>();
  CLI::App* command = app.add_subcommand(
      "tables", "List the report tables; with a project, the rows each holds (- when not built).");
  command->add_option("PROJECT_DIR", options->project, "a built project directory");
  AddReportDirOption(command, options->report_dir);
  command->add_option("--format", options->format, "text or json (default: text)")
      ->check(CLI::IsMember({"text", "json"}));
  command->callback([options] {
    std::vector<std::optional<std::size_t>> counts;
    if (!options->project.empty())
      counts = CountRows(ResolveProjectDir(options->project, options->report_dir));
    const std::span<const CatalogTable> tables = TableCatalog();
    if (options->format == "json") {
      // {"tables": [{"name", "stem", "file", "side", "rows"}]}, rows a number
      // (null when not built) and only given a project.
      nlohmann::ordered_json out = {{"tables", nlohmann::ordered_json::array()}};
      for (size_t t = 0; t < tables.size(); ++t) {
        nlohmann::ordered_json table = {{"name", tables[t].name},
                                        {"stem", tables[t].stem},
                                        {"file", std::string(tables[t].stem) + ".xml"},
                                        {"side", SideName(tables[t].side)}};
        if (!counts.empty())
          table["rows"] = counts[t] ? nlohmann::ordered_json(*counts[t]) : nullptr;
        out["tables"].push_back(std::move(table));
      }
      return Print(out.dump(1) + "\n");
    }
    std::string out = PadRight("名称", 22) + PadRight("简称", 8) + PadRight("文件", 12) +
                      (counts.empty() ? "方" : PadRight("方", 7) + "   行数") + "\n";
    for (size_t t = 0; t < tables.size(); ++t) {
      const std::string_view side = SideName(tables[t].side);
      out += PadRight(tables[t].name, 22) + PadRight(tables[t].stem, 8) +
             PadRight(std::string(tables[t].stem) + ".xml", 12) +
             (counts.empty()
                  ? std::string(side)
                  : PadRight(side, 7) + PadLeft(counts[t] ? std::to_string(*counts[t]) : "-", 7)) +
             "\n";
    }
    Print(out);
  });
}

}  // namespace reportdata::cli
