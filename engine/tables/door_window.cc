// The door and window summary (门窗汇总表): its catalogue entry and
// columns, the definitions of its codes (layout A of the kinds, 5; the
// regrouped stream, 40), its file "\mc.xml" and the forwarders of its
// facade CInterDoorWindow. Its tree is kept among the engine's owned trees.
// The regrouped kinds as the tree of code 15 are in
// engine/area_definitions.cc, beside the quota side's component table that
// code 15 streams.
#include "areas/door_window.h"
#include "areas/door_window_regroup.h"
#include "areas/sorted_view.h"
#include "engine/analyze.h"
#include "engine/facade_forwarders.h"
#include "engine/table_definitions.h"
#include "persist/door_window_file.h"
#include "reportdata/facades.h"
#include "rows/door_window_rows.h"

namespace reportdata {
namespace {

using namespace column_words;

// Doors and windows: kind → number (M1021 …) → floor → occurrence, whose
// key is its drawing handle.
constexpr NamedColumn kDoorWindowColumns[] = {
    {"kind", "类别", T, kLabel, {{2}}},      {"number", "编号", T, kLabel, {{3}}},
    {"floor", "楼层", T, kLabel, {{4}}},     {"position", "位置", T, kLabel, {{5}}},
    {"unit", "单位", T, kValue, {{6}}},      {"quantity", "数量", N, kValue, {{7}}},
    {"formula", "计算式", T, kValue, {{9}}}, {"handles", "图元", T, kProgram, {{8}}},
};
constexpr int kCodes[] = {5, 40};

// The table's tree, which the engine keeps among its owned trees.
DoorWindowTable& DoorWindowTree(AreaTables& areas) { return areas.owned.Of<DoorWindowTable>(); }
// The component codes of its kinds, which a floor selection maps to them.
constexpr std::string_view kKindCodes[] = {"MCD\\M",   "MCD\\C",   "MCD\\PC", "MCD\\QD",
                                           "MCD\\ZPC", "MCD\\LHC", "MCD\\DXC"};

// Layout A of doors and windows (5), appended; the regrouped stream (40)
// and tree items (15).
CodeDefinition DoorsWindows() {
  CodeDefinition doors{5, CodeDefinition::kAllHeld};
  doors.tree_items = [](TableContext& context, CStringArray& items) {
    for (const SDoorWindowKind& kind : DoorWindowTree(context.areas).kinds())
      items.Add(CString(kind.kind));
  };
  doors.item_rows = [](TableContext& context, std::wstring_view name, RowWriter& writer) {
    const std::wstring kind(name);
    DoorWindowRowOptions options;
    options.kind = name.empty() ? nullptr : &kind;
    options.occurrences = !name.empty();
    options.merge = context.state.merge;
    WriteDoorWindowRows(DoorWindowTree(context.areas).kinds(), options, writer);
  };
  doors.item_rows_append = true;
  doors.selected_rows = [](TableContext& context, const CStringArray& floors,
                           const CStringArray& codes, CStringArray& rows) {
    DoorWindowRowOptions options;
    options.occurrences = true;
    options.merge = context.state.merge;
    RowWriter writer(WidthOf(5), context.state.condition, rows);
    WriteDoorWindowRows(DoorWindowTree(context.areas).Select(TextsOf(floors), TextsOf(codes)),
                        options, writer);
  };
  return doors;
}

CodeDefinition RegroupedDoorsWindows() {
  CodeDefinition regrouped{40, CodeDefinition::kAllHeld};
  regrouped.stream = [](TableContext& context, std::wstring_view name, CStringArray& out) {
    StreamDoorWindows(Regroup(DoorWindowTree(context.areas).kinds()), name, out);
  };
  regrouped.by_condition = [](TableContext& context, CStringArray& a, CStringArray& b,
                              CStringArray& c, std::wstring_view) {
    StreamDoorWindows(Regroup(DoorWindowTree(context.areas).Select(TextsOf(a), TextsOf(b))), {}, c);
  };
  return regrouped;
}

// The floors of the table by floor order, each followed by "层".
void FloorsInOrder(AreaTables& areas, CStringArray& floors) {
  floors.RemoveAll();
  std::vector<SDoorWindowFloor> labelled;
  for (const std::wstring& label : DoorWindowTree(areas).FloorLabels()) {
    labelled.push_back(MakeDoorWindowFloor(label));
  }
  for (const SDoorWindowFloor* floor : ByGrade(labelled)) floors.Add(CString(floor->label + L"层"));
}

// The occurrences the calculation database lists, filed after the records.
bool ReadDoorWindowsFromDatabase(IDMDatabase* database, AreaTables& areas) {
  DoorWindowTree(areas).Clear();
  std::vector<SNYDoorWindowRecord> records;
  if (database == nullptr) return true;
  if (!database->GetDoorWindows(records)) return false;
  AddDoorWindows(records, DoorWindowTree(areas));
  return true;
}

const CodeDefinition kCodeDefinitions[] = {DoorsWindows(), RegroupedDoorsWindows()};
const TableDefinition kTables[] = {
    {{5, kCodes, "门窗汇总表", "mc", kEither, 11, kDoorWindowColumns, {}, kKindCodes},
     kCodeDefinitions,
     {5, &kDoorWindowFile, "Obj", true,
      [](TableContext& c, std::wstring_view dir) {
        WriteDoorWindows(dir, DoorWindowTree(c.areas));
      },
      [](TableContext& c, std::wstring_view dir) {
        ReadDoorWindows(dir, DoorWindowTree(c.areas));
      }},
     ReadDoorWindowsFromDatabase,
     40}};
const TableRegistration kRegistered{kTables};

}  // namespace
}  // namespace reportdata

using reportdata::GetEngine;

REPORTDATA_TREE_TABLE_FORWARDERS(CInterDoorWindow, 5)
void CInterDoorWindow::GetNewTreeItem(CStringArray& items) { GetEngine()->GetTreeItem(items, 15); }
void CInterDoorWindow::GetNewItemData(CString name, CStringArray& rows) {
  GetEngine()->GetNewItemData(name, rows, 40);
}
void CInterDoorWindow::GetNewItemData(CStringArray& floors, CStringArray& codes,
                                      CStringArray& rows) {
  GetEngine()->GetDataByCondition(floors, codes, rows, 40, CString());
}
void CInterDoorWindow::GetAllFloorData(CStringArray& floors) {
  reportdata::FloorsInOrder(GetEngine()->area_tables(), floors);
}
