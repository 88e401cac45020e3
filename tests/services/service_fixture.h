// Shared by the service tests: the fixture files of tests/services/data, a
// project directory imported from one of them, a scoped environment, the
// texts of a stored record's blob, and a record checked against the
// interchange object it was imported from.
#ifndef REPORTDATA_TESTS_SERVICES_SERVICE_FIXTURE_H_
#define REPORTDATA_TESTS_SERVICES_SERVICE_FIXTURE_H_

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <nlohmann/json.hpp>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/text.h"
#include "reportdata/importer.h"
#include "reportdata/records.h"
#include "services/packed_texts.h"
#include "support/scoped_env.h"
#include "support/temp_dir.h"

namespace reportdata::testing {

inline std::string FixturePath(const std::string& name) {
  return std::string(REPORTDATA_SOURCE_DIR) + "/tests/services/data/" + name;
}

// Imports the interchange text json into the project directory dir.
inline ImportResult ImportJson(const std::string& json, const std::string& dir) {
  TempDir input;
  input.Write("project.json", json);
  return ImportProject(input.File("project.json"), dir);
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

// A list of categories as one text, "var:name:value;" per entry.
inline std::string CategoriesText(const std::vector<SNYTJFenLeiVarDescInfo>& categories) {
  std::string text;
  for (const SNYTJFenLeiVarDescInfo& c : categories)
    text += ToUtf8(c.var.str()) + ":" + ToUtf8(c.name.str()) + ":" + ToUtf8(c.value.str()) + ";";
  return text;
}
inline std::string CategoriesText(const nlohmann::json& categories) {
  std::string text;
  for (const nlohmann::json& c : categories)
    text += c.value("var", "") + ":" + c.value("name", "") + ":" + c.value("value", "") + ";";
  return text;
}

// Every field of a record against the interchange object it was imported
// from (a member left out reads as empty).
inline void ExpectRecordOf(const TJQd& got, const nlohmann::json& want, const std::string& where) {
  SCOPED_TRACE(where);
  static const std::pair<const char*, CString TJQd::*> kTexts[] = {
      {"billCode", &TJQd::billCode},   {"billName", &TJQd::billName},
      {"billUnit", &TJQd::billUnit},   {"description", &TJQd::description},
      {"quantity", &TJQd::quantity},   {"subType", &TJQd::subType},
      {"typePath", &TJQd::typePath},   {"componentName", &TJQd::componentName},
      {"position", &TJQd::position},   {"handle", &TJQd::handle},
      {"grade", &TJQd::grade},         {"floor", &TJQd::floor},
      {"kind", &TJQd::kind},           {"subCode", &TJQd::subCode},
      {"quotaCode", &TJQd::quotaCode}, {"quotaName", &TJQd::quotaName},
      {"quotaUnit", &TJQd::quotaUnit}, {"room", &TJQd::room},
      {"place", &TJQd::place},         {"place2", &TJQd::place2},
      {"feature", &TJQd::feature},     {"extra", &TJQd::extra},
      {"calcItem", &TJQd::calcItem}};
  for (const auto& [key, field] : kTexts) {
    EXPECT_EQ(ToUtf8((got.*field).str()), want.value(key, "")) << key;
  }
  const nlohmann::json none = nlohmann::json::array();
  const nlohmann::json& partitions = want.value("partitions", none);
  ASSERT_EQ(got.partitions.size(), partitions.size());
  for (size_t i = 0; i < partitions.size(); ++i) {
    EXPECT_EQ(ToUtf8(got.partitions[i].name.str()), partitions[i]["name"]);
    EXPECT_EQ(ToUtf8(got.partitions[i].formula.str()), partitions[i]["formula"]);
    EXPECT_EQ(got.partitions[i].quantity, partitions[i]["quantity"]);
  }
  const nlohmann::json& features = want.value("quotaFeatures", none);
  ASSERT_EQ(got.quotaFeatures.size(), features.size());
  for (size_t i = 0; i < features.size(); ++i) {
    const SNYTJReportDEFeature& feature = got.quotaFeatures[i];
    EXPECT_EQ(ToUtf8(feature.code.str() + L"|" + feature.name.str() + L"|" + feature.unit.str()),
              features[i].value("code", "") + "|" + features[i].value("name", "") + "|" +
                  features[i].value("unit", ""));
    EXPECT_EQ(CategoriesText(feature.categories),
              CategoriesText(features[i].value("categories", none)));
  }
  EXPECT_EQ(CategoriesText(got.categories), CategoriesText(want.value("categories", none)));
}

}  // namespace reportdata::testing

#endif  // REPORTDATA_TESTS_SERVICES_SERVICE_FIXTURE_H_
