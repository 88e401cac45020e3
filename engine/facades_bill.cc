// The bill-side facades: bill summary (1, JSS 21), bill consumption (2, JSS
// 22) and consumption summary (3, JSS 23). Each operation forwards to the
// engine with its table type code.
#include <algorithm>

#include "engine/analyze.h"
#include "engine/condition_floor.h"
#include "engine/facade_forwarders.h"
#include "reportdata/facades.h"

using reportdata::GetEngine;

REPORTDATA_CHAPTER_SUMMARY_FORWARDERS(CInterQingDan, GetNewQdHz, GetNewQdHzJSS, 1, 21, 14)
void CInterQingDan::GetQdPriceData(CString name, CStringArray& rows) {
  GetEngine()->GetNewItemData(name, rows, 50);
}

void CInterQingDan::InitQdData(CString reportDir, CString& failure) {
  reportdata::CAnalyze* engine = reportdata::GetEngine();
  engine->InitQdData(reportDir);
  failure = engine->bill_build_failure();
}
bool CInterQingDan::ShowQdListDialog() { return GetEngine()->ShowQdListDialog(); }
void CInterQingDan::InitDataFromXml(CString reportDir) { GetEngine()->InitDataFromXml(reportDir); }

bool CInterQingDan::ShowDePriceDialog() { return GetEngine()->ShowDePriceDialog(); }
bool CInterQingDan::ReadDePrice(std::map<STJReportDePriceId, CString>& prices) {
  return GetEngine()->ReadDePrice(prices);
}
bool CInterQingDan::ReadDeCategoryShowConfig(std::map<CString, std::set<CString>>& config) {
  return GetEngine()->ReadDeCategoryShowConfig(config);
}
bool CInterQingDan::WriteDeCategoryShowConfig(const std::map<CString, std::set<CString>>& config) {
  return GetEngine()->WriteDeCategoryShowConfig(config);
}
bool CInterQingDan::GetIsPriatedCalResult(CString dir, bool flag) {
  return GetEngine()->GetIsPriatedCalResult(dir, flag);
}

void CInterQingDan::SetCurrentPartition(const CString& partition) {
  GetEngine()->SetCurrentPartition(partition);
}
CString CInterQingDan::GetCurrentPartitionName() { return GetEngine()->GetCurrentPartitionName(); }
void CInterQingDan::GetEngPatitions(std::vector<CString>& partitions) {
  GetEngine()->GetEngPatitions(partitions);
}

bool CInterQingDan::GetFloorBaseInfo(CString floorName, STJReportFloorBaseInfo& info) {
  return GetEngine()->GetFloorBaseInfo(floorName, info);
}
bool CInterQingDan::GetAllFloorNames(CStringArray& names) {
  return GetEngine()->GetAllFloorNames(names);
}
bool CInterQingDan::GetProjectSummary(std::vector<SNYPair>& pairs) {
  return GetEngine()->GetProjectSummary(pairs);
}
bool CInterQingDan::GetOutDesignLevel(double& level) {
  return GetEngine()->GetOutDesignLevel(level);
}

void CInterQingDan::GetAllQdInfoForFenQu(CArray<FenQuQdHZInfo>& out, bool fromBills) {
  GetEngine()->GetAllQdInfoForFenQu(out, fromBills);
}

void CInterQingDan::SortConditionFloor(CStringArray& floors) {
  reportdata::SortConditionFloor(floors);
}
bool CInterQingDan::GetCompIndexByCompDir(const CString& compDir, CString& index) {
  return GetEngine()->GetCompIndexByCompDir(compDir, index);
}

REPORTDATA_TREE_TABLE_FORWARDERS(CInterQingDan2, 2)
REPORTDATA_STREAM_FORWARDERS(CInterQingDan2, GetNewItemData, GetDataByCondition, GetNewItemDataJSS,
                             GetJSSDataByCondition, 2, 22)
REPORTDATA_HANDLE_FORWARDER(CInterQingDan2, 2)

REPORTDATA_TREE_TABLE_FORWARDERS(CInterHuiZong, 3)
REPORTDATA_STREAM_FORWARDERS(CInterHuiZong, GetNewItemData, GetXHLConditionData, GetNewItemDataJSS,
                             GetXHLJSSConditionData, 3, 23)
REPORTDATA_HANDLE_FORWARDER(CInterHuiZong, 3)

void CInterQingDan::Write_xml(CString reportDir) { GetEngine()->Write_xml(reportDir); }
void CInterQingDan2::ExportToXML(CString path) { GetEngine()->ExportToXML(path); }
