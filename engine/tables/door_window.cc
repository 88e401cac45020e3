// The door and window summary (门窗汇总表): its rows, its catalogue entry
// and columns, the definitions of its codes (layout A of the kinds, 5; the
// regrouped stream, 40), its file "\mc.xml" and the forwarders of its
// facade CInterDoorWindow. Its tree is kept among the engine's owned trees.
// The regrouped kinds as the tree of code 15 are in
// engine/area_definitions.cc, beside the quota side's component table that
// code 15 streams.
#include <string>

#include "areas/door_window.h"
#include "areas/door_window_regroup.h"
#include "areas/sorted_view.h"
#include "engine/analyze.h"
#include "engine/facade_forwarders.h"
#include "engine/table_definitions.h"
#include "keys/number_format.h"
#include "model/natural_order.h"
#include "persist/door_window_file.h"
#include "reportdata/facades.h"
#include "rows/row_layout.h"

namespace reportdata {
namespace {

struct DoorWindowRowOptions {
  const std::wstring* kind = nullptr;  // only the kind of this text; every kind when null
  bool occurrences = false;            // occurrence rows below each floor row
  bool merge = true;                   // occurrence rows of the merged list, else of all
};

constexpr wchar_t kPieces[] = L"个";

std::wstring FloorText(const std::wstring& label) { return label + L"层"; }

// "%d*%d层": the pieces of one storey times the storeys.
std::wstring StoreysText(int count, int num) {
  if (num == 1) return {};
  std::wstring text;
  AppendInt(text, num == 0 ? 0 : count / num);
  text += L'*';
  AppendInt(text, num);
  text += L"层";
  return text;
}

// "1*%d件" for an entry of several pieces.
std::wstring PiecesText(int count) {
  if (count == 1) return {};
  std::wstring text = L"1*";
  AppendInt(text, count);
  text += L"件";
  return text;
}

// Writes the rows of eleven cells of `kinds` below the writer's header.
void WriteDoorWindowRows(const std::vector<SDoorWindowKind>& kinds,
                         const DoorWindowRowOptions& options, RowWriter& writer) {
  for (const SDoorWindowKind& kind : kinds) {
    if (options.kind != nullptr && kind.kind != *options.kind) continue;
    const int kind_row =
        writer.AddRow(0, {kind.kind, L"", L"", L"", kPieces, FormatInt(kind.Count())});
    const auto types =
        SortedView(kind.types, [](const SDoorWindowType& a, const SDoorWindowType& b) {
          return CompareNatural(a.name, b.name) < 0;
        });
    for (const SDoorWindowType* type : types) {
      const int type_row = writer.AddRow(
          kind_row, {kind.kind, type->name, L"", L"", kPieces, FormatInt(type->Count())});
      for (const SDoorWindowFloor* floor : ByGrade(type->floors)) {
        const int count = floor->Count();
        const std::wstring floor_text = FloorText(floor->label);
        const int floor_row =
            writer.AddRow(type_row, {L"", type->name, floor_text, L"", kPieces, FormatInt(count),
                                     L"", StoreysText(count, floor->num)});
        if (!options.occurrences) continue;
        for (const SDoorWindowPos& entry : options.merge ? floor->merged : floor->all) {
          writer.AddRow(floor_row, {L"", L"", floor_text, entry.position, kPieces,
                                    FormatInt(entry.count), entry.key, PiecesText(entry.count)});
        }
      }
    }
  }
}

// Appends the stream of the regrouped kinds whose text equals `name` (every
// kind when it is empty).
void StreamDoorWindows(const std::vector<RegroupedKind>& kinds, std::wstring_view name,
                       CStringArray& out) {
  for (const RegroupedKind& kind : kinds) {
    if (!name.empty() && kind.kind != name) continue;
    AppendCell(out, L"#ZhangFlag#");
    AppendCell(out, kind.kind);
    const auto entries =
        SortedView(kind.entries, [](const RegroupedEntry& a, const RegroupedEntry& b) {
          const int by_type = CompareNatural(a.type_name, b.type_name);
          return by_type != 0 ? by_type < 0 : CompareNatural(a.key, b.key) < 0;
        });
    for (const RegroupedEntry* entry : entries) {
      AppendCell(out, L"#AttNameFlag#");
      AppendCell(out, entry->type_name);
      AppendCell(out, entry->key);
      AppendCell(out, FormatInt(entry->Count()));
      for (const RegroupedFloor* floor : ByGrade(entry->floors)) {
        AppendCell(out, L"#FloorFlag#");
        AppendCell(out, FloorText(floor->label));
        AppendCell(out, FormatInt(floor->Count()));
      }
    }
  }
}

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
  for (const SDoorWindowFloor* floor : ByGrade(labelled))
    floors.Add(CString(FloorText(floor->label)));
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
