#include "cli/compare_view.h"

#include <algorithm>
#include <cstdio>

#include "cli/csv.h"
#include "cli/display_width.h"
#include "cli/json_writer.h"
#include "cli/quantity_format.h"

namespace reportdata::cli {
namespace {

constexpr int kLabelWidthLimit = 60;
constexpr int kNumberWidth = 14;

std::string Relative(const ComparedRow& row) {
  return row.relative ? Fixed(*row.relative * 100, 1, true) + "%" : "";
}

std::string FirstLine(const std::string& text) { return text.substr(0, text.find('\n')); }

std::vector<std::string> LinesAfterFirst(const std::string& text) {
  std::vector<std::string> lines;
  for (size_t at = text.find('\n'); at != std::string::npos;) {
    const size_t end = text.find('\n', at + 1);
    lines.push_back(text.substr(at + 1, end == std::string::npos ? end : end - at - 1));
    at = end;
  }
  return lines;
}

const std::string& LabelOf(const ComparedRow& row) { return row.path.back(); }

// By RowKind and RowStatus.
constexpr std::string_view kKindNames[] = {"row", "group-total", "table-total"};
constexpr std::string_view kKindTitles[] = {"", "合计", "总计"};
constexpr std::string_view kStatusNames[] = {"unchanged", "changed", "added", "removed"};

std::string SummaryLine(const CompareResult& result) {
  return (result.levels.size() > 1 ? result.levels[1] : "行") + ": " + CountsText(result.summary) +
         "\n";
}

std::string RenderRows(const CompareResult& result) {
  int label_width = DisplayWidth("项目");
  for (const ComparedRow& row : result.rows) {
    label_width = std::max(label_width, 2 * row.depth + DisplayWidth(FirstLine(LabelOf(row))));
  }
  label_width = std::min(label_width, kLabelWidthLimit);
  std::string text = PadRight("项目", label_width) + "  " + PadRight("单位", 8) +
                     PadLeft("旧工程量", kNumberWidth) + PadLeft("新工程量", kNumberWidth) +
                     PadLeft("差值", kNumberWidth) + PadLeft("变化率", 10) + "  标记\n";
  text += std::string(static_cast<size_t>(label_width + 10 + 3 * kNumberWidth + 16), '-') + "\n";
  for (const ComparedRow& row : result.rows) {
    const std::string indent(2 * static_cast<size_t>(row.depth), ' ');
    std::string line =
        PadRight(Truncate(indent + FirstLine(LabelOf(row)), label_width), label_width);
    line += "  " + PadRight(row.has_quantity ? row.unit : "", 8);
    line += PadLeft(HasOld(row) ? Fixed(row.old_quantity, row.decimals) : "", kNumberWidth);
    line += PadLeft(HasNew(row) ? Fixed(row.new_quantity, row.decimals) : "", kNumberWidth);
    line += PadLeft(row.has_quantity && row.status != RowStatus::kUnchanged
                        ? Fixed(row.difference, row.decimals, true)
                        : "",
                    kNumberWidth);
    line += PadLeft(row.status == RowStatus::kChanged ? Relative(row) : "", 10);
    line += "  " + MarkOf(row);
    while (!line.empty() && line.back() == ' ') line.pop_back();
    text += line + "\n";
    for (const std::string& more : LinesAfterFirst(LabelOf(row))) {
      text += indent + "    " + more + "\n";
    }
  }
  return text;
}

void WriteRowJson(JsonWriter& json, const ComparedRow& row) {
  json.BeginObject(true);
  json.Field("kind", kKindNames[static_cast<size_t>(row.kind)]);
  json.Key("depth").Int(row.depth);
  json.Key("path").Strings(row.path);
  json.Field("unit", row.unit);
  const auto number = [&](const char* key, bool present, double value) {
    json.Key(key).Number(present ? Fixed(value, 6) : "null");
  };
  number("old", HasOld(row), row.old_quantity);
  number("new", HasNew(row), row.new_quantity);
  number("difference", row.has_quantity, row.difference);
  number("relative", row.relative.has_value(), row.relative.value_or(0));
  json.Field("status", kStatusNames[static_cast<size_t>(row.status)]);
  json.Field("mark", MarkOf(row));
  json.EndObject();
}

}  // namespace

std::string MarkOf(const ComparedRow& row) {
  // By RowStatus; a changed row is marked by its difference.
  static constexpr std::string_view kMarks[] = {"", "", "新增", "删除"};
  if (row.status != RowStatus::kChanged)
    return std::string(kMarks[static_cast<size_t>(row.status)]);
  if (!row.has_quantity) return "变化";  // a chapter with changes below it
  return row.difference > 0 ? "增加" : "减少";
}

std::string CountsText(const CompareSummary& s) {
  return "变化 " + std::to_string(s.changed) + "  新增 " + std::to_string(s.added) + "  删除 " +
         std::to_string(s.removed) + "  未变 " + std::to_string(s.unchanged);
}

// The labels of the row's first `count` levels, one line each, with the
// whole text of the last (an item's features tell items of one code apart).
std::string PathText(const ComparedRow& row, size_t count) {
  std::string text;
  for (size_t i = 0; i < count && i < row.path.size(); ++i) {
    if (i > 0) text += " / ";
    if (i + 1 < row.path.size()) {
      text += FirstLine(row.path[i]);
      continue;
    }
    std::string last = row.path[i];
    std::replace(last.begin(), last.end(), '\n', ' ');
    text += last;
  }
  return text;
}

std::string RenderComparisonText(const ComparisonHeading& heading,
                                 const std::vector<TableComparison>& tables) {
  std::string text;
  for (const TableComparison& table : tables) {
    const CompareResult& result = table.result;
    if (!text.empty()) text += "\n";
    text += std::string(ComparedTableName(table.table)) + "  旧: " + heading.old_project +
            "  新: " + heading.new_project;
    if (!heading.partition.empty()) text += "  [分区: " + heading.partition + "]";
    text += "\n\n" + SummaryLine(result);
    if (!result.summary.largest.empty()) {
      text += "最大变化 (每单位前十):\n";
      for (const ComparedRow& row : result.summary.largest) {
        text += "  " + PadRight(row.unit, 8) +
                PadLeft(Fixed(row.difference, row.decimals, true), kNumberWidth) + "  " +
                Truncate(PathText(row, row.path.size()), 2 * kLabelWidthLimit) +
                (row.status == RowStatus::kChanged ? "" : "  " + MarkOf(row)) + "\n";
      }
    }
    text += "\n" + RenderRows(result);
  }
  return text;
}

void WriteComparisonJson(std::FILE* out, const ComparisonHeading& heading,
                         const std::vector<TableComparison>& tables) {
  JsonWriter json(out, true);
  json.BeginObject();
  json.Field("old", heading.old_project);
  json.Field("new", heading.new_project);
  json.Field("partition", heading.partition);
  json.Key("tables").BeginArray();
  for (const TableComparison& table : tables) {
    const CompareResult& result = table.result;
    json.BeginObject();
    json.Field("table", ComparedTableName(table.table));
    json.Field("stem", ComparedTableStem(table.table));
    json.Key("levels").Strings(result.levels);
    json.Key("summary").BeginObject();
    const CompareSummary& counts = result.summary;
    json.Key("changed").Int(static_cast<long long>(counts.changed));
    json.Key("added").Int(static_cast<long long>(counts.added));
    json.Key("removed").Int(static_cast<long long>(counts.removed));
    json.Key("unchanged").Int(static_cast<long long>(counts.unchanged));
    json.Key("largest").BeginArray();
    for (const ComparedRow& row : result.summary.largest) WriteRowJson(json, row);
    json.EndArray();
    json.EndObject();
    json.Key("rows").BeginArray();
    for (const ComparedRow& row : result.rows) WriteRowJson(json, row);
    json.EndArray();
    json.EndObject();
  }
  json.EndArray();
  json.EndObject();
  json.Flush();
  std::fputs("\n", out);
}

std::string RenderComparisonCsv(const std::vector<TableComparison>& tables) {
  std::string text(kUtf8Bom);
  text += CsvLine({"表", "层级", "行类别", "项目", "上级", "单位", "旧工程量", "新工程量", "差值",
                   "变化率", "状态"});
  for (const TableComparison& table : tables) {
    for (const ComparedRow& row : table.result.rows) {
      text += CsvLine({std::string(ComparedTableName(table.table)), std::to_string(row.depth),
                       std::string(kKindTitles[static_cast<size_t>(row.kind)]), LabelOf(row),
                       PathText(row, row.path.size() - 1), row.has_quantity ? row.unit : "",
                       HasOld(row) ? Fixed(row.old_quantity, 6) : "",
                       HasNew(row) ? Fixed(row.new_quantity, 6) : "",
                       row.has_quantity ? Fixed(row.difference, 6) : "",
                       row.relative ? Fixed(*row.relative, 6) : "",
                       row.status == RowStatus::kUnchanged ? "未变" : MarkOf(row)});
    }
  }
  return text;
}

}  // namespace reportdata::cli
