// Shared by the service tests: the fixture files of tests/services/data, a
// project directory imported from one of them, and a scoped environment.
#ifndef REPORTDATA_TESTS_SERVICES_SERVICE_FIXTURE_H_
#define REPORTDATA_TESTS_SERVICES_SERVICE_FIXTURE_H_

#include <gtest/gtest.h>

#include <string>

#include "reportdata/importer.h"
#include "support/scoped_env.h"
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
  std::wstring wdir() const { return dir_.wpath(); }
  const ImportResult& result() const { return result_; }

 private:
  TempDir dir_;
  ImportResult result_;
};

}  // namespace reportdata::testing

#endif  // REPORTDATA_TESTS_SERVICES_SERVICE_FIXTURE_H_
