#include "cli/tables.h"

#include <algorithm>

#include "reportdata/facades.h"

namespace reportdata::cli {
namespace {

constexpr ColumnKind N = ColumnKind::kNumber;
constexpr ColumnKind T = ColumnKind::kText;
constexpr ColumnUse kLabel = ColumnUse::kLabel;
constexpr ColumnUse kValue = ColumnUse::kValue;
constexpr CellPart kCode = CellPart::kCode;
constexpr CellPart kName = CellPart::kName;
constexpr CellPart kFeatures = CellPart::kFeatures;
constexpr CellPart kWhole = CellPart::kWhole;

// The named columns of each table: key, title, kind, use, then the cells
// that feed the column (cell, part of an item text, tree level or -1 for
// any). Cells are those of the layout A rows described in docs/tables.md.

// Bill summary, consumption summary, quota summary: chapter → item → floor
// → component → record.
constexpr NamedColumn kBillColumns[] = {
    {"chapter", "章节", T, kLabel, {{2}}},
    {"code", "编码", T, kLabel, {{3, kCode}}},
    {"name", "名称", T, kLabel, {{3, kName}}},
    {"features", "项目特征", T, kLabel, {{3, kFeatures}}},
    {"floor", "楼层", T, kLabel, {{4}}},
    {"component", "构件", T, kLabel, {{5}}},
    {"position", "位置", T, kLabel, {{6}}},
    {"unit", "单位", T, kValue, {{7}}},
    {"quantity", "工程量", N, kValue, {{8}}},
    {"description", "说明", T, kValue, {{9}}},
    {"formula", "计算式", T, kValue, {{10}}},
    {"handles", "图元", T, ColumnUse::kProgram, {{11}}},
};
// Bill consumption: the bill item's text in cell 3, its quota items' in 4.
constexpr NamedColumn kConsumptionColumns[] = {
    {"chapter", "章节", T, kLabel, {{2}}},
    {"code", "编码", T, kLabel, {{3, kCode}, {4, kCode}}},
    {"name", "名称", T, kLabel, {{3, kName}, {4, kName}}},
    {"features", "项目特征", T, kLabel, {{3, kFeatures}, {4, kFeatures}}},
    {"floor", "楼层", T, kLabel, {{5}}},
    {"component", "构件", T, kLabel, {{6}}},
    {"position", "位置", T, kLabel, {{7}}},
    {"unit", "单位", T, kValue, {{8}}},
    {"quantity", "工程量", N, kValue, {{9}}},
    {"description", "说明", T, kValue, {{10}}},
    {"formula", "计算式", T, kValue, {{11}}},
    {"handles", "图元", T, ColumnUse::kProgram, {{12}}},
};
// Quota summary by floor: floor group → chapter → quota item → component →
// record.
constexpr NamedColumn kFloorQuotaColumns[] = {
    {"floor", "楼层", T, kLabel, {{2, kWhole, 0}, {4}}},
    {"chapter", "章节", T, kLabel, {{2, kWhole, 1}}},
    {"code", "编码", T, kLabel, {{3, kCode}}},
    {"name", "名称", T, kLabel, {{3, kName}}},
    {"features", "项目特征", T, kLabel, {{3, kFeatures}}},
    {"component", "构件", T, kLabel, {{5}}},
    {"position", "位置", T, kLabel, {{6}}},
    {"unit", "单位", T, kValue, {{7}}},
    {"quantity", "工程量", N, kValue, {{8}}},
    {"description", "说明", T, kValue, {{9}}},
    {"formula", "计算式", T, kValue, {{10}}},
    {"handles", "图元", T, ColumnUse::kProgram, {{11}}},
};
// Quota summary by floor and component: floor group → component →
// calculation item → quota item → record.
constexpr NamedColumn kFloorComponentQuotaColumns[] = {
    {"floor", "楼层", T, kLabel, {{2, kWhole, 0}, {4}}},
    {"component", "构件", T, kLabel, {{2, kWhole, 1}}},
    {"calculation", "计算项目", T, kLabel, {{3, kWhole, 2}}},
    {"code", "编码", T, kLabel, {{3, kCode, 3}}},
    {"name", "名称", T, kLabel, {{3, kName, 3}}},
    {"features", "项目特征", T, kLabel, {{3, kFeatures, 3}}},
    {"position", "位置", T, kLabel, {{6}}},
    {"unit", "单位", T, kValue, {{7}}},
    {"quantity", "工程量", N, kValue, {{8}}},
    {"description", "说明", T, kValue, {{9}}},
    {"formula", "计算式", T, kValue, {{10}}},
    {"handles", "图元", T, ColumnUse::kProgram, {{11}}},
};
// Building area: total → floor → main-body and balcony items.
constexpr NamedColumn kAreaColumns[] = {
    {"name", "名称", T, kLabel, {{2}, {4}}}, {"floor", "楼层", T, kLabel, {{3}}},
    {"unit", "单位", T, kValue, {{5}}},      {"quantity", "面积", N, kValue, {{6}}},
    {"formula", "计算式", T, kValue, {{7}}}, {"description", "说明", T, kValue, {{8}}},
};
// Doors and windows: kind → type → floor → occurrence.
constexpr NamedColumn kDoorWindowColumns[] = {
    {"kind", "类别", T, kLabel, {{2}}},  {"type", "类型", T, kLabel, {{3}}},
    {"floor", "楼层", T, kLabel, {{4}}}, {"position", "位置", T, kLabel, {{5}}},
    {"unit", "单位", T, kValue, {{6}}},  {"quantity", "数量", N, kValue, {{7}}},
    {"key", "编号", T, kValue, {{8}}},   {"formula", "计算式", T, kValue, {{9}}},
};
// Room table 1: room → quota item → floor → component → record.
constexpr NamedColumn kRoomColumns[] = {
    {"room", "房间", T, kLabel, {{2}}},
    {"code", "编码", T, kLabel, {{3, kCode}}},
    {"name", "名称", T, kLabel, {{3, kName}}},
    {"features", "项目特征", T, kLabel, {{3, kFeatures}}},
    {"floor", "楼层", T, kLabel, {{4}}},
    {"component", "构件", T, kLabel, {{5}}},
    {"position", "位置", T, kLabel, {{6}}},
    {"unit", "单位", T, kValue, {{7}}},
    {"quantity", "工程量", N, kValue, {{8}}},
    {"description", "说明", T, kValue, {{9}}},
    {"formula", "计算式", T, kValue, {{10}}},
    {"handles", "图元", T, ColumnUse::kProgram, {{11}}},
};
// Room table 2: floor → room → place → quota item → floor → component →
// record.
constexpr NamedColumn kFloorRoomColumns[] = {
    {"floor", "楼层", T, kLabel, {{2, kWhole, 0}, {4}}},
    {"room", "房间", T, kLabel, {{2, kWhole, 1}}},
    {"place", "位置类别", T, kLabel, {{2, kWhole, 2}}},
    {"code", "编码", T, kLabel, {{3, kCode}}},
    {"name", "名称", T, kLabel, {{3, kName}}},
    {"features", "项目特征", T, kLabel, {{3, kFeatures}}},
    {"component", "构件", T, kLabel, {{5}}},
    {"position", "位置", T, kLabel, {{6}}},
    {"unit", "单位", T, kValue, {{7}}},
    {"quantity", "工程量", N, kValue, {{8}}},
    {"description", "说明", T, kValue, {{9}}},
    {"formula", "计算式", T, kValue, {{10}}},
    {"handles", "图元", T, ColumnUse::kProgram, {{11}}},
};
// Index analysis: group → item → floor.
constexpr NamedColumn kIndexColumns[] = {
    {"group", "指标组", T, kLabel, {{2}}},     {"item", "指标项", T, kLabel, {{3}}},
    {"floor", "楼层", T, kLabel, {{4}}},       {"unit", "单位", T, kValue, {{5}}},
    {"quantity", "指标", N, kValue, {{6}}},    {"formula", "计算式", T, kValue, {{7}}},
    {"description", "说明", T, kValue, {{8}}},
};

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

template <class Facade>
constexpr TableDef Table(std::string_view name, std::string_view stem, Side side,
                         std::span<const NamedColumn> columns,
                         void (*stream)(CString, CStringArray&) = kStream<Facade>) {
  return {name,
          stem,
          side,
          &Facade::GetparaNum,
          &Facade::GetTreeItem,
          &Facade::GetTotalData,
          kItemRows<Facade>,
          stream,
          kSelectRows<Facade>,
          "component",
          {},
          columns};
}

constexpr TableDef WithSecondList(TableDef table, std::string_view column,
                                  std::span<const std::string_view> texts) {
  table.second_column = column;
  table.second_texts = texts;
  return table;
}

constexpr TableDef kTables[] = {
    Table<CInterQingDan>("清单汇总表", "qd", Side::kBill, kBillColumns, &CInterQingDan::GetNewQdHz),
    Table<CInterQingDan2>("清单消耗量表", "qdxhl", Side::kBill, kConsumptionColumns),
    Table<CInterHuiZong>("消耗量汇总表", "de", Side::kBill, kBillColumns),
    Table<DeTable1>("定额汇总表", "de1", Side::kQuota, kBillColumns),
    Table<DeTable2>("分层汇总定额表", "de2", Side::kQuota, kFloorQuotaColumns),
    Table<DeTable3>("分层分构件汇总定额表", "de3", Side::kQuota, kFloorComponentQuotaColumns),
    // The building area's selection reads the floors only.
    WithSecondList(Table<CAARInterHuiZong>("建筑面积汇总表", "mj", Side::kEither, kAreaColumns), "",
                   {}),
    WithSecondList(Table<CInterDoorWindow>("门窗汇总表", "mc", Side::kEither, kDoorWindowColumns),
                   "", kDoorWindowCodes),
    Table<RoomTable1>("房间汇总表", "room1", Side::kEither, kRoomColumns),
    Table<RoomTable2>("分层房间汇总表", "room2", Side::kEither, kFloorRoomColumns),
    // The index analysis answers no floor selection.
    [] {
      TableDef table = Table<CIZBfFenXi>("指标分析表", "zbfx", Side::kEither, kIndexColumns);
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
  CStringArray rows;
  table.total_rows(rows);
  const std::size_t width = static_cast<std::size_t>(std::max(table.para_num(), 1));
  const std::size_t count = static_cast<std::size_t>(rows.GetSize()) / width;
  return count > 0 ? count - 1 : 0;
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
