// The names a host knows for the outside services. Each forwards to the
// implementation the registry holds at the moment of the call.
#include "reportdata/services.h"
#include "services/registry.h"

using reportdata::CurrentAttrProxyService;
using reportdata::CurrentAttrTempDirector;
using reportdata::CurrentCalResultService;
using reportdata::CurrentCompareService;
using reportdata::CurrentDirector;
using reportdata::CurrentQuotaLibraryService;
using reportdata::CurrentSystemDataService;

bool CNYRADealCalResult::GetQdDeClassResultData(const CString& dir,
                                                const SNYRAGetResultParam& param,
                                                SNYRAQdDeClassResultInfo& result, bool all) {
  return CurrentCalResultService().GetQdDeClassResultData(dir, param, result, all);
}

bool CNYRADealCalResult::GetQTXMQdDeClassResult(const CString& dir,
                                                const SNYRAGetResultParam& param,
                                                SNYRAQdDeClassResultInfo& result) {
  return CurrentCalResultService().GetQTXMQdDeClassResult(dir, param, result);
}

bool CNYRADealCalResult::GetDeResultData(const CString& dir, const SNYRAGetResultParam& param,
                                         SNYRADeResultInfo& result, bool all) {
  return CurrentCalResultService().GetDeResultData(dir, param, result, all);
}

bool CNYRADealCalResult::GetQTXMDeResult(const CString& dir, const SNYRAGetResultParam& param,
                                         SNYRADeResultInfo& result) {
  return CurrentCalResultService().GetQTXMDeResult(dir, param, result);
}

bool CNYRADealCalResult::ShowQdListDialog(const CString& dir, const CString& billKey,
                                          const CString& quotaKey,
                                          std::vector<SNYTJQdDeClassResult>& items,
                                          std::vector<SNYTJQdDeClassResult>& otherItems) {
  return CurrentCalResultService().ShowQdListDialog(dir, billKey, quotaKey, items, otherItems);
}

bool CNYRADealCalResult::ShowDeListPriceDialog(const CString& dir, const CString& quotaKey) {
  return CurrentCalResultService().ShowDeListPriceDialog(dir, quotaKey);
}

int CNYRACompareMethod::CompareTwoUnits(const CString& a, const CString& b) {
  return CurrentCompareService().CompareTwoUnits(a, b);
}

int CNYRACompareMethod::IsDEFeatureALargerThanB(const SNYTJReportDEFeature& a,
                                                const SNYTJReportDEFeature& b) {
  return CurrentCompareService().CompareFeatures(a, b);
}

int CNyQdDeDataAssistor::IsDeFenLeiSet1LargeThan2(const std::vector<SNYTJFenLeiVarDescInfo>& a,
                                                  const std::vector<SNYTJFenLeiVarDescInfo>& b) {
  return CurrentCompareService().CompareCategories(a, b);
}

IDMDirector* GetIDMDirector() { return &CurrentDirector(); }

bool IQdChinaDekInfo::InitQdChinaDek(const NS_NYProject::SBillQuotaLibInfo& library) {
  return CurrentQuotaLibraryService().InitBillLibrary(library);
}

bool IQdChinaDekInfo::GetZhangNameByUserQdIndex(const CString& billCode,
                                                SNYTJChapterInfo& chapter) {
  return CurrentQuotaLibraryService().BillChapter(billCode, chapter);
}

bool IDekDbInfo::InitDekDb(const NS_NYProject::SBillQuotaLibInfo& library, bool flag) {
  return CurrentQuotaLibraryService().InitQuotaLibrary(library, flag);
}

bool IDekDbInfo::GetZhangJ(const CString& quotaCode, SNYTJChapterInfo& chapter,
                           SearchQuotaMode mode) {
  return CurrentQuotaLibraryService().QuotaChapter(quotaCode, chapter, mode);
}

IEAPObject* GetIEAPObject(const CString& path, const CString& text, int mode, int flag) {
  return CurrentAttrProxyService().Open(path, text, mode, flag).release();
}

CString ISysCache::GetNYSysDir() { return CurrentSystemDataService().SystemDirectory(); }

IAttrTempDirector* GetAttrTempDirector() { return &CurrentAttrTempDirector(); }
