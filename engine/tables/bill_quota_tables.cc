// The definitions of the bill and quota tables: their catalogue entries
// with the named columns (which cell of a layout A row, at which level of
// the tree, each column is read from; docs/tables.md gives the cells level
// by level) and their files. The definitions of their codes are in
// engine/bill_quota_definitions.cc, where the tables share their writers.
#include "engine/table_definitions.h"
#include "persist/report_table_files.h"

namespace reportdata {
namespace {

using namespace column_words;
using Dir = std::wstring_view;

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
// A floor selection of these tables names the components it keeps.
constexpr std::string_view kComponents = "component";
constexpr int kBillSummaryCodes[] = {1, 21, 50};
constexpr int kBillConsumptionCodes[] = {2, 22};
constexpr int kConsumptionSummaryCodes[] = {3, 23};
constexpr int kQuotaSummaryCodes[] = {11, 31};
constexpr int kQuotaByFloorCodes[] = {12, 32};
constexpr int kQuotaByFloorComponentCodes[] = {13, 33};

const TableDefinition kTables[] = {
    {{1, kBillSummaryCodes, "清单汇总表", "qd", kBill, 12, kBillColumns, kComponents},
     {},
     {1, &kBillSummaryFile, nullptr, true,
      [](TableContext& c, Dir dir) {
        WriteBillSummary(dir, c.tables.bill_summary(), c.state.partition);
      },
      [](TableContext& c, Dir dir) { ReadBillSummary(dir, c.tables.bill_summary()); }}},
    {{2, kBillConsumptionCodes, "清单消耗量表", "qdxhl", kBill, 13, kConsumptionColumns,
      kComponents},
     {},
     {2, &kBillConsumptionFile, nullptr, true,
      [](TableContext& c, Dir dir) {
        WriteBillConsumption(dir, c.tables.bill_consumption(), c.state.partition);
      },
      [](TableContext& c, Dir dir) { ReadBillConsumption(dir, c.tables.bill_consumption()); }}},
    {{3, kConsumptionSummaryCodes, "消耗量汇总表", "de", kBill, 12, kBillColumns, kComponents},
     {},
     {3, &kConsumptionSummaryFile, nullptr, true,
      [](TableContext& c, Dir dir) {
        WriteConsumptionSummary(dir, c.tables.consumption_summary(), c.state.partition);
      },
      [](TableContext& c, Dir dir) {
        ReadConsumptionSummary(dir, c.tables.consumption_summary());
      }}},
    {{11, kQuotaSummaryCodes, "定额汇总表", "de1", kQuota, 12, kBillColumns, kComponents},
     {},
     {11, &kQuotaSummaryFile, nullptr, true,
      [](TableContext& c, Dir dir) {
        WriteQuotaSummary(dir, c.tables.quota_summary(), c.state.partition);
      },
      [](TableContext& c, Dir dir) { ReadQuotaSummary(dir, c.tables.quota_summary()); }}},
    {{12, kQuotaByFloorCodes, "分层汇总定额表", "de2", kQuota, 12, kFloorQuotaColumns, kComponents},
     {},
     {12, &kQuotaByFloorFile, nullptr, true,
      [](TableContext& c, Dir dir) { WriteQuotaByFloor(dir, c.tables.quota_by_floor()); },
      [](TableContext& c, Dir dir) { ReadQuotaByFloor(dir, c.tables.quota_by_floor()); }}},
    {{13, kQuotaByFloorComponentCodes, "分层分构件汇总定额表", "de3", kQuota, 12,
      kFloorComponentQuotaColumns, kComponents},
     {},
     {13, &kQuotaByFloorComponentFile, nullptr, true,
      [](TableContext& c, Dir dir) {
        WriteQuotaByFloorComponent(dir, c.tables.quota_by_floor_component(), c.state.partition);
      },
      [](TableContext& c, Dir dir) {
        ReadQuotaByFloorComponent(dir, c.tables.quota_by_floor_component());
      }}},
};

const TableRegistration kRegistered{kTables};

}  // namespace
}  // namespace reportdata
