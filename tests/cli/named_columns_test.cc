// Every named column of every report table, read from the built sample
// project, holds what the row writer put in its cells: a value the sample
// gives that column stands under it, under its title, and under no other
// column of the same rows.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <tuple>

#include "tool_runner.h"

namespace reportdata::testing {
namespace {

struct Expected {
  const char* stem;
  const char* item;  // the tree item whose rows, records included, are read
  const char* partition;
  const char* key;
  const char* title;
  // What the sample puts there, as JSON text for numbers; empty for a column
  // that the sample fills in no row.
  const char* value;
};

constexpr const char* kWhole = "";

// clang-format off
constexpr Expected kExpected[] = {
    {"qd", "土石方工程", kWhole, "chapter", "章节", "土石方工程"},
    {"qd", "土石方工程", kWhole, "code", "编码", "010101002"},
    {"qd", "土石方工程", kWhole, "name", "名称", "挖一般土方"},
    {"qd", "土石方工程", kWhole, "features", "项目特征", "1.土壤类别:三类土\n2.挖土深度:8m以内\n3.弃土运距:5km"},
    {"qd", "土石方工程", kWhole, "floor", "楼层", "0层"},
    {"qd", "土石方工程", kWhole, "component", "构件", "大开挖土方"},
    {"qd", "土石方工程", kWhole, "position", "位置", "1-6/A-F"},
    {"qd", "土石方工程", kWhole, "unit", "单位", "m3"},
    {"qd", "土石方工程", kWhole, "quantity", "工程量", "6517.8"},
    {"qd", "土石方工程", kWhole, "description", "说明", "21.300*18.000*8.500"},
    {"qd", "砌筑工程", kWhole, "formula", "计算式", "1.01*4层"},
    {"qd", "土石方工程", kWhole, "handles", "图元", "$3A1$3A2"},

    {"qdxhl", "土石方工程", kWhole, "chapter", "章节", "土石方工程"},
    {"qdxhl", "土石方工程", kWhole, "code", "编码", "A1-8"},
    {"qdxhl", "土石方工程", kWhole, "name", "名称", "挖掘机挖土 自卸汽车运土 运距1km以内"},
    {"qdxhl", "土石方工程", kWhole, "features", "项目特征", "1.土壤类别:三类土\n2.挖土深度:8m以内\n3.弃土运距:5km"},
    {"qdxhl", "土石方工程", kWhole, "floor", "楼层", "0层"},
    {"qdxhl", "土石方工程", kWhole, "component", "构件", "大开挖土方"},
    {"qdxhl", "土石方工程", kWhole, "position", "位置", "1-6/A-F"},
    {"qdxhl", "土石方工程", kWhole, "unit", "单位", "1000m3"},
    {"qdxhl", "土石方工程", kWhole, "quantity", "工程量", "6.5178"},
    {"qdxhl", "土石方工程", kWhole, "description", "说明", "21.300*18.000*8.500"},
    {"qdxhl", "砌筑工程", kWhole, "formula", "计算式", "0.10*4层"},
    {"qdxhl", "土石方工程", kWhole, "handles", "图元", "$3A1$3A2"},

    {"de", "土石方工程", kWhole, "chapter", "章节", "土石方工程"},
    {"de", "土石方工程", kWhole, "code", "编码", "A1-1"},
    {"de", "土石方工程", kWhole, "name", "名称", "人工平整场地"},
    {"de", "混凝土及钢筋混凝土工程", kWhole, "features", "项目特征", "混凝土强度等级:C15"},
    {"de", "土石方工程", kWhole, "floor", "楼层", "0层"},
    {"de", "土石方工程", kWhole, "component", "构件", "平整场地"},
    {"de", "土石方工程", kWhole, "position", "位置", "1-6/A-F"},
    {"de", "土石方工程", kWhole, "unit", "单位", "100m2"},
    {"de", "土石方工程", kWhole, "quantity", "工程量", "8.284"},
    {"de", "土石方工程", kWhole, "description", "说明", "828.400"},
    {"de", "砌筑工程", kWhole, "formula", "计算式", "0.56*4层"},
    {"de", "土石方工程", kWhole, "handles", "图元", "$3A1$3A2"},

    {"de1", "土石方工程", kWhole, "chapter", "章节", "土石方工程"},
    {"de1", "土石方工程", kWhole, "code", "编码", "A1-1"},
    {"de1", "土石方工程", kWhole, "name", "名称", "人工平整场地"},
    {"de1", "混凝土及钢筋混凝土工程", kWhole, "features", "项目特征", "混凝土强度等级:C15"},
    {"de1", "土石方工程", kWhole, "floor", "楼层", "0层"},
    {"de1", "土石方工程", kWhole, "component", "构件", "平整场地"},
    {"de1", "土石方工程", kWhole, "position", "位置", "1-6/A-F"},
    {"de1", "土石方工程", kWhole, "unit", "单位", "100m2"},
    {"de1", "土石方工程", kWhole, "quantity", "工程量", "8.284"},
    {"de1", "土石方工程", kWhole, "description", "说明", "828.400"},
    {"de1", "砌筑工程", kWhole, "formula", "计算式", "0.56*4层"},
    {"de1", "土石方工程", kWhole, "handles", "图元", "$3A1$3A2"},

    {"de2", "0层", kWhole, "floor", "楼层", "0层"},
    {"de2", "0层", kWhole, "chapter", "章节", "土石方工程"},
    {"de2", "0层", kWhole, "code", "编码", "A1-1"},
    {"de2", "0层", kWhole, "name", "名称", "人工平整场地"},
    {"de2", "0层", kWhole, "features", "项目特征", "混凝土强度等级:C15"},
    {"de2", "0层", kWhole, "component", "构件", "平整场地"},
    {"de2", "0层", kWhole, "position", "位置", "1-6/A-F"},
    {"de2", "0层", kWhole, "unit", "单位", "100m2"},
    {"de2", "0层", kWhole, "quantity", "工程量", "8.284"},
    {"de2", "0层", kWhole, "description", "说明", "828.400"},
    {"de2", "-2层", kWhole, "formula", "计算式", "0.10*2件"},
    {"de2", "0层", kWhole, "handles", "图元", "$3A1$3A2"},

    {"de3", "0层", kWhole, "floor", "楼层", "0层"},
    {"de3", "0层", kWhole, "component", "构件", "MJ1"},
    {"de3", "0层", kWhole, "calculation", "计算项目", "实体"},
    {"de3", "0层", kWhole, "code", "编码", "A5-4"},
    {"de3", "0层", kWhole, "name", "名称", "现浇混凝土 满堂基础 有梁式"},
    {"de3", "0层", kWhole, "features", "项目特征", "混凝土强度等级:C35"},
    {"de3", "0层", kWhole, "position", "位置", "1-4/A-F"},
    {"de3", "0层", kWhole, "unit", "单位", "10m3"},
    {"de3", "0层", kWhole, "quantity", "工程量", "47.52"},
    {"de3", "0层", kWhole, "description", "说明", "10.800*15.000*0.800"},
    {"de3", "2,5层", kWhole, "formula", "计算式", "0.259*4层"},
    {"de3", "0层", kWhole, "handles", "图元", "$3A3"},

    {"mj", "建筑面积", kWhole, "name", "名称", "主体建筑面积"},
    {"mj", "建筑面积", kWhole, "floor", "楼层", "1层"},
    {"mj", "建筑面积", kWhole, "unit", "单位", "m2"},
    {"mj", "建筑面积", kWhole, "quantity", "面积", "606.96"},
    {"mj", "建筑面积", kWhole, "formula", "计算式", "594.000000*4层"},

    {"mc", "门", kWhole, "kind", "类别", "门"},
    {"mc", "门", kWhole, "number", "编号", "FM1221"},
    {"mc", "门", kWhole, "floor", "楼层", "-2层"},
    {"mc", "门", kWhole, "position", "位置", "E/9-10"},
    {"mc", "门", kWhole, "unit", "单位", "个"},
    {"mc", "门", kWhole, "quantity", "数量", "22.0"},
    {"mc", "门", kWhole, "formula", "计算式", "2*4层"},
    {"mc", "门", kWhole, "handles", "图元", "3AE"},

    {"room1", "厨房", kWhole, "room", "房间", "厨房"},
    {"room1", "厨房", kWhole, "code", "编码", "A9-8"},
    {"room1", "厨房", kWhole, "name", "名称", "楼地面聚合物水泥防水涂料"},
    {"room1", "厨房", kWhole, "features", "项目特征", ""},
    {"room1", "厨房", kWhole, "floor", "楼层", "1层"},
    {"room1", "厨房", kWhole, "component", "构件", "楼地面2"},
    {"room1", "厨房", kWhole, "position", "位置", "C-D/6-7"},
    {"room1", "厨房", kWhole, "unit", "单位", "100m2"},
    {"room1", "厨房", kWhole, "quantity", "工程量", "0.648"},
    {"room1", "厨房", kWhole, "description", "说明", "2.400*2.700"},
    {"room1", "厨房", kWhole, "formula", "计算式", "0.06*4层"},
    {"room1", "厨房", kWhole, "handles", "图元", "$3D4"},

    {"room2", "1层", kWhole, "floor", "楼层", "1层"},
    {"room2", "1层", kWhole, "room", "房间", "客厅"},
    {"room2", "1层", kWhole, "place", "位置类别", "楼地面"},
    {"room2", "1层", kWhole, "code", "编码", "A11-4"},
    {"room2", "1层", kWhole, "name", "名称", "平面砂浆找平层 厚度20mm"},
    {"room2", "1层", kWhole, "features", "项目特征", ""},
    {"room2", "1层", kWhole, "position", "位置", "C-D/3-4"},
    {"room2", "1层", kWhole, "unit", "单位", "100m2"},
    {"room2", "1层", kWhole, "quantity", "工程量", "0.2592"},
    {"room2", "1层", kWhole, "description", "说明", "4.800*5.400"},
    {"room2", "1层", kWhole, "formula", "计算式", ""},
    {"room2", "1层", kWhole, "handles", "图元", "$3CB"},

    {"zbfx", "土方工程", kWhole, "group", "指标组", "土方工程"},
    {"zbfx", "土方工程", kWhole, "item", "指标项", "挖土"},
    {"zbfx", "混凝土工程", kWhole, "floor", "楼层", "-2层"},
    {"zbfx", "土方工程", kWhole, "unit", "单位", "m3/m2"},
    {"zbfx", "土方工程", kWhole, "quantity", "指标", "1.799344"},
    {"zbfx", "土方工程", kWhole, "formula", "计算式", "13035.60/7244.64"},
    {"zbfx", "混凝土工程", kWhole, "description", "说明", "单层"},
};
// clang-format on

std::string Text(const nlohmann::json& value) {
  return value.is_string() ? value.get<std::string>() : value.is_null() ? "" : value.dump();
}

class NamedColumnsTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(sample_.build.status, 0) << sample_.build.err; }

