// reportdata html PROJECT_DIR OUT.html [--records] [--records-of ITEM] [--report-dir DIR]
#include <cstdio>
#include <memory>

#include "cli/commands.h"
#include "cli/input_error.h"
#include "cli/physical_charts.h"
#include "cli/project_info.h"
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
    bool records = false;
    std::string records_of;
  };
  auto options = std::make_shared<Options>();
  CLI::App* command = app.add_subcommand(
      "html",
      "Write a self-contained report page: the project, a table of contents, charts that "
      "compare like with like, and every table as a tree whose levels open and close.");
  command->add_option("PROJECT_DIR", options->project, "project directory")->required();
  command->add_option("OUT", options->out, "the page to write (.html); - for standard output")
      ->required();
  command->add_flag("--records", options->records,
                    "list every record (the drawings' places) below the components");
  command->add_option("--records-of", options->records_of,
                      "list the records of this top-level item only (a chapter, a floor…)");
  AddReportDirOption(command, options->report_dir);
  command->callback([options] {
    const ProjectDir dir = ResolveProjectDir(options->project, options->report_dir);
    NyProInterface progress;
    progress.ShowProgressDialog(L"生成报表页面中...", nullptr);
    // Read first: every reload below empties the engine again.
    const PageCharts charts = ReadPhysicalCharts(dir);
    TableReloader reloader(dir);
    std::vector<PageTable> tables;
    bool any = false;
    for (const CatalogTable& table : TableCatalog()) {
      progress.SetShowInformation(L"正在读取 " + FromUtf8(table.name));
      PageTable page{table.name, table.stem, table.columns, false, {}};
      if (!reloader.Load(table, false)) {
        tables.push_back(std::move(page));  // listed as not built
        continue;
      }
      page.built = any = true;
      // Records (the rows that say where a drawing stands) are most of a
      // large project's rows; the page lists them only when asked.
      ForEachItemRows(table, [&](const std::string& item, std::vector<NamedRow> rows) {
        const bool records = options->records || item == options->records_of;
        for (NamedRow& row : rows) {
          if (records || ValueOf(table.columns, row, "position").empty())
            page.rows.push_back(std::move(row));
          else
            ++page.records_left_out;
        }
      });
      tables.push_back(std::move(page));
    }
    if (!any) {
      throw InputError("no report tables in " + dir.report.string() +
                       " (run `reportdata build` first)");
    }
    const std::string text = RenderReportPage(ReadProjectInfo(dir), tables, charts);
    progress.CloseProgressDialog();
    if (options->out == "-") {
      return Print(text);
    }
    // A failure leaves an existing page as it was.
    ReplacingFile page(options->out);
    page.Write(text);
    page.Commit();
    std::printf("wrote %zu tables to %s\n", tables.size(), options->out.c_str());
  });
}

}  // namespace reportdata::cli
