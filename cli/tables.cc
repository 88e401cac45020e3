#include "cli/tables.h"

#include <cstdlib>

#include "reportdata/facades.h"

namespace reportdata::cli {
namespace {

const CatalogTable& CatalogEntry(int code) {
  for (const CatalogTable& entry : TableCatalog()) {
    if (entry.code == code) return entry;
  }
  std::abort();  // every table the tool binds is in the catalogue
}

// The component codes that the door and window table's selection maps to
// its kinds.
constexpr std::string_view kDoorWindowCodes[] = {"MCD\\M",   "MCD\\C",   "MCD\\PC", "MCD\\QD",
                                                 "MCD\\ZPC", "MCD\\LHC", "MCD\\DXC"};

template <class Facade>
constexpr auto kItemRows = +[](CString name, CStringArray& rows) {
  Facade::GetItemData(name, rows);
};
template <class Facade>
constexpr auto kSelectRows = +[](CStringArray& floors, CStringArray& second, CStringArray& rows) {
  Facade::GetItemData(floors, second, rows);
};
template <class Facade>
constexpr auto kStream = +[](CString name, CStringArray& rows) {
  Facade::GetNewItemData(name, rows);
};

// The tool's entry of the catalogue table of `code`, answered by Facade.
template <class Facade>
TableDef Table(int code, void (*stream)(CString, CStringArray&) = kStream<Facade>) {
  const CatalogTable& entry = CatalogEntry(code);
  return {entry.name,
          entry.stem,
          entry.side,
          &Facade::GetparaNum,
          &Facade::GetTreeItem,
          &Facade::GetTotalData,
          kItemRows<Facade>,
          stream,
          kSelectRows<Facade>,
          "component",
          {},
          entry.columns};
}

TableDef WithSecondList(TableDef table, std::string_view column,
                        std::span<const std::string_view> texts) {
  table.second_column = column;
  table.second_texts = texts;
  return table;
}

// In the order of the catalogue.
const TableDef kTables[] = {
    Table<CInterQingDan>(1, &CInterQingDan::GetNewQdHz),
    Table<CInterQingDan2>(2),
    Table<CInterHuiZong>(3),
    Table<DeTable1>(11),
    Table<DeTable2>(12),
    Table<DeTable3>(13),
    // The building area's selection reads the floors only.
    WithSecondList(Table<CAARInterHuiZong>(4), "", {}),
    WithSecondList(Table<CInterDoorWindow>(5), "", kDoorWindowCodes),
    Table<RoomTable1>(6),
    Table<RoomTable2>(7),
    // The index analysis answers no floor selection.
    [] {
      TableDef table = Table<CIZBfFenXi>(10);
      table.select_rows = nullptr;
      return table;
    }(),
};

}  // namespace

std::span<const TableDef> AllTables() { return kTables; }

const TableDef* FindTable(std::string_view name) {
  for (const TableDef& table : kTables) {
    if (table.name == name || table.stem == name) return &table;
  }
  return nullptr;
}

std::string TableNames() {
  std::string names;
  for (const TableDef& table : kTables) {
    if (!names.empty()) names += ", ";
    names += std::string(table.name) + " (" + std::string(table.stem) + ")";
  }
  return names;
}

GridLayout GridOf(const TableDef& table) {
  GridLayout grid;
  grid.width = table.para_num();
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

std::size_t CountTotalRows(const TableDef& table) {
  return CountTableRows(*FindCatalogTable(table.stem));
}

std::string_view SideName(Side side) {
  switch (side) {
    case Side::kBill:
      return "bill";
    case Side::kQuota:
      return "quota";
    case Side::kEither:
      break;
  }
  return "area";
}

}  // namespace reportdata::cli
