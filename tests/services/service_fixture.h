// Shared by the service tests: the fixture files of tests/services/data, a
// project directory imported from one of them, and a scoped environment.
#ifndef REPORTDATA_TESTS_SERVICES_SERVICE_FIXTURE_H_
#define REPORTDATA_TESTS_SERVICES_SERVICE_FIXTURE_H_

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "reportdata/importer.h"
#include "support/temp_dir.h"

namespace reportdata::testing {

inline std::string FixturePath(const std::string& name) {
  return std::string(REPORTDATA_SOURCE_DIR) + "/tests/services/data/" + name;
}

// A temporary project directory holding the import of a fixture file.
class ImportedProject {
 public:
  explicit ImportedProject(const std::string& fixture) {
    result_ = ImportProject(FixturePath(fixture), dir_.path());
    EXPECT_TRUE(result_.ok) << result_.message;
  }
  const TempDir& dir() const { return dir_; }
  std::wstring wdir() const { return dir_.wpath(); }
  const ImportResult& result() const { return result_; }

 private:
  TempDir dir_;
  ImportResult result_;
};

// Sets an environment variable for one scope.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) saved_ = old, had_ = true;
    setenv(name, value, 1);
  }
  ~ScopedEnv() {
    if (had_) {
      setenv(name_, saved_.c_str(), 1);
    } else {
      unsetenv(name_);
    }
  }

 private:
  const char* name_;
  std::string saved_;
  bool had_ = false;
};

}  // namespace reportdata::testing

#endif  // REPORTDATA_TESTS_SERVICES_SERVICE_FIXTURE_H_
