#include "engine/compare_sources.h"

#include <algorithm>
#include <cwchar>
#include <map>

#include "engine/analyze.h"
#include "engine/table_definitions.h"
#include "persist/report_table_files.h"
#include "platform/text.h"
#include "reportdata/facades.h"
#include "reportdata/grid_shape.h"

namespace reportdata {
namespace {

// The text without the blanks that line it up in a grid: each line of an
// item text (code and name, then its features) trimmed, empty lines left out.
std::string Trimmed(std::wstring_view text) {
  constexpr std::wstring_view kBlanks = L" \t\r";
  std::wstring lines;
  for (size_t start = 0; start <= text.size();) {
    const size_t end = std::min(text.find(L'\n', start), text.size());
    std::wstring_view line = text.substr(start, end - start);
    const size_t first = line.find_first_not_of(kBlanks);
    if (first != std::wstring_view::npos) {
      line = line.substr(first, line.find_last_not_of(kBlanks) - first + 1);
      if (!lines.empty()) lines += L'\n';
      lines += line;
    }
    start = end + 1;
  }
  return ToUtf8(lines);
}

// The quantity cell, when it holds a number.
bool ReadQuantity(const std::wstring& cell, double& quantity) {
  if (cell.empty()) return false;
  wchar_t* end = nullptr;
  quantity = std::wcstod(cell.c_str(), &end);
  return end != cell.c_str();
}

// The text of the first of the column's cells that serves a row at this
// depth and is not empty; a label's cell also not the parent's text, which a
// row repeats in the cells of its ancestors' labels. Null when none is.
const std::wstring* ColumnText(const NamedColumn& column, int depth, const CString* row,
                               const CString* parent) {
  for (const CellSource& source : column.from) {
    if (source.cell < 0 || (source.depth >= 0 && source.depth != depth)) continue;
    const std::wstring& text = row[source.cell].str();
    if (text.empty()) continue;
    if (column.use == ColumnUse::kLabel && parent != nullptr && parent[source.cell].str() == text)
      continue;
    return &text;
  }
  return nullptr;
}

// The rows of the whole-table layout A answer down to max_depth, each
// labelled by the first label column that names it: the chapter, the item
// text (code, name and features in one cell), the floor, the component.
std::vector<MatchRow> GridRows(const CatalogTable& table, int max_depth) {
  std::vector<MatchRow> rows;
  const size_t width = static_cast<size_t>(table.width);
  CStringArray answer;
  GetEngine()->GetShownRows(answer, table.code);
  const std::vector<CString>& cells = answer.items();
  GridShape shape;
  for (size_t at = 0; at + width <= cells.size(); at += width) {
    const size_t r = shape.rows();
    shape.Add(cells[at].str(), cells[at + 1].str());
    if (r == 0) continue;  // the header
    const int depth = shape.depth(r);
    if (depth > max_depth) continue;
    const size_t parent = shape.parent(r);
    const CString* parent_row = parent == GridShape::kNone ? nullptr : &cells[parent * width];
    MatchRow row;
    row.depth = depth;
    for (const NamedColumn& column : table.columns) {
      const bool label = column.use == ColumnUse::kLabel && row.label.empty();
      if (!label && !IsUnit(column) && !IsQuantity(column)) continue;
      const std::wstring* text = ColumnText(column, depth, &cells[at], parent_row);
      if (text == nullptr) continue;
      if (label)
        row.label = Trimmed(*text);
      else if (IsUnit(column))
        row.unit = Trimmed(*text);
      else
        row.has_quantity = ReadQuantity(*text, row.quantity);
    }
    rows.push_back(std::move(row));
  }
  return rows;
}

// The floor summary's "构件小计" entry repeats what the comparison's own
// floor totals sum.
constexpr std::wstring_view kConcreteSubtotal = L"构件小计";

void AddConcreteEntries(const std::vector<SWLReportEntryInfo>& entries, int depth,
                        std::vector<MatchRow>& rows) {
  for (const SWLReportEntryInfo& entry : entries) {
    if (depth == 1 && entry.name.str() == kConcreteSubtotal) continue;
    MatchRow row{depth, Trimmed(entry.name.str()), "m3", 0, false};
    row.has_quantity = ReadQuantity(entry.quantity.str(), row.quantity);
    rows.push_back(std::move(row));
    for (const SWLReportGradeInfo& grade : entry.grades) {
      MatchRow grade_row{depth + 1, Trimmed(grade.grade.str()), "m3", 0, false};
      grade_row.has_quantity = ReadQuantity(grade.quantity.str(), grade_row.quantity);
      rows.push_back(std::move(grade_row));
    }
    AddConcreteEntries(entry.items, depth + 1, rows);
  }
}

void AddConcreteFloor(const CString& floor_text, const std::vector<SWLReportEntryInfo>& entries,
                      std::vector<MatchRow>& rows) {
  rows.push_back({0, Trimmed(floor_text.str()) + "层", "m3", 0, false});
  AddConcreteEntries(entries, 1, rows);
}

// Concrete by floor and grade of the bill records; with a partition, that
// partition's rows of the summary by floor and partition.
std::vector<MatchRow> ConcreteRows(std::wstring_view partition) {
  std::vector<MatchRow> rows;
  SWLReportInputInfo input;
  std::map<CString, CString> grades;
  if (partition.empty()) {
    CArray<SWLReportFloorInfo> answer;
    CInterQingDan::GetSWLInfoByFloor(answer, grades, input);
    for (const SWLReportFloorInfo& floor : answer)
      AddConcreteFloor(floor.floorText, floor.entries, rows);
    return rows;
  }
  CArray<SWLReportFloorFenQuInfo> answer;
  CInterQingDan::GetSWLInfoByFloorFenQu(answer, grades, input);
  for (const SWLReportFloorFenQuInfo& floor : answer) {
    if (floor.name.str() == partition) AddConcreteFloor(floor.floorText, floor.entries, rows);
  }
  return rows;
}

// The table file its definition writes and the reload reads.
std::wstring FileNameOf(int code) {
  for (const FileDefinition& file : TableFiles()) {
    if (file.code == code) return file.layout->file_name;
  }
  return {};
}

}  // namespace

const std::vector<CompareSource>& AllSources() {
  // A compared table of the catalogue: its levels, and whether totals per
  // unit make sense.
  const auto of_catalog = [](ComparedTable table, std::string_view stem, bool totals,
                             std::vector<std::string_view> levels) {
    const CatalogTable* entry = FindCatalogTable(stem);
    return CompareSource{
        table,       entry,  entry->name,      entry->stem, FileNameOf(entry->code),
        entry->side, totals, std::move(levels)};
  };
  static const std::vector<CompareSource> kAll = {
      of_catalog(ComparedTable::kBillSummary, "qd", true, {"章节", "清单项", "楼层", "构件"}),
      of_catalog(ComparedTable::kQuotaSummary, "de1", true, {"章节", "定额项", "楼层", "构件"}),
      of_catalog(ComparedTable::kBuildingArea, "mj", true, {"名称", "楼层", "面积项"}),
      of_catalog(ComparedTable::kDoorsWindows, "mc", true, {"类别", "类型", "楼层"}),
      {ComparedTable::kConcrete,
       nullptr,
       "混凝土按楼层",
       "concrete-floor",
       kBillQuantityFile.file_name,
       TableSide::kBill,
       true,
       {"楼层", "构件类别", "构件", "砼标号"}},
      of_catalog(ComparedTable::kIndexAnalysis, "zbfx", false, {"指标组", "指标项", "楼层"}),
  };
  return kAll;
}

const CompareSource& SourceOf(ComparedTable table) {
  for (const CompareSource& source : AllSources()) {
    if (source.table == table) return source;
  }
  return AllSources().front();
}

std::vector<MatchRow> CaptureRows(const CompareSource& source, std::wstring_view partition) {
  if (source.catalog == nullptr) return ConcreteRows(partition);
  return GridRows(*source.catalog, static_cast<int>(source.levels.size()) - 1);
}

}  // namespace reportdata
