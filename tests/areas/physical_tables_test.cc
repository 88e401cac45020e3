// Filing finishes into the decoration tables and the decoration report.
#include "areas/physical_tables.h"

#include <gtest/gtest.h>

#include "support/records.h"

namespace reportdata {
namespace {

using testing::Rec;

// A quota record of a finish: type path and sub-code, room, floor, area.
TJQd Finish(std::wstring type_path, std::wstring sub_code, std::wstring room, std::wstring quantity,
            std::wstring unit = L"100m2", std::wstring floor = L"1") {
  TJQd record =
      Rec{.floor = floor, .component = L"面层", .type_path = type_path, .quantity = quantity}.Quota(
          L"B1-1", L"地砖", unit);
  record.subCode = sub_code;
  record.room = room;
  return record;
}

// "kind|floor|room|quantity" per row.
std::vector<std::wstring> Report(const PhysicalTables& tables, std::vector<std::wstring> floors) {
  SWLReportInputInfo input;
  input.fromBill = false;
  for (const std::wstring& floor : floors) input.floors.Add(floor.c_str());
  std::map<int, CString> kinds;
  CArray<SWLReportDecSmallInfo> rows;
  DecorationRows(tables.decoration(false), input, kinds, rows);
  std::vector<std::wstring> out;
  for (const SWLReportDecSmallInfo& row : rows) {
    out.push_back(row.kind.str() + L"|" + row.floor.str() + L"|" + row.room.str() + L"|" +
                  row.quantity.str());
  }
  return out;
}

TEST(DecorationTest, RoomKindsListRoomsAndCloseEachFloor) {
  PhysicalTables tables;
  tables.Add(KeysOf(Finish(L"ZS\\DMS", L"28", L"卧室", L"0.2")));
  tables.Add(KeysOf(Finish(L"ZS\\DMS", L"28", L"", L"0.1")));
  tables.Add(KeysOf(Finish(L"ZS\\DMS", L"27", L"客厅", L"30", L"m2")));  // base layer
  tables.Add(KeysOf(Finish(L"ZS\\WQS", L"28", L"卧室", L"50", L"m2")));
  tables.Add(KeysOf(Finish(L"ZS\\WQS", L"28", L"", L"0.3", L"100m2", L"2,3")));
  tables.Add(KeysOf(Finish(L"ZS\\WQS", L"28", L"", L"1", L"樘")));  // not an area
  tables.Add(KeysOf(Finish(L"ZS\\LMZS", L"28", L"", L"1")));        // no decoration kind
  EXPECT_EQ(tables.decoration(false).chapters().size(), 2u);
  tables.FinishDecoration();
  tables.Sort();

  EXPECT_EQ(
      Report(tables, {}),
      (std::vector<std::wstring>{L"楼地面|1|客厅|30.000000", L"楼地面|1|卧室|20.000000",
                                 L"楼地面|1|无房间|10.000000", L"楼地面|1|楼层小计(m2)|60.000000",
                                 L"外墙面|1||50.000000", L"外墙面|2,3||60.000000"}));
  // A single floor of a range takes one floor's area.
  EXPECT_EQ(Report(tables, {L"3"}), (std::vector<std::wstring>{L"外墙面|3||30.000000"}));
  EXPECT_TRUE(tables.decoration(true).chapters().empty());
}

}  // namespace
}  // namespace reportdata
