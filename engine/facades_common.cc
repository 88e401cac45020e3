// Engine state shared by every table (CReportComMethod) and the
// instance-based export (CReportExpComMethod), whose single instance only
// forwards to the engine.
#include "engine/analyze.h"
#include "engine/project_settings.h"
#include "reportdata/facades.h"

using reportdata::GetEngine;

void CReportComMethod::SetCondition(const CString& condition) {
  GetEngine()->SetCondition(condition);
}
void CReportComMethod::SetHebing(bool merge) { GetEngine()->SetHebing(merge); }
void CReportComMethod::ReleaseAll() { GetEngine()->ReleaseAll(); }
CCloudDataMng* CReportComMethod::GetCloudDataMnd() { return GetEngine()->GetCloudDataMnd(); }
void CReportComMethod::GetNewHandleAry(CStringArray& rowCells, CString& handles, CString& floor,
                                       CStringArray& out, CStringArray& unused) {
  GetEngine()->GetHandles(rowCells, handles, floor, out, unused, 0);
}
void CReportComMethod::GetProjectArea(CString& total, CString& aboveGround, CString& belowGround,
                                      CString& firstFloor) {
  GetEngine()->GetProjectArea(total, aboveGround, belowGround, firstFloor);
}
bool CReportComMethod::IsUserDeUnitFromFile(const CString& dir) {
  return reportdata::IsUserDeUnitFromFile(dir.str());
}
void CReportComMethod::SetUserDeUnitToFile(const CString& dir, bool userUnit) {
  reportdata::SetUserDeUnitToFile(dir.str(), userUnit);
}

CReportExpComMethod* CReportExpComMethod::GetSingle() {
  static CReportExpComMethod* instance = new CReportExpComMethod();  // never freed
  return instance;
}

bool CReportExpComMethod::WriteHandleAndPIdByType(void*& handle, unsigned long& processId, int kind,
                                                  CString& dir) {
  reportdata::WriteReportHandle(dir.str(), kind, handle, processId);
  return true;
}

bool CReportExpComMethod::GetHandleAndPIdByType(void*& handle, unsigned long& processId, int kind,
                                                CString& dir) {
  reportdata::ReadReportHandle(dir.str(), kind, handle, processId);
  return true;
}

void CReportExpComMethod::GetQdPriceData(CString name, CStringArray& rows) {
  GetEngine()->GetNewItemData(name, rows, 50);
}

void CReportExpComMethod::ReadNormXml(CString reportDir) { GetEngine()->ReadNormXml(reportDir); }

void CReportExpComMethod::GetCalFloorMsg(CArray<CString>& floors) {
  GetEngine()->GetCalFloorMsg(floors);
}

void CReportExpComMethod::WriteReportCompColumn(SReportColunm& root, CString& dir) {
  GetEngine()->WriteReportCompColumn(root, dir);
}

void CReportExpComMethod::ReadReportCompColumn(SReportColunm& root, CString& dir) {
  GetEngine()->ReadReportCompColumn(root, dir);
}
