// A project imported from an interchange file, with the report data directory
// a host builds into, for the tests that build through the facades.
#ifndef REPORTDATA_TESTS_SUPPORT_IMPORTED_PROJECT_H_
#define REPORTDATA_TESTS_SUPPORT_IMPORTED_PROJECT_H_

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "reportdata/framework.h"
#include "reportdata/importer.h"
#include "support/temp_dir.h"

namespace reportdata::testing {

// The sample project of the tool's demonstrations.
constexpr char kSampleProject[] = REPORTDATA_SOURCE_DIR "/data/samples/sample-project.json";

// Imports json into dir/name and returns its report data directory.
inline CString ImportedReport(const TempDir& dir, const char* name, const std::string& json) {
  const std::string project = dir.File(name);
  const ImportResult imported = ImportProject(json, project);
  EXPECT_TRUE(imported.ok) << imported.message;
  std::filesystem::create_directories(project + "/report");
  return CString(std::filesystem::path(project + "/report").wstring());
}

}  // namespace reportdata::testing

#endif  // REPORTDATA_TESTS_SUPPORT_IMPORTED_PROJECT_H_
