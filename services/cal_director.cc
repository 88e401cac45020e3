#include "services/cal_director.h"

#include <sys/stat.h>

#include "services/builtins.h"
#include "services/paths.h"

namespace reportdata {

class CalDirector::CompDictionary : public IDMCompDictionary {
 public:
  explicit CompDictionary(CalDirector& director) : director_(director) {}

  // The system database is not needed: a project database carries its own
  // component index table.
  bool CanOpen(const std::wstring& projectDb, const std::wstring& /*systemDb*/) override {
    return director_.OpenPath(projectDb) != nullptr;
  }

  bool GetCompIndex(const std::wstring& compDir, std::wstring& index) override {
    CalDatabase* db = director_.Current();
    return db && db->FindCompIndex(compDir, index);
  }

  bool GetCompName(const std::wstring& compDir, std::wstring& name) override {
    CalDatabase* db = director_.Current();
    return db && db->FindCompCategory(compDir, name);
  }

 private:
  CalDirector& director_;
};

class CalDirector::PriceAccess : public IDMPriceAccess {
 public:
  PriceAccess(CalDirector& director, std::wstring dir)
      : director_(director), dir_(std::move(dir)) {}

  bool GetDePrices(const std::wstring& quotaKey, std::vector<SNYDePriceEntry>& out) override {
    CalDatabase* db = director_.OpenProject(dir_);
    return db && db->ReadPrices(quotaKey, out);
  }

 private:
  CalDirector& director_;
  std::wstring dir_;
};

class CalDirector::ProjectAccess : public IDMProjectAccess {
 public:
  explicit ProjectAccess(CalDirector& director) : director_(director) {}

  bool WriteDeCategoryShowConfig(const std::wstring& dir, const CategoryConfig& config) override {
    CalDatabase* db = director_.OpenProject(dir);
    return db && db->WriteCategoryConfig(config);
  }

  bool ReadDeCategoryShowConfig(const std::wstring& dir, CategoryConfig& config) override {
    CalDatabase* db = director_.OpenProject(dir);
    return db && db->ReadCategoryConfig(config);
  }

  bool AttachProject(const std::wstring& dir) override {
    director_.SetCurrentProject(dir);
    return director_.Current() != nullptr;
  }

 private:
  CalDirector& director_;
};

CalDirector::CalDirector()
    : dictionary_(std::make_unique<CompDictionary>(*this)),
      project_access_(std::make_unique<ProjectAccess>(*this)) {}

CalDirector::~CalDirector() = default;

IDMDatabase* CalDirector::Open(const std::wstring& path, bool /*flag*/) {
  CalDatabase* db = OpenPath(path);
  if (db) {
    const std::string native = NativePath(path);
    if (native != current_path_) {
      current_path_ = native;
      ++generation_;
    }
  }
  return db;
}

IDMCompDictionary* CalDirector::GetCompDictionary() { return dictionary_.get(); }

IDMPriceAccess* CalDirector::GetPriceAccess(const std::wstring& dir) {
  std::unique_ptr<PriceAccess>& access = prices_[dir];
  if (!access) access = std::make_unique<PriceAccess>(*this, dir);
  return access.get();
}

IDMProjectAccess* CalDirector::GetProjectAccess() { return project_access_.get(); }

CalDatabase* CalDirector::OpenProject(const std::wstring& dir) {
  return OpenPath(dir + kCalResultName);
}

CalDatabase* CalDirector::OpenPath(const std::wstring& path) {
  return OpenNative(NativePath(path));
}

CalDatabase* CalDirector::OpenNative(const std::string& native) {
  auto found = open_.find(native);
  // A database read by a build answers for its path until the build ends,
  // whatever has become of the file meanwhile.
  if (found != open_.end() && found->second.db->reading()) return found->second.db.get();
  struct stat info {};
  if (stat(native.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return nullptr;
  const long long modified_ns =
      static_cast<long long>(info.st_mtim.tv_sec) * 1000000000LL + info.st_mtim.tv_nsec;
  if (found != open_.end()) {
    Entry& entry = found->second;
    if (entry.device == info.st_dev && entry.inode == info.st_ino &&
        entry.size == static_cast<unsigned long long>(info.st_size) &&
        entry.modified_ns == modified_ns) {
      return entry.db.get();
    }
    retired_.push_back(std::move(entry.db));
    open_.erase(found);
    if (native == current_path_) ++generation_;
  }
  std::unique_ptr<CalDatabase> db = CalDatabase::Open(native);
  if (!db) return nullptr;
  Entry& entry = open_[native];
  entry.db = std::move(db);
  entry.device = info.st_dev;
  entry.inode = info.st_ino;
  entry.size = static_cast<unsigned long long>(info.st_size);
  entry.modified_ns = modified_ns;
  return entry.db.get();
}

CalDatabase* CalDirector::Current() {
  if (current_path_.empty()) return nullptr;
  return OpenNative(current_path_);
}

void CalDirector::SetCurrentProject(const std::wstring& dir) {
  const std::string native = NativePath(dir + kCalResultName);
  if (native == current_path_) return;
  current_path_ = native;
  ++generation_;
}

std::shared_ptr<CalDirector> MakeBuiltinDirector() { return std::make_shared<CalDirector>(); }

}  // namespace reportdata
