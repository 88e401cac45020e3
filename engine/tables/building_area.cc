// The building-area summary (建筑面积汇总表, code 4): its catalogue entry
// and columns, the definition of its code, its file "\mj.xml" (read at once
// on a reload: it is small) and the forwarders of its facade
// CAARInterHuiZong.
#include "engine/analyze.h"
#include "engine/table_definitions.h"
#include "persist/building_area_file.h"
#include "reportdata/facades.h"
#include "rows/building_area_rows.h"

namespace reportdata {
namespace {

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
