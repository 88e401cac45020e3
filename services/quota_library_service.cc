// The built-in quota-library service. The bill and quota libraries named by
// the project's library records are read from the system directory; a key
// that names no shipped library leaves that side without a library, and its
// look-ups fail. A project may carry chapter tables of its own in its
// calculation database; they are consulted first, whatever the library.
#include <map>
#include <memory>

#include "services/builtins.h"
#include "services/cal_director.h"
#include "services/quota_library.h"
#include "services/registry.h"

namespace reportdata {
namespace {

class BuiltinQuotaLibraryService : public QuotaLibraryService {
 public:
  bool InitBillLibrary(const NS_NYProject::SBillQuotaLibInfo& library) override {
    bill_ = Library(library.key.str());
    return bill_ != nullptr;
  }

  bool InitQuotaLibrary(const NS_NYProject::SBillQuotaLibInfo& library, bool /*flag*/) override {
    quota_ = Library(library.key.str());
    return quota_ != nullptr;
  }

  bool BillChapter(const CString& billCode, SNYTJChapterInfo& chapter) override {
    return Find(true, bill_, billCode, chapter);
  }

  bool QuotaChapter(const CString& quotaCode, SNYTJChapterInfo& chapter,
                    SearchQuotaMode /*mode*/) override {
    return Find(false, quota_, quotaCode, chapter);
  }

 private:
  // The library of a key, read once per system directory and key.
  const LibraryTable* Library(const std::wstring& key) {
    const std::wstring dir = ISysCache::GetNYSysDir().str();
    std::unique_ptr<LibraryTable>& table = libraries_[{dir, key}];
    if (!table) table = LoadLibraryTable(dir, key);
    return table.get();
  }

  bool Find(bool bill, const LibraryTable* library, const CString& code,
            SNYTJChapterInfo& chapter) {
    RefreshProjectChapters();
    const Chapter* found = (bill ? project_bill_ : project_quota_).Find(code.str());
    if (!found && library) found = library->chapters.Find(code.str());
    if (!found) return false;
    chapter.name = CString(found->name);
    chapter.orderId = CString(found->orderId);
    return true;
  }

  // Reads the current project's chapter tables when the project changed;
  // checking the generation only keeps a look-up free of file access.
  void RefreshProjectChapters() {
    CalDirector& director = BuiltinDirector();
    if (read_generation_ == director.ProjectGeneration()) return;
    read_generation_ = director.ProjectGeneration();
    CalDatabase* db = director.Current();
    project_bill_ = ReadChapters(db, true);
    project_quota_ = ReadChapters(db, false);
  }

  static ChapterIndex ReadChapters(CalDatabase* db, bool bill) {
    ChapterIndex index;
    std::vector<ChapterRow> rows;
    if (db && db->ReadChapters(bill, rows)) {
      for (ChapterRow& row : rows) {
        index.Add(std::move(row.prefix), Chapter{std::move(row.name), std::move(row.orderId)});
      }
    }
    return index;
  }

  // Libraries read so far, by system directory and key; null when unreadable.
  std::map<std::pair<std::wstring, std::wstring>, std::unique_ptr<LibraryTable>> libraries_;
  const LibraryTable* bill_ = nullptr;
  const LibraryTable* quota_ = nullptr;
  ChapterIndex project_bill_;
  ChapterIndex project_quota_;
  unsigned long long read_generation_ = ~0ULL;  // project generation the tables were read at
};

}  // namespace

std::shared_ptr<QuotaLibraryService> MakeBuiltinQuotaLibraryService() {
  return std::make_shared<BuiltinQuotaLibraryService>();
}

}  // namespace reportdata
