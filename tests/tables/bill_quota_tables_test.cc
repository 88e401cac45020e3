// The bill and quota tables: the cells the sample fills under each of their named columns.
#include "cli/named_columns.h"

namespace reportdata::testing {
namespace {

TEST(BillQuotaTablesColumnsTest, EachTitleStandsOverItsCells) {
  // clang-format off
  ExpectNamedColumns("qd", {
      {"土石方工程", "chapter", "章节", "土石方工程"},
      {"土石方工程", "code", "编码", "010101002"},
      {"土石方工程", "name", "名称", "挖一般土方"},
      {"土石方工程", "features", "项目特征", "1.土壤类别:三类土\n2.挖土深度:8m以内\n3.弃土运距:5km"},
      {"土石方工程", "floor", "楼层", "0层"},
      {"土石方工程", "component", "构件", "大开挖土方"},
      {"土石方工程", "position", "位置", "1-6/A-F"},
      {"土石方工程", "unit", "单位", "m3"},
      {"土石方工程", "quantity", "工程量", "6517.8"},
      {"土石方工程", "description", "说明", "21.300*18.000*8.500"},
      {"砌筑工程", "formula", "计算式", "1.01*4层"},
      {"土石方工程", "handles", "图元", "$3A1$3A2"},
  });
  ExpectNamedColumns("qdxhl", {
      {"土石方工程", "chapter", "章节", "土石方工程"},
      {"土石方工程", "code", "编码", "A1-8"},
      {"土石方工程", "name", "名称", "挖掘机挖土 自卸汽车运土 运距1km以内"},
      {"土石方工程", "features", "项目特征", "1.土壤类别:三类土\n2.挖土深度:8m以内\n3.弃土运距:5km"},
      {"土石方工程", "floor", "楼层", "0层"},
      {"土石方工程", "component", "构件", "大开挖土方"},
      {"土石方工程", "position", "位置", "1-6/A-F"},
      {"土石方工程", "unit", "单位", "1000m3"},
      {"土石方工程", "quantity", "工程量", "6.5178"},
      {"土石方工程", "description", "说明", "21.300*18.000*8.500"},
      {"砌筑工程", "formula", "计算式", "0.10*4层"},
      {"土石方工程", "handles", "图元", "$3A1$3A2"},
  });
  // The consumption summary of the bill build and the quota summary of the
  // quota build put the same cells under each column of the sample.
  const std::initializer_list<ColumnExpectation> quota_summary = {
      {"土石方工程", "chapter", "章节", "土石方工程"},
      {"土石方工程", "code", "编码", "A1-1"},
      {"土石方工程", "name", "名称", "人工平整场地"},
      {"混凝土及钢筋混凝土工程", "features", "项目特征", "混凝土强度等级:C15"},
      {"土石方工程", "floor", "楼层", "0层"},
      {"土石方工程", "component", "构件", "平整场地"},
      {"土石方工程", "position", "位置", "1-6/A-F"},
      {"土石方工程", "unit", "单位", "100m2"},
      {"土石方工程", "quantity", "工程量", "8.284"},
      {"土石方工程", "description", "说明", "828.400"},
      {"砌筑工程", "formula", "计算式", "0.56*4层"},
      {"土石方工程", "handles", "图元", "$3A1$3A2"},
  };
  ExpectNamedColumns("de", quota_summary);
  ExpectNamedColumns("de1", quota_summary);
  ExpectNamedColumns("de2", {
      {"0层", "floor", "楼层", "0层"},
      {"0层", "chapter", "章节", "土石方工程"},
      {"0层", "code", "编码", "A1-1"},
      {"0层", "name", "名称", "人工平整场地"},
      {"0层", "features", "项目特征", "混凝土强度等级:C15"},
      {"0层", "component", "构件", "平整场地"},
      {"0层", "position", "位置", "1-6/A-F"},
      {"0层", "unit", "单位", "100m2"},
      {"0层", "quantity", "工程量", "8.284"},
      {"0层", "description", "说明", "828.400"},
      {"-2层", "formula", "计算式", "0.10*2件"},
      {"0层", "handles", "图元", "$3A1$3A2"},
  });
  ExpectNamedColumns("de3", {
      {"0层", "floor", "楼层", "0层"},
      {"0层", "component", "构件", "MJ1"},
      {"0层", "calculation", "计算项目", "实体"},
      {"0层", "code", "编码", "A5-4"},
      {"0层", "name", "名称", "现浇混凝土 满堂基础 有梁式"},
      {"0层", "features", "项目特征", "混凝土强度等级:C35"},
      {"0层", "position", "位置", "1-4/A-F"},
      {"0层", "unit", "单位", "10m3"},
      {"0层", "quantity", "工程量", "47.52"},
      {"0层", "description", "说明", "10.800*15.000*0.800"},
      {"2,5层", "formula", "计算式", "0.259*4层"},
      {"0层", "handles", "图元", "$3A3"},
  });
  // clang-format on
}

}  // namespace
}  // namespace reportdata::testing
