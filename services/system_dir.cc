// The built-in system-data service: where the shipped system data (quota
// libraries, category orders) lies. In order of preference: the directory
// named by REPORTDATA_SYSDIR; the installed share directory beside the
// library (<prefix>/share/reportdata/system for a library in <prefix>/lib or
// <prefix>/lib/<multiarch>); the source tree's
// data/system, for builds run in place.
#include <dlfcn.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "platform/text.h"
#include "services/builtins.h"

namespace reportdata {
namespace {

std::string WithoutTrailingSeparator(std::string dir) {
  while (dir.size() > 1 && (dir.back() == '/' || dir.back() == '\\')) dir.pop_back();
  return dir;
}

// The share directory of an installed library, empty when this copy of the
// module is not installed that way.
std::string InstalledSystemDir() {
  Dl_info info{};
  if (dladdr(reinterpret_cast<void*>(&InstalledSystemDir), &info) == 0 || !info.dli_fname) {
    return {};
  }
  std::error_code error;
  const std::filesystem::path library = std::filesystem::canonical(info.dli_fname, error);
  if (error) return {};
  // <prefix>/lib/libreportdata.so or <prefix>/lib/<multiarch>/libreportdata.so
  std::filesystem::path prefix = library.parent_path();
  for (int up = 0; up < 2 && prefix.has_parent_path(); ++up) {
    prefix = prefix.parent_path();
    const std::filesystem::path dir = prefix / "share" / "reportdata" / "system";
    if (std::filesystem::is_directory(dir, error)) return dir.string();
  }
  return {};
}

class BuiltinSystemDataService : public SystemDataService {
 public:
  CString SystemDirectory() override {
    if (const char* env = std::getenv("REPORTDATA_SYSDIR"); env && *env) {
      return CString(FromUtf8(WithoutTrailingSeparator(env)));
    }
    if (std::string installed = InstalledSystemDir(); !installed.empty()) {
      return CString(FromUtf8(installed));
    }
    return CString(FromUtf8(WithoutTrailingSeparator(REPORTDATA_SOURCE_SYSDIR)));
  }
};

}  // namespace

std::shared_ptr<SystemDataService> MakeBuiltinSystemDataService() {
  return std::make_shared<BuiltinSystemDataService>();
}

}  // namespace reportdata
