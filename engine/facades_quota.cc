// The quota-side facades: quota summary (11, JSS 31), quota by floor (12,
// JSS 32) and quota by floor and component (13, JSS 33). The handle query of
// both floor-based tables is that of code 12.
#include "engine/analyze.h"
#include "engine/facade_forwarders.h"
#include "reportdata/facades.h"

using reportdata::GetEngine;

REPORTDATA_CHAPTER_SUMMARY_FORWARDERS(DeTable1, GetNewItemData, GetNewItemDataJSS, 11, 31, 15)
bool DeTable1::InitialTable(CString reportDir, CString& failure) {
  reportdata::CAnalyze* engine = reportdata::GetEngine();
  const bool built = engine->InitialTable(reportDir);
  failure = engine->quota_build_failure();
  return built;
}
bool DeTable1::InitialTableFromXml(CString reportDir) {
  return GetEngine()->InitialTableFromXml(reportDir);
}
void DeTable1::GetAllDeInfoForFenQu(CArray<FenQuQdHZInfo>& out) {
  GetEngine()->GetAllDeInfoForFenQu(out);
}

REPORTDATA_TREE_TABLE_FORWARDERS(DeTable2, 12)
REPORTDATA_FLOOR_STREAM_FORWARDERS(DeTable2, 12, 32)
REPORTDATA_HANDLE_FORWARDER(DeTable2, 12)

REPORTDATA_TREE_TABLE_FORWARDERS(DeTable3, 13)
REPORTDATA_FLOOR_STREAM_FORWARDERS(DeTable3, 13, 33)
REPORTDATA_HANDLE_FORWARDER(DeTable3, 12)
void DeTable1::WriteXML(CString reportDir) { GetEngine()->WriteXML(reportDir); }
