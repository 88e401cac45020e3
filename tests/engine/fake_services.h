// In-memory stand-ins for the outside services, which a test installs for
// its length so that the engine's pipelines and queries can be checked
// without a project on disk.
#ifndef REPORTDATA_TESTS_ENGINE_FAKE_SERVICES_H_
#define REPORTDATA_TESTS_ENGINE_FAKE_SERVICES_H_

#include <map>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "reportdata/services.h"
#include "support/records.h"
#include "support/table_services.h"

namespace reportdata::testing {

// What the fake services answer and what they were asked.
struct FakeProject {
  SNYRAQdDeClassResultInfo classified;
  SNYRAQdDeClassResultInfo other_items;
  SNYRADeResultInfo quotas;
  SNYRADeResultInfo other_quotas;
  bool classification_answer = true;
  bool dialog_answer = true;
  bool database_opens = true;
  bool project_description_opens = true;
  NS_NYProject::SBillQuotaLibInfo bill_library{L"清单库", L"GB50854-2013", L"", L""};
  NS_NYProject::SBillQuotaLibInfo quota_library{L"定额库", L"DE-TJ-2024", L"", L""};
  std::vector<CString> floor_names;
  std::vector<SNYPair> summary;
  CString outdoor_level;
  std::vector<SNYDePriceEntry> prices;
  std::map<std::wstring, std::wstring> comp_index;

  // Requests seen.
  std::vector<SNYRAGetResultParam> params;
  std::vector<std::wstring> opened_paths;
  std::vector<std::wstring> attached;
  std::wstring price_key;
  IDMProjectAccess::CategoryConfig category_config;
  bool has_category_config = false;
  int dialogs = 0;
};

// The project description the fakes open.
class FakeProxy : public IEAPObject {
 public:
  explicit FakeProxy(FakeProject& project) : project_(project) {}
  bool GetBillLibInfo(NS_NYProject::SBillQuotaLibInfo& library) override {
    library = project_.bill_library;
    return true;
  }
  bool GetQuotaLibInfo(NS_NYProject::SBillQuotaLibInfo& library, bool) override {
    library = project_.quota_library;
    return true;
  }
  bool GetFloorNames(std::vector<CString>& names) override {
    names = project_.floor_names;
    return true;
  }
  bool GetFloorBaseInfo(const CString& floor, CString& name, CString& label, int& number,
                        CString& kind, CString& remark, CString& height,
                        CString& elevation) override {
    if (floor != L"1") return false;
    std::tie(name, label, number, kind, remark, height, elevation) =
        std::tuple(CString(L"1"), CString(L"首层"), 1, CString(L"地上"), CString(), CString(L"3.3"),
                   CString(L"-0.05"));
    return true;
  }
  bool GetProjectSummary(std::vector<SNYPair>& pairs) override {
    pairs.insert(pairs.end(), project_.summary.begin(), project_.summary.end());
    return true;
  }
  bool GetOutDesignLevel(CString& level) override {
    level = project_.outdoor_level;
    return true;
  }

 private:
  FakeProject& project_;
};

// Every outside service in one object (the project description it opens
// aside), answering from and recording into one FakeProject.
class Fakes : public CalResultService,
              public IDMDirector,
              public IDMDatabase,
              public IDMCompDictionary,
              public IDMPriceAccess,
              public IDMProjectAccess,
              public AttrProxyService {
 public:
  explicit Fakes(FakeProject& project) : project_(project) {}

  bool GetQdDeClassResultData(const CString&, const SNYRAGetResultParam& param,
                              SNYRAQdDeClassResultInfo& result, bool) override {
    project_.params.push_back(param);
    result = project_.classified;
    return project_.classification_answer;
  }
  bool GetQTXMQdDeClassResult(const CString&, const SNYRAGetResultParam& param,
                              SNYRAQdDeClassResultInfo& result) override {
    project_.params.push_back(param);
    result = project_.other_items;
    return true;
  }
  bool GetDeResultData(const CString&, const SNYRAGetResultParam& param, SNYRADeResultInfo& result,
                       bool) override {
    project_.params.push_back(param);
    result = project_.quotas;
    return true;
  }
  bool GetQTXMDeResult(const CString&, const SNYRAGetResultParam& param,
                       SNYRADeResultInfo& result) override {
    project_.params.push_back(param);
    result = project_.other_quotas;
    return true;
  }
  bool ShowQdListDialog(const CString&, const CString&, const CString&,
                        std::vector<SNYTJQdDeClassResult>&,
                        std::vector<SNYTJQdDeClassResult>&) override {
    ++project_.dialogs;
    return project_.dialog_answer;
  }
  bool ShowDeListPriceDialog(const CString&, const CString& key) override {
    project_.price_key = key.str();
    return true;
  }

  IDMDatabase* Open(const std::wstring& path, bool) override {
    project_.opened_paths.push_back(path);
    return project_.database_opens ? this : nullptr;
  }
  IDMCompDictionary* GetCompDictionary() override { return this; }
  IDMPriceAccess* GetPriceAccess(const std::wstring&) override { return this; }
  IDMProjectAccess* GetProjectAccess() override { return this; }

  bool HasCalResult(const std::wstring&, bool flag) override { return flag; }
  // None, read without fault.
  bool GetFloorAreas(std::vector<SNYFloorAreaRecord>&) override { return true; }
  bool GetDoorWindows(std::vector<SNYDoorWindowRecord>&) override { return true; }

  bool CanOpen(const std::wstring&, const std::wstring&) override {
    return project_.database_opens;
  }
  bool GetCompIndex(const std::wstring& dir, std::wstring& index) override {
    auto it = project_.comp_index.find(dir);
    if (it == project_.comp_index.end()) return false;
    index = it->second;
    return true;
  }
  bool GetCompName(const std::wstring&, std::wstring&) override { return false; }
  bool GetDePrices(const std::wstring& key, std::vector<SNYDePriceEntry>& out) override {
    project_.price_key = key;
    out = project_.prices;
    return true;
  }
  bool WriteDeCategoryShowConfig(const std::wstring&, const CategoryConfig& config) override {
    project_.category_config = config;
    project_.has_category_config = true;
    return true;
  }
  bool ReadDeCategoryShowConfig(const std::wstring&, CategoryConfig& config) override {
    if (!project_.has_category_config) return false;
    config = project_.category_config;
    return true;
  }
  bool AttachProject(const std::wstring& dir) override {
    project_.attached.push_back(dir);
    return true;
  }

  std::unique_ptr<IEAPObject> Open(const CString& path, const CString&, int, int) override {
    project_.opened_paths.push_back(path.str());
    if (!project_.project_description_opens) return nullptr;
    return std::make_unique<FakeProxy>(project_);
  }

 private:
  FakeProject& project_;
};

// A calculation-result record with the fields the tables look at.
inline TJQd Record(const wchar_t* kind, const wchar_t* floor, const wchar_t* quantity,
                   const wchar_t* type_path = L"Q\\TWQ", const wchar_t* component = L"Q1") {
  TJQd record = Rec{floor, component, type_path, quantity, L"A/1-2", L"1F"}.Bill(L"010401003001",
                                                                                 L"实心砖墙");
  record.kind = kind;
  record.quotaCode = L"A4-1";
  record.quotaName = L"砖墙";
  record.quotaUnit = L"10m3";
  return record;
}

}  // namespace reportdata::testing

#endif  // REPORTDATA_TESTS_ENGINE_FAKE_SERVICES_H_
