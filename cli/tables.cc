#include "cli/tables.h"

#include "reportdata/facades.h"

namespace reportdata::cli {
namespace {

constexpr Align L = Align::kLeft;
constexpr Align R = Align::kRight;

// Bill and quota tables: chapter (or floor), item, floor, component and
// position fold into the tree; then unit, quantity, the record description
// and the formula. The last cell holds drawing handles.
constexpr ColumnSpec kTreeColumns[] = {
    {7, "单位", L}, {8, "工程量", R}, {9, "说明", L}, {10, "计算式", L}};
// The bill consumption table has one cell more before the unit.
constexpr ColumnSpec kConsumptionColumns[] = {
    {8, "单位", L}, {9, "工程量", R}, {10, "说明", L}, {11, "计算式", L}};
constexpr ColumnSpec kAreaColumns[] = {
    {5, "单位", L}, {6, "面积", R}, {7, "计算式", L}, {8, "说明", L}};
constexpr ColumnSpec kDoorWindowColumns[] = {
    {6, "单位", L}, {7, "数量", R}, {8, "编号", L}, {9, "计算式", L}};
constexpr ColumnSpec kIndexColumns[] = {
    {5, "单位", L}, {6, "指标", R}, {7, "计算式", L}, {8, "说明", L}};

constexpr TableSpec kTables[] = {
    {"清单汇总表", "qd", Side::kBill, &CInterQingDan::GetparaNum, &CInterQingDan::GetTreeItem,
     &CInterQingDan::GetTotalData,
     +[](CString n, CStringArray& r) { CInterQingDan::GetItemData(n, r); },
     &CInterQingDan::GetNewQdHz, 2, 6, kTreeColumns},
    {"清单消耗量表", "qdxhl", Side::kBill, &CInterQingDan2::GetparaNum,
     &CInterQingDan2::GetTreeItem, &CInterQingDan2::GetTotalData,
     +[](CString n, CStringArray& r) { CInterQingDan2::GetItemData(n, r); },
     &CInterQingDan2::GetNewItemData, 2, 7, kConsumptionColumns},
    {"消耗量汇总表", "de", Side::kBill, &CInterHuiZong::GetparaNum, &CInterHuiZong::GetTreeItem,
     &CInterHuiZong::GetTotalData,
     +[](CString n, CStringArray& r) { CInterHuiZong::GetItemData(n, r); },
     &CInterHuiZong::GetNewItemData, 2, 6, kTreeColumns},
    {"定额汇总表", "de1", Side::kQuota, &DeTable1::GetparaNum, &DeTable1::GetTreeItem,
     &DeTable1::GetTotalData, +[](CString n, CStringArray& r) { DeTable1::GetItemData(n, r); },
     &DeTable1::GetNewItemData, 2, 6, kTreeColumns},
    {"分层汇总定额表", "de2", Side::kQuota, &DeTable2::GetparaNum, &DeTable2::GetTreeItem,
     &DeTable2::GetTotalData, +[](CString n, CStringArray& r) { DeTable2::GetItemData(n, r); },
     +[](CString n, CStringArray& r) { DeTable2::GetNewItemData(n, r); }, 2, 6, kTreeColumns},
    {"分层分构件汇总定额表", "de3", Side::kQuota, &DeTable3::GetparaNum, &DeTable3::GetTreeItem,
     &DeTable3::GetTotalData, +[](CString n, CStringArray& r) { DeTable3::GetItemData(n, r); },
     +[](CString n, CStringArray& r) { DeTable3::GetNewItemData(n, r); }, 2, 6, kTreeColumns},
    {"建筑面积汇总表", "mj", Side::kEither, &CAARInterHuiZong::GetparaNum,
     &CAARInterHuiZong::GetTreeItem, &CAARInterHuiZong::GetTotalData,
     +[](CString n, CStringArray& r) { CAARInterHuiZong::GetItemData(n, r); },
     +[](CString n, CStringArray& r) { CAARInterHuiZong::GetNewItemData(n, r); }, 2, 4,
     kAreaColumns},
    {"门窗汇总表", "mc", Side::kEither, &CInterDoorWindow::GetparaNum,
     &CInterDoorWindow::GetTreeItem, &CInterDoorWindow::GetTotalData,
     +[](CString n, CStringArray& r) { CInterDoorWindow::GetItemData(n, r); },
     +[](CString n, CStringArray& r) { CInterDoorWindow::GetNewItemData(n, r); }, 2, 5,
     kDoorWindowColumns},
    {"房间汇总表", "room1", Side::kEither, &RoomTable1::GetparaNum, &RoomTable1::GetTreeItem,
     &RoomTable1::GetTotalData, +[](CString n, CStringArray& r) { RoomTable1::GetItemData(n, r); },
     +[](CString n, CStringArray& r) { RoomTable1::GetNewItemData(n, r); }, 2, 6, kTreeColumns},
    {"分层房间汇总表", "room2", Side::kEither, &RoomTable2::GetparaNum, &RoomTable2::GetTreeItem,
     &RoomTable2::GetTotalData, +[](CString n, CStringArray& r) { RoomTable2::GetItemData(n, r); },
     +[](CString n, CStringArray& r) { RoomTable2::GetNewItemData(n, r); }, 2, 6, kTreeColumns},
    {"指标分析表", "zbfx", Side::kEither, &CIZBfFenXi::GetparaNum, &CIZBfFenXi::GetTreeItem,
     &CIZBfFenXi::GetTotalData, +[](CString n, CStringArray& r) { CIZBfFenXi::GetItemData(n, r); },
     &CIZBfFenXi::GetNewItemData, 2, 4, kIndexColumns},
};

}  // namespace

std::span<const TableSpec> AllTables() { return kTables; }

const TableSpec* FindTable(std::string_view name) {
  for (const TableSpec& table : kTables) {
    if (table.name == name || table.stem == name) return &table;
  }
  return nullptr;
}

std::string TableNames() {
  std::string names;
  for (const TableSpec& table : kTables) {
    if (!names.empty()) names += ", ";
    names += std::string(table.name) + " (" + std::string(table.stem) + ")";
  }
  return names;
}

GridSpec GridOf(const TableSpec& table) {
  GridSpec grid;
  grid.width = table.para_num();
  grid.label_first = table.label_first;
  grid.label_last = table.label_last;
  grid.tree_title = "项目";
  grid.columns.assign(table.columns.begin(), table.columns.end());
  return grid;
}

}  // namespace reportdata::cli
