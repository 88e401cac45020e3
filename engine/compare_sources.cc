#include "engine/compare_sources.h"

#include <algorithm>
#include <cwchar>
#include <map>

#include "platform/text.h"
#include "reportdata/facades.h"

namespace reportdata {
namespace {

// How a layout A answer of the whole table (GetTotalData) gives the rows: the
// label of a row at depth d stands in cell 2 + d.
struct GridCells {
  int (*width)();
  void (*total_rows)(CStringArray& rows);
  int unit_cell;
  int quantity_cell;
  int max_depth;  // deeper rows (records, occurrences) are not compared
};

struct Source {
  CompareSource about;
  GridCells grid;  // unused for the concrete summary
};

const std::vector<Source>& Sources() {
  static const std::vector<Source> kSources = {
      {{ComparedTable::kBillSummary,
        "清单汇总表",
        "qd",
        L"\\qd.xml",
        CompareReload::kBill,
        true,
        true,
        {"章节", "清单项", "楼层", "构件"}},
       {&CInterQingDan::GetparaNum, &CInterQingDan::GetTotalData, 7, 8, 3}},
      {{ComparedTable::kQuotaSummary,
        "定额汇总表",
        "de1",
        L"\\de1.xml",
        CompareReload::kQuota,
        true,
        true,
        {"章节", "定额项", "楼层", "构件"}},
       {&DeTable1::GetparaNum, &DeTable1::GetTotalData, 7, 8, 3}},
      {{ComparedTable::kBuildingArea,
        "建筑面积汇总表",
        "mj",
        L"\\mj.xml",
        CompareReload::kEither,
        false,
        true,
        {"名称", "楼层", "面积项"}},
       {&CAARInterHuiZong::GetparaNum, &CAARInterHuiZong::GetTotalData, 5, 6, 2}},
      {{ComparedTable::kDoorsWindows,
        "门窗汇总表",
        "mc",
        L"\\mc.xml",
        CompareReload::kEither,
        false,
        true,
        {"类别", "类型", "楼层"}},
       {&CInterDoorWindow::GetparaNum, &CInterDoorWindow::GetTotalData, 6, 7, 2}},
      {{ComparedTable::kConcrete,
        "混凝土按楼层",
        "concrete-floor",
        L"\\TongTableqd.xml",
        CompareReload::kBill,
        false,
        true,
        {"楼层", "构件类别", "构件", "砼标号"}},
       {}},
      {{ComparedTable::kIndexAnalysis,
        "指标分析表",
        "zbfx",
        L"\\zbfx.xml",
        CompareReload::kEither,
        false,
        false,
        {"指标组", "指标项", "楼层"}},
       {&CIZBfFenXi::GetparaNum, &CIZBfFenXi::GetTotalData, 5, 6, 2}},
  };
  return kSources;
}

const Source& Find(ComparedTable table) {
  for (const Source& source : Sources()) {
    if (source.about.table == table) return source;
  }
  return Sources().front();
}

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

std::vector<MatchRow> GridRows(const GridCells& grid) {
  std::vector<MatchRow> rows;
  const size_t width = static_cast<size_t>(grid.width());
  std::vector<int> depth_of;  // by row id; the header is row 1
  CStringArray answer;
  grid.total_rows(answer);
  const std::vector<CString>& cells = answer.items();
  for (size_t at = width; at + width <= cells.size(); at += width) {
    const size_t id = static_cast<size_t>(std::wcstol(cells[at].str().c_str(), nullptr, 10));
    const size_t parent =
        static_cast<size_t>(std::wcstol(cells[at + 1].str().c_str(), nullptr, 10));
    if (depth_of.size() <= id) depth_of.resize(id + 1, -1);
    const int depth = parent < depth_of.size() && depth_of[parent] >= 0 ? depth_of[parent] + 1 : 0;
    depth_of[id] = depth;
    if (depth > grid.max_depth || 2 + static_cast<size_t>(depth) >= width) continue;
    MatchRow row;
    row.depth = depth;
    row.label = Trimmed(cells[at + 2 + static_cast<size_t>(depth)].str());
    row.unit = Trimmed(cells[at + static_cast<size_t>(grid.unit_cell)].str());
    row.has_quantity =
        ReadQuantity(cells[at + static_cast<size_t>(grid.quantity_cell)].str(), row.quantity);
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

}  // namespace

const CompareSource& SourceOf(ComparedTable table) { return Find(table).about; }

const std::vector<CompareSource>& AllSources() {
  static const std::vector<CompareSource> kAll = [] {
    std::vector<CompareSource> all;
    for (const Source& source : Sources()) all.push_back(source.about);
    return all;
  }();
  return kAll;
}

std::vector<MatchRow> CaptureRows(const CompareSource& source, std::wstring_view partition) {
  if (source.table == ComparedTable::kConcrete) return ConcreteRows(partition);
  return GridRows(Find(source.table).grid);
}

}  // namespace reportdata
