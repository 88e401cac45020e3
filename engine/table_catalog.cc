// The named columns and the catalogue entries of the report tables: which
// cell of a layout A row, at which level of the tree, each column is read
// from. The cells are those the row writers put there (docs/tables.md gives
// them level by level); the engine's dispatch reaches the same tables by the
// codes listed here.
#include "reportdata/table_catalog.h"

#include "engine/analyze.h"

namespace reportdata {
namespace {

constexpr ColumnKind N = ColumnKind::kNumber;
constexpr ColumnKind T = ColumnKind::kText;
constexpr ColumnUse kLabel = ColumnUse::kLabel;
constexpr ColumnUse kValue = ColumnUse::kValue;
constexpr ColumnUse kProgram = ColumnUse::kProgram;
constexpr CellPart kCode = CellPart::kCode;
constexpr CellPart kName = CellPart::kName;
constexpr CellPart kFeatures = CellPart::kFeatures;
constexpr CellPart kWhole = CellPart::kWhole;

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
    {"handles", "图元", T, kProgram, {{11}}},
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
    {"handles", "图元", T, kProgram, {{12}}},
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
    {"handles", "图元", T, kProgram, {{11}}},
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
    {"handles", "图元", T, kProgram, {{11}}},
};
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
// Doors and windows: kind → number (M1021 …) → floor → occurrence, whose
// key is its drawing handle.
constexpr NamedColumn kDoorWindowColumns[] = {
    {"kind", "类别", T, kLabel, {{2}}},      {"number", "编号", T, kLabel, {{3}}},
    {"floor", "楼层", T, kLabel, {{4}}},     {"position", "位置", T, kLabel, {{5}}},
    {"unit", "单位", T, kValue, {{6}}},      {"quantity", "数量", N, kValue, {{7}}},
    {"formula", "计算式", T, kValue, {{9}}}, {"handles", "图元", T, kProgram, {{8}}},
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
    {"handles", "图元", T, kProgram, {{11}}},
};
// Room table 2: floor (cell 2) → room (cell 3) → place (cell 4) → quota
// item (cell 3) → record.
constexpr NamedColumn kFloorRoomColumns[] = {
    {"floor", "楼层", T, kLabel, {{2, kWhole, 0}}},
    {"room", "房间", T, kLabel, {{3, kWhole, 1}}},
    {"place", "位置类别", T, kLabel, {{4, kWhole, 2}}},
    {"code", "编码", T, kLabel, {{3, kCode, 3}}},
    {"name", "名称", T, kLabel, {{3, kName, 3}}},
    {"features", "项目特征", T, kLabel, {{3, kFeatures, 3}}},
    {"position", "位置", T, kLabel, {{6}}},
    {"unit", "单位", T, kValue, {{7}}},
    {"quantity", "工程量", N, kValue, {{8}}},
    {"description", "说明", T, kValue, {{9}}},
    {"formula", "计算式", T, kValue, {{10}}},
    {"handles", "图元", T, kProgram, {{11}}},
};
// Index analysis: group → item → floor.
constexpr NamedColumn kIndexColumns[] = {
    {"group", "指标组", T, kLabel, {{2}}},     {"item", "指标项", T, kLabel, {{3}}},
    {"floor", "楼层", T, kLabel, {{4}}},       {"unit", "单位", T, kValue, {{5}}},
    {"quantity", "指标", N, kValue, {{6}}},    {"formula", "计算式", T, kValue, {{7}}},
    {"description", "说明", T, kValue, {{8}}},
};

constexpr int kBillSummaryCodes[] = {1, 21, 50};
constexpr int kBillConsumptionCodes[] = {2, 22};
constexpr int kConsumptionSummaryCodes[] = {3, 23};
constexpr int kQuotaSummaryCodes[] = {11, 31};
constexpr int kQuotaByFloorCodes[] = {12, 32};
constexpr int kQuotaByFloorComponentCodes[] = {13, 33};
constexpr int kBuildingAreaCodes[] = {4};
constexpr int kDoorWindowCodes[] = {5, 40};
constexpr int kRoomTable1Codes[] = {6};
constexpr int kRoomTable2Codes[] = {7};
constexpr int kIndexAnalysisCodes[] = {10};

constexpr TableSide kBill = TableSide::kBill;
constexpr TableSide kQuota = TableSide::kQuota;
constexpr TableSide kEither = TableSide::kEither;

constexpr CatalogTable kCatalog[] = {
    {1, kBillSummaryCodes, "清单汇总表", "qd", kBill, 12, kBillColumns},
    {2, kBillConsumptionCodes, "清单消耗量表", "qdxhl", kBill, 13, kConsumptionColumns},
    {3, kConsumptionSummaryCodes, "消耗量汇总表", "de", kBill, 12, kBillColumns},
    {11, kQuotaSummaryCodes, "定额汇总表", "de1", kQuota, 12, kBillColumns},
    {12, kQuotaByFloorCodes, "分层汇总定额表", "de2", kQuota, 12, kFloorQuotaColumns},
    {13, kQuotaByFloorComponentCodes, "分层分构件汇总定额表", "de3", kQuota, 12,
     kFloorComponentQuotaColumns},
    {4, kBuildingAreaCodes, "建筑面积汇总表", "mj", kEither, 10, kAreaColumns},
    {5, kDoorWindowCodes, "门窗汇总表", "mc", kEither, 11, kDoorWindowColumns},
    {6, kRoomTable1Codes, "房间汇总表", "room1", kEither, 12, kRoomColumns},
    {7, kRoomTable2Codes, "分层房间汇总表", "room2", kEither, 12, kFloorRoomColumns},
    {10, kIndexAnalysisCodes, "指标分析表", "zbfx", kEither, 10, kIndexColumns},
};

}  // namespace

std::span<const CatalogTable> TableCatalog() { return kCatalog; }

const CatalogTable* FindCatalogTable(std::string_view name_or_stem) {
  for (const CatalogTable& table : kCatalog) {
    if (table.name == name_or_stem || table.stem == name_or_stem) return &table;
  }
  return nullptr;
}

std::size_t CountTableRows(const CatalogTable& table) {
  return GetEngine()->CountTotalRows(table.code);
}

void ShownTableRows(const CatalogTable& table, CStringArray& rows) {
  GetEngine()->GetShownRows(rows, table.code);
}

}  // namespace reportdata
