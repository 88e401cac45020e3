#include "cli/table_view.h"

#include <algorithm>
#include <vector>

#include "cli/input_error.h"
#include "platform/text.h"
#include "reportdata/facades.h"

namespace reportdata::cli {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> ToStrings(const CStringArray& array) {
  std::vector<std::string> out;
  out.reserve(static_cast<size_t>(array.GetSize()));
  for (const CString& text : array) out.push_back(ToUtf8(text.str()));
  return out;
}

std::string JoinNames(const std::vector<std::string>& names) {
  std::string out;
  for (const std::string& name : names) out += (out.empty() ? "" : ", ") + name;
  return out.empty() ? "(none)" : out;
}

bool HasFile(const fs::path& dir, const std::string& name) {
  std::error_code error;
  if (fs::is_regular_file(dir / name, error)) return true;
  std::string upper = name;
  std::transform(upper.begin(), upper.end(), upper.begin(),
                 [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; });
  return fs::is_regular_file(dir / upper, error);
}

// The answer for the item: the name as given, else with "层" added or
// removed, as the floor-named tables list their items with it.
std::vector<std::string> QueryItem(const TableSpec& table, const ShowRequest& request,
                                   size_t width) {
  const std::string floor_mark = "层";
  std::vector<std::string> names = {request.item};
  if (request.item.ends_with(floor_mark))
    names.push_back(request.item.substr(0, request.item.size() - floor_mark.size()));
  else
    names.push_back(request.item + floor_mark);
  for (const std::string& name : names) {
    CStringArray rows;
    if (request.layout == Layout::kA) {
      table.item_rows(CString(FromUtf8(name)), rows);
      if (static_cast<size_t>(rows.GetSize()) > width) return ToStrings(rows);
    } else {
      table.stream(CString(FromUtf8(name)), rows);
      if (rows.GetSize() > 0) return ToStrings(rows);
    }
  }
  CStringArray items;
  table.tree_items(items);
  throw InputError("no item '" + request.item + "' in " + std::string(table.name) +
                   "; its items are: " + JoinNames(ToStrings(items)));
}

void CheckPartition(const std::string& partition) {
  if (partition.empty()) return;
  std::vector<CString> partitions;
  CInterQingDan::GetEngPatitions(partitions);
  std::vector<std::string> names;
  for (const CString& name : partitions) names.push_back(ToUtf8(name.str()));
  if (std::find(names.begin(), names.end(), partition) == names.end())
    throw InputError("unknown partition '" + partition + "'; the project has: " + JoinNames(names));
}

std::string Title(const TableSpec& table, const ShowRequest& request, size_t rows) {
  std::string title(table.name);
  title += "  " + (request.item.empty() ? std::string("全部") : request.item);
  if (!request.partition.empty()) title += "  [分区: " + request.partition + "]";
  if (!request.condition.empty()) title += "  [条件: " + request.condition + "]";
  if (!request.merge) title += "  [不合并]";
  return title + "  (" + std::to_string(rows) + " rows)\n\n";
}

}  // namespace

void ReloadTables(const ProjectDir& dir, const TableSpec& table) {
  const std::string file = std::string(table.stem) + ".xml";
  if (!HasFile(dir.report, file)) {
    throw InputError("no " + std::string(table.name) + " in " + dir.report.string() + ": " + file +
                     " is missing (run `reportdata build` first)");
  }
  CReportComMethod::ReleaseAll();
  const bool bill =
      table.side == Side::kBill || (table.side == Side::kEither && HasFile(dir.report, "qd.xml"));
  if (bill)
    CInterQingDan::InitDataFromXml(dir.ReportArgument());
  else
    DeTable1::InitialTableFromXml(dir.ReportArgument());
}

std::string ShowTable(const TableSpec& table, const ShowRequest& request) {
  CheckPartition(request.partition);
  CInterQingDan::SetCurrentPartition(CString(FromUtf8(request.partition)));
  CReportComMethod::SetCondition(CString(FromUtf8(request.condition)));
  CReportComMethod::SetHebing(request.merge);
  const GridSpec grid = GridOf(table);
  const size_t width = static_cast<size_t>(std::max(grid.width, 1));

  std::vector<std::string> answer;
  if (!request.item.empty()) {
    answer = QueryItem(table, request, width);
  } else {
    CStringArray rows;
    if (request.layout == Layout::kA)
      table.total_rows(rows);
    else
      table.stream(CString(), rows);
    answer = ToStrings(rows);
  }

  if (request.layout == Layout::kB) {
    switch (request.format) {
      case Format::kJson:
        return RenderStreamJson(answer);
      case Format::kCsv:
        return RenderStreamCsv(answer);
      case Format::kText:
        return RenderStreamText(answer);
    }
  }
  if (request.format == Format::kJson) return RenderRowsJson(answer, grid.width);
  const std::vector<TreeRow> rows = FoldRows(answer, grid, request.depth);
  if (request.format == Format::kCsv) return RenderCsv(rows, grid);
  return Title(table, request, rows.size()) + RenderText(rows, grid);
}

}  // namespace reportdata::cli
