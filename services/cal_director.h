// The built-in calculation-database director. It opens each project's
// "\CalResult.mdb" once and keeps the database object for the life of the
// service, so pointers it hands out stay valid: when a file is replaced on
// disk (a project imported again), the next Open makes a new object and the
// old one is kept, unused, rather than destroyed under a caller. While a
// build reads a database (CalDatabase::BeginRead to EndRead), that object
// answers for its path whatever has become of the file, so the build sees
// one snapshot.
//
// The director also remembers the current project: the one last attached
// through project access, else the last one opened. The component
// dictionary answers from the current project's database, and the built-in
// quota library takes the project's own chapter tables from it.
#ifndef REPORTDATA_SERVICES_CAL_DIRECTOR_H_
#define REPORTDATA_SERVICES_CAL_DIRECTOR_H_

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "reportdata/services.h"
#include "services/cal_database.h"

namespace reportdata {

class CalDirector : public IDMDirector {
 public:
  CalDirector();
  ~CalDirector() override;

  IDMDatabase* Open(const std::wstring& path, bool flag) override;
  IDMCompDictionary* GetCompDictionary() override;
  IDMPriceAccess* GetPriceAccess(const std::wstring& dir) override;
  IDMProjectAccess* GetProjectAccess() override;

  // The database of a project directory; null when it cannot be opened.
  CalDatabase* OpenProject(const std::wstring& dir);
  // The database at a path (backslashes allowed); null when it cannot be
  // opened.
  CalDatabase* OpenPath(const std::wstring& path);
  // The current project's database; null when there is none.
  CalDatabase* Current();
  void SetCurrentProject(const std::wstring& dir);
  // Counts project changes, so that callers caching project data (chapter
  // tables) know when to read them again.
  unsigned long long ProjectGeneration() const { return generation_; }

 private:
  // An opened database and the identity of the file it was opened on.
  struct Entry {
    std::unique_ptr<CalDatabase> db;
    unsigned long long device = 0, inode = 0, size = 0;
    long long modified_ns = 0;
  };
  CalDatabase* OpenNative(const std::string& native);

  class CompDictionary;
  class PriceAccess;
  class ProjectAccess;

  std::map<std::string, Entry> open_;                            // by native path
  std::vector<std::unique_ptr<CalDatabase>> retired_;            // replaced on disk, kept alive
  std::map<std::wstring, std::unique_ptr<PriceAccess>> prices_;  // by project directory
  std::unique_ptr<CompDictionary> dictionary_;
  std::unique_ptr<ProjectAccess> project_access_;
  std::string current_path_;  // native path of the current project's database
  unsigned long long generation_ = 0;
};

}  // namespace reportdata

#endif  // REPORTDATA_SERVICES_CAL_DIRECTOR_H_
