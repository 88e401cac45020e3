// Test stand-ins for the outside services the bill and quota tables ask:
// chapter look-ups of the quota libraries and the component dictionary; units,
// features and component categories keep the built-in orders.
// Installing a TestServices puts them in place; destroying it restores what
// was there before.
#ifndef REPORTDATA_TESTS_SUPPORT_TABLE_SERVICES_H_
#define REPORTDATA_TESTS_SUPPORT_TABLE_SERVICES_H_

#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "reportdata/services.h"

namespace reportdata::testing {

// Chapters by code prefix: the longest prefix of a code found in the map
// names its chapter; codes without one have no chapter.
class TestQuotaLibrary : public QuotaLibraryService {
 public:
  std::map<std::wstring, SNYTJChapterInfo> bill_chapters;
  std::map<std::wstring, SNYTJChapterInfo> quota_chapters;

  bool InitBillLibrary(const NS_NYProject::SBillQuotaLibInfo&) override { return true; }
  bool InitQuotaLibrary(const NS_NYProject::SBillQuotaLibInfo&, bool) override { return true; }
  bool BillChapter(const CString& code, SNYTJChapterInfo& chapter) override {
    return Find(bill_chapters, code.str(), chapter);
  }
  bool QuotaChapter(const CString& code, SNYTJChapterInfo& chapter, SearchQuotaMode) override {
    return Find(quota_chapters, code.str(), chapter);
  }

 private:
  static bool Find(const std::map<std::wstring, SNYTJChapterInfo>& chapters,
                   const std::wstring& code, SNYTJChapterInfo& chapter) {
    for (size_t length = code.size(); length > 0; --length) {
      auto found = chapters.find(code.substr(0, length));
      if (found != chapters.end()) {
        chapter = found->second;
        return true;
      }
    }
    return false;
  }
};

// Component dictionary: category paths by component directory.
class TestDictionary : public IDMCompDictionary {
 public:
  std::map<std::wstring, std::wstring> names;
  bool CanOpen(const std::wstring&, const std::wstring&) override { return true; }
  bool GetCompIndex(const std::wstring&, std::wstring&) override { return false; }
  bool GetCompName(const std::wstring& dir, std::wstring& name) override {
    auto found = names.find(dir);
    if (found == names.end()) return false;
    name = found->second;
    return true;
  }
};

class TestDirector : public IDMDirector {
 public:
  TestDictionary dictionary;
  IDMDatabase* Open(const std::wstring&, bool) override { return nullptr; }
  IDMCompDictionary* GetCompDictionary() override { return &dictionary; }
  IDMPriceAccess* GetPriceAccess(const std::wstring&) override { return nullptr; }
  IDMProjectAccess* GetProjectAccess() override { return nullptr; }
};

// Installs a service for the lifetime of the object, then puts back the one
// it replaced.
template <typename Service>
class ScopedService {
 public:
  explicit ScopedService(std::shared_ptr<Service> service)
      : previous_(InstallService(std::move(service))) {}
  ~ScopedService() { InstallService(previous_); }
  ScopedService(const ScopedService&) = delete;
  ScopedService& operator=(const ScopedService&) = delete;

 private:
  std::shared_ptr<Service> previous_;
};

// Installs all of the above for the lifetime of the object.
class TestServices {
 public:
  std::shared_ptr<TestQuotaLibrary> library = std::make_shared<TestQuotaLibrary>();
  std::shared_ptr<TestDirector> director = std::make_shared<TestDirector>();

 private:
  ScopedService<QuotaLibraryService> installed_library_{library};
  ScopedService<IDMDirector> installed_director_{director};
};

}  // namespace reportdata::testing

#endif  // REPORTDATA_TESTS_SUPPORT_TABLE_SERVICES_H_
