// The check of a table's named columns on the built sample project: a value
// the sample puts in a column's cells stands under that column, under its
// title, and under no other column of the same rows. Each table's test
// (tests/tables/) lists what the sample puts under every column of it.
#ifndef REPORTDATA_TESTS_CLI_NAMED_COLUMNS_H_
#define REPORTDATA_TESTS_CLI_NAMED_COLUMNS_H_

#include <gtest/gtest.h>

#include <initializer_list>
#include <map>
#include <set>
#include <string>

#include "tool_runner.h"

namespace reportdata::testing {

struct ColumnExpectation {
  const char* item;  // the tree item whose rows, records included, are read
  const char* key;
  const char* title;
  // What the sample puts there, as JSON text for numbers; empty for a column
  // that the sample fills in no row.
  const char* value;
};

inline std::string JsonText(const nlohmann::json& value) {
  return value.is_string() ? value.get<std::string>() : value.is_null() ? "" : value.dump();
}

// Checks each expectation on the table of file stem `stem`, and that every
// named column of the table has one.
inline void ExpectNamedColumns(const std::string& stem,
                               std::initializer_list<ColumnExpectation> expected) {
  const BuiltSample& sample = BuiltSample::Get();
  ASSERT_EQ(sample.build.status, 0) << sample.build.err;
  std::map<std::string, nlohmann::json> answers;  // by item, read once
  std::set<std::string> checked;
  for (const ColumnExpectation& e : expected) {
    SCOPED_TRACE(stem + " " + e.item + " " + e.key);
    checked.insert(e.key);
    nlohmann::json& answer = answers[e.item];
    if (answer.is_null())
      answer = ToolJson({"show", sample.project, stem, e.item, "--format", "json"});
    std::string title;
    for (const nlohmann::json& column : answer["columns"]) {
      if (column["name"] == e.key) title = column["title"];
    }
    EXPECT_EQ(title, e.title);
    std::set<std::string> holders;  // the columns where the value stands
    bool filled = false;
    for (const nlohmann::json& row : answer["rows"]) {
      filled = filled || (row.contains(e.key) && !JsonText(row[e.key]).empty());
      for (const auto& [key, value] : row.items()) {
        if (key != "level" && *e.value && JsonText(value) == e.value) holders.insert(key);
      }
    }
    if (*e.value) {
      EXPECT_EQ(holders, std::set<std::string>{e.key});
    } else {
      EXPECT_FALSE(filled);
    }
  }
  const nlohmann::json shown = ToolJson({"show", sample.project, stem, "--format", "json"});
  for (const nlohmann::json& column : shown["columns"]) {
    if (column["name"] == "level") continue;
    EXPECT_TRUE(checked.count(column["name"])) << column["name"];
  }
}

}  // namespace reportdata::testing

#endif  // REPORTDATA_TESTS_CLI_NAMED_COLUMNS_H_
