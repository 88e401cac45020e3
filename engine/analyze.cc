// Engine creation, state and the row queries by table type code, each
// answered through the code's table definition (table_definitions.h); the
// tables that are not built yet answer as empty tables. Each query first
// reads the files a reload held for the table it answers from.
#include "engine/analyze.h"

#include <algorithm>

#include "engine/handle_text.h"
#include "engine/partition_summary.h"
#include "engine/row_layout.h"
#include "model/natural_order.h"

namespace reportdata {
namespace {

constexpr wchar_t kUnpartitioned[] = L"未分区";

std::vector<std::wstring> CommonParameterNames() {
  return {L"主体建筑面积", L"阳台建筑面积", L"平整场地(外扩2米)", L"平整场地(*1.4)",
          L"总挖土方",     L"总基础回填土", L"总房心回填土",      L"余土",
          L"外墙外包长度", L"外墙中线长度", L"内墙中线长度",      L"外墙窗的面积",
          L"外墙窗的周长", L"外墙门的面积", L"外墙门侧长度",      L"内墙窗的面积",
          L"内墙窗的周长", L"内墙门的面积", L"内墙门侧长度",      L"填充墙的周长"};
}

// The engines alive: the process's one, and those a test makes beside it.
// They share the text pool, so one alone may empty it.
int live_engines = 0;

}  // namespace

CAnalyze::CAnalyze() : common_params_(CommonParameterNames()), tables_(common_params_) {
  ++live_engines;
}

CAnalyze::~CAnalyze() { --live_engines; }

CAnalyze* GetEngine() {
  static CAnalyze* engine = new CAnalyze();  // lives until the process ends
  return engine;
}

QueryState CAnalyze::State() const {
  QueryState state;
  state.condition = condition_;
  state.partition = partition_;
  state.merge = merge_;
  return state;
}

void CAnalyze::GetEngPatitions(std::vector<CString>& partitions) const {
  partitions.clear();
  for (const std::wstring& name : partitions_) {
    if (name != kUnpartitioned) partitions.emplace_back(name);
  }
  std::stable_sort(partitions.begin(), partitions.end(), [](const CString& a, const CString& b) {
    return CompareNatural(a.str(), b.str()) < 0;
  });
  partitions.emplace_back(kUnpartitioned);
}

void CAnalyze::GetCalFloorMsg(CArray<CString>& floors) const {
  for (const CString& floor : cal_floors_) floors.Add(floor);
}

void CAnalyze::ReleaseAll() {
  deferred_.Clear();
  areas_.Clear();
  tables_.ClearBillSide();
  tables_.ClearQuotaSide();
  tables_.ClearComponentSummary();
  physical_.Clear();
  cal_floors_.clear();
  cloud_.Clear();
  // Nothing of the engine holds a pooled text any more.
  if (live_engines == 1) PooledText::ClearPool();
}

namespace {

// The held file a query of the code needs read first.
int HeldTableOf(int code) {
  const CodeDefinition* definition = DefinitionOf(code);
  return definition != nullptr ? definition->held : CodeDefinition::kAllHeld;
}

}  // namespace

void CAnalyze::GetTreeItem(CStringArray& items, int code) {
  items.RemoveAll();
  deferred_.LoadFor(HeldTableOf(code));
  AnswerTreeItems(Context(), code, items);
}

void CAnalyze::GetItemData(const CString& name, CStringArray& rows, int code) {
  deferred_.LoadFor(HeldTableOf(code));
  AnswerItemRows(Context(), code, name.str(), rows);
}

void CAnalyze::GetTotalData(CStringArray& rows, int code) { GetItemData(CString(), rows, code); }

void CAnalyze::GetShownRows(CStringArray& rows, int code) {
  deferred_.LoadFor(HeldTableOf(code));
  AnswerItemRows(Context(), code, std::wstring_view(), rows, InstanceLists::kLeftOut);
}

std::size_t CAnalyze::CountTotalRows(int code) {
  deferred_.LoadFor(HeldTableOf(code));
  return CountItemRows(Context(), code);
}

void CAnalyze::GetItemData(CStringArray& floors, CStringArray& second, CStringArray& rows,
                           int code) {
  deferred_.LoadFor(HeldTableOf(code));
  AnswerSelectedRows(Context(), code, floors, second, rows);
}

void CAnalyze::GetNewItemData(const CString& name, CStringArray& rows, int code) {
  deferred_.LoadFor(HeldTableOf(code));
  AnswerStream(Context(), code, name.str(), rows);
}

void CAnalyze::GetDataByCondition(CStringArray& a, CStringArray& b, CStringArray& c, int code,
                                  const CString& condition) {
  deferred_.LoadFor(HeldTableOf(code));
  AnswerByCondition(Context(), code, a, b, c, condition.str());
}

void CAnalyze::GetHandles(CStringArray& row_cells, CString& handles, CString& floor,
                          CStringArray& out, CStringArray& /*unused*/, int code) {
  const CodeDefinition* definition = DefinitionOf(code);
  if (definition == nullptr || definition->handle_floor_cell < 0) return;
  ParseHandles(definition->handle_floor_cell, row_cells, handles, floor, out);
}

void CAnalyze::GetAllQdInfoForFenQu(CArray<FenQuQdHZInfo>& out, bool from_bills) {
  deferred_.LoadAll();
  std::set<CString> partitions(partitions_.begin(), partitions_.end());
  SummariseBillPartitions(tables_, partitions, from_bills, out);
}

void CAnalyze::GetAllDeInfoForFenQu(CArray<FenQuQdHZInfo>& out) {
  deferred_.LoadAll();
  std::set<CString> partitions(partitions_.begin(), partitions_.end());
  SummariseQuotaPartitions(tables_, partitions, out);
}

}  // namespace reportdata
