#include "cli/workbook.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <map>

#include "cli/display_width.h"
#include "cli/input_error.h"
#include "cli/quantity_format.h"
#include "cli/xlsx_library.h"
#include "reportdata/replacing_file.h"

namespace reportdata::cli {
namespace {

namespace fs = std::filesystem;

constexpr int kWidestColumn = 60;    // cells; longer texts wrap or run on
constexpr int kWidestFeatures = 40;  // the wrapped features column
constexpr uint8_t kDeepestOutline = 7;

// Width in cells of the widest line of the text.
int WidestLine(std::string_view text) {
  int widest = 0;
  for (size_t start = 0; start <= text.size();) {
    const size_t end = std::min(text.find('\n', start), text.size());
    widest = std::max(widest, DisplayWidth(text.substr(start, end - start)));
    start = end + 1;
  }
  return widest;
}

}  // namespace

struct Workbook::State {
  fs::path path;
  std::unique_ptr<ReplacingFile> file;  // the workbook until Close lands it
  lxw_workbook* book = nullptr;
  lxw_format* header = nullptr;
  lxw_format* top = nullptr;           // the top-level rows
  lxw_format* wrapped = nullptr;       // features
  std::map<int, lxw_format*> numbers;  // by decimals

  lxw_format* Number(int decimals) {
    lxw_format*& format = numbers[decimals];
    if (!format) {
      const XlsxLibrary& xlsx = Xlsx();
      format = xlsx.workbook_add_format(book);
      const std::string pattern = decimals > 0 ? "0." + std::string(decimals, '0') : "0";
      xlsx.format_set_num_format(format, pattern.c_str());
    }
    return format;
  }
};

Workbook::Workbook(fs::path path) : state_(std::make_unique<State>()) {
  // Loaded first: a tool that cannot write workbooks leaves no file behind.
  const XlsxLibrary& xlsx = Xlsx();
  state_->path = std::move(path);
  // Created here, so that the message comes before the work.
  state_->file = std::make_unique<ReplacingFile>(state_->path.string());
  state_->book = xlsx.workbook_new(state_->file->WritablePath().c_str());
  if (!state_->book) throw InputError("cannot write " + state_->path.string());
  state_->header = xlsx.workbook_add_format(state_->book);
  xlsx.format_set_bold(state_->header);
  xlsx.format_set_bottom(state_->header, LXW_BORDER_THIN);
  state_->top = xlsx.workbook_add_format(state_->book);
  xlsx.format_set_bold(state_->top);
  state_->wrapped = xlsx.workbook_add_format(state_->book);
  xlsx.format_set_text_wrap(state_->wrapped);
  xlsx.format_set_align(state_->wrapped, LXW_ALIGN_VERTICAL_TOP);
}

Workbook::~Workbook() {
  if (!state_->book) return;
  const XlsxLibrary& xlsx = Xlsx();
  // Not closed: nothing is landed, and the temporary file goes with file.
  xlsx.workbook_close(state_->book);
}

void Workbook::AddSheet(std::string_view name, std::span<const NamedColumn> columns,
                        const std::vector<NamedRow>& rows) {
  const XlsxLibrary& xlsx = Xlsx();
  lxw_worksheet* sheet = xlsx.workbook_add_worksheet(state_->book, std::string(name).c_str());
  if (!sheet) throw InputError("cannot add a sheet named " + std::string(name));
  // Parents stand above their children, so the outline buttons go there.
  xlsx.worksheet_outline_settings(sheet, LXW_TRUE, LXW_FALSE, LXW_TRUE, LXW_FALSE);
  xlsx.worksheet_freeze_panes(sheet, 1, 0);

  std::vector<size_t> shown;  // columns people read
  for (size_t c = 0; c < columns.size(); ++c) {
    if (columns[c].use != ColumnUse::kProgram) shown.push_back(c);
  }
  std::vector<int> widths = {DisplayWidth("层级")};
  xlsx.worksheet_write_string(sheet, 0, 0, "层级", state_->header);
  for (size_t s = 0; s < shown.size(); ++s) {
    const std::string title(columns[shown[s]].title);
    xlsx.worksheet_write_string(sheet, 0, static_cast<lxw_col_t>(s + 1), title.c_str(),
                                state_->header);
    widths.push_back(DisplayWidth(title));
  }
  const auto unit_of = [&](const NamedRow& row) { return ValueOf(columns, row, "unit"); };

  for (size_t r = 0; r < rows.size(); ++r) {
    const NamedRow& row = rows[r];
    const auto line = static_cast<lxw_row_t>(r + 1);
    lxw_row_col_options outline = {};
    outline.level = static_cast<uint8_t>(std::min<int>(row.depth, kDeepestOutline));
    xlsx.worksheet_set_row_opt(sheet, line, LXW_DEF_ROW_HEIGHT, nullptr, &outline);
    xlsx.worksheet_write_number(sheet, line, 0, row.depth, nullptr);
    for (size_t s = 0; s < shown.size(); ++s) {
      const NamedColumn& column = columns[shown[s]];
      const std::string& value = row.values[shown[s]];
      if (value.empty()) continue;
      const auto col = static_cast<lxw_col_t>(s + 1);
      const std::optional<double> number =
          column.kind == ColumnKind::kNumber ? ParseQuantity(value) : std::nullopt;
      if (number) {
        const int decimals = UnitDecimals(unit_of(row));
        xlsx.worksheet_write_number(sheet, line, col, *number, state_->Number(decimals));
        widths[s + 1] = std::max(widths[s + 1], DisplayWidth(FormatQuantity(value, decimals)));
        continue;
      }
      const bool features = column.key == "features";
      lxw_format* format = features ? state_->wrapped : row.depth == 0 ? state_->top : nullptr;
      xlsx.worksheet_write_string(sheet, line, col, value.c_str(), format);
      widths[s + 1] = std::max(
          widths[s + 1], std::min(WidestLine(value), features ? kWidestFeatures : kWidestColumn));
    }
  }
  for (size_t c = 0; c < widths.size(); ++c) {
    // A spreadsheet column is as wide as that many digits; a Chinese
    // character takes about two.
    xlsx.worksheet_set_column(sheet, static_cast<lxw_col_t>(c), static_cast<lxw_col_t>(c),
                              std::max(widths[c], 4) + 2.0, nullptr);
  }
}

void Workbook::Close() {
  const XlsxLibrary& xlsx = Xlsx();
  const lxw_error closed = xlsx.workbook_close(state_->book);
  state_->book = nullptr;
  if (closed != LXW_NO_ERROR) {
    throw InputError("cannot write " + state_->path.string() + ": " + xlsx.lxw_strerror(closed));
  }
  state_->file->Commit();
}

}  // namespace reportdata::cli
