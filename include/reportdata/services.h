// The outside services the module calls: calculation results, the project's
// calculation database, progress dialogs, the quota libraries, the attribute
// proxy, system data and attribute templates. Each is reached through the
// names a host knows (static classes and free functions); behind them stands
// an implementation that a host or a test can replace with InstallService.
// The built-in implementations work over the project directory's own files
// ("\CalResult.mdb", "\project.ld") and the shipped system data.
#ifndef REPORTDATA_SERVICES_H_
#define REPORTDATA_SERVICES_H_

#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "reportdata/export.h"
#include "reportdata/framework.h"
#include "reportdata/records.h"

// ---------------------------------------------------------------------------
// Calculation-result service.

class REPORTDATA_API CNYRADealCalResult {
 public:
  static bool GetQdDeClassResultData(const CString& dir, const SNYRAGetResultParam& param,
                                     SNYRAQdDeClassResultInfo& result, bool all);
  static bool GetQTXMQdDeClassResult(const CString& dir, const SNYRAGetResultParam& param,
                                     SNYRAQdDeClassResultInfo& result);
  static bool GetDeResultData(const CString& dir, const SNYRAGetResultParam& param,
                              SNYRADeResultInfo& result, bool all);
  static bool GetQTXMDeResult(const CString& dir, const SNYRAGetResultParam& param,
                              SNYRADeResultInfo& result);
  // Modal classification dialog; true when the user confirmed the (possibly
  // changed) lists.
  static bool ShowQdListDialog(const CString& dir, const CString& billKey, const CString& quotaKey,
                               std::vector<SNYTJQdDeClassResult>& items,
                               std::vector<SNYTJQdDeClassResult>& otherItems);
  static bool ShowDeListPriceDialog(const CString& dir, const CString& quotaKey);
};

// Orders of units, quota features and classification-variable sets: negative,
// zero or positive.
class REPORTDATA_API CNYRACompareMethod {
 public:
  static int CompareTwoUnits(const CString& a, const CString& b);
  static int IsDEFeatureALargerThanB(const SNYTJReportDEFeature& a, const SNYTJReportDEFeature& b);
};

// ---------------------------------------------------------------------------
// Calculation-database service.

// A project's opened calculation database. Owned by the director.
class IDMDatabase {
 public:
  virtual ~IDMDatabase() = default;
  // Whether the database holds printable calculation results.
  virtual bool HasCalResult(const std::wstring& dir, bool flag) = 0;
  // Floor-area records in stored order; false when they cannot be read.
  virtual bool GetFloorAreas(std::vector<SNYFloorAreaRecord>& out) = 0;
  // Door and window occurrences in stored order; false when they cannot be read.
  virtual bool GetDoorWindows(std::vector<SNYDoorWindowRecord>& out) = 0;
  // A build reads between these two calls: every answer about this database
  // in between, the calculation-result service's included, comes from one
  // state of it, even when the file is replaced meanwhile. BeginRead is false
  // when the database cannot be read. A database that is never replaced
  // while open needs neither.
  virtual bool BeginRead() { return true; }
  virtual void EndRead() {}
};

// Component dictionary of the calculation database. Owned by the director.
class IDMCompDictionary {
 public:
  virtual ~IDMCompDictionary() = default;
  // Whether the project database may be opened given the system database.
  virtual bool CanOpen(const std::wstring& projectDb, const std::wstring& systemDb) = 0;
  virtual bool GetCompIndex(const std::wstring& compDir, std::wstring& index) = 0;
  // Category path (such as "墙\砼外墙") of a component directory.
  virtual bool GetCompName(const std::wstring& compDir, std::wstring& name) = 0;
};

// Quota prices of a project. Owned by the director.
class IDMPriceAccess {
 public:
  virtual ~IDMPriceAccess() = default;
  virtual bool GetDePrices(const std::wstring& quotaKey, std::vector<SNYDePriceEntry>& out) = 0;
};

// Per-project settings kept by the calculation database. Owned by the director.
class IDMProjectAccess {
 public:
  using CategoryConfig = std::map<std::wstring, std::set<std::wstring>>;
  virtual ~IDMProjectAccess() = default;
  virtual bool WriteDeCategoryShowConfig(const std::wstring& dir, const CategoryConfig& config) = 0;
  virtual bool ReadDeCategoryShowConfig(const std::wstring& dir, CategoryConfig& config) = 0;
  // Makes the project current for the service.
  virtual bool AttachProject(const std::wstring& dir) = 0;
};

