#include "cli/column_schema.h"

#include <algorithm>

namespace reportdata::cli {
namespace {

std::string_view TrimBlanks(std::string_view text) {
  const size_t first = text.find_first_not_of(" \r\n");
  if (first == std::string_view::npos) return {};
  const size_t last = text.find_last_not_of(" \r\n");
  return text.substr(first, last - first + 1);
}

// Code and name share the first line, two blanks apart; a first line without
// them is a name alone (the calculation items of the quota table by floor and
// component).
std::string_view FirstLinePart(std::string_view text, CellPart part) {
  const std::string_view line = text.substr(0, text.find('\n'));
  const size_t gap = line.find("  ");
  if (gap == std::string_view::npos) return part == CellPart::kName ? TrimBlanks(line) : "";
  return TrimBlanks(part == CellPart::kCode ? line.substr(0, gap) : line.substr(gap + 2));
}

}  // namespace

GridShape ShapeOf(const std::vector<std::string>& flat, size_t width) {
  GridShape shape;
  width = std::max<size_t>(width, 1);
  for (size_t at = 0; at + width <= flat.size(); at += width) {
    shape.Add(flat[at], width > 1 ? std::string_view(flat[at + 1]) : std::string_view());
  }
  return shape;
}

bool NamesAncestor(const std::vector<std::string>& flat, size_t width, const GridShape& shape,
                   size_t r, std::string_view text, std::span<const int> cells) {
  for (size_t up = shape.parent(r); up != GridShape::kNone; up = shape.parent(up)) {
    for (int cell : cells) {
      if (static_cast<size_t>(cell) < width && flat[up * width + cell] == text) return true;
    }
  }
  return false;
}

std::vector<int> LabelCells(std::span<const NamedColumn> columns) {
  std::vector<int> cells;
  for (const NamedColumn& column : columns) {
    if (column.use != ColumnUse::kLabel) continue;
    for (const CellSource& source : column.from) {
      if (source.cell >= 0 && std::find(cells.begin(), cells.end(), source.cell) == cells.end())
        cells.push_back(source.cell);
    }
  }
  std::sort(cells.begin(), cells.end());
  return cells;
}

std::string CellPartOf(std::string_view text, CellPart part) {
  switch (part) {
    case CellPart::kWhole:
      return std::string(TrimBlanks(text));
    case CellPart::kCode:
    case CellPart::kName:
      return std::string(FirstLinePart(text, part));
    case CellPart::kFeatures:
      break;
  }
  std::string features;
  for (size_t start = text.find('\n'); start != std::string_view::npos;) {
    const size_t end = text.find('\n', start + 1);
    const std::string_view line = TrimBlanks(text.substr(start + 1, end - start - 1));
    if (!line.empty()) features += (features.empty() ? "" : "\n") + std::string(line);
    start = end;
  }
  return features;
}

std::vector<NamedRow> ReadNamedRows(const std::vector<std::string>& flat, int width,
                                    std::span<const NamedColumn> columns, int max_depth) {
  const size_t cells = static_cast<size_t>(std::max(width, 1));
  const GridShape shape = ShapeOf(flat, cells);
  const std::vector<int> label_cells = LabelCells(columns);
  std::vector<NamedRow> rows;
  for (size_t r = 1; r < shape.rows(); ++r) {
    if (max_depth >= 0 && shape.depth(r) > max_depth) continue;
    NamedRow out;
    out.depth = shape.depth(r);
    for (const NamedColumn& column : columns) {
      std::string value;
      for (const CellSource& source : column.from) {
        if (source.cell < 0 || static_cast<size_t>(source.cell) >= cells) continue;
        if (source.depth >= 0 && source.depth != out.depth) continue;
        const std::string& text = flat[r * cells + source.cell];
        if (text.empty()) continue;
        if (column.use == ColumnUse::kLabel &&
            NamesAncestor(flat, cells, shape, r, text, label_cells))
          continue;
        value = CellPartOf(text, source.part);
        if (!value.empty()) break;
      }
      out.values.push_back(std::move(value));
    }
    rows.push_back(std::move(out));
  }
  return rows;
}

std::string ValueOf(std::span<const NamedColumn> columns, const NamedRow& row,
                    std::string_view key) {
  for (size_t c = 0; c < columns.size(); ++c) {
    if (columns[c].key == key) return row.values[c];
  }
  return {};
}

}  // namespace reportdata::cli
