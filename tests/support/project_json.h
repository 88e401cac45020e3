// Hand-made interchange projects for the tests that import one: bill records,
// each with the quota records classified under it, on the sample's bill and
// quota libraries.
#ifndef REPORTDATA_TESTS_SUPPORT_PROJECT_JSON_H_
#define REPORTDATA_TESTS_SUPPORT_PROJECT_JSON_H_

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

// Tests name only the leading fields of a record; g++ reports the rest as
// missing although each has its default.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

namespace reportdata::testing {

// A bill or quota record with the fields the tables look at.
struct JsonRecord {
  std::string code, name, unit = "m3", floor = "1", component = "KZ1", quantity = "1";
  std::string type_path = "Z\\KZ";
};

struct JsonEntry {
  JsonRecord bill;
  std::vector<JsonRecord> quotas;
};

// The sample's bill and quota libraries, floors 1 and 2.
constexpr char kProjectHead[] = R"j({"project": {"name": "手工", "floors": ["1", "2"],
  "billLibrary": ["房屋建筑与装饰工程工程量计算规范", "GB50854-2013", "全国", "2013"],
  "quotaLibrary": ["土建工程消耗量定额(示例)", "DE-TJ-2024", "示例", "2024"]},
  "floors": ["1", "2"], "classified": []})j";

// The record of the bill ("bill") or quota ("quota") side, drawn as `$$id`.
inline nlohmann::json RecordJson(const JsonRecord& r, size_t id, const std::string& side) {
  nlohmann::json json = {{"id", id}, {"kind", side == "bill" ? "1" : "2"}};
  json[side + "Code"] = r.code, json[side + "Name"] = r.name, json[side + "Unit"] = r.unit;
  json["quantity"] = r.quantity, json["typePath"] = r.type_path, json["floor"] = r.floor;
  json["componentName"] = r.component, json["handle"] = "$$" + std::to_string(id);
  return json;
}

// A project with those entries; with partitions each bill record's whole
// quantity lies in the first one.
inline std::string ProjectJson(const std::vector<JsonEntry>& entries,
                               const std::vector<std::string>& partitions = {}) {
  nlohmann::json project = nlohmann::json::parse(kProjectHead);
  project["partitions"] = partitions;
  for (const JsonEntry& entry : entries) {
    const size_t id = project["classified"].size() + 1;
    nlohmann::json bill = RecordJson(entry.bill, id, "bill"), quotas = nlohmann::json::array();
    if (!partitions.empty()) {
      bill["partitions"] = nlohmann::json::array({{{"name", partitions.front()},
                                                   {"formula", entry.bill.quantity},
                                                   {"quantity", std::stod(entry.bill.quantity)}}});
    }
    for (const JsonRecord& quota : entry.quotas) quotas.push_back(RecordJson(quota, id, "quota"));
    project["classified"].push_back({{"bill", bill}, {"quotas", quotas}});
  }
  return project.dump();
}

}  // namespace reportdata::testing

#endif  // REPORTDATA_TESTS_SUPPORT_PROJECT_JSON_H_