// Director of the calculation-database service. Owned by the service.
class IDMDirector {
 public:
  virtual ~IDMDirector() = default;
  // Opens a calculation database; null when it cannot be opened.
  virtual IDMDatabase* Open(const std::wstring& path, bool flag) = 0;
  virtual IDMCompDictionary* GetCompDictionary() = 0;
  virtual IDMPriceAccess* GetPriceAccess(const std::wstring& dir) = 0;
  virtual IDMProjectAccess* GetProjectAccess() = 0;
};

REPORTDATA_API IDMDirector* GetIDMDirector();

// ---------------------------------------------------------------------------
// Progress-dialog service. Used as a local object; destroying it closes a
// dialog still open.

class ProgressSink;

class REPORTDATA_API NyProInterface {
 public:
  NyProInterface();
  ~NyProInterface();
  NyProInterface(const NyProInterface&) = delete;
  NyProInterface& operator=(const NyProInterface&) = delete;

  void ShowProgressDialog(const CString& text, void* parent);
  void SetShowInformation(const CString& text);
  void CloseProgressDialog();

 private:
  std::shared_ptr<ProgressSink> sink_;
  bool open_ = false;
};

// Where progress dialogs appear. One sink serves every dialog.
class ProgressSink {
 public:
  virtual ~ProgressSink() = default;
  virtual void Open(const std::wstring& title) = 0;
  virtual void Message(const std::wstring& text) = 0;
  virtual void Close() = 0;
};

// ---------------------------------------------------------------------------
// Quota-library service.

class REPORTDATA_API IQdChinaDekInfo {
 public:
  static bool InitQdChinaDek(const NS_NYProject::SBillQuotaLibInfo& library);
  static bool GetZhangNameByUserQdIndex(const CString& billCode, SNYTJChapterInfo& chapter);
};

class REPORTDATA_API IDekDbInfo {
 public:
  static bool InitDekDb(const NS_NYProject::SBillQuotaLibInfo& library, bool flag);
  static bool GetZhangJ(const CString& quotaCode, SNYTJChapterInfo& chapter, SearchQuotaMode mode);
};

// ---------------------------------------------------------------------------
// Attribute proxy service.

// Project-settings object made from a project's "\project.ld". Owned by the
// caller of GetIEAPObject, destroyed through this virtual destructor.
class IEAPObject {
 public:
  virtual ~IEAPObject() = default;
  virtual bool GetBillLibInfo(NS_NYProject::SBillQuotaLibInfo& library) = 0;
  // ownLibrary asks for the project's own quota library.
  virtual bool GetQuotaLibInfo(NS_NYProject::SBillQuotaLibInfo& library, bool ownLibrary) = 0;
  virtual bool GetFloorNames(std::vector<CString>& names) = 0;
  // Base data of the floor of that name: four texts and an integer, and the
  // two numbers as texts; false when the project has no such floor.
  virtual bool GetFloorBaseInfo(const CString& floor, CString& name, CString& label, int& number,
                                CString& kind, CString& remark, CString& height,
                                CString& bottomElevation) = 0;
  virtual bool GetProjectSummary(std::vector<SNYPair>& pairs) = 0;
  virtual bool GetOutDesignLevel(CString& level) = 0;
};

// Opens the project description; null when it cannot be read.
REPORTDATA_API IEAPObject* GetIEAPObject(const CString& path, const CString& text, int mode,
                                         int flag);

class REPORTDATA_API CNyQdDeDataAssistor {
 public:
  static int IsDeFenLeiSet1LargeThan2(const std::vector<SNYTJFenLeiVarDescInfo>& a,
                                      const std::vector<SNYTJFenLeiVarDescInfo>& b);
};

// ---------------------------------------------------------------------------
// System-data service.

class REPORTDATA_API ISysCache {
 public:
  // The system directory, or an empty text when the service has none.
  static CString GetNYSysDir();
};

// ---------------------------------------------------------------------------
// Attribute-template service.

