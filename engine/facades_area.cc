// The facades of the tables built from areas, openings and rooms: building
// area (4), doors and windows (5, detail rows 40, new tree 15), room tables
// (6, 7) and index analysis (10).
#include "engine/analyze.h"
#include "engine/table_definitions.h"
#include "reportdata/facades.h"

using reportdata::GetEngine;

CAARInterHuiZong::CAARInterHuiZong() = default;
CAARInterHuiZong::~CAARInterHuiZong() = default;
int CAARInterHuiZong::GetparaNum() { return reportdata::WidthOf(4); }
void CAARInterHuiZong::GetTreeItem(CStringArray& items) { GetEngine()->GetTreeItem(items, 4); }
void CAARInterHuiZong::GetItemData(CString /*name*/, CStringArray& rows) {
  GetEngine()->GetTotalData(rows, 4);
}
void CAARInterHuiZong::GetTotalData(CStringArray& rows) { GetEngine()->GetTotalData(rows, 4); }
void CAARInterHuiZong::GetItemData(CStringArray& floors, CStringArray& second, CStringArray& rows) {
  GetEngine()->GetItemData(floors, second, rows, 4);
}
void CAARInterHuiZong::GetNewItemData(CString name, CStringArray& rows) {
  GetEngine()->GetNewItemData(name, rows, 4);
}
void CAARInterHuiZong::GetNewItemData(CStringArray& floors, CStringArray& second,
                                      CStringArray& rows) {
  GetEngine()->GetDataByCondition(floors, second, rows, 4, CString());
}

int CInterDoorWindow::GetparaNum() { return reportdata::WidthOf(5); }
void CInterDoorWindow::GetTreeItem(CStringArray& items) { GetEngine()->GetTreeItem(items, 5); }
void CInterDoorWindow::GetNewTreeItem(CStringArray& items) { GetEngine()->GetTreeItem(items, 15); }
void CInterDoorWindow::GetItemData(CString name, CStringArray& rows) {
  GetEngine()->GetItemData(name, rows, 5);
}
void CInterDoorWindow::GetTotalData(CStringArray& rows) { GetEngine()->GetTotalData(rows, 5); }
void CInterDoorWindow::GetItemData(CStringArray& floors, CStringArray& codes, CStringArray& rows) {
  GetEngine()->GetItemData(floors, codes, rows, 5);
}
void CInterDoorWindow::GetNewItemData(CString name, CStringArray& rows) {
  GetEngine()->GetNewItemData(name, rows, 40);
}
void CInterDoorWindow::GetNewItemData(CStringArray& floors, CStringArray& codes,
                                      CStringArray& rows) {
  GetEngine()->GetDataByCondition(floors, codes, rows, 40, CString());
}
void CInterDoorWindow::GetAllFloorData(CStringArray& floors) {
  GetEngine()->GetDoorWindowFloors(floors);
}

int RoomTable1::GetparaNum() { return reportdata::WidthOf(6); }
void RoomTable1::GetTreeItem(CStringArray& items) { GetEngine()->GetTreeItem(items, 6); }
void RoomTable1::GetItemData(CString name, CStringArray& rows) {
  GetEngine()->GetItemData(name, rows, 6);
}
void RoomTable1::GetTotalData(CStringArray& rows) { GetEngine()->GetTotalData(rows, 6); }
void RoomTable1::GetItemData(CStringArray& floors, CStringArray& second, CStringArray& rows) {
  GetEngine()->GetItemData(floors, second, rows, 6);
}
void RoomTable1::GetNewItemData(CString name, CStringArray& rows) {
  GetEngine()->GetNewItemData(name, rows, 6);
}
void RoomTable1::GetNewItemData(CStringArray& floors, CStringArray& second, CStringArray& rows) {
  GetEngine()->GetDataByCondition(floors, second, rows, 6, CString());
}
void RoomTable1::GetHandles(CStringArray& rowCells, CString& handles, CString& floor,
                            CStringArray& out, CStringArray& unused) {
  GetEngine()->GetHandles(rowCells, handles, floor, out, unused, 6);
}

int RoomTable2::GetparaNum() { return reportdata::WidthOf(7); }
void RoomTable2::GetTreeItem(CStringArray& items) { GetEngine()->GetTreeItem(items, 7); }
void RoomTable2::GetItemData(CString name, CStringArray& rows) {
  GetEngine()->GetItemData(name, rows, 7);
}
void RoomTable2::GetTotalData(CStringArray& rows) { GetEngine()->GetItemData(CString(), rows, 7); }
void RoomTable2::GetItemData(CStringArray& floors, CStringArray& second, CStringArray& rows) {
  GetEngine()->GetItemData(floors, second, rows, 7);
}
void RoomTable2::GetNewItemData(CString name, CStringArray& rows) {
  GetEngine()->GetNewItemData(name, rows, 7);
}
void RoomTable2::GetNewItemData(CStringArray& floors, CStringArray& second, CStringArray& rows) {
  // The condition query has no branch for room table 2: nothing is answered.
  GetEngine()->GetDataByCondition(floors, second, rows, 7, CString());
}
void RoomTable2::GetHandles(CStringArray& rowCells, CString& handles, CString& floor,
                            CStringArray& out, CStringArray& unused) {
  GetEngine()->GetHandles(rowCells, handles, floor, out, unused, 7);
}

int CIZBfFenXi::GetparaNum() { return reportdata::WidthOf(10); }
void CIZBfFenXi::GetTreeItem(CStringArray& items) { GetEngine()->GetTreeItem(items, 10); }
void CIZBfFenXi::GetItemData(CString name, CStringArray& rows) {
  GetEngine()->GetItemData(name, rows, 10);
}
void CIZBfFenXi::GetTotalData(CStringArray& rows) { GetEngine()->GetTotalData(rows, 10); }
void CIZBfFenXi::GetItemData(CStringArray& floors, CStringArray& second, CStringArray& rows) {
  // The three-array row query has no branch for index analysis.
  GetEngine()->GetItemData(floors, second, rows, 10);
}
void CIZBfFenXi::GetNewItemData(CString name, CStringArray& rows) {
  GetEngine()->GetNewItemData(name, rows, 10);
}
