#include "cli/sample_catalog.h"

namespace reportdata::cli {
namespace {

constexpr char kConcreteFeature[] = "1.混凝土种类:商品混凝土\n2.混凝土强度等级:{grade}";

// Quota items, by the chapter of DE-TJ-2024 they belong to.
constexpr SampleQuota kExcavate[] = {
    {"A1-8", "挖掘机挖土 自卸汽车运土 运距1km以内", "1000m3", 1000, false},
    {"A1-11", "余土外运 运距每增加1km", "1000m3", 1000, false},
};
constexpr SampleQuota kBackfill[] = {{"A1-10", "回填土 机械夯实", "100m3", 100, false}};
constexpr SampleQuota kBlock[] = {{"A4-6", "加气混凝土砌块墙", "10m3", 10, false}};
constexpr SampleQuota kCushion[] = {{"A5-1", "现浇混凝土 垫层", "10m3", 10, true}};
constexpr SampleQuota kRaft[] = {{"A5-4", "现浇混凝土 满堂基础 有梁式", "10m3", 10, true}};
constexpr SampleQuota kColumn[] = {{"A5-5", "现浇混凝土 矩形柱", "10m3", 10, true}};
constexpr SampleQuota kTieColumn[] = {{"A5-6", "现浇混凝土 构造柱", "10m3", 10, true}};
constexpr SampleQuota kBeam[] = {{"A5-9", "现浇混凝土 矩形梁", "10m3", 10, true}};
constexpr SampleQuota kWall[] = {{"A5-12", "现浇混凝土 直形墙", "10m3", 10, true}};
constexpr SampleQuota kSlab[] = {{"A5-13", "现浇混凝土 有梁板", "10m3", 10, true}};
constexpr SampleQuota kStair[] = {{"A5-17", "现浇混凝土 直形楼梯", "10m2", 10, true}};
constexpr SampleQuota kStrip[] = {{"A5-21", "现浇混凝土 后浇带 板", "10m3", 10, true}};
constexpr SampleQuota kWoodDoor[] = {{"A8-2", "成品套装木门安装", "10樘", 10, false}};
constexpr SampleQuota kFireDoor[] = {
    {"A8-3", "钢质防火门安装", "100m2", 100, false, Measure::kArea}};
constexpr SampleQuota kWindow[] = {
    {"A8-7", "铝合金窗安装 平开", "100m2", 100, false, Measure::kArea}};
constexpr SampleQuota kDryFloor[] = {
    {"A11-4", "平面砂浆找平层 厚度20mm", "100m2", 100, false},
    {"A11-6", "陶瓷地砖楼地面", "100m2", 100, false},
};
constexpr SampleQuota kScreed[] = {{"A11-4", "平面砂浆找平层 厚度20mm", "100m2", 100, false}};
constexpr SampleQuota kWetFloor[] = {
    {"A9-8", "楼地面聚合物水泥防水涂料", "100m2", 100, false},
    {"A11-6", "陶瓷地砖楼地面", "100m2", 100, false},
};
constexpr SampleQuota kPlaster[] = {{"A12-1", "内墙面一般抹灰 混合砂浆", "100m2", 100, false}};
constexpr SampleQuota kTile[] = {{"A12-7", "瓷砖墙面", "100m2", 100, false}};
constexpr SampleQuota kRevealPlaster[] = {{"A12-5", "零星项目一般抹灰", "100m2", 100, false}};
constexpr SampleQuota kCeiling[] = {{"A13-1", "天棚抹灰 混合砂浆", "100m2", 100, false}};
constexpr SampleQuota kStonePaint[] = {{"A14-6", "外墙涂料", "100m2", 100, false}};
constexpr SampleQuota kScaffold[] = {{"A16-1", "综合脚手架 檐高20m以内", "100m2", 100, false}};
constexpr SampleQuota kRaftForm[] = {{"A16-5", "基础模板 复合木模板", "100m2", 100, false}};
constexpr SampleQuota kColumnForm[] = {{"A16-6", "矩形柱模板", "100m2", 100, false}};
constexpr SampleQuota kTieColumnForm[] = {{"A16-7", "构造柱模板", "100m2", 100, false}};
constexpr SampleQuota kBeamForm[] = {{"A16-8", "矩形梁模板", "100m2", 100, false}};
constexpr SampleQuota kWallForm[] = {{"A16-10", "直形墙模板", "100m2", 100, false}};
constexpr SampleQuota kSlabForm[] = {{"A16-11", "有梁板模板", "100m2", 100, false}};
constexpr SampleQuota kStairForm[] = {{"A16-12", "楼梯模板", "10m2", 10, false}};

constexpr SampleQuota kTransport[] = {{"A16-13", "垂直运输 檐高20m以内", "100m2", 100, false}};

constexpr SampleItem kExcavationItems[] = {
    {"22", "挖土方", "010101002", "挖一般土方", "m3",
     "1.土壤类别:三类土\n2.挖土深度:8m以内\n3.弃土运距:5km", Measure::kVolume, kExcavate},
    {"112", "回填土", "010103001", "回填方", "m3",
     "1.密实度要求:压实系数不小于0.94\n2.填方材料品种:素土\n3.填方来源、运距:场内倒运",
     Measure::kBackfill, kBackfill},
};
constexpr SampleItem kRaftItems[] = {
    {"1", "实体", "010501004", "满堂基础", "m3",
     "1.混凝土种类:商品混凝土\n2.混凝土强度等级:{grade}\n3.抗渗等级:P6", Measure::kVolume, kRaft},
    {"20", "垫层", "010501001", "垫层", "m3", "1.混凝土种类:商品混凝土\n2.混凝土强度等级:C15",
     Measure::kCushion, kCushion},
    {"2", "实体模板", "011702001", "基础", "m2", "1.基础类型:满堂基础", Measure::kFormwork,
     kRaftForm},
};
constexpr SampleItem kWallItems[] = {
    {"1", "实体", "010504001", "直形墙", "m3", kConcreteFeature, Measure::kVolume, kWall},
    {"2", "实体模板", "011702011", "直形墙", "m2", "1.墙厚:{thick}mm", Measure::kFormwork,
     kWallForm},
};
constexpr SampleItem kBlockItems[] = {
    {"1", "实体", "010402001", "砌块墙", "m3",
     "1.砌块品种、规格、强度等级:蒸压加气混凝土砌块 A5.0\n2.墙体类型:填充墙 {thick}厚\n"
     "3.砂浆强度等级:M5.0混合砂浆",
     Measure::kVolume, kBlock},
};
constexpr SampleItem kColumnItems[] = {
    {"1", "实体", "010502001", "矩形柱", "m3", kConcreteFeature, Measure::kVolume, kColumn},
    {"2", "实体模板", "011702002", "矩形柱", "m2", "1.截面尺寸:{size}", Measure::kFormwork,
     kColumnForm},
};
constexpr SampleItem kTieColumnItems[] = {
    {"1", "实体", "010502002", "构造柱", "m3", kConcreteFeature, Measure::kVolume, kTieColumn},
    {"2", "实体模板", "011702003", "构造柱", "m2", "1.截面尺寸:{size}", Measure::kFormwork,
     kTieColumnForm},
};
constexpr SampleItem kBeamItems[] = {
    {"1", "实体", "010503002", "矩形梁", "m3", kConcreteFeature, Measure::kVolume, kBeam},
    {"2", "实体模板", "011702006", "矩形梁", "m2", "1.支撑高度:3.6m以内", Measure::kFormwork,
     kBeamForm},
};
constexpr SampleItem kSlabItems[] = {
    {"1", "实体", "010505001", "有梁板", "m3", kConcreteFeature, Measure::kVolume, kSlab},
    {"2", "实体模板", "011702014", "有梁板", "m2", "1.支撑高度:3.6m以内", Measure::kFormwork,
     kSlabForm},
};
constexpr SampleItem kStairItems[] = {
    {"1", "实体", "010506001", "直形楼梯", "m2", kConcreteFeature, Measure::kArea, kStair},
    {"2", "实体模板", "011702024", "楼梯", "m2", "1.类型:直形楼梯", Measure::kArea, kStairForm},
};
constexpr SampleItem kStripItems[] = {
    {"95", "板后浇带实体", "010508001", "后浇带", "m3",
     "1.混凝土种类:补偿收缩混凝土\n2.混凝土强度等级:{grade}\n3.部位:楼板", Measure::kVolume,
     kStrip},
    {"96", "板后浇带模板", "011702014", "有梁板", "m2", "1.部位:板后浇带", Measure::kFormwork,
     kSlabForm},
};
constexpr SampleItem kWoodDoorItems[] = {
    {"1", "实体", "010801001", "木质门", "樘",
     "1.门代号及洞口尺寸:{name} {size}\n2.门框、扇材质:实木复合", Measure::kCount, kWoodDoor},
};
constexpr SampleItem kFireDoorItems[] = {
    {"1", "实体", "010802003", "钢质防火门", "樘",
     "1.门代号及洞口尺寸:{name} {size}\n2.防火等级:乙级", Measure::kCount, kFireDoor},
};
constexpr SampleItem kWindowItems[] = {
    {"1", "实体", "010807001", "金属(塑钢、断桥)窗", "樘",
     "1.窗代号及洞口尺寸:{name} {size}\n2.框、扇材质:断桥铝合金\n3.玻璃品种、厚度:中空玻璃6+12A+6",
     Measure::kCount, kWindow},
};
constexpr SampleItem kFacadeTileItems[] = {
    {"28", "面层", "011204003", "块料墙面", "m2",
     "1.墙体类型:外墙\n2.面层材料品种、规格:45×95外墙面砖\n3.粘结材料:聚合物水泥砂浆",
     Measure::kArea, kTile},
};
constexpr SampleItem kStonePaintItems[] = {
    {"28", "面层", "011407001", "墙面喷刷涂料", "m2", "1.基层类型:抹灰面\n2.涂料品种:真石漆",
     Measure::kArea, kStonePaint},
};
constexpr SampleItem kRevealItems[] = {
    {"28", "面层", "011203001", "零星项目一般抹灰", "m2",
     "1.基层类型、部位:窗洞口侧壁\n2.砂浆配合比:1:2.5水泥砂浆", Measure::kArea, kRevealPlaster},
};
constexpr SampleItem kDryFloorItems[] = {
    {"28", "面层", "011102003", "块料楼地面", "m2",
     "1.找平层厚度、砂浆配合比:20厚1:3水泥砂浆\n2.面层材料品种、规格:800×800抛光砖", Measure::kArea,
     kDryFloor},
};
// Wet rooms list their screed as a base layer of its own under the tiles.
constexpr SampleItem kWetFloorItems[] = {
    {"27", "找平层", "011101006", "平面砂浆找平层", "m2",
     "1.找平层厚度、砂浆配合比:20厚1:3水泥砂浆", Measure::kArea, kScreed},
    {"28", "面层", "011102003", "块料楼地面", "m2",
     "1.找平层厚度、砂浆配合比:20厚1:3水泥砂浆\n2.面层材料品种、规格:300×300防滑地砖",
     Measure::kArea, kWetFloor},
};
constexpr SampleItem kCeilingItems[] = {
    {"28", "面层", "011301001", "天棚抹灰", "m2",
     "1.基层类型:现浇混凝土板\n2.抹灰厚度、材料种类:10厚混合砂浆", Measure::kArea, kCeiling},
};
constexpr SampleItem kPlasterItems[] = {
    {"28", "面层", "011201001", "墙面一般抹灰", "m2",
     "1.墙体类型:内墙\n2.底层厚度、砂浆配合比:15厚1:1:6混合砂浆\n3.面层厚度、砂浆配合比:5厚1:0.3:2."
     "5混合砂浆",
     Measure::kArea, kPlaster},
};
constexpr SampleItem kGlazedTileItems[] = {
    {"28", "面层", "011204003", "块料墙面", "m2",
     "1.墙体类型:内墙\n2.面层材料品种、规格:300×600釉面砖", Measure::kArea, kTile},
};
constexpr SampleItem kOtherItems[] = {
    {"1", "实体", "011701001", "综合脚手架", "m2", "1.建筑结构形式:框架-剪力墙\n2.檐口高度:{size}",
     Measure::kArea, kScaffold},
    {"1", "实体", "011703001", "垂直运输", "m2",
     "1.建筑物建筑类型及结构形式:住宅 框架-剪力墙\n2.建筑物檐口高度、层数:{size}、{thick}层",
     Measure::kArea, kTransport},
};

constexpr SampleVariant kOuterWalls[] = {{"WQ1", 300, 0}, {"WQ2", 250, 0}};
constexpr SampleVariant kInnerWalls[] = {{"NQ1", 200, 0}};
constexpr SampleVariant kBlockWalls[] = {{"TQ1", 200, 0}};
constexpr SampleVariant kThinBlockWalls[] = {{"TQ2", 100, 0}};
constexpr SampleVariant kColumns[] = {{"KZ1", 500, 500}, {"KZ2", 600, 600}, {"KZ3", 400, 600}};
constexpr SampleVariant kTieColumns[] = {{"GZ1", 200, 200}};
constexpr SampleVariant kFrameBeams[] = {{"KL1", 300, 600}, {"KL2", 250, 500}};
constexpr SampleVariant kSecondaryBeams[] = {{"CL1", 200, 400}};
constexpr SampleVariant kSlabs[] = {{"B1", 120, 0}, {"B2", 100, 0}};
constexpr SampleVariant kStairs[] = {{"LT1", 2700, 5400}};
constexpr SampleVariant kStrips[] = {{"HJD1", 800, 120}};
constexpr SampleVariant kWoodDoors[] = {{"M1021", 1000, 2100}, {"M0921", 900, 2100}};
constexpr SampleVariant kFireDoors[] = {{"FM1221", 1200, 2100}};
constexpr SampleVariant kWindows[] = {{"C1518", 1500, 1800}, {"C1215", 1200, 1500}};
constexpr SampleVariant kFacadeTiles[] = {{"外墙面砖", 0, 0}};
constexpr SampleVariant kStonePaints[] = {{"真石漆", 0, 0}};
constexpr SampleVariant kReveals[] = {{"窗洞口侧壁", 0, 0}};
constexpr SampleVariant kExcavations[] = {{"大开挖土方", 0, 0}};
constexpr SampleVariant kRafts[] = {{"MJ1", 800, 0}};

constexpr SampleComponent kComponents[] = {
    {"J\\TF", "大开挖", Shape::kExcavation, Levels::kFoundation, 2, false, kExcavations,
     kExcavationItems, 0},
    {"J\\MTJ", "有梁式", Shape::kRaft, Levels::kFoundation, 3, true, kRafts, kRaftItems, 0},
    {"Q\\TWQ", "直形墙", Shape::kWall, Levels::kBuilding, 1, true, kOuterWalls, kWallItems, 0},
    {"Q\\TNQ", "直形墙", Shape::kWall, Levels::kBuilding, 1, true, kInnerWalls, kWallItems, 0},
    {"Q\\TCQ", "砌块墙", Shape::kWall, Levels::kAboveGround, 2, false, kBlockWalls, kBlockItems, 0},
    {"Q\\TCQ", "砌块墙", Shape::kWall, Levels::kUpper, 1, false, kThinBlockWalls, kBlockItems, 0},
    {"Z\\KZ", "矩形柱", Shape::kColumn, Levels::kBuilding, 2, true, kColumns, kColumnItems, 0},
    {"Z\\GZ", "构造柱", Shape::kColumn, Levels::kAboveGround, 1, true, kTieColumns, kTieColumnItems,
     0},
    {"L\\KL", "矩形梁", Shape::kBeam, Levels::kBuilding, 1, true, kFrameBeams, kBeamItems, 0},
    {"L\\CL", "矩形梁", Shape::kBeam, Levels::kAboveGround, 1, true, kSecondaryBeams, kBeamItems,
     0},
    {"B\\XB", "有梁板", Shape::kSlab, Levels::kBuilding, 1, true, kSlabs, kSlabItems, 0},
    {"B\\LTB", "直形楼梯", Shape::kStair, Levels::kBuilding, 1, true, kStairs, kStairItems, 0},
    {"LX\\HJD", "板后浇带", Shape::kStrip, Levels::kBasement, 1, true, kStrips, kStripItems, 0},
    {"MCD\\M", "普通门", Shape::kDoor, Levels::kAboveGround, 2, false, kWoodDoors, kWoodDoorItems,
     52},
    {"MCD\\M", "防火门", Shape::kDoor, Levels::kBasement, 1, false, kFireDoors, kFireDoorItems, 52},
    {"MCD\\C", "普通窗", Shape::kWindow, Levels::kAboveGround, 2, false, kWindows, kWindowItems,
     51},
    {"ZS\\LMZS", "墙面", Shape::kFacade, Levels::kUpper, 2, false, kFacadeTiles, kFacadeTileItems,
     0},
    {"ZS\\LMZS", "墙面", Shape::kFacade, Levels::kGround, 4, false, kStonePaints, kStonePaintItems,
     0},
    {"ZS\\LMDK", "洞口", Shape::kFacadeOpening, Levels::kUpper, 2, false, kReveals, kRevealItems,
     0},
};

constexpr SampleRoom kRooms[] = {
    {"客厅", 4800, 5400, false},
    {"卧室", 3600, 3900, false},
    {"卫生间", 1800, 2400, true},
    {"厨房", 2400, 2700, true},
};

constexpr SampleLooseQuota kLooseQuotas[] = {
    {"J\\TF", "平整场地", "67", "A1-1", "人工平整场地", "100m2", 100, LooseMeasure::kSiteArea},
    {"LX\\JZMJ", "建筑面积", "1", "JSCS-01", "主体建筑面积", "m2", 1, LooseMeasure::kFloorArea},
    {"Q\\TWQ", "WQ1", "45", "JSCS-09", "外墙外包长度", "m", 1, LooseMeasure::kOuterLength},
    {"Q\\TWQ", "WQ1", "45", "JSCS-10", "外墙中线长度", "m", 1, LooseMeasure::kMidLength},
};

constexpr SampleIndexEntry kIndex[] = {
    {"J\\TF", "TF", "基础\\土方"},
    {"J\\MTJ", "MTJ", "基础\\满堂基"},
    {"Q\\TWQ", "TWQ", "墙\\砼外墙"},
    {"Q\\TNQ", "TNQ", "墙\\砼内墙"},
    {"Q\\TCQ", "TCQ", "墙\\填充墙"},
    {"Z\\KZ", "KZ", "柱\\砼柱"},
    {"Z\\GZ", "GZ", "柱\\构造柱"},
    {"L\\KL", "KL", "梁\\框架梁"},
    {"L\\CL", "CL", "梁\\次梁"},
    {"B\\XB", "XB", "板.楼梯\\现浇板"},
    {"B\\LTB", "LTB", "板.楼梯\\楼梯"},
    {"LX\\HJD", "HJD", "零星构件\\主体后浇带"},
    {"MCD\\M", "M", "门.窗.洞\\门"},
    {"MCD\\C", "C", "门.窗.洞\\窗"},
    {"ZS\\DMS", "DMS", "装饰\\楼地面"},
    {"ZS\\TPS", "TPS", "装饰\\天棚"},
    {"ZS\\NQS", "NQS", "装饰\\内墙面"},
    {"ZS\\LMZS", "LMZS", "装饰\\立面装饰"},
    {"ZS\\LMDK", "LMDK", "装饰\\立面洞口"},
    {"LX\\JZMJ", "JZMJ", "零星构件\\建筑面积"},
};

}  // namespace

std::span<const SampleComponent> SampleComponents() { return kComponents; }
std::span<const SampleItem> SampleOtherItems() { return kOtherItems; }
std::span<const SampleRoom> SampleRooms() { return kRooms; }
std::span<const SampleItem> FloorFinishItems(bool wet) {
  return wet ? std::span<const SampleItem>(kWetFloorItems) : kDryFloorItems;
}
std::span<const SampleItem> CeilingItems() { return kCeilingItems; }
std::span<const SampleItem> WallFinishItems(bool wet) {
  return wet ? std::span<const SampleItem>(kGlazedTileItems) : kPlasterItems;
}
std::span<const SampleLooseQuota> SampleLooseQuotas() { return kLooseQuotas; }
std::span<const SampleIndexEntry> SampleComponentIndex() { return kIndex; }

}  // namespace reportdata::cli