class IAttrTemplate {
 public:
  virtual ~IAttrTemplate() = default;
  // Display order of a component category.
  virtual int GetCategoryOrder(const CString& category) = 0;
};

class IAttrTempDirector {
 public:
  virtual ~IAttrTempDirector() = default;
  virtual IAttrTemplate* GetTemplate() = 0;
};

REPORTDATA_API IAttrTempDirector* GetAttrTempDirector();

// ---------------------------------------------------------------------------
// Replacing a service. Each interface below is what a host implements to
// stand in for one service; InstallService puts it in place and returns the
// implementation it replaced. Installing null restores the built-in one.

namespace reportdata {

class CalResultService {
 public:
  virtual ~CalResultService() = default;
  virtual bool GetQdDeClassResultData(const CString& dir, const SNYRAGetResultParam& param,
                                      SNYRAQdDeClassResultInfo& result, bool all) = 0;
  virtual bool GetQTXMQdDeClassResult(const CString& dir, const SNYRAGetResultParam& param,
                                      SNYRAQdDeClassResultInfo& result) = 0;
  virtual bool GetDeResultData(const CString& dir, const SNYRAGetResultParam& param,
                               SNYRADeResultInfo& result, bool all) = 0;
  virtual bool GetQTXMDeResult(const CString& dir, const SNYRAGetResultParam& param,
                               SNYRADeResultInfo& result) = 0;
  virtual bool ShowQdListDialog(const CString& dir, const CString& billKey, const CString& quotaKey,
                                std::vector<SNYTJQdDeClassResult>& items,
                                std::vector<SNYTJQdDeClassResult>& otherItems) = 0;
  virtual bool ShowDeListPriceDialog(const CString& dir, const CString& quotaKey) = 0;
};

class CompareService {
 public:
  virtual ~CompareService() = default;
  virtual int CompareTwoUnits(const CString& a, const CString& b) = 0;
  virtual int CompareFeatures(const SNYTJReportDEFeature& a, const SNYTJReportDEFeature& b) = 0;
  virtual int CompareCategories(const std::vector<SNYTJFenLeiVarDescInfo>& a,
                                const std::vector<SNYTJFenLeiVarDescInfo>& b) = 0;
};

class QuotaLibraryService {
 public:
  virtual ~QuotaLibraryService() = default;
  virtual bool InitBillLibrary(const NS_NYProject::SBillQuotaLibInfo& library) = 0;
  virtual bool InitQuotaLibrary(const NS_NYProject::SBillQuotaLibInfo& library, bool flag) = 0;
  virtual bool BillChapter(const CString& billCode, SNYTJChapterInfo& chapter) = 0;
  virtual bool QuotaChapter(const CString& quotaCode, SNYTJChapterInfo& chapter,
                            SearchQuotaMode mode) = 0;
};

class AttrProxyService {
 public:
  virtual ~AttrProxyService() = default;
  virtual std::unique_ptr<IEAPObject> Open(const CString& path, const CString& text, int mode,
                                           int flag) = 0;
};

class SystemDataService {
 public:
  virtual ~SystemDataService() = default;
  virtual CString SystemDirectory() = 0;
};

REPORTDATA_API std::shared_ptr<CalResultService> InstallService(
    std::shared_ptr<CalResultService> service);
REPORTDATA_API std::shared_ptr<CompareService> InstallService(
    std::shared_ptr<CompareService> service);
REPORTDATA_API std::shared_ptr<IDMDirector> InstallService(std::shared_ptr<IDMDirector> service);
REPORTDATA_API std::shared_ptr<ProgressSink> InstallService(std::shared_ptr<ProgressSink> service);
REPORTDATA_API std::shared_ptr<QuotaLibraryService> InstallService(
    std::shared_ptr<QuotaLibraryService> service);
REPORTDATA_API std::shared_ptr<AttrProxyService> InstallService(
    std::shared_ptr<AttrProxyService> service);
REPORTDATA_API std::shared_ptr<SystemDataService> InstallService(
    std::shared_ptr<SystemDataService> service);
REPORTDATA_API std::shared_ptr<IAttrTempDirector> InstallService(
    std::shared_ptr<IAttrTempDirector> service);

}  // namespace reportdata

#endif  // REPORTDATA_SERVICES_H_
