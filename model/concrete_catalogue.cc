// The concrete component catalogue and the volume and area unit factors.
#include "model/concrete_catalogue.h"

#include <iterator>
#include <string>
#include <unordered_map>

namespace reportdata {
namespace {

constexpr ConcreteComponentEntry kComponents[] = {
    {L"J\\MTJ\\DC20", L"垫层", 0, L"满堂基础", 0},
    {L"J\\STJSJ\\DC20", L"垫层", 0, L"实体集水井", 1},
    {L"J\\JSJ20", L"垫层", 0, L"集水井", 2},
    {L"J\\DLJ\\DC20", L"垫层", 0, L"独立基", 3},
    {L"J\\ZDLJ\\DC20", L"垫层", 0, L"柱状独立基", 4},
    {L"J\\TCLJ\\DC20", L"垫层", 0, L"基础梁", 5},
    {L"J\\TTJ\\DC20", L"垫层", 0, L"砼条基", 6},
    {L"J\\ZSJ\\DC20", L"垫层", 0, L"砖石条基", 7},
    {L"J\\MTJ1", L"满堂基础", 1, L"满堂基础", 0},
    {L"J\\STJSJ1", L"满堂基础", 1, L"实体集水井", 1},
    {L"J\\JSJ1", L"满堂基础", 1, L"集水井", 2},
    {L"J\\DLJ1", L"独立基", 2, L"独立基", 0},
    {L"J\\ZDLJ1", L"独立基", 2, L"柱状独立基", 1},
    {L"J\\TCLJ1", L"基础梁", 3, L"基础梁", 0},
    {L"J\\TTJ1", L"砼条基", 4, L"砼条基", 0},
    {L"Z\\KZ1", L"柱", 5, L"砼柱", 0},
    {L"Z\\GZ1", L"柱", 5, L"构造柱", 1},
    {L"Z\\ZD1", L"柱", 5, L"柱墩", 2},
    {L"Z\\MD1", L"柱", 5, L"门垛", 3},
    {L"Q\\TWQ1", L"墙", 6, L"砼外墙", 0},
    {L"Q\\TNQ1", L"墙", 6, L"砼内墙", 1},
    {L"Q\\DTQ1", L"墙", 6, L"电梯井墙", 2},
    {L"L\\LL1", L"墙", 6, L"连梁", 3},
    {L"Z\\PTAZ1", L"墙", 6, L"暗柱", 4},
    {L"Z\\AZ1", L"墙", 6, L"自适应暗柱", 5},
    {L"L\\KL1", L"梁", 7, L"框架梁", 0},
    {L"L\\CL1", L"梁", 7, L"次梁", 1},
    {L"L\\DL1", L"梁", 7, L"独立梁", 2},
    {L"L\\QL1", L"梁", 7, L"圈梁", 3},
    {L"L\\GL1", L"梁", 7, L"过梁", 4},
    {L"L\\CTL1", L"梁", 7, L"窗台", 5},
    {L"B\\XB1", L"板", 8, L"现浇板", 0},
    {L"B\\YB1", L"板", 8, L"预制板", 1},
    {L"B\\GB1", L"板", 8, L"拱形板", 2},
    {L"B\\LXB1", L"板", 8, L"螺旋板", 3},
    {L"Z\\ZM1", L"板", 8, L"柱帽", 4},
    {L"B\\LTB1", L"楼梯", 9, L"楼梯", 0},
    {L"B\\TD1", L"楼梯", 9, L"梯段", 1},
    {L"LX\\YTLX33", L"阳台", 10, L"出挑板", 0},
    {L"LX\\YTLX34", L"阳台", 10, L"栏板", 1},
    {L"LX\\YPLX33", L"雨蓬", 11, L"出挑板", 0},
    {L"LX\\YPLX34", L"雨蓬", 11, L"栏板", 1},
    {L"LX\\ZDYX1", L"自定义构件", 12, L"自定义线性构件", 0},
    {L"LX\\WQJD1", L"自定义构件", 12, L"外墙节点", 1},
    {L"LX\\TJ1", L"台阶", 13, L"台阶", 0},
    {L"LX\\DQ1", L"导墙", 14, L"导墙", 0},
    {L"LX\\JCHJD106", L"基础后浇带", 15, L"满基后浇带", 0},
    {L"LX\\JCHJD107", L"基础后浇带", 15, L"满基后浇带加强部分", 1},
    {L"LX\\JCHJD110", L"基础后浇带", 15, L"基梁后浇带", 2},
    {L"LX\\JCHJD137", L"基础后浇带", 15, L"实体集水井后浇带", 3},
    {L"LX\\JCHJD139", L"基础后浇带", 15, L"独立基后浇带", 4},
    {L"LX\\HJD95", L"主体后浇带", 16, L"板后浇带", 0},
    {L"LX\\HJD97", L"主体后浇带", 16, L"梁后浇带", 1},
    {L"LX\\HJD99", L"主体后浇带", 16, L"墙后浇带", 2},
    {L"LX\\HJD100", L"主体后浇带", 16, L"墙后浇带加强区", 3},
};

// Each multiple of the base unit, written with each of the three spellings.
int UnitFactor(std::wstring_view unit, const wchar_t* const (&spellings)[3]) {
  static constexpr struct {
    std::wstring_view prefix;
    int factor;
  } kMultiples[] = {{L"", 1}, {L"10", 10}, {L"100", 100}, {L"1000", 1000}};
  // The longest prefix first: "1000m3" must not stop at "10".
  for (auto it = std::rbegin(kMultiples); it != std::rend(kMultiples); ++it) {
    if (!unit.starts_with(it->prefix)) continue;
    const std::wstring_view rest = unit.substr(it->prefix.size());
    for (const wchar_t* spelling : spellings) {
      if (rest == spelling) return it->factor;
    }
  }
  return 0;
}

}  // namespace

std::span<const ConcreteComponentEntry> ConcreteComponents() { return kComponents; }

const ConcreteComponentEntry* FindConcreteComponent(std::wstring_view code) {
  static const auto* const index = [] {
    auto* map = new std::unordered_map<std::wstring_view, const ConcreteComponentEntry*>();
    for (const ConcreteComponentEntry& entry : kComponents) map->emplace(entry.code, &entry);
    return map;
  }();
  const auto found = index->find(code);
  return found == index->end() ? nullptr : found->second;
}

int VolumeUnitFactor(std::wstring_view unit) {
  static constexpr const wchar_t* kSpellings[3] = {L"m3", L"立方米", L"立米"};
  return UnitFactor(unit, kSpellings);
}

int AreaUnitFactor(std::wstring_view unit) {
  static constexpr const wchar_t* kSpellings[3] = {L"m2", L"平方米", L"平米"};
  return UnitFactor(unit, kSpellings);
}

}  // namespace reportdata
