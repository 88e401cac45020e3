#include "cli/project_build.h"

#include <algorithm>
#include <chrono>
#include <filesystem>

#include "cli/display_width.h"
#include "cli/input_error.h"
#include "cli/quantity_format.h"
#include "platform/text.h"
#include "reportdata/facades.h"
#include "reportdata/services.h"

namespace reportdata::cli {
namespace {

namespace fs = std::filesystem;

// Counts the tables that the side just built, the shared ones last so that
// they show what the later build wrote.
void CountSide(TableSide side, bool shared, BuildSummary& summary) {
  for (const CatalogTable& table : TableCatalog()) {
    if (table.side == side || (shared && table.side == TableSide::kEither))
      summary.tables.push_back({&table, CountTableRows(table)});
  }
}

std::string Size(std::uintmax_t bytes) {
  const double kb = static_cast<double>(bytes) / 1024.0;
  return bytes >= 1024 * 1024 ? Fixed(kb / 1024.0, 1) + " MB" : Fixed(kb, 1) + " KB";
}

}  // namespace

BuildSummary BuildProject(const ProjectDir& dir, const BuildOptions& options) {
  std::error_code error;
  fs::create_directory(dir.report, error);
  if (error) throw InputError("cannot create " + dir.report.string() + ": " + error.message());
  BuildSummary summary;
  const auto start = std::chrono::steady_clock::now();
  const CString report = dir.ReportArgument();
  if (options.bill) {
    CString failure;
    CReportComMethod::ReleaseAll();
    CInterQingDan::InitQdData(report, failure);
    if (!failure.IsEmpty()) throw InputError("bill build failed: " + ToUtf8(failure.str()));
    NyProInterface progress;
    progress.ShowProgressDialog(L"处理清单报表中...", nullptr);
    progress.SetShowInformation(L"正在写入报表文件!");
    CInterQingDan::Write_xml(report);
    CountSide(TableSide::kBill, !options.quota, summary);
  }
  if (options.quota) {
    CString failure;
    // The bill build filled room table 2 and the shared tables; the quota
    // build adds to them, so it starts from an empty engine.
    CReportComMethod::ReleaseAll();
    if (!DeTable1::InitialTable(report, failure)) {
      throw InputError("quota build failed: " + ToUtf8(failure.str()));
    }
    NyProInterface progress;
    progress.ShowProgressDialog(L"处理定额报表中...", nullptr);
    progress.SetShowInformation(L"正在写入报表文件!");
    DeTable1::WriteXML(report);
    CountSide(TableSide::kQuota, true, summary);
  }
  summary.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  for (const fs::directory_entry& entry : fs::directory_iterator(dir.report, error)) {
    if (!entry.is_regular_file(error)) continue;
    ++summary.files;
    summary.bytes += entry.file_size(error);
  }
  return summary;
}

std::string FormatBuildSummary(const ProjectDir& dir, const BuildSummary& summary) {
  std::string out = "report tables written to " + dir.report.string() + "\n";
  int name_width = 0;
  for (const BuildSummary::Table& t : summary.tables)
    name_width = std::max(name_width, DisplayWidth(t.table->name));
  for (const BuildSummary::Table& t : summary.tables) {
    out += "  " + PadRight(t.table->name, name_width) + "  " +
           PadRight(std::string(t.table->stem) + ".xml", 10) + "  " +
           PadLeft(std::to_string(t.rows), 8) + " rows\n";
  }
  return out + std::to_string(summary.files) + " files, " + Size(summary.bytes) + ", " +
         Fixed(summary.seconds, 2) + " s\n";
}

}  // namespace reportdata::cli
