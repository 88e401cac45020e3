// reportdata export PROJECT_DIR OUT.xlsx [TABLE…] [--report-dir DIR]
#include <cstdio>
#include <memory>

#include "cli/bill_list.h"
#include "cli/commands.h"
#include "cli/input_error.h"
#include "cli/project_info.h"
#include "cli/table_view.h"
#include "cli/workbook.h"
#include "platform/text.h"
#include "reportdata/services.h"

namespace reportdata::cli {

void AddExportCommand(CLI::App& app) {
  struct Options {
    std::string project;
    std::string out;
    std::vector<std::string> tables;
    std::string report_dir;
  };
  auto options = std::make_shared<Options>();
  CLI::App* command = app.add_subcommand(
      "export",
      "Write the report tables of a built project to a workbook (.xlsx) that prints: the "
      "project's overview, the bill of quantities, then one sheet per table, rows grouped by "
      "the levels of the tree.");
  command->add_option("PROJECT_DIR", options->project, "project directory")->required();
  command->add_option("OUT", options->out, "the workbook to write (.xlsx)")->required();
  command->add_option("TABLE", options->tables,
                      "tables by name or file stem (default: every table that was built)");
  AddReportDirOption(command, options->report_dir);
  command->callback([options] {
    if (options->out == "-") {
      throw InputError("export writes a workbook file, not standard output: name OUT.xlsx");
    }
    const ProjectDir dir = ResolveProjectDir(options->project, options->report_dir);
    std::vector<const CatalogTable*> chosen;
    for (const std::string& name : options->tables) {
      const CatalogTable* table = FindCatalogTable(name);
      if (!table) throw InputError("unknown table '" + name + "'; the tables are: " + TableNames());
      chosen.push_back(table);
    }
    const bool every = chosen.empty();
    if (every) {
      for (const CatalogTable& table : TableCatalog()) chosen.push_back(&table);
    }
    TableReloader reloader(dir);
    NyProInterface progress;
    progress.ShowProgressDialog(L"导出工作簿中...", nullptr);
    Workbook book(options->out, ReadProjectInfo(dir));
    const CatalogTable& bill = *FindCatalogTable("qd");
    try {
      reloader.Load(bill);
      book.AddBillList(BillList(bill.columns, TopRows(bill, 1)));
    } catch (const InputError&) {
      // No bill summary built: no bill of quantities either.
    }
    size_t sheets = 0;
    for (const CatalogTable* table : chosen) {
      progress.SetShowInformation(L"正在导出 " + FromUtf8(table->name));
      if (!reloader.Load(*table, !every)) continue;  // left out of the whole-project workbook
      book.StartTable(table->name, table->columns);
      ForEachItemRows(*table,
                      [&](const std::string&, std::vector<NamedRow> rows) { book.AddRows(rows); });
      ++sheets;
    }
    if (sheets == 0) {
      throw InputError("no report tables in " + dir.report.string() +
                       " (run `reportdata build` first)");
    }
    book.Close();
    progress.CloseProgressDialog();
    std::printf("wrote %zu tables to %s\n", sheets, options->out.c_str());
  });
}

}  // namespace reportdata::cli
