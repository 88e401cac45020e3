// The component kind and calculation-item catalogues and their indexes.
#include "model/catalogues.h"

#include <climits>
#include <cwctype>
#include <unordered_map>

namespace reportdata {

namespace {

// Table order matters only for the first-match rule of the lookup.
constexpr ComponentKind kComponentKinds[] = {
    {251, L"Q\\0Q", L"墙\\0墙", L"NY_0墙"},
    {22, L"Q\\TWQ", L"墙\\砼外墙", L"NY_砼外墙"},
    {23, L"Q\\TNQ", L"墙\\砼内墙", L"NY_砼内墙"},
    {24, L"Q\\ZWQ", L"墙\\砖外墙", L"NY_砖外墙"},
    {25, L"Q\\ZNQ", L"墙\\砖内墙", L"NY_砖内墙"},
    {26, L"Q\\TCQ", L"墙\\填充墙", L"NY_填充墙"},
    {27, L"Q\\JBQ", L"墙\\间壁墙", L"NY_间壁墙"},
    {21, L"Q\\DTQ", L"墙\\电梯井墙", L"NY_电梯井墙"},
    {28, L"Q\\BLMQ", L"墙\\玻璃幕墙", L"NY_玻璃幕墙"},
    {61, L"L\\KL", L"梁\\框架梁", L"NY_框架梁"},
    {62, L"L\\CL", L"梁\\次梁", L"NY_次梁"},
    {63, L"L\\DL", L"梁\\独立梁", L"NY_独立梁"},
    {64, L"L\\QL", L"梁\\圈梁", L"NY_圈梁"},
    {65, L"L\\GL", L"梁\\过梁", L"NY_过梁"},
    {66, L"L\\CTL", L"梁\\窗台", L"NY_窗台"},
    {67, L"L\\LL", L"梁\\连梁", L"NY_连梁"},
    {41, L"B\\XB", L"板.楼梯\\现浇板", L"NY_现浇板"},
    {42, L"B\\YB", L"板.楼梯\\预制板", L"NY_预制板"},
    {44, L"B\\GB", L"板.楼梯\\拱形板", L"NY_拱形板"},
    {43, L"B\\LTB", L"板.楼梯\\楼梯", L"NY_楼梯"},
    {45, L"B\\LXB", L"板.楼梯\\螺旋板", L"NY_螺旋板"},
    {46, L"B\\BD", L"板.楼梯\\板洞", L"NY_板洞"},
    {47, L"B\\TD", L"板.楼梯\\梯段", L"NY_梯段"},
    {11, L"Z\\KZ", L"柱\\砼柱", L"NY_砼柱"},
    {14, L"Z\\ZZ", L"柱\\砖柱", L"NY_砖柱"},
    {13, L"Z\\GZ", L"柱\\构造柱", L"NY_构造柱"},
    {12, L"Z\\AZ", L"柱\\自适应暗柱", L"NY_自适应暗柱"},
    {18, L"Z\\PTAZ", L"柱\\暗柱", L"NY_暗柱"},
    {15, L"Z\\ZM", L"柱\\柱帽", L"NY_柱帽"},
    {16, L"Z\\MD", L"柱\\门垛", L"NY_门垛"},
    {17, L"Z\\ZD", L"柱\\柱墩", L"NY_柱墩"},
    {52, L"MCD\\M", L"门.窗.洞\\门", L"NY_门"},
    {51, L"MCD\\C", L"门.窗.洞\\窗", L"NY_窗"},
    {59, L"MCD\\DXC", L"门.窗.洞\\带形窗", L"NY_带形窗"},
    {55, L"MCD\\QD", L"门.窗.洞\\墙洞", L"NY_墙洞"},
    {58, L"MCD\\BK", L"门.窗.洞\\壁龛", L"NY_壁龛"},
    {53, L"MCD\\PC", L"门.窗.洞\\飘窗", L"NY_飘窗"},
    {54, L"MCD\\ZPC", L"门.窗.洞\\转角飘窗", L"NY_转角飘窗"},
    {56, L"MCD\\LHC", L"门.窗.洞\\老虎窗", L"NY_老虎窗"},
    {71, L"ZS\\FJS", L"装饰\\房间", L"NY_房间"},
    {72, L"ZS\\DMS", L"装饰\\楼地面", L"NY_楼地面"},
    {73, L"ZS\\TPS", L"装饰\\天棚", L"NY_天棚"},
    {77, L"ZS\\NQS", L"装饰\\内墙面", L"NY_内墙面"},
    {75, L"ZS\\QQS", L"装饰\\墙裙", L"NY_内墙面,NY_外墙面"},
    {74, L"ZS\\TJS", L"装饰\\踢脚线", L"NY_内墙面,NY_外墙面"},
    {76, L"ZS\\WQS", L"装饰\\外墙面", L"NY_外墙面"},
    {81, L"ZS\\WMS", L"装饰\\屋面", L"NY_屋面"},
    {80, L"ZS\\ZMS", L"装饰\\柱面", L"NY_柱面"},
    {79, L"ZS\\ZQQS", L"装饰\\柱裙", L"NY_柱面"},
    {78, L"ZS\\ZTJS", L"装饰\\柱踢脚", L"NY_柱面"},
    {82, L"ZS\\BWC", L"装饰\\保温层", L"NY_保温层"},
    {83, L"ZS\\DD", L"装饰\\吊顶", L"NY_吊顶"},
    {84, L"ZS\\LMZS", L"装饰\\立面装饰", L"NY_立面墙装饰_3D,NY_立面柱装饰_3D,NY_立面梁装饰_3D"},
    {85, L"ZS\\LMDK", L"装饰\\立面洞口", L"NY_立面洞口_3D"},
    {101, L"LX\\YTLX", L"零星构件\\阳台", L"NY_阳台"},
    {102, L"LX\\YPLX", L"零星构件\\雨蓬", L"NY_雨蓬"},
    {103, L"LX\\PSG", L"零星构件\\排水沟", L"NY_排水沟"},
    {104, L"LX\\SSLX", L"零星构件\\散水", L"NY_散水"},
    {107, L"LX\\PD", L"零星构件\\坡道", L"NY_坡道"},
    {106, L"LX\\TJ", L"零星构件\\台阶", L"NY_台阶"},
    {105, L"LX\\ZDYX", L"零星构件\\自定义线性构件", L"NY_自定义线性构件"},
    {1017, L"LX\\WQJD", L"零星构件\\外墙节点", L"NY_外墙节点"},
    {108, L"LX\\SGD", L"零星构件\\施工段", L"NY_施工段"},
    {109, L"LX\\HJD", L"零星构件\\主体后浇带", L"NY_主体后浇带"},
    {1010, L"LX\\JCHJD", L"零星构件\\基础后浇带", L"NY_基础后浇带"},
    {1011, L"LX\\JZMJ", L"零星构件\\建筑面积", L"NY_建筑面积"},
    {1012, L"LX\\DXSFW", L"零星构件\\地下室范围", L"NY_地下室范围"},
    {1016, L"LX\\LGFW", L"零星构件\\栏杆扶手", L"NY_栏杆扶手"},
    {1013, L"", L"", L""},
    {1014, L"", L"", L""},
    {1015, L"", L"", L""},
    {1501, L"", L"", L"NY_天井"},
    {1018, L"LX\\DQ", L"零星构件\\导墙", L"NY_导墙"},
    {91, L"TY\\DTY", L"多义构件\\点实体", L"NY_点实体"},
    {92, L"TY\\XTY", L"多义构件\\线实体", L"NY_线实体"},
    {93, L"TY\\MTY", L"多义构件\\面实体", L"NY_面实体"},
    {94, L"TY\\TTY", L"多义构件\\实体", L"NY_实体"},
    {35, L"J\\TTJ", L"基础\\砼条基", L"NY_砼条基"},
    {34, L"J\\ZSJ", L"基础\\砖石条基", L"NY_砖石条基"},
    {32, L"J\\DLJ", L"基础\\独立基", L"NY_独立基"},
    {33, L"J\\ZDLJ", L"基础\\柱状独立基", L"NY_柱状独立基"},
    {31, L"J\\MTJ", L"基础\\满堂基", L"NY_满堂基"},
    {37, L"J\\JSJ", L"基础\\集水井", L"NY_集水井"},
    {30, L"J\\STJSJ", L"基础\\实体集水井", L"NY_实体集水井"},
    {301, L"J\\JK", L"基础\\井坑", L"NY_井坑"},
    {36, L"J\\TCLJ", L"基础\\基础梁", L"NY_基础梁"},
    {38, L"J\\QTZJ", L"基础\\其他桩", L"NY_其他桩"},
    {39, L"J\\RGZJ", L"基础\\人工挖孔桩", L"NY_人工挖孔桩"},
    {310, L"", L"", L""},
    {311, L"", L"", L""},
    {312, L"", L"", L""},
    {314, L"", L"", L""},
    {313, L"J\\TF", L"基础\\土方", L"NY_土方"},
    {315, L"", L"", L""},
    {1101, L"JH\\JHJC", L"几何构件\\几何基础", L"NY_几何基础"},
    {1102, L"JH\\JHZ", L"几何构件\\几何柱", L"NY_几何柱"},
    {1103, L"JH\\JHQ", L"几何构件\\几何墙", L"NY_几何墙"},
    {1104, L"JH\\JHL", L"几何构件\\几何梁", L"NY_几何梁"},
    {1105, L"JH\\JHB", L"几何构件\\几何板", L"NY_几何板"},
    {1106, L"JH\\JHLT", L"几何构件\\几何楼梯", L"NY_几何楼梯"},
    {1107, L"JH\\GZ", L"几何构件\\钢柱", L"NY_钢柱"},
    {1108, L"JH\\GL", L"几何构件\\钢梁", L"NY_钢梁"},
    {1109, L"JH\\GB", L"几何构件\\钢板", L"NY_钢板"},
    {1110, L"JH\\JDGB", L"几何构件\\节点钢板", L"NY_节点钢板"},
    {1111, L"JH\\LS", L"几何构件\\螺栓", L"NY_螺栓"},
    {1112, L"JH\\GJGJ", L"几何构件\\钢筋构件", L"NY_钢筋构件"},
    {1113, L"JH\\QTGJ", L"几何构件\\其它构件", L"NY_其它构件"},
    {7777, L"QTXM", L"其他项目", L""},
};

constexpr CalcItem kCalcItems[] = {
    {L"实体", 1},
    {L"实体模板", 2},
    {L"实体超高模板", 3},
    {L"实体脚手架", 4},
    {L"附墙", 5},
    {L"压顶", 6},
    {L"实体粉刷", 7},
    {L"展开面层装饰", 8},
    {L"踢脚", 9},
    {L"楼梯底面粉刷", 10},
    {L"楼梯井侧面粉刷", 11},
    {L"栏杆", 12},
    {L"靠墙扶手", 13},
    {L"门窗框", 14},
    {L"门窗内侧粉刷", 15},
    {L"门窗外侧粉刷", 16},
    {L"筒子板", 17},
    {L"窗台", 18},
    {L"窗帘盒", 19},
    {L"垫层", 20},
    {L"垫层模板", 21},
    {L"挖土方", 22},
    {L"土方支护", 23},
    {L"满堂脚手架", 24},
    {L"平面防潮层", 25},
    {L"立面防潮层", 26},
    {L"基层", 27},
    {L"面层", 28},
    {L"楼地面防潮层", 29},
    {L"装饰脚手架", 30},
    {L"屋面防水层", 31},
    {L"屋面保温.隔热层", 32},
    {L"出挑板", 33},
    {L"栏板.栏杆", 34},
    {L"桩心砼", 35},
    {L"桩成孔", 36},
    {L"护壁砼", 37},
    {L"凿护壁", 38},
    {L"挖中风化岩", 39},
    {L"挖微风化岩", 40},
    {L"挖淤泥", 41},
    {L"送.截桩", 42},
    {L"泥浆外运", 43},
    {L"点", 44},
    {L"线", 45},
    {L"面", 46},
    {L"构件个数", 47},
    {L"构件体积", 48},
    {L"构件表面积", 49},
    {L"上挑板实体", 50},
    {L"下挑板实体", 51},
    {L"上挑板上表面粉刷", 52},
    {L"上挑板下表面粉刷", 53},
    {L"下挑板上表面粉刷", 54},
    {L"下挑板下表面粉刷", 55},
    {L"上.下挑板侧面粉刷", 56},
    {L"墙洞壁粉刷", 57},
    {L"盖板", 58},
    {L"粉刷", 59},
    {L"做法1", 60},
    {L"做法2", 61},
    {L"做法3", 62},
    {L"做法4", 63},
    {L"做法5", 64},
    {L"做法6", 65},
    {L"做法7", 66},
    {L"投影面积", 67},
    {L"墙洞面积", 68},
    {L"窗内部墙面粉刷", 69},
    {L"", 70},
    {L"侧板实体", 71},
    {L"侧板外表面粉刷", 72},
    {L"侧板内表面粉刷", 73},
    {L"砖模", 74},
    {L"原土打夯", 75},
    {L"顶板实体", 76},
    {L"正立面实体", 77},
    {L"侧立面实体", 78},
    {L"顶板上表面粉刷", 79},
    {L"顶板下表面粉刷", 80},
    {L"正立面外表面粉刷", 81},
    {L"正立面内表面粉刷", 82},
    {L"侧立面外表面粉刷", 83},
    {L"侧立面内表面粉刷", 84},
    {L"挡墙", 85},
    {L"侧面装饰", 86},
    {L"防滑条", 87},
    {L"钢丝网片", 88},
    {L"底部垫层", 89},
    {L"侧面垫层", 90},
    {L"底面", 91},
    {L"侧壁", 92},
    {L"内壁", 93},
    {L"板洞", 94},
    {L"板后浇带实体", 95},
    {L"板后浇带模板", 96},
    {L"梁后浇带实体", 97},
    {L"梁后浇带模板", 98},
    {L"墙后浇带实体", 99},
    {L"墙后浇带加强部分", 100},
    {L"墙后浇带模板", 101},
    {L"墙后浇带保护墙", 102},
    {L"墙后浇带伸缩缝", 103},
    {L"止水带", 104},
    {L"防水卷材", 105},
    {L"满基后浇带实体", 106},
    {L"满基后浇带加强部分", 107},
    {L"满基后浇带模板", 108},
    {L"满基后浇带伸缩缝", 109},
    {L"基础梁后浇带实体", 110},
    {L"基础梁后浇带模板", 111},
    {L"回填土", 112},
    {L"土方支护1", 113},
    {L"土方支护2", 114},
    {L"土方支护3", 115},
    {L"土方支护4", 116},
    {L"土方支护5", 117},
    {L"左侧板实体", 122},
    {L"右侧板实体", 123},
    {L"左侧板外表面粉刷", 124},
    {L"右侧板外表面粉刷", 125},
    {L"顶板侧面模板", 126},
    {L"顶板侧面粉刷", 127},
    {L"几何构件", 128},
    {L"梯段侧面粉刷", 129},
    {L"梯段底面粉刷", 130},
    {L"栏杆扶手", 131},
    {L"扶手", 132},
    {L"立柱", 133},
    {L"顶部防水层", 134},
    {L"侧面防水层", 135},
    {L"底部防水层", 136},
    {L"集水井后浇带实体", 137},
    {L"集水井后浇带模板", 138},
    {L"独立基后浇带实体", 139},
    {L"独立基后浇带模板", 140},
    {L"端部", 10001},
    {L"大包围实体", 10002},
    {L"大包围模板", 10003},
    {L"取板上部实体", 10004},
    {L"取板下部实体", 10005},
    {L"梁侧", 10006},
    {L"不外扩垫层", 10007},
    {L"外扩实体", 10008},
    {L"没端部的外扩实体", 10009},
    {L"外扩实体", 10011},
    {L"梁底面", 10012},
    {L"m长度实体", 10013},
    {L"杯口底", 10014},
    {L"起卷", 10015},
    {L"井坑底面", 10016},
    {L"外轮廓模板", 10017},
    {L"飘窗外轮廓实体", 10018},
    {L"满基实体垫层砖模", 10019},
    {L"构造柱有马牙槎实体", 10020},
    {L"侧面模板", 10021},
    {L"三维显示实体", 100001},
    {L"墙上门窗洞口外扩实体", 100002},
    {L"三维显示外扩实体", 100003},
    {L"墙上门窗洞口实体", 100004},
    {L"代底部的土方支护", 100005},
    {L"柱外扩实体无马牙槎", 100006},
    {L"扣减相关构件后的三维显示实体", 100007},
};

// Position of the first row of each id; try_emplace keeps the first.
template <typename Row>
std::unordered_map<int, const Row*> IndexById(std::span<const Row> rows) {
  std::unordered_map<int, const Row*> index;
  index.reserve(rows.size());
  for (const Row& row : rows) index.try_emplace(row.id, &row);
  return index;
}

// The C runtime's text-to-integer conversion: blanks, an optional sign and
// decimal digits; saturates instead of overflowing.
int LeadingInteger(std::wstring_view text) {
  size_t i = 0;
  while (i < text.size() && std::iswspace(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == L'+' || text[i] == L'-')) negative = text[i++] == L'-';
  long long value = 0;
  for (; i < text.size() && text[i] >= L'0' && text[i] <= L'9'; ++i) {
    value = value * 10 + (text[i] - L'0');
    if (value > static_cast<long long>(INT_MAX) + 1) value = static_cast<long long>(INT_MAX) + 1;
  }
  if (negative) value = -value;
  if (value > INT_MAX) return INT_MAX;
  return static_cast<int>(value);
}

}  // namespace

std::span<const ComponentKind> ComponentKinds() { return kComponentKinds; }

std::span<const CalcItem> CalcItems() { return kCalcItems; }

const ComponentKind* FindComponentKind(int type_number) {
  static const auto index = IndexById(ComponentKinds());
  const auto found = index.find(type_number);
  return found == index.end() ? nullptr : found->second;
}

std::wstring_view CalcItemName(int id) {
  static const auto index = IndexById(CalcItems());
  const auto found = index.find(id);
  return found == index.end() ? std::wstring_view() : found->second->name;
}

std::wstring_view CalcItemName(std::wstring_view id_text) {
  return CalcItemName(LeadingInteger(id_text));
}

}  // namespace reportdata
