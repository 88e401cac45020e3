// Shared by the service tests: the fixture files of tests/services/data, a
// project directory imported from one of them, a scoped environment, and the
// texts of a stored record's blob.
#ifndef REPORTDATA_TESTS_SERVICES_SERVICE_FIXTURE_H_
#define REPORTDATA_TESTS_SERVICES_SERVICE_FIXTURE_H_

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "reportdata/importer.h"
#include "services/packed_texts.h"
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

// The count texts of a record's blob; ok tells whether the blob holds them.
inline std::vector<std::string> UnpackedTexts(std::string_view blob, size_t count, bool& ok) {
  std::vector<uint32_t> lengths(count);
  std::string_view bytes;
  ok = SplitPackedTexts(blob, lengths, bytes);
  std::vector<std::string> texts;
  for (const uint32_t length : lengths) {
    texts.emplace_back(bytes.substr(0, length));
    bytes.remove_prefix(std::min<size_t>(length, bytes.size()));
  }
  return texts;
}

}  // namespace reportdata::testing

#endif  // REPORTDATA_TESTS_SERVICES_SERVICE_FIXTURE_H_
