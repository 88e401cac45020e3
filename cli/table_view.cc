#include "cli/table_view.h"

#include <algorithm>
#include <set>
#include <vector>

#include "cli/column_printer.h"
#include "cli/input_error.h"
#include "cli/quantity_format.h"
#include "platform/text.h"
#include "reportdata/errors.h"
#include "reportdata/facades.h"
#include "reportdata/table_check.h"

namespace reportdata::cli {
namespace {

namespace fs = std::filesystem;

// The cells as UTF-8; with `read`, a row's cells at the positions read
// marks false are left empty.
std::vector<std::string> ToStrings(const CStringArray& array, const std::vector<bool>& read = {}) {
  std::vector<std::string> out;
  out.reserve(static_cast<size_t>(array.GetSize()));
  for (const CString& text : array) {
    const bool wanted = read.empty() || read[out.size() % read.size()];
    out.push_back(wanted ? ToUtf8(text.str()) : std::string());
  }
  return out;
}

std::string JoinNames(const std::vector<std::string>& names) {
  std::string out;
  for (const std::string& name : names) out += (out.empty() ? "" : ", ") + name;
  return out.empty() ? "(none)" : out;
}

// Whether the file is there, of whatever kind: a directory or a FIFO in its
// place is a damaged table file, not a table that was never built.
bool HasFile(const fs::path& dir, const std::string& name) {
  std::error_code error;
  if (fs::exists(dir / name, error)) return true;
  std::string upper = name;
  std::transform(upper.begin(), upper.end(), upper.begin(),
                 [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; });
  return fs::exists(dir / upper, error);
}

// Throws InputError, naming `what`, when `file` is missing: a table that was
// never built, not an empty one.
void RequireTableFile(const ProjectDir& dir, const std::string& file, const std::string& what) {
  if (!HasFile(dir.report, file)) {
    throw InputError("no " + what + " in " + dir.report.string() + ": " + file +
                     " is missing (run `reportdata build` first)");
  }
}

// Empties the engine and reads back the table files of one side.
void ReloadSideOf(const ProjectDir& dir, bool bill_side, const std::string& file,
                  const std::string& what) {
  RequireTableFile(dir, file, what);
  CReportComMethod::ReleaseAll();
  if (bill_side)
    CInterQingDan::InitDataFromXml(dir.ReportArgument());
  else
    DeTable1::InitialTableFromXml(dir.ReportArgument());
}

// True when the file of a bill or quota tree opens with the start tag of
// its envelope naming the table. Such a file is checked only when the reload
// leaves the tree without items, so that a good file, the largest of a
// project, is parsed once: when it is not well-formed the reload leaves the
// tree empty, and a fault inside it ends the query. Other files, and those
// whose start tag this plain reading cannot settle, are always checked.
bool OpensAsTree(const ProjectDir& dir, const CatalogTable& table) {
  return TableFileNamesItsTable(dir.ReportArgument().str(),
                                L"\\" + FromUtf8(std::string(table.stem) + ".xml"));
}

// Checks the file of a reloaded table: every time, or for a tree that opens
// as one, when it has no items. Asking for them reads a tree's file; what
// that read throws is told in the check's words.
void CheckReloaded(const ProjectDir& dir, const CatalogTable& table) {
  const std::string file = std::string(table.stem) + ".xml";
  if (!OpensAsTree(dir, table)) return RequireIntactTableFile(dir, file);
  bool empty = false;
  try {
    empty = TreeItems(table).empty();
  } catch (const TableFileError&) {
    RequireIntactTableFile(dir, file);
    throw;
  }
  if (empty) RequireIntactTableFile(dir, file);
}

const std::string kFloorMark = "层";

std::string WithoutFloorMark(const std::string& name) {
  return name.ends_with(kFloorMark) ? name.substr(0, name.size() - kFloorMark.size()) : name;
}

// The item name as given, else with "层" added or removed, as the
// floor-named tables list their items with it.
std::vector<std::string> ItemNames(const std::string& item) {
  const std::string bare = WithoutFloorMark(item);
  return {item, bare == item ? item + kFloorMark : bare};
}

std::string NoItem(const CatalogTable& table, const std::string& item) {
  return "no item '" + item + "' in " + std::string(table.name) +
         "; its items are: " + JoinNames(TreeItems(table));
}

std::vector<std::string> QueryItem(const CatalogTable& table, const ShowRequest& request,
                                   size_t width) {
  // Some facades answer any name with the whole table (the building area
  // does); only the names the table lists are its items.
  const std::vector<std::string> listed = TreeItems(table);
  for (const std::string& name : ItemNames(request.item)) {
    if (std::find(listed.begin(), listed.end(), name) == listed.end()) continue;
    CStringArray rows;
    if (request.layout == Layout::kA) {
      TableItemRows(table, CString(FromUtf8(name)), rows);
      if (static_cast<size_t>(rows.GetSize()) > width) return ToStrings(rows);
    } else {
      TableStreamRows(table, CString(FromUtf8(name)), rows);
      if (rows.GetSize() > 0) return ToStrings(rows);
    }
  }
  throw InputError(NoItem(table, request.item));
}

// The second list of the table's selection: every value of its second
// column in the whole table, or its fixed texts.
void SecondList(const CatalogTable& table, CStringArray& second) {
  for (std::string_view text : table.second_texts) second.Add(CString(FromUtf8(std::string(text))));
  if (table.second_column.empty()) return;
  CStringArray rows;
  TableItemRows(table, CString(), rows);
  std::set<std::string> seen;
  for (const NamedRow& row : ReadNamedRows(ToStrings(rows), table.width, table.columns)) {
    const std::string value = ValueOf(table.columns, row, table.second_column);
    if (!value.empty() && seen.insert(value).second) second.Add(CString(FromUtf8(value)));
  }
}

// The rows of one floor, matched as the three-array query matches floors;
// with an item named, only that item's rows.
std::vector<std::string> QueryFloor(const CatalogTable& table, const ShowRequest& request,
                                    size_t width) {
  if (!SelectsFloors(table))
    throw InputError(std::string(table.name) + " answers no selection by floor");
  CStringArray floors;
  floors.Add(CString(FromUtf8(WithoutFloorMark(request.floor))));
  CStringArray second;
  SecondList(table, second);
  CStringArray rows;
  TableFloorRows(table, floors, second, rows);
  std::vector<std::string> answer = ToStrings(rows);
  if (request.item.empty()) return answer;
  // Keep the header row and the subtrees of the top-level rows of that name.
  const std::vector<std::string> names = ItemNames(request.item);
  const GridShape shape = ShapeOf(answer, width);
  std::vector<std::string> kept(answer.begin(), answer.begin() + std::min(width, answer.size()));
  bool keeping = false;
  for (size_t r = 1; r < shape.rows(); ++r) {
    const auto row = answer.begin() + static_cast<std::ptrdiff_t>(r * width);
    if (shape.depth(r) == 0)
      keeping = width > 2 && std::find(names.begin(), names.end(), row[2]) != names.end();
    if (keeping) kept.insert(kept.end(), row, row + static_cast<std::ptrdiff_t>(width));
  }
  if (kept.size() == width) throw InputError(NoItem(table, request.item));
  return kept;
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

std::string Title(const CatalogTable& table, const ShowRequest& request, size_t rows) {
  std::string title(table.name);
  title += "  " + (request.item.empty() ? std::string("全部") : request.item);
  if (!request.partition.empty()) title += "  [分区: " + request.partition + "]";
  if (!request.floor.empty()) title += "  [楼层: " + request.floor + "]";
  if (!request.condition.empty()) title += "  [条件: " + request.condition + "]";
  if (!request.merge) title += "  [不合并]";
  return title + "  (" + std::to_string(rows) + " rows)\n\n";
}

}  // namespace

std::vector<std::string> TreeItems(const CatalogTable& table) {
  CStringArray items;
  TableTreeItems(table, items);
  return ToStrings(items);
}

void RequireIntactTableFile(const ProjectDir& dir, const std::string& file) {
  if (!HasFile(dir.report, file)) return;
  const std::string damage = CheckTableFile(dir.ReportArgument().str(), L"\\" + FromUtf8(file));
  if (!damage.empty()) throw TableFileError((dir.report / file).string(), damage);
}

void ReloadSide(const ProjectDir& dir, bool bill_side, const std::string& file,
                const std::string& what) {
  RequireIntactTableFile(dir, file);
  ReloadSideOf(dir, bill_side, file, what);
}

void ReloadTables(const ProjectDir& dir, const CatalogTable& table) {
  const std::string file = std::string(table.stem) + ".xml";
  const bool bill = table.side == TableSide::kBill ||
                    (table.side == TableSide::kEither && HasFile(dir.report, "qd.xml"));
  // Checked before the reload, whose own words for a file it refuses are
  // fewer.
  const bool tree = OpensAsTree(dir, table);
  if (!tree) RequireIntactTableFile(dir, file);
  ReloadSideOf(dir, bill, file, std::string(table.name));
  if (tree) CheckReloaded(dir, table);
}

bool TableReloader::Load(const CatalogTable& table, bool required) {
  const std::string file = std::string(table.stem) + ".xml";
  if (!required && !HasFile(dir_.report, file)) return false;
  if (loaded_ && (side_ == table.side || table.side == TableSide::kEither)) {
    // The side's reload read whatever files it found; this table's own may
    // be the one missing.
    RequireTableFile(dir_, file, std::string(table.name));
    CheckReloaded(dir_, table);
    return true;
  }
  loaded_ = false;
  ReloadTables(dir_, table);
  loaded_ = true;
  side_ = table.side;
  return true;
}

std::string ShowTable(const CatalogTable& table, const ShowRequest& request) {
  CheckPartition(request.partition);
  CInterQingDan::SetCurrentPartition(CString(FromUtf8(request.partition)));
  CReportComMethod::SetCondition(CString(FromUtf8(request.condition)));
  CReportComMethod::SetHebing(request.merge);
  const GridLayout grid = GridOf(table);
  const size_t width = static_cast<size_t>(std::max(grid.width, 1));

  std::vector<std::string> answer;
  if (!request.floor.empty()) {
    if (request.layout == Layout::kB) throw InputError("--floor selects rows of layout a only");
    answer = QueryFloor(table, request, width);
  } else if (!request.item.empty()) {
    answer = QueryItem(table, request, width);
  } else {
    // The text layout prints a few cells of each row and never the instance
    // lists, which are most of a large table's text.
    const bool text_grid = request.layout == Layout::kA && request.format == Format::kText;
    CStringArray rows;
    if (text_grid)
      ShownTableRows(table, rows);
    else if (request.layout == Layout::kA)
      TableItemRows(table, CString(), rows);
    else
      TableStreamRows(table, CString(), rows);
    answer = ToStrings(rows, text_grid ? CellsFoldRowsReads(grid) : std::vector<bool>());
  }

  if (request.layout == Layout::kB) {
    if (request.format == Format::kCsv) return RenderStreamCsv(answer);
    return request.format == Format::kText ? RenderStreamText(answer) : RenderStreamJson(answer);
  }
  if (request.format == Format::kCells) return RenderRowsJson(answer, grid.width);
  if (request.format != Format::kText) {
    const std::vector<NamedRow> rows =
        ReadNamedRows(answer, grid.width, table.columns, request.depth);
    return request.format == Format::kCsv
               ? RenderNamedCsv(table.columns, rows, request.decimals)
               : RenderNamedJson(table.name, table.columns, rows, request.decimals);
  }
  std::vector<TreeRow> rows = FoldRows(answer, grid, request.depth);
  for (TreeRow& row : rows) {
    const std::string unit = grid.unit_column >= 0 ? row.cells[grid.unit_column] : "";
    for (size_t c = 0; c < grid.columns.size(); ++c) {
      if (grid.columns[c].align == Align::kRight)
        row.cells[c] = FormatQuantity(row.cells[c], DecimalsFor(request.decimals, unit));
    }
  }
  return Title(table, request, rows.size()) + RenderText(rows, grid);
}

void ForEachItemRows(const CatalogTable& table,
                     const std::function<void(const std::string&, std::vector<NamedRow>)>& take) {
  std::set<std::string> seen;
  for (const std::string& item : TreeItems(table)) {
    if (!seen.insert(item).second) continue;
    std::vector<std::string> cells;
    {
      CStringArray rows;  // the facade's answer goes before its rows are read
      TableItemRows(table, CString(FromUtf8(item)), rows);
      cells = ToStrings(rows);
    }
    take(item, ReadNamedRows(cells, table.width, table.columns));
  }
}

std::vector<NamedRow> TopRows(const CatalogTable& table, int max_depth) {
  CStringArray rows;
  TableItemRows(table, CString(), rows);
  return ReadNamedRows(ToStrings(rows), table.width, table.columns, max_depth);
}

}  // namespace reportdata::cli
