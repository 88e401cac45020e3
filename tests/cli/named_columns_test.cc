// Every report table of the tool has its named columns checked by the test
// of that table (tests/tables/, through cli/named_columns.h), which fails
// until each of its columns is.
#include <gtest/gtest.h>

#include <filesystem>

#include "tool_runner.h"

namespace reportdata::testing {
namespace {

TEST(NamedColumnsTest, EveryTableHasItsColumnsChecked) {
  std::string tests;
  for (const auto& entry :
       std::filesystem::directory_iterator(REPORTDATA_SOURCE_DIR "/tests/tables")) {
    tests += ReadFile(entry.path().string());
  }
  const nlohmann::json tables = ToolJson({"tables", "--format", "json"});
  ASSERT_FALSE(tables["tables"].empty());
  for (const nlohmann::json& table : tables["tables"]) {
    const std::string stem = table["stem"];
    EXPECT_NE(tests.find("ExpectNamedColumns(\"" + stem + "\""), std::string::npos) << stem;
  }
}

}  // namespace
}  // namespace reportdata::testing
