#include "cli/workbook.h"

#include <fcntl.h>
#include <unistd.h>
#include <xlsxwriter.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>

#include "cli/display_width.h"
#include "cli/input_error.h"
#include "cli/quantity_format.h"
#include "reportdata/replacing_file.h"

namespace reportdata::cli {
namespace {

namespace fs = std::filesystem;

constexpr int kWidestColumn = 60;    // cells; longer texts wrap or run on
constexpr int kWidestFeatures = 40;  // the wrapped features column
constexpr uint8_t kDeepestOutline = 7;
constexpr uint8_t kA4 = 9;  // the paper code spreadsheets use

// Rows a sheet holds, its header row included. The environment may lower it
// so that a test of tables going on over several sheets stays small.
lxw_row_t SheetRows() {
  if (const char* rows = std::getenv("REPORTDATA_TEST_SHEET_ROWS")) {
    const long wanted = std::strtol(rows, nullptr, 10);
    if (wanted >= 2 && wanted < LXW_ROW_MAX) return static_cast<lxw_row_t>(wanted);
  }
  return LXW_ROW_MAX;
}

// Width in cells of the widest line of the text.
int WidestLine(std::string_view text) {
  int widest = 0;
  ForEachLine(text,
              [&](std::string_view line, bool) { widest = std::max(widest, DisplayWidth(line)); });
  return widest;
}

// Lines the text takes in a wrapped column that many cells wide.
int WrappedLines(std::string_view text, int width) {
  int lines = 0;
  ForEachLine(text, [&](std::string_view line, bool) {
    lines += std::max(1, (DisplayWidth(line) + width - 1) / width);
  });
  return lines;
}

// A page-header text with the ampersands that would start a code doubled.
std::string HeaderText(std::string_view text) {
  std::string out;
  for (char c : text) out += c == '&' ? std::string("&&") : std::string(1, c);
  return out;
}

}  // namespace

struct Workbook::State {
  fs::path path;
  std::unique_ptr<ReplacingFile> file;  // the workbook until Close lands it
  std::string project;                  // its name, in every page header
  lxw_workbook* book = nullptr;
  lxw_format* header = nullptr;
  lxw_format* plain = nullptr;
  lxw_format* top = nullptr;                           // the top-level rows
  lxw_format* wrapped = nullptr;                       // features
  std::map<std::pair<int, int>, lxw_format*> numbers;  // by decimals and tone
  const lxw_row_t sheet_rows = SheetRows();

  // The table being written.
  std::string table;
  std::span<const NamedColumn> columns;
  std::vector<size_t> shown;  // columns people read
  lxw_worksheet* sheet = nullptr;
  int part = 0;        // sheets of the table so far
  lxw_row_t line = 0;  // the next row of the sheet
  std::vector<int> widths;

  lxw_format* Format(bool border_only) {
    lxw_format* format = workbook_add_format(book);
    format_set_border(format, LXW_BORDER_THIN);
    if (!border_only) format_set_align(format, LXW_ALIGN_VERTICAL_TOP);
    return format;
  }
  // Numbers with that many decimals (-1: text), increases in red and
  // decreases in green as a quantity surveyor marks them (tone 0: the usual
  // colour).
  lxw_format* Number(int decimals, int tone = 0) {
    lxw_format*& format = numbers[{decimals, tone}];
    if (!format) {
      format = Format(false);
      const std::string pattern = decimals > 0 ? "0." + std::string(decimals, '0') : "0";
      if (decimals >= 0) format_set_num_format(format, pattern.c_str());
      if (tone != 0) format_set_font_color(format, tone > 0 ? 0xC00000 : 0x007A33);
    }
    return format;
  }

  // Says what went wrong with the sheet's cell and stops the export.
  void Check(lxw_error error, lxw_row_t row, size_t col) const {
    if (error == LXW_NO_ERROR) return;
    const char* name = sheet ? sheet->name : "";
    throw InputError("cannot write " + path.string() + ": sheet " + name + ", row " +
                     std::to_string(row + 1) + ", column " + std::to_string(col + 1) + ": " +
                     lxw_strerror(error));
  }
  void String(lxw_row_t row, size_t col, const std::string& text, lxw_format* format) {
    Check(worksheet_write_string(sheet, row, static_cast<lxw_col_t>(col), text.c_str(), format),
          row, col);
  }

