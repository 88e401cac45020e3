#include "cli/row_printer.h"

#include <algorithm>
#include <nlohmann/json.hpp>
#include <string_view>

#include "cli/column_schema.h"
#include "cli/csv.h"
#include "cli/display_width.h"

namespace reportdata::cli {
namespace {

constexpr int kTreeCap = 72;  // widest tree text shown before cutting
constexpr int kCellCap = 48;  // widest other cell shown before cutting

std::string Indent(int depth) { return std::string(static_cast<size_t>(depth) * 2, ' '); }

std::string_view TrimLeft(std::string_view text) {
  return text.substr(std::min(text.find_first_not_of(' '), text.size()));
}

// The text without the blanks and line breaks that end it.
std::string_view TrimRight(std::string_view text) {
  while (!text.empty() && (text.back() == ' ' || text.back() == '\n' || text.back() == '\r'))
    text.remove_suffix(1);
  return text;
}

// A line of a drawn cell and the terminal cells it takes.
struct DrawnLine {
  std::string text;
  int width = 0;
};

// Appends the lines of a cell as it is drawn, continuation lines stripped of
// the blanks that the facade puts there to line them up in its own grid.
void AddCellLines(std::string_view text, const std::string& indent, const std::string& continuation,
                  int cap, std::vector<DrawnLine>& lines) {
  ForEachLine(text, [&](std::string_view line, bool first) {
    if (!first) line = TrimLeft(line);
    DrawnLine& drawn = lines.emplace_back();
    drawn.text.reserve((first ? indent : continuation).size() + line.size());
    drawn.text.append(first ? indent : continuation).append(line);
    drawn.width = DisplayWidth(drawn.text);
    if (drawn.width > cap) {
      drawn.text = Truncate(drawn.text, cap);
      drawn.width = DisplayWidth(drawn.text);
    }
  });
}

bool IsFlag(const std::string& text) {
  return text.size() > 6 && text.front() == '#' && text.ends_with("Flag#");
}

struct StreamRecord {
  int depth = 0;
  std::string flag;
  std::vector<std::string> cells;
};

std::vector<StreamRecord> SplitStream(const std::vector<std::string>& stream) {
  std::vector<StreamRecord> records;
  std::vector<std::string> open;  // flags from the top level down to the current record
  for (const std::string& text : stream) {
    if (!IsFlag(text) && !records.empty()) {
      records.back().cells.push_back(text);
      continue;
    }
    StreamRecord record;
    if (IsFlag(text)) {
      const auto seen = std::find(open.begin(), open.end(), text);
      open.erase(seen, open.end());
      record.depth = static_cast<int>(open.size());
      open.push_back(text);
      record.flag = text;
    } else {
      record.cells.push_back(text);
    }
    records.push_back(std::move(record));
  }
  return records;
}

std::string OneLine(std::string_view text) {
  std::string out;
  ForEachLine(text, [&](std::string_view line, bool) {
    if (!out.empty()) out += " / ";
    out += TrimLeft(line);
  });
  return out;
}

}  // namespace

std::vector<TreeRow> FoldRows(const std::vector<std::string>& flat, const GridLayout& grid,
                              int max_depth) {
  std::vector<TreeRow> rows;
  if (grid.width <= 0) return rows;
  const size_t width = static_cast<size_t>(grid.width);
  const GridShape shape = ShapeOf(flat, width);
  std::vector<int> label_cells;
  for (int cell = std::max(grid.label_first, 0); cell <= grid.label_last; ++cell)
    label_cells.push_back(cell);
  for (size_t r = 1; r < shape.rows(); ++r) {
    if (max_depth >= 0 && shape.depth(r) > max_depth) continue;
    const std::string* row = &flat[r * width];
    TreeRow out;
    out.depth = shape.depth(r);
    for (int cell : label_cells) {
      if (static_cast<size_t>(cell) >= width) continue;
      const std::string& text = row[cell];
      if (text.empty() || NamesAncestor(flat, width, shape, r, text, label_cells)) continue;
      if (!out.tree.empty()) out.tree += "  ";
      out.tree += TrimRight(text);
    }
    out.cells.reserve(grid.columns.size());
    for (const ColumnLayout& column : grid.columns) {
      const bool inside = column.cell >= 0 && static_cast<size_t>(column.cell) < width;
      out.cells.push_back(inside ? row[column.cell] : std::string());
    }
    rows.push_back(std::move(out));
  }
  return rows;
}

std::vector<bool> CellsFoldRowsReads(const GridLayout& grid) {
  const size_t width = static_cast<size_t>(std::max(grid.width, 1));
  std::vector<bool> read(width, false);
  const auto mark = [&](int cell) {
    if (cell >= 0 && static_cast<size_t>(cell) < width) read[static_cast<size_t>(cell)] = true;
  };
  mark(0);
  mark(1);
  for (int cell = grid.label_first; cell <= grid.label_last; ++cell) mark(cell);
  for (const ColumnLayout& column : grid.columns) mark(column.cell);
  return read;
}

std::string RenderText(const std::vector<TreeRow>& rows, const GridLayout& grid) {
  std::vector<size_t> visible;
  for (size_t c = 0; c < grid.columns.size(); ++c) {
    if (std::any_of(rows.begin(), rows.end(),
                    [&](const TreeRow& r) { return !r.cells[c].empty(); }))
      visible.push_back(c);
  }
  // The drawn columns: the tree column first, then the visible columns.
  const size_t columns = visible.size() + 1;
  std::vector<DrawnLine> titles(columns);
  titles[0].text = grid.tree_title;
  for (size_t v = 0; v < visible.size(); ++v) titles[v + 1].text = grid.columns[visible[v]].title;
  std::vector<int> widths(columns);
  for (size_t c = 0; c < columns; ++c) widths[c] = titles[c].width = DisplayWidth(titles[c].text);

  // The lines of every drawn cell, row after row; cell i's lines are
  // lines[first_line[i], first_line[i + 1]).
  std::vector<DrawnLine> lines;
  std::vector<size_t> first_line;
  first_line.reserve(rows.size() * columns + 1);
  const auto add_cell = [&](size_t c, std::string_view text, const std::string& indent,
                            const std::string& continuation, int cap) {
    first_line.push_back(lines.size());
    AddCellLines(text, indent, continuation, cap, lines);
    for (size_t i = first_line.back(); i < lines.size(); ++i)
      widths[c] = std::max(widths[c], lines[i].width);
  };
  const std::string no_indent;
  for (const TreeRow& row : rows) {
    const std::string indent = Indent(row.depth);
    add_cell(0, row.tree, indent, indent + "    ", kTreeCap);
    for (size_t v = 0; v < visible.size(); ++v)
      add_cell(v + 1, row.cells[visible[v]], no_indent, no_indent, kCellCap);
  }
  first_line.push_back(lines.size());

  std::string out;
  // line(c) is the drawn line of column c, null for none.
  const auto draw_line = [&](auto&& line) {
    const size_t start = out.size();
    for (size_t c = 0; c < columns; ++c) {
      if (c > 0) out += "  ";
      const DrawnLine* drawn = line(c);
      const size_t missing = drawn ? static_cast<size_t>(std::max(widths[c] - drawn->width, 0))
                                   : static_cast<size_t>(widths[c]);
      const bool right = c > 0 && grid.columns[visible[c - 1]].align == Align::kRight;
      if (right) out.append(missing, ' ');
      if (drawn) out += drawn->text;
      if (!right) out.append(missing, ' ');
    }
    out.resize(start + TrimRight(std::string_view(out).substr(start)).size());
    out += '\n';
  };
  draw_line([&](size_t c) { return &titles[c]; });
  int total = 0;
  for (int w : widths) total += w;
  total += 2 * static_cast<int>(columns - 1);
  out.append(static_cast<size_t>(total), '-');
  out += '\n';
  for (size_t r = 0; r < rows.size(); ++r) {
    const size_t* cells = &first_line[r * columns];
    size_t height = 0;
    for (size_t c = 0; c < columns; ++c) height = std::max(height, cells[c + 1] - cells[c]);
    for (size_t i = 0; i < height; ++i) {
      draw_line([&](size_t c) -> const DrawnLine* {
        return cells[c] + i < cells[c + 1] ? &lines[cells[c] + i] : nullptr;
      });
    }
  }
  return out;
}

std::string RenderRowsJson(const std::vector<std::string>& flat, int width) {
  std::string out = "[";
  const size_t w = width > 0 ? static_cast<size_t>(width) : 1;
  for (size_t r = 0; r * w < flat.size(); ++r) {
    out += r == 0 ? "\n  [" : ",\n  [";
    for (size_t c = 0; c < w && r * w + c < flat.size(); ++c) {
      if (c > 0) out += ", ";
      out += nlohmann::json(flat[r * w + c]).dump();
    }
    out += "]";
  }
  out += flat.empty() ? "]\n" : "\n]\n";
  return out;
}

std::string RenderStreamJson(const std::vector<std::string>& stream) {
  std::string out = "[";
  for (size_t i = 0; i < stream.size(); ++i) {
    out += i == 0 ? "\n  " : (IsFlag(stream[i]) ? ",\n  " : ", ");
    out += nlohmann::json(stream[i]).dump();
  }
  out += stream.empty() ? "]\n" : "\n]\n";
  return out;
}

std::string RenderStreamText(const std::vector<std::string>& stream) {
  std::string out;
  for (const StreamRecord& record : SplitStream(stream)) {
    std::string line = Indent(record.depth) + record.flag;
    for (const std::string& cell : record.cells)
      line += (line.empty() ? "" : " | ") + OneLine(cell);
    out += TrimRight(line);
    out += '\n';
  }
  return out;
}

std::string RenderStreamCsv(const std::vector<std::string>& stream) {
  const std::vector<StreamRecord> records = SplitStream(stream);
  size_t most = 0;
  for (const StreamRecord& record : records) most = std::max(most, record.cells.size());
  std::string out(kUtf8Bom);
  std::vector<std::string> header = {"flag"};
  for (size_t i = 1; i <= most; ++i) header.push_back("cell" + std::to_string(i));
  out += CsvLine(header);
  for (const StreamRecord& record : records) {
    std::vector<std::string> fields = {record.flag};
    for (size_t i = 0; i < most; ++i) {
      std::string cell = i < record.cells.size() ? record.cells[i] : std::string();
      fields.push_back(i == 0 ? Indent(record.depth) + cell : cell);
    }
    out += CsvLine(fields);
  }
  return out;
}

}  // namespace reportdata::cli
