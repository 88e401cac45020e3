// The index analysis table (指标分析表, code 10): its catalogue entry and
// columns, the definition of its code (it answers no floor selection), its
// file "\zbfx.xml" (read at once on a reload: it is small) and the
// forwarders of its facade CIZBfFenXi.
#include "engine/analyze.h"
#include "engine/facade_forwarders.h"
#include "engine/table_definitions.h"
#include "persist/index_table_files.h"
#include "reportdata/facades.h"
#include "rows/index_analysis_rows.h"

namespace reportdata {
namespace {

using namespace column_words;

// Index analysis: group → item → floor.
constexpr NamedColumn kIndexColumns[] = {
    {"group", "指标组", T, kLabel, {{2}}},     {"item", "指标项", T, kLabel, {{3}}},
    {"floor", "楼层", T, kLabel, {{4}}},       {"unit", "单位", T, kValue, {{5}}},
    {"quantity", "指标", N, kValue, {{6}}},    {"formula", "计算式", T, kValue, {{7}}},
    {"description", "说明", T, kValue, {{8}}},
};

constexpr int kCodes[] = {10};

CodeDefinition IndexAnalysis() {
  CodeDefinition index{10, CodeDefinition::kAllHeld};
  index.tree_items = [](TableContext& context, CStringArray& items) {
    for (const SIndexGroup& group : context.areas.index_analysis.groups())
      items.Add(CString(group.name));
  };
  index.item_rows = [](TableContext& context, std::wstring_view name, RowWriter& writer) {
    WriteIndexAnalysisRows(context.areas.index_analysis, name, writer);
  };
  index.stream = [](TableContext& context, std::wstring_view name, CStringArray& out) {
    StreamIndexAnalysis(context.areas.index_analysis, name, out);
  };
  return index;
}

const CodeDefinition kCodeDefinitions[] = {IndexAnalysis()};
const TableDefinition kTables[] = {{{10, kCodes, "指标分析表", "zbfx", kEither, 10, kIndexColumns},
                                    kCodeDefinitions,
                                    {10, &kIndexAnalysisFile, nullptr, false,
                                     [](TableContext& c, std::wstring_view dir) {
                                       WriteIndexAnalysis(dir, c.areas.index_analysis);
                                     },
                                     [](TableContext& c, std::wstring_view dir) {
                                       ReadIndexAnalysis(dir, c.areas.index_analysis);
                                     }}}};
const TableRegistration kRegistered{kTables};

}  // namespace
}  // namespace reportdata

using reportdata::GetEngine;

// The three-array row query has no branch for index analysis.
REPORTDATA_TREE_TABLE_FORWARDERS(CIZBfFenXi, 10)
void CIZBfFenXi::GetNewItemData(CString name, CStringArray& rows) {
  GetEngine()->GetNewItemData(name, rows, 10);
}
