#include "cli/sample_project.h"

#include "cli/json_writer.h"
#include "cli/sample_geometry.h"

namespace reportdata::cli {
namespace {

void WriteCategories(JsonWriter& json, std::string_view grade) {
  json.BeginArray(true);
  if (!grade.empty()) {
    json.BeginObject(true);
    json.Field("var", "TQD");
    json.Field("name", "混凝土强度等级");
    json.Field("value", grade);
    json.EndObject();
  }
  json.EndArray();
}

// Members left out read as empty, which keeps a million records small.
void Optional(JsonWriter& json, std::string_view key, std::string_view text) {
  if (!text.empty()) json.Field(key, text);
}

void WriteRecord(JsonWriter& json, const SampleRecord& r) {
  json.BeginObject();
  json.Key("id").Int(r.id);
  Optional(json, "billCode", r.bill_code);
  Optional(json, "billName", r.bill_name);
  Optional(json, "billUnit", r.bill_unit);
  Optional(json, "description", r.description);
  json.Field("quantity", r.quantity);
  Optional(json, "subType", r.sub_type);
  json.Field("typePath", r.type_path);
  json.Field("componentName", r.component_name);
  Optional(json, "position", r.position);
  Optional(json, "handle", r.handle);
  Optional(json, "grade", r.grade);
  json.Field("floor", r.floor);
  json.Field("kind", r.kind);
  Optional(json, "subCode", r.sub_code);
  Optional(json, "quotaCode", r.quota_code);
  Optional(json, "quotaName", r.quota_name);
  Optional(json, "quotaUnit", r.quota_unit);
  Optional(json, "room", r.room);
  Optional(json, "place", r.place);
  Optional(json, "place2", r.place2);
  json.Key("partitions").BeginArray();
  for (const SampleShare& share : r.partitions) {
    json.BeginObject(true);
    json.Field("name", share.name);
    json.Field("formula", share.quantity);
    json.Key("quantity").Number(share.quantity);
    json.EndObject();
  }
  json.EndArray();
  Optional(json, "feature", r.feature);
  if (!r.category_grade.empty()) {
    WriteCategories(json.Key("categories"), r.category_grade);
  }
  if (!r.quota_features.empty()) {
    json.Key("quotaFeatures").BeginArray();
    for (const SampleQuota& quota : r.quota_features) {
      json.BeginObject(true);
      json.Field("code", quota.code);
      json.Field("name", quota.name);
      json.Field("unit", quota.unit);
      WriteCategories(json.Key("categories"), quota.graded ? r.features_grade : std::string_view());
      json.EndObject();
    }
    json.EndArray();
  }
  Optional(json, "calcItem", r.calc_item);
  json.EndObject();
}

// The libraries as their four texts: name, key, region, version.
constexpr std::string_view kBillLibrary[] = {"房屋建筑与装饰工程工程量计算规范", "GB50854-2013",
                                             "全国", "2013"};
constexpr std::string_view kQuotaLibrary[] = {"土建工程消耗量定额(示例)", "DE-TJ-2024", "示例",
                                              "2024"};

std::vector<std::string_view> FloorLabels(const SampleBuilding& building) {
  std::vector<std::string_view> labels;
  for (const SampleFloor& floor : building.floors()) labels.push_back(floor.label);
  return labels;
}

void WriteProject(JsonWriter& json, const SampleBuilding& building) {
  long long area = 0;
  for (const SampleFloor& floor : building.floors()) area += building.MainArea(floor) * floor.count;
  int below = 0;
  for (const SampleFloor& floor : building.floors()) below += floor.number < 0 ? 1 : 0;
  const int above = building.above_ground();
  json.Key("project").BeginObject();
  json.Field("name", "滨河花园3#住宅楼");
  json.Key("floors").Strings(FloorLabels(building));
  json.Key("billLibrary").Strings(kBillLibrary);
  json.Key("quotaLibrary").Strings(kQuotaLibrary);
  json.Key("summary").BeginArray();
  const std::pair<std::string_view, std::string> summary[] = {
      {"工程名称", "滨河花园3#住宅楼"},    {"结构类型", "框架-剪力墙结构"},
      {"建筑面积", QuantityText(area)},    {"地上层数", std::to_string(above)},
      {"地下层数", std::to_string(below)}, {"檐口高度", M(4500 + 3000 * (above - 1) + 450)},
  };
  for (const auto& [name, value] : summary) {
    json.BeginObject(true);
    json.Field("name", name);
    json.Field("value", value);
    json.EndObject();
  }
  json.EndArray();
  json.Field("outdoorDesignLevel", "-0.450");
  json.Key("floorBase").BeginArray();
  for (const SampleFloor& floor : building.floors()) {
    json.BeginObject(true);
    json.Field("name", floor.label);
    json.Field("label", floor.label);
    json.Key("number").Int(floor.number);
    json.Field("kind", floor.kind);
    json.Field("remark", floor.count > 1 ? std::to_string(floor.count) + "个标准层" : "");
    json.Field("height", M(floor.height));
    json.Field("bottomElevation", M(floor.bottom));
    json.EndObject();
  }
  json.EndArray();
  json.EndObject();
}

}  // namespace

bool WriteSampleProject(const SampleOptions& options, bool pretty, std::FILE* out,
                        SampleCounts& counts) {
  SampleBuilding building(options);
  JsonWriter json(out, pretty);
  json.BeginObject();
  WriteProject(json, building);
  json.Key("partitions").Strings(building.partitions());
  json.Key("floors").Strings(FloorLabels(building));

  const auto write_entry = [&](const SampleRecord& bill, std::span<const SampleRecord> quotas) {
    json.BeginObject();
    WriteRecord(json.Key("bill"), bill);
    json.Key("quotas").BeginArray();
    for (const SampleRecord& quota : quotas) WriteRecord(json, quota);
    json.EndArray();
    json.EndObject();
    ++counts.entries;
    counts.records += 1 + static_cast<long long>(quotas.size());
  };
  json.Key("classified").BeginArray();
  building.WalkClassified(write_entry);
  json.EndArray();
  json.Key("looseQuotas").BeginArray();
  building.WalkLooseQuotas([&](const SampleRecord& record) {
    WriteRecord(json, record);
    ++counts.records;
  });
  json.EndArray();
  json.Key("otherItems").BeginArray();
  building.WalkOtherItems(write_entry);
  json.EndArray();

  json.Key("doorsWindows").BeginArray();
  for (const SampleDoorWindow& dw : building.doors_windows()) {
    json.BeginObject(true);
    json.Key("type").Int(dw.type);
    json.Field("floor", dw.floor);
    json.Field("typeName", dw.type_name);
    json.Field("position", dw.position);
    json.Field("key", dw.key);
    json.EndObject();
  }
  json.EndArray();
  json.Key("floorAreas").BeginArray();
  for (const SampleFloor& floor : building.floors()) {
    const std::pair<std::string_view, long long> areas[] = {
        {"FL_MainArea", building.MainArea(floor)}, {"FL_YTArea", building.BalconyArea(floor)}};
    for (const auto& [kind, value] : areas) {
      if (value == 0) continue;
      json.BeginObject(true);
      json.Field("floor", floor.label);
      json.Field("kind", kind);
      json.Key("value").Number(QuantityText(value));
      json.EndObject();
    }
  }
  json.EndArray();
  json.Key("componentIndex").BeginArray();
  for (const SampleIndexEntry& entry : SampleComponentIndex()) {
    json.BeginObject(true);
    json.Field("compDir", entry.comp_dir);
    json.Field("index", entry.index);
    json.Field("category", entry.category);
    json.EndObject();
  }
  json.EndArray();
  json.EndObject();
  return json.Flush();
}

}  // namespace reportdata::cli
