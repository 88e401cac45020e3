// In-memory stand-ins for the outside services, installed for the length of
// one test so that the engine's pipelines and queries can be checked without
// a project on disk.
#ifndef REPORTDATA_TESTS_ENGINE_FAKE_SERVICES_H_
#define REPORTDATA_TESTS_ENGINE_FAKE_SERVICES_H_

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "reportdata/services.h"
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

// The object that answers as every fake service, defined with them.
class Fakes;

// Installs fakes over `project` for its lifetime; restores the built-in
// services when destroyed.
class FakeServices {
 public:
  explicit FakeServices(FakeProject& project);

 private:
  explicit FakeServices(const std::shared_ptr<Fakes>& fakes);

  ScopedService<CalResultService> results_;
  ScopedService<IDMDirector> director_;
  ScopedService<AttrProxyService> proxy_;
  ScopedService<QuotaLibraryService> library_;
};

// A calculation-result record with the fields the tables look at.
TJQd Record(const wchar_t* kind, const wchar_t* floor, const wchar_t* quantity,
            const wchar_t* type_path = L"Q\\TWQ", const wchar_t* component = L"Q1");

}  // namespace reportdata::testing

#endif  // REPORTDATA_TESTS_ENGINE_FAKE_SERVICES_H_
