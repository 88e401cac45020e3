#include "cli/compare_outputs.h"

#include <string>

#include "cli/quantity_format.h"
#include "cli/report_page.h"
#include "cli/workbook.h"

namespace reportdata::cli {
namespace {

constexpr ColumnKind N = ColumnKind::kNumber;
constexpr ColumnKind T = ColumnKind::kText;
constexpr ColumnUse kLabel = ColumnUse::kLabel;
constexpr ColumnUse kValue = ColumnUse::kValue;

// The cells are those of ComparedRowOf, in this order.
constexpr NamedColumn kComparedColumns[] = {
    {"label", "项目", T, kLabel, {}},      {"features", "项目特征", T, kLabel, {}},
    {"unit", "单位", T, kValue, {}},       {"old", "旧工程量", N, kValue, {}},
    {"new", "新工程量", N, kValue, {}},    {"difference", "差值", N, kValue, {}},
    {"relative", "变化率", T, kValue, {}}, {"mark", "标记", T, kValue, {}},
};

// The label's first line names the row; an item's features follow it.
NamedRow NamedRowOf(const ComparedRow& row, const std::string& label) {
  const size_t line = label.find('\n');
  const bool relative = row.relative && row.status == RowStatus::kChanged;
  NamedRow named;
  named.depth = row.depth;
  named.values = {
      label.substr(0, line),
      line == std::string::npos ? "" : label.substr(line + 1),
      row.has_quantity ? row.unit : "",
      HasOld(row) ? Fixed(row.old_quantity, 6) : "",
      HasNew(row) ? Fixed(row.new_quantity, 6) : "",
      row.has_quantity && row.status != RowStatus::kUnchanged ? Fixed(row.difference, 6) : "",
      relative ? Fixed(*row.relative * 100, 1, true) + "%" : "",
      MarkOf(row)};
  if (row.has_quantity && row.status != RowStatus::kUnchanged)
    named.tone = row.difference > 0 ? 1 : row.difference < 0 ? -1 : 0;
  return named;
}

std::vector<NamedRow> RowsOf(const CompareResult& result) {
  std::vector<NamedRow> rows;
  rows.reserve(result.rows.size());
  for (const ComparedRow& row : result.rows) rows.push_back(NamedRowOf(row, row.path.back()));
  return rows;
}

// Per table a line of counts, then its largest changes with their whole path.
std::vector<NamedRow> SummaryRows(const std::vector<TableComparison>& tables) {
  std::vector<NamedRow> rows;
  for (const TableComparison& table : tables) {
    const CompareSummary& s = table.result.summary;
    NamedRow& head = rows.emplace_back();
    head.values.assign(std::size(kComparedColumns), "");
    const std::vector<std::string>& levels = table.result.levels;
    head.values[0] = std::string(ComparedTableName(table.table)) + "  " +
                     (levels.size() > 1 ? levels[1] : "") + ": " + CountsText(s);
    for (const ComparedRow& row : s.largest) {
      const std::string path = PathText(row, row.path.size() - 1);
      NamedRow named = NamedRowOf(row, path + (row.path.size() > 1 ? " / " : "") + row.path.back());
      named.depth = 1;
      rows.push_back(std::move(named));
    }
  }
  return rows;
}

std::string SheetName(const TableComparison& table) {
  return "比较 " + std::string(ComparedTableName(table.table));
}

}  // namespace

void WriteComparisonWorkbook(const std::filesystem::path& path, const ProjectInfo& project,
                             const std::vector<TableComparison>& tables) {
  Workbook book(path, project);
  book.StartTable("比较摘要", kComparedColumns);
  book.AddRows(SummaryRows(tables));
  for (const TableComparison& table : tables) {
    book.StartTable(SheetName(table), kComparedColumns);
    book.AddRows(RowsOf(table.result));
  }
  book.Close();
}

std::string RenderComparisonPage(const ProjectInfo& project,
                                 const std::vector<TableComparison>& tables) {
  std::vector<std::string> stems, names;  // outlive the page tables that point at them
  for (const TableComparison& table : tables) {
    stems.push_back("compare-" + std::string(ComparedTableStem(table.table)));
    names.push_back(SheetName(table));
  }
  std::vector<PageTable> page;
  page.push_back({"比较摘要", "compare-summary", kComparedColumns, true, SummaryRows(tables), 0});
  for (size_t i = 0; i < tables.size(); ++i)
    page.push_back({names[i], stems[i], kComparedColumns, true, RowsOf(tables[i].result), 0});
  return RenderReportPage(project, page, {{}, {}, false});  // no charts
}

}  // namespace reportdata::cli
