#include "cli/tables.h"

namespace reportdata::cli {

std::string TableNames() {
  std::string names;
  for (const CatalogTable& table : TableCatalog()) {
    if (!names.empty()) names += ", ";
    names += std::string(table.name) + " (" + std::string(table.stem) + ")";
  }
  return names;
}

GridLayout GridOf(const CatalogTable& table) {
  GridLayout grid;
  grid.width = table.width;
  const std::vector<int> labels = LabelCells(table.columns);
  if (!labels.empty()) {
    grid.label_first = labels.front();
    grid.label_last = labels.back();
  }
  grid.tree_title = "项目";
  for (const NamedColumn& column : table.columns) {
    if (column.use != ColumnUse::kValue) continue;
    if (column.key == "unit") grid.unit_column = static_cast<int>(grid.columns.size());
    grid.columns.push_back({column.from[0].cell, column.title,
                            column.kind == ColumnKind::kNumber ? Align::kRight : Align::kLeft});
  }
  return grid;
}

std::string_view SideName(TableSide side) {
  static constexpr std::string_view kNames[] = {"bill", "quota", "area"};  // by TableSide
  return kNames[static_cast<size_t>(side)];
}

}  // namespace reportdata::cli
