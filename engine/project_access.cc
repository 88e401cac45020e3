// The engine's use of the project's outside objects: the calculation
// database, the attribute proxy made from "\project.ld", the bill and quota
// libraries, quota prices and the quota category display settings.
#include "engine/analyze.h"
#include "keys/floor_text.h"
#include "platform/message_box.h"
#include "platform/paths.h"
#include "platform/process.h"
#include "platform/text.h"

namespace reportdata {
namespace {

constexpr wchar_t kCalResultFile[] = L"\\CalResult.mdb";
constexpr wchar_t kProjectFile[] = L"\\project.ld";

// Native path of a module file name (which begins with "\") in a directory.
std::wstring FileIn(std::wstring_view dir, std::wstring_view name) {
  return FromUtf8(JoinPath(dir, name));
}

}  // namespace

bool CAnalyze::SetProjectDirFromReportDir(const CString& report_dir) {
  std::wstring parent;
  if (!CutBeforeLastSeparator(report_dir.str(), parent)) return false;
  project_dir_ = parent;
  return true;
}

void CAnalyze::FillSystemDir() {
  if (!system_dir_.empty()) return;
  const CString service_dir = ISysCache::GetNYSysDir();
  if (!service_dir.IsEmpty()) {
    system_dir_ = service_dir.str() + L"/";
    return;
  }
  std::wstring executable = ExecutablePath();
  if (executable.size() > 1000) executable.resize(1000);
  std::wstring dir;
  CutBeforeLastSeparator(executable, dir);
  system_dir_ = dir;
}

bool CAnalyze::OpenCalDatabase(bool flag) {
  IDMDirector* director = GetIDMDirector();
  if (director == nullptr) return false;
  const std::wstring project_db = FileIn(project_dir_, kCalResultFile);
  const std::wstring system_db = FileIn(system_dir_, kCalResultFile);
  IDMCompDictionary* dictionary = director->GetCompDictionary();
  if (dictionary == nullptr || !dictionary->CanOpen(project_db, system_db)) return false;
  IDMDatabase* database = director->Open(project_db, flag);
  if (database == nullptr) return false;
  database_ = database;
  IDMProjectAccess* access = director->GetProjectAccess();
  return access != nullptr && access->AttachProject(project_dir_);
}

bool CAnalyze::OpenAttrProxy() {
  attr_proxy_.reset();
  attr_proxy_.reset(GetIEAPObject(FileIn(project_dir_, kProjectFile), CString(), 1, 0));
  return attr_proxy_ != nullptr;
}

void CAnalyze::InitLibraries(int flag) {
  NS_NYProject::SBillQuotaLibInfo library;
  bill_key_ = CString();
  if (flag == 0 && attr_proxy_ && attr_proxy_->GetBillLibInfo(library)) {
    bill_key_ = library.key;
    IQdChinaDekInfo::InitQdChinaDek(library);
  }
  quota_key_ = CString();
  if (attr_proxy_ && attr_proxy_->GetQuotaLibInfo(library, flag == 1)) {
    quota_key_ = library.key;
    IDekDbInfo::InitDekDb(library, false);
  }
}

CString CAnalyze::QuotaKeyForPrices() {
  CString key = L"-1";
  if (attr_proxy_) {
    NS_NYProject::SBillQuotaLibInfo library;
    if (attr_proxy_->GetQuotaLibInfo(library, true)) key = library.key;
    return key;
  }
  if (!OpenAttrProxy()) {
    ShowMessageBox(kSettingsErrorText, kMessageBoxCaption, MessageBoxIcon::kExclamation);
  }
  InitLibraries(0);
  return quota_key_;
}

bool CAnalyze::ShowDePriceDialog() {
  const CString key = QuotaKeyForPrices();
  return CNYRADealCalResult::ShowDeListPriceDialog(project_dir_, key);
}

bool CAnalyze::ReadDePrice(std::map<STJReportDePriceId, CString>& prices) {
  const CString key = QuotaKeyForPrices();
  IDMDirector* director = GetIDMDirector();
  IDMPriceAccess* access = director ? director->GetPriceAccess(project_dir_) : nullptr;
  std::vector<SNYDePriceEntry> entries;
  if (access != nullptr) access->GetDePrices(key.str(), entries);
  for (const SNYDePriceEntry& entry : entries) prices.emplace(entry.id, entry.price);
  return true;
}

bool CAnalyze::ReadDeCategoryShowConfig(std::map<CString, std::set<CString>>& config) {
  config.clear();
  IDMDirector* director = GetIDMDirector();
  IDMProjectAccess* access = director ? director->GetProjectAccess() : nullptr;
  IDMProjectAccess::CategoryConfig stored;
  if (access == nullptr || !access->ReadDeCategoryShowConfig(project_dir_, stored)) return false;
  for (const auto& [category, names] : stored) {
    std::set<CString>& target = config[CString(category)];
    for (const std::wstring& name : names) target.insert(CString(name));
  }
  return true;
}

bool CAnalyze::WriteDeCategoryShowConfig(const std::map<CString, std::set<CString>>& config) {
  IDMProjectAccess::CategoryConfig stored;
  for (const auto& [category, names] : config) {
    std::set<std::wstring>& target = stored[category.str()];
    for (const CString& name : names) target.insert(name.str());
  }
  IDMDirector* director = GetIDMDirector();
  IDMProjectAccess* access = director ? director->GetProjectAccess() : nullptr;
  if (access == nullptr || !access->WriteDeCategoryShowConfig(project_dir_, stored)) return false;
  access->AttachProject(project_dir_);
  return true;
}

bool CAnalyze::GetIsPriatedCalResult(const CString& dir, bool flag) {
  if (database_ != nullptr) return database_->HasCalResult(dir.str(), flag);
  IDMDirector* director = GetIDMDirector();
  IDMDatabase* database =
      director ? director->Open(FileIn(project_dir_, kCalResultFile), flag) : nullptr;
  return database != nullptr && database->HasCalResult(dir.str(), flag);
}

bool CAnalyze::GetCompIndexByCompDir(const CString& comp_dir, CString& index) {
  if (comp_dir == L"其他项目") {
    index = L"QTXM";
    return true;
  }
  IDMDirector* director = GetIDMDirector();
  IDMCompDictionary* dictionary = director ? director->GetCompDictionary() : nullptr;
  std::wstring found;
  if (dictionary != nullptr && dictionary->GetCompIndex(comp_dir.str(), found)) index = found;
  return true;
}

bool CAnalyze::GetFloorBaseInfo(const CString& floor, STJReportFloorBaseInfo& info) {
  if (!attr_proxy_ && !OpenAttrProxy()) return false;
  CString height;
  CString elevation;
  if (!attr_proxy_->GetFloorBaseInfo(floor, info.name, info.label, info.number, info.kind,
                                     info.remark, height, elevation)) {
    return false;
  }
  info.height = LeadingDouble(height.str());
  info.bottomElevation = LeadingDouble(elevation.str());
  return true;
}

bool CAnalyze::GetAllFloorNames(CStringArray& names) {
  if (!attr_proxy_ && !OpenAttrProxy()) return false;
  std::vector<CString> floors;
  attr_proxy_->GetFloorNames(floors);
  for (const CString& floor : floors) names.Add(floor);
  return false;  // the host has always been told false here
}

bool CAnalyze::GetProjectSummary(std::vector<SNYPair>& pairs) {
  pairs.clear();
  if (!attr_proxy_ && !OpenAttrProxy()) return false;
  return attr_proxy_->GetProjectSummary(pairs);
}

bool CAnalyze::GetOutDesignLevel(double& level) {
  if (!attr_proxy_ && !OpenAttrProxy()) return false;
  CString text;
  if (!attr_proxy_->GetOutDesignLevel(text)) return false;
  level = LeadingDouble(text.str());
  return true;
}

void CAnalyze::SetProjectDirForReload(const CString& report_dir) {
  std::wstring parent;
  project_dir_ = CutBeforeLastSeparator(report_dir.str(), parent) ? parent : report_dir.str();
  IDMDirector* director = GetIDMDirector();
  IDMProjectAccess* access = director ? director->GetProjectAccess() : nullptr;
  if (access != nullptr) access->AttachProject(project_dir_);
}

void CAnalyze::InitDataFromXml(const CString& report_dir) {
  SetProjectDirForReload(report_dir);
  ReadBillFamily(report_dir);
}

bool CAnalyze::InitialTableFromXml(const CString& report_dir) {
  SetProjectDirForReload(report_dir);
  ReadQuotaFamily(report_dir);
  return true;
}

}  // namespace reportdata