  // A new sheet printed as people hand it on.
  lxw_worksheet* AddSheet(const std::string& name) {
    lxw_worksheet* added = workbook_add_worksheet(book, name.c_str());
    if (!added) throw InputError("cannot add a sheet named " + name);
    worksheet_set_landscape(added);
    worksheet_set_paper(added, kA4);
    worksheet_fit_to_pages(added, 1, 0);
    worksheet_gridlines(added, LXW_SHOW_ALL_GRIDLINES);
    worksheet_repeat_rows(added, 0, 0);
    worksheet_freeze_panes(added, 1, 0);
    SetHeader(added, name);
    worksheet_set_footer(added, "&C第 &P 页 共 &N 页");
    return added;
  }
  // The project on the left of the page header, the sheet on the right.
  void SetHeader(lxw_worksheet* on, const std::string& right) {
    worksheet_set_header(on, ("&L" + HeaderText(project) + "&R" + HeaderText(right)).c_str());
  }
  void Heading(const std::vector<std::string>& titles) {
    widths.clear();
    for (size_t c = 0; c < titles.size(); ++c) {
      String(0, c, titles[c], header);
      widths.push_back(DisplayWidth(titles[c]));
    }
    line = 1;
  }
  void Widen(size_t col, int width) { widths[col] = std::max(widths[col], width); }
  // Column widths fitted to what the sheet holds, and the filter on its
  // header row.
  void FinishSheet() {
    if (!sheet) return;
    for (size_t c = 0; c < widths.size(); ++c) {
      // A spreadsheet column is as wide as that many digits; a Chinese
      // character takes about two.
      worksheet_set_column(sheet, static_cast<lxw_col_t>(c), static_cast<lxw_col_t>(c),
                           std::max(widths[c], 4) + 2.0, nullptr);
    }
    worksheet_autofilter(sheet, 0, 0, std::max<lxw_row_t>(line - 1, 1),
                         static_cast<lxw_col_t>(widths.size() - 1));
    sheet = nullptr;
  }
  // The next sheet of the table: the first one, or one that goes on from a
  // full one.
  void NextTableSheet() {
    const std::string name = part == 0 ? table : table + " (" + std::to_string(part + 1) + ")";
    if (sheet) SetHeader(sheet, std::string(sheet->name) + " (续见 " + name + ")");
    FinishSheet();
    sheet = AddSheet(name);
    ++part;
    // Parents stand above their children, so the outline buttons go there.
    worksheet_outline_settings(sheet, LXW_TRUE, LXW_FALSE, LXW_TRUE, LXW_FALSE);
    std::vector<std::string> titles = {"层级"};
    for (size_t c : shown) titles.emplace_back(columns[c].title);
    if (part > 1)
      titles.push_back("接上表 " + table + "，本表为第 " + std::to_string(part) + " 张");
    Heading(titles);
  }
};

Workbook::Workbook(fs::path path, const ProjectInfo& project) : state_(std::make_unique<State>()) {
  state_->path = std::move(path);
  state_->project = project.name;
  // Created here, so that the message comes before the work.
  state_->file = std::make_unique<ReplacingFile>(state_->path.string());
  // The rows go to temporary files beside the workbook rather than into
  // memory (a large table is much larger in memory than in the file), each
  // made under a name of its own.
  std::string tmpdir = state_->path.parent_path().empty() ? "." : state_->path.parent_path();
  lxw_workbook_options options = {};
  options.constant_memory = LXW_TRUE;
  options.tmpdir = tmpdir.data();
  options.use_zip64 = LXW_TRUE;
  state_->book = workbook_new_opt(state_->file->WritablePath().c_str(), &options);
  if (!state_->book) throw InputError("cannot write " + state_->path.string());
  State& s = *state_;
  s.plain = s.Format(false);
  s.header = s.Format(true);
  format_set_bold(s.header);
  format_set_bg_color(s.header, 0xDDE4EE);
  s.top = s.Format(false);
  format_set_bold(s.top);
  s.wrapped = s.Format(false);
  format_set_text_wrap(s.wrapped);

  std::string title = project.name + " 工程量报表";
  std::string subject = project.name;
  lxw_doc_properties properties = {};
  properties.title = title.data();
  properties.subject = subject.data();
  workbook_set_properties(s.book, &properties);
  workbook_set_custom_property_string(s.book, "工程名称", project.name.c_str());

  s.sheet = s.AddSheet("工程概况");
  s.Heading({"项目", "内容"});
  std::vector<std::pair<std::string, std::string>> facts = {{"工程名称", project.name}};
  for (const auto& pair : project.summary) {
    if (pair.first != "工程名称" && pair.first != "建筑面积") facts.push_back(pair);
  }
  facts.emplace_back("清单库", project.bill_library);
  facts.emplace_back("定额库", project.quota_library);
  facts.emplace_back("建筑面积 (m2)", project.building_area);
  for (const auto& [name, value] : facts) {
    s.String(s.line, 0, name, s.plain);
    s.String(s.line, 1, value, s.plain);
    s.Widen(0, DisplayWidth(name));
    s.Widen(1, std::min(WidestLine(value), kWidestColumn));
    ++s.line;
  }
  s.FinishSheet();
}

Workbook::~Workbook() {
  if (!state_->book) return;
  // Not closed: nothing is landed, and the temporary file goes with file.
  workbook_close(state_->book);
}

void Workbook::AddBillList(const std::vector<BillListLine>& lines) {
  State& s = *state_;
  s.FinishSheet();
  s.sheet = s.AddSheet("分部分项工程量清单");
  s.Heading({"序号", "项目编码", "项目名称", "项目特征描述", "计量单位", "工程量"});
  for (const BillListLine& line : lines) {
    const lxw_row_t row = s.line++;
    if (line.chapter) {
      for (size_t c = 0; c < 6; ++c) s.String(row, c, c == 1 ? line.name : "", s.top);
      continue;
    }
    worksheet_set_row(s.sheet, row,
                      LXW_DEF_ROW_HEIGHT * WrappedLines(line.features, kWidestFeatures), nullptr);
    s.Check(worksheet_write_number(s.sheet, row, 0, std::stod(line.number), s.plain), row, 0);
    s.String(row, 1, line.code, s.plain);
    s.String(row, 2, line.name, s.plain);
    s.String(row, 3, line.features, s.wrapped);
    s.String(row, 4, line.unit, s.plain);
    if (const std::optional<double> number = ParseQuantity(line.quantity)) {
      const int decimals = UnitDecimals(line.unit);
      s.Check(worksheet_write_number(s.sheet, row, 5, *number, s.Number(decimals)), row, 5);
      s.Widen(5, DisplayWidth(FormatQuantity(line.quantity, decimals)));
    } else {
      s.String(row, 5, line.quantity, s.plain);
    }
    s.Widen(1, 12);
    s.Widen(2, std::min(WidestLine(line.name), kWidestColumn));
    s.Widen(3, std::min(WidestLine(line.features), kWidestFeatures));
    s.Widen(4, DisplayWidth(line.unit));
  }
  s.FinishSheet();
}

void Workbook::StartTable(std::string_view name, std::span<const NamedColumn> columns) {
  State& s = *state_;
  s.FinishSheet();
  s.table = name;
  s.columns = columns;
  s.shown.clear();
  for (size_t c = 0; c < columns.size(); ++c) {
    if (columns[c].use != ColumnUse::kProgram) s.shown.push_back(c);
  }
  s.part = 0;
  s.NextTableSheet();
}

void Workbook::AddRows(const std::vector<NamedRow>& rows) {
  State& s = *state_;
  for (const NamedRow& row : rows) {
    if (s.line >= s.sheet_rows) s.NextTableSheet();
    const lxw_row_t line = s.line++;
    const std::string unit = ValueOf(s.columns, row, "unit");
    int height = 1;
    for (size_t i = 0; i < s.shown.size(); ++i) {
      if (s.columns[s.shown[i]].key == "features")
        height = std::max(height, WrappedLines(row.values[s.shown[i]], kWidestFeatures));
    }
    lxw_row_col_options outline = {};
    outline.level = static_cast<uint8_t>(std::min<int>(row.depth, kDeepestOutline));
    worksheet_set_row_opt(s.sheet, line, LXW_DEF_ROW_HEIGHT * height, nullptr, &outline);
    const int tone = (row.tone > 0) - (row.tone < 0);
    lxw_format* text = row.depth == 0 ? s.top : tone != 0 ? s.Number(-1, tone) : s.plain;
    s.Check(worksheet_write_number(s.sheet, line, 0, row.depth, text), line, 0);
    for (size_t i = 0; i < s.shown.size(); ++i) {
      const NamedColumn& column = s.columns[s.shown[i]];
      const std::string& value = row.values[s.shown[i]];
      const size_t col = i + 1;
      const std::optional<double> number =
          column.kind == ColumnKind::kNumber ? ParseQuantity(value) : std::nullopt;
      if (number) {
        const int decimals = UnitDecimals(unit);
        s.Check(worksheet_write_number(s.sheet, line, static_cast<lxw_col_t>(col), *number,
                                       s.Number(decimals, tone)),
                line, col);
        s.Widen(col, DisplayWidth(FormatQuantity(value, decimals)));
        continue;
      }
      // Empty cells are left unwritten (the printed gridlines frame them):
      // they are most of a large table's cells.
      if (value.empty()) continue;
      const bool features = column.key == "features";
      s.String(line, col, value, features ? s.wrapped : text);
      s.Widen(col, std::min(WidestLine(value), features ? kWidestFeatures : kWidestColumn));
    }
  }
}

void Workbook::Close() {
  State& s = *state_;
  s.FinishSheet();
  // The library says what went wrong on standard error in its own words;
  // the tool's one line says it instead.
  std::fflush(stderr);
  const int saved = dup(STDERR_FILENO);
  const int quiet = open("/dev/null", O_WRONLY);
  if (saved >= 0 && quiet >= 0) dup2(quiet, STDERR_FILENO);
  errno = 0;
  const lxw_error closed = workbook_close(s.book);
  const int failure = errno;
  if (saved >= 0) {
    dup2(saved, STDERR_FILENO);
    close(saved);
  }
  if (quiet >= 0) close(quiet);
  s.book = nullptr;
  if (closed != LXW_NO_ERROR) {
    throw InputError("cannot write " + s.path.string() + ": " +
                     (failure != 0 ? std::strerror(failure) : lxw_strerror(closed)));
  }
  s.file->Commit();
}

}  // namespace reportdata::cli