  // The named JSON answer of one item, read once.
  const nlohmann::json& Answer(const Expected& e) {
    const auto at =
        std::make_tuple(std::string(e.stem), std::string(e.item), std::string(e.partition));
    auto found = answers_.find(at);
    if (found != answers_.end()) return found->second;
    std::vector<std::string> args = {"show", sample_.project, e.stem, e.item, "--format", "json"};
    if (*e.partition) args.insert(args.end(), {"--partition", e.partition});
    return answers_.emplace(at, ToolJson(args)).first->second;
  }

  const BuiltSample& sample_ = BuiltSample::Get();
  std::map<std::tuple<std::string, std::string, std::string>, nlohmann::json> answers_;
};

TEST_F(NamedColumnsTest, EveryColumnHoldsTheCellsOfWhatItsTitleSays) {
  std::set<std::pair<std::string, std::string>> checked;
  for (const Expected& e : kExpected) {
    SCOPED_TRACE(std::string(e.stem) + " " + e.item + " " + e.key);
    checked.emplace(e.stem, e.key);
    const nlohmann::json& answer = Answer(e);
    std::string title;
    for (const nlohmann::json& column : answer["columns"]) {
      if (column["name"] == e.key) title = column["title"];
    }
    EXPECT_EQ(title, e.title);
    std::set<std::string> holders;  // the columns where the value stands
    bool filled = false;
    for (const nlohmann::json& row : answer["rows"]) {
      filled = filled || (row.contains(e.key) && !Text(row[e.key]).empty());
      for (const auto& [key, value] : row.items()) {
        if (key != "level" && *e.value && Text(value) == e.value) holders.insert(key);
      }
    }
    if (*e.value) {
      EXPECT_EQ(holders, std::set<std::string>{e.key});
    } else {
      EXPECT_FALSE(filled);
    }
  }
  // Every table of the tool, every one of its columns.
  const nlohmann::json tables = ToolJson({"tables", "--format", "json"});
  for (const nlohmann::json& table : tables["tables"]) {
    const std::string stem = table["stem"];
    const nlohmann::json shown = ToolJson({"show", sample_.project, stem, "--format", "json"});
    for (const nlohmann::json& column : shown["columns"]) {
      if (column["name"] == "level") continue;
      EXPECT_TRUE(checked.count({stem, column["name"]})) << stem << " " << column["name"];
    }
  }
}

}  // namespace
}  // namespace reportdata::testing
