// The building-area summary (建筑面积汇总表, code 4): its rows (layout A: a
// total row, floor rows sorted by grade, one item row per area; layout B:
// nine totals, then each floor with its main and balcony area), its
// catalogue entry and columns, the definition of its code, its file "\mj.xml" (read at once
// on a reload: it is small) and the forwarders of its facade
// CAARInterHuiZong.
#include <string>

#include "engine/analyze.h"
#include "engine/table_definitions.h"
#include "keys/floor_text.h"
#include "keys/number_format.h"
#include "persist/building_area_file.h"
#include "reportdata/facades.h"
#include "rows/row_layout.h"

namespace reportdata {
namespace {

constexpr wchar_t kUnit[] = L"m2";
constexpr wchar_t kMainName[] = L"主体建筑面积";
constexpr wchar_t kBalconyName[] = L"阳台建筑面积";

std::wstring FloorText(const SAreaFloorItem& floor) { return floor.label + L"层"; }

// "%f*%d层": the one-storey quantity times the storeys.
std::wstring StoreysText(double one_storey, int num) {
  std::wstring text = FormatQuantity(one_storey);
  text += L'*';
  AppendInt(text, num);
  text += L"层";
  return text;
}

void WriteItemRows(const std::vector<SAreaItem>& items, const wchar_t* kind, int num, int parent,
                   RowWriter& writer) {
  for (const SAreaItem& item : items) {
    const double one_storey = LeadingDouble(item.quantity);
    writer.AddRow(parent, {L"", L"", kind, kUnit, FormatQuantity(one_storey * num), item.formula,
                           num != 1 ? StoreysText(one_storey, num) : std::wstring()});
  }
}

// Writes the table's rows of ten cells below the writer's header.
void WriteBuildingAreaRows(const CAreaSummaryTable& table, RowWriter& writer) {
  const int total = writer.AddRow(0, {table.name(), L"", L"", kUnit, FormatQuantity(table.Area())});
  for (const SAreaFloorItem* floor : table.SortedFloors()) {
    const int row = writer.AddRow(
        total, {table.name(), FloorText(*floor), L"", kUnit, FormatQuantity(floor->Area())});
    WriteItemRows(floor->mainItems, kMainName, floor->num, row, writer);
    WriteItemRows(floor->balconyItems, kBalconyName, floor->num, row, writer);
  }
}

// Appends the layout B stream of the table to out.
void StreamBuildingArea(const CAreaSummaryTable& table, CStringArray& out) {
  AppendCell(out, L"#ZhangFlag#");
  AppendCell(out, table.name());
  double main = 0.0, balcony = 0.0;
  double below = 0.0, below_main = 0.0, below_balcony = 0.0;
  double above = 0.0, above_main = 0.0, above_balcony = 0.0;
  for (const SAreaFloorItem& floor : table.floors()) {
    const double floor_main = floor.MainArea();
    const double floor_balcony = floor.BalconyArea();
    main += floor_main;
    balcony += floor_balcony;
    if (IsBelowGround(floor.label)) {
      below += floor_main + floor_balcony;
      below_main += floor_main;
      below_balcony += floor_balcony;
    } else {
      above += floor_main + floor_balcony;
      above_main += floor_main;
      above_balcony += floor_balcony;
    }
  }
  for (double total : {table.Area(), main, balcony, below, below_main, below_balcony, above,
                       above_main, above_balcony}) {
    AppendCell(out, FormatQuantity(total));
  }
  for (const SAreaFloorItem* floor : table.SortedFloors()) {
    const double floor_main = floor->MainArea();
    const double floor_balcony = floor->BalconyArea();
    AppendCell(out, L"#FloorFlag#");
    AppendCell(out, FloorText(*floor));
    AppendCell(out, FormatQuantity(floor->Area()));
    AppendCell(out, L"#RecordFlag#");
    AppendCell(out, FormatQuantity(floor_main));
    AppendCell(out, FormatQuantity(floor_balcony));
    std::wstring storeys;
    if (floor->num != 1) {
      // "%.2f×%d层": the area of one storey.
      AppendFixed(storeys, floor->StoreyArea(), 2);
      storeys += L'×';
      AppendInt(storeys, floor->num);
      storeys += L"层";
    }
    AppendCell(out, storeys);
  }
}

using namespace column_words;

// Building area: total → floor → main-body and balcony items. An item row
// holds its formula in cell 7 and, on a floor of several storeys, the
// one-storey area times the storeys in cell 8 ("594.000000*4层"); the
// formula of an item filed from the calculation database is empty, so the
// storeys text is what the formula column shows.
constexpr NamedColumn kAreaColumns[] = {
    {"name", "名称", T, kLabel, {{2}, {4}}},      {"floor", "楼层", T, kLabel, {{3}}},
    {"unit", "单位", T, kValue, {{5}}},           {"quantity", "面积", N, kValue, {{6}}},
    {"formula", "计算式", T, kValue, {{7}, {8}}},
};
constexpr int kCodes[] = {4};

CodeDefinition BuildingArea() {
  CodeDefinition area{4, CodeDefinition::kAllHeld};
  area.tree_items = [](TableContext& context, CStringArray& items) {
    items.Add(CString(context.areas.building_area.name()));
  };
  // Its rows are appended, and a name chooses nothing.
  area.item_rows = [](TableContext& context, std::wstring_view, RowWriter& writer) {
    WriteBuildingAreaRows(context.areas.building_area, writer);
  };
  area.item_rows_append = true;
  area.selected_rows = [](TableContext& context, const CStringArray& floors, const CStringArray&,
                          CStringArray& rows) {
    RowWriter writer(WidthOf(4), context.state.condition, rows);
    WriteBuildingAreaRows(context.areas.building_area.SelectFloors(TextsOf(floors)), writer);
  };
  area.stream = [](TableContext& context, std::wstring_view, CStringArray& out) {
    StreamBuildingArea(context.areas.building_area, out);
  };
  area.by_condition = [](TableContext& context, CStringArray& a, CStringArray&, CStringArray& c,
                         std::wstring_view) {
    StreamBuildingArea(context.areas.building_area.SelectFloors(TextsOf(a)), c);
  };
  return area;
}

const CodeDefinition kCodeDefinitions[] = {BuildingArea()};
const TableDefinition kTables[] = {
    {{4, kCodes, "建筑面积汇总表", "mj", kEither, 10, kAreaColumns},
     kCodeDefinitions,
     {4, &kBuildingAreaFile, nullptr, false,
      [](TableContext& c, std::wstring_view dir) { WriteBuildingArea(dir, c.areas.building_area); },
      [](TableContext& c, std::wstring_view dir) {
        ReadBuildingArea(dir, c.areas.building_area);
      }}}};
const TableRegistration kRegistered{kTables};

}  // namespace
}  // namespace reportdata

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
