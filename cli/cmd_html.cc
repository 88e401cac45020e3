// reportdata html PROJECT_DIR OUT.html [--report-dir DIR]
#include <cstdio>
#include <memory>

#include "cli/commands.h"
#include "cli/input_error.h"
#include "cli/report_page.h"
#include "cli/table_view.h"
#include "platform/text.h"
#include "reportdata/replacing_file.h"
#include "reportdata/services.h"

namespace reportdata::cli {

void AddHtmlCommand(CLI::App& app) {
  struct Options {
    std::string project;
    std::string out;
    std::string report_dir;
  };
  auto options = std::make_shared<Options>();
  CLI::App* command = app.add_subcommand(
      "html",
      "Write a self-contained report page: a table of contents, every table as a tree whose "
      "levels open and close, and charts of the building area and the quantities.");
  command->add_option("PROJECT_DIR", options->project, "project directory")->required();
  command->add_option("OUT", options->out, "the page to write (.html); - for standard output")
      ->required();
  command->add_option("--report-dir", options->report_dir,
                      "report data directory, a direct child of PROJECT_DIR (default: report)");
  command->callback([options] {
    const ProjectDir dir = ResolveProjectDir(options->project, options->report_dir);
    TableReloader reloader(dir);
    NyProInterface progress;
    progress.ShowProgressDialog(L"生成报表页面中...", nullptr);
    std::vector<PageTable> tables;
    bool any = false;
    for (const TableDef& table : AllTables()) {
      progress.SetShowInformation(L"正在读取 " + FromUtf8(table.name));
      PageTable page{table.name, table.stem, table.columns, false, {}};
      try {
        reloader.Load(table);
        page.built = any = true;
        page.rows = AllRows(table);
      } catch (const InputError&) {
        page.built = false;  // listed as not built
      }
      tables.push_back(std::move(page));
    }
    if (!any) {
      throw InputError("no report tables in " + dir.report.string() +
                       " (run `reportdata build` first)");
    }
    const std::string text = RenderReportPage(dir.project.filename().string(), tables);
    progress.CloseProgressDialog();
    if (options->out == "-") {
      std::fwrite(text.data(), 1, text.size(), stdout);  // the tool checks it before it exits
      return;
    }
    // A failure leaves an existing page as it was.
    ReplacingFile page(options->out);
    page.Write(text);
    page.Commit();
    std::printf("wrote %zu tables to %s\n", tables.size(), options->out.c_str());
  });
}

}  // namespace reportdata::cli
