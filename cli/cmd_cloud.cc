// reportdata cloud PROJECT_DIR [--template FILE] [--max-level N]
//   [--format text|json|csv] [--xml FILE] [--report-dir DIR]
// Prints the cloud index report of a built project: for each node of the
// template, its quantity, the building area of its scope, the quantity per
// square metre and the share of the project, read back from the cloud-index
// data file of the last build.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <nlohmann/json.hpp>
#include <optional>

#include "cli/commands.h"
#include "cli/csv.h"
#include "cli/input_error.h"
#include "cli/project_dir.h"
#include "cli/quantity_format.h"
#include "cli/row_printer.h"
#include "platform/text.h"
#include "reportdata/facades.h"
#include "reportdata/replacing_file.h"
#include "reportdata/report_template.h"
#include "reportdata/services.h"

namespace reportdata::cli {
namespace {

namespace fs = std::filesystem;

constexpr char kCloudDataFile[] = "CloudData.xml";

std::string Utf8(const CString& text) { return ToUtf8(text.str()); }

std::string DefaultTemplate() {
  return Utf8(ISysCache::GetNYSysDir()) + "/templates/residential.xml";
}

// The cells after id and name, as the columns show them.
const GridLayout& ReportGrid() {
  static const GridLayout grid{0,
                               0,
                               0,
                               "指标",
                               {{0, "单位"},
                                {0, "工程量", Align::kRight},
                                {0, "单方指标", Align::kRight},
                                {0, "占比", Align::kRight},
                                {0, "范围"},
                                {0, "建筑面积", Align::kRight}}};
  return grid;
}

// Each row at its level (the dots of its id), id and name as the tree text.
std::vector<TreeRow> TreeRows(const CArray<SCloudNormDispData>& rows) {
  std::vector<TreeRow> tree;
  for (const SCloudNormDispData& row : rows) {
    const std::string id = Utf8(row.id);
    tree.push_back({static_cast<int>(std::count(id.begin(), id.end(), '.')),
                    id + " " + Utf8(row.name),
                    {Utf8(row.unit), Utf8(row.quantity), Utf8(row.perArea), Utf8(row.rate),
                     Utf8(row.scope), Utf8(row.area)}});
  }
  return tree;
}

// CSV for a spreadsheet: the level first, then id and name apart, then the
// columns of the text form.
std::string RenderCsv(const CArray<SCloudNormDispData>& rows) {
  std::vector<std::string> titles = {"层级", "编号", "指标"};
  for (const ColumnLayout& column : ReportGrid().columns) titles.emplace_back(column.title);
  std::string csv = std::string(kUtf8Bom) + CsvLine(titles);
  const std::vector<TreeRow> tree = TreeRows(rows);
  for (size_t r = 0; r < tree.size(); ++r) {
    std::vector<std::string> fields = {std::to_string(tree[r].depth), Utf8(rows[r].id),
                                       Utf8(rows[r].name)};
    fields.insert(fields.end(), tree[r].cells.begin(), tree[r].cells.end());
    csv += CsvLine(fields);
  }
  return csv;
}

// A number as a JSON number; null when the module wrote none.
nlohmann::ordered_json Number(const CString& text) {
  const std::optional<double> value = ParseQuantity(Utf8(text));
  return value ? nlohmann::ordered_json(*value) : nlohmann::ordered_json();
}

std::string RenderJson(const CString& name, const CArray<SCloudNormDispData>& rows) {
  nlohmann::ordered_json out;
  out["template"] = Utf8(name);
  out["rows"] = nlohmann::ordered_json::array();
  for (const SCloudNormDispData& row : rows) {
    out["rows"].push_back({{"id", Utf8(row.id)},
                           {"name", Utf8(row.name)},
                           {"unit", Utf8(row.unit)},
                           {"quantity", Number(row.quantity)},
                           {"perArea", Number(row.perArea)},
                           {"rate", Number(row.rate)},
                           {"scope", Utf8(row.scope)},
                           {"area", Number(row.area)}});
  }
  return out.dump(2) + "\n";
}

}  // namespace

void AddCloudCommand(CLI::App& app) {
  struct Options {
    std::string project;
    std::string report_dir;
    std::string template_file;
    int max_level = 0;
    std::string format = "text";
    std::string xml;
  };
  auto options = std::make_shared<Options>();
  CLI::App* command = app.add_subcommand(
      "cloud",
      "Print the cloud index report of a built project with a template: quantities, "
      "building areas and ratios by scope and floor.");
  command->add_option("PROJECT_DIR", options->project, "project directory")->required();
  command->add_option("--template", options->template_file,
                      "cloud index template file (default: the shipped residential template)");
  command->add_option("--max-level", options->max_level, "deepest level printed (default: all)")
      ->check(CLI::PositiveNumber);
  command->add_option("--format", options->format, "text, json or csv (default: text)")
      ->check(CLI::IsMember({"text", "json", "csv"}));
  command->add_option("--xml", options->xml, "also save the report document to this file");
  AddReportDirOption(command, options->report_dir);
  command->callback([options] {
    const ProjectDir dir = ResolveProjectDir(options->project, options->report_dir);
    if (!fs::exists(dir.report / kCloudDataFile)) {
      throw InputError("no cloud-index data in " + dir.report.string() +
                       "; run 'reportdata build " + options->project + "' first");
    }
    const std::string path =
        options->template_file.empty() ? DefaultTemplate() : options->template_file;
    CCloudNormTemplMng templates;
    if (!templates.ReadTemplData(CString(FromUtf8(path)), CString(), true)) {
      throw InputError("cannot read the cloud index template " + path +
                       ": missing, or not a <云指标模板> document");
    }
    CReportComMethod::ReleaseAll();
    CReportExpComMethod::GetSingle()->ReadNormXml(dir.ReportArgument());
    const CReportTemplate report(templates, CReportComMethod::GetCloudDataMnd(), templates.name);
    if (report.GetRoots().empty()) {
      throw InputError("the template " + path + " gathers nothing from this project's data");
    }
    CArray<SCloudNormDispData> rows;
    report.GetRepData(rows, L"工程数据",
                      options->max_level > 0 ? options->max_level : report.GetMaxLevel());
    if (!options->xml.empty()) {
      ReplacingFile document(options->xml);
      document.Write(Utf8(report.WriteData()));
      document.Commit();
    }
    std::string text;
    if (options->format == "json") {
      text = RenderJson(templates.name, rows);
    } else if (options->format == "csv") {
      text = RenderCsv(rows);
    } else {
      text = Utf8(templates.name) + "\n\n" + RenderText(TreeRows(rows), ReportGrid());
    }
    Print(text);
  });
}

}  // namespace reportdata::cli
