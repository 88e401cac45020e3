// Building a cloud index report from a template and the cloud-index data:
// each template node becomes a report node with its scope, floors, area and
// the quantity the data gathers for it; a node that gathers nothing and has
// no child that does is left out. Per-floor leaves get one child per floor.
#include "reportdata/report_template.h"

#include <algorithm>
#include <cmath>

#include "persist/xml_writer.h"
#include "platform/text.h"

namespace {

constexpr double kZero = 1e-7;

CString Number(const wchar_t* format, double value) {
  CString text;
  text.Format(format, value);
  return text;
}

// The scope text of an area type and floor kind.
CString ScopeOf(ECloudAreaType type, ECloudFloorType kind) {
  const bool floors = type == eCloudAreaFloors;
  if (type == eCloudAreaAll || (floors && kind == eCloudFloorAll)) return L"工程";
  if (type == eCloudAreaUnder || (floors && kind == eCloudFloorUnder)) return L"地下";
  if (type == eCloudAreaAbove || (floors && kind == eCloudFloorAbove)) return L"地上";
  return L"本层";
}

int MaxLevel(const std::vector<CReportTemplateData>& nodes) {
  int level = 0;
  for (const CReportTemplateData& node : nodes) {
    level = std::max({level, node.GetLevel(), MaxLevel(node.GetChildren())});
  }
  return level;
}

void WriteNodes(reportdata::XmlWriter& writer, const std::vector<CReportTemplateData>& nodes) {
  long long number = 1;
  for (const CReportTemplateData& node : nodes) {
    writer.StartElement("Root", number++);
    writer.Attribute("Name", node.GetNodeName().str());
    writer.Attribute("Unit", node.GetCondition().unit.str());
    writer.Attribute("KeyWords", node.GetCondition().keyWords.str());
    writer.Attribute("Q", Number(L"%g", node.GetQuantity().quantity).str());
    writer.Attribute("Area", Number(L"%g", node.GetArea()).str());
    WriteNodes(writer, node.GetChildren());
    writer.EndElement();
  }
}

}  // namespace

bool CReportTemplateData::GetData(CArray<SCloudNormDispData>& rows, const CString& id,
                                  int maxLevel) const {
  if (level_ > maxLevel) return true;
  const bool has_area = std::fabs(area_) > kZero;
  SCloudNormDispData row;
  row.id = id;
  row.name = name_;
  row.unit = condition_.unit;
  row.quantity = Number(L"%g", quantity_.quantity);
  row.perArea = has_area ? Number(L"%g", quantity_.quantity / area_) : CString(L"0");
  row.rate = rate_ && std::fabs(quantity_.rateDenominator) > kZero
                 ? Number(L"%g", quantity_.rateNumerator / quantity_.rateDenominator)
                 : CString(L"0");
  row.scope = scope_;
  row.area = has_area ? Number(L"%.2f", area_) : CString(L"0");
  rows.Add(row);
  int k = 1;
  for (const CReportTemplateData& child : children_) {
    CString child_id = id;
    child_id.AppendFormat(L".%d", k++);
    child.GetData(rows, child_id, maxLevel);
  }
  return true;
}

CReportTemplate::CReportTemplate(const CString& path, CCloudDataMng* data, const CString& name)
    : name_(name), data_(data) {
  templates_.ReadTemplData(path, name, true);
  rate_ = templates_.rate;
  InitReportNormTempl();
}

CReportTemplate::CReportTemplate(const CCloudNormTemplMng& templates, CCloudDataMng* data,
                                 const CString& name)
    : rate_(templates.rate), name_(name), templates_(templates), data_(data) {
  InitReportNormTempl();
}

void CReportTemplate::ResetTemplMng(const CString& path) {
  roots_.clear();
  templates_ = CCloudNormTemplMng();
  templates_.ReadTemplData(path, name_, true);
  rate_ = templates_.rate;
  InitReportNormTempl();
}

void CReportTemplate::ResetTemplMng(const CCloudNormTemplMng& templates) {
  if (&templates == &templates_) return;
  roots_.clear();
  templates_ = templates;
  rate_ = templates_.rate;
  InitReportNormTempl();
}

void CReportTemplate::InitReportNormTempl() {
  roots_.clear();
  for (const CCloudNormTempl& templ : templates_.nodes) {
    CReportTemplateData node;
    if (InitNode(node, templ, 0)) roots_.push_back(std::move(node));
  }
}

bool CReportTemplate::InitNode(CReportTemplateData& node, const CCloudNormTempl& templ,
                               int depth) const {
  bool found = false;
  InitCurTempl(node, templ, depth, found);
  if (!templ.perFloor || !templ.children.empty()) {
    for (const CCloudNormTempl& child_templ : templ.children) {
      CReportTemplateData child;
      if (InitNode(child, child_templ, depth + 1)) {
        node.children_.push_back(std::move(child));
        found = true;
      }
    }
    return found;
  }
  for (const CString& floor : node.condition_.floors) {
    CReportTemplateData child;
    if (InitEveryFloorData(child, node, floor)) {
      node.children_.push_back(std::move(child));
      found = true;
    }
  }
  return found;
}

void CReportTemplate::InitCurTempl(CReportTemplateData& node, const CCloudNormTempl& templ,
                                   int depth, bool& found) const {
  node.rate_ = rate_ && templ.rate;
  node.level_ = depth + 1;
  node.scope_ = ScopeOf(templ.areaType, templ.floorKind);
  node.name_ = templ.name;
  node.condition_.keyWords = templ.keyWords;
  node.condition_.unit = templ.unit;
  node.condition_.excludes = templ.excludes;
  found = false;
  if (data_ == nullptr) return;
  data_->GetFloorAry(node.condition_.floors, templ.floorKind);
  if (templ.areaType != eCloudAreaFloors) {
    node.area_ = data_->GetFloorArea(templ.areaType);
  } else {
    for (const CString& floor : node.condition_.floors) {
      node.area_ += data_->GetFloorNameArea(floor);
    }
  }
  found = data_->GetQuantityByCondition(node.quantity_, node.condition_, node.rate_);
}

bool CReportTemplate::InitEveryFloorData(CReportTemplateData& child,
                                         const CReportTemplateData& parent,
                                         const CString& floor) const {
  child.level_ = parent.level_ + 1;
  child.rate_ = parent.rate_;
  child.name_ = floor;
  child.name_ += L"层";
  child.condition_ = parent.condition_;
  child.condition_.floors = {floor};
  child.scope_ = L"本层";
  child.area_ = data_->GetFloorNameArea(floor);
  return data_->GetQuantityByCondition(child.quantity_, child.condition_, child.rate_);
}

void CReportTemplate::GetRootData(CStringArray& names) const {
  names.RemoveAll();
  for (const CReportTemplateData& root : roots_) names.Add(root.GetNodeName());
}

int CReportTemplate::GetMaxLevel() const { return MaxLevel(roots_); }

void CReportTemplate::GetRepData(CArray<SCloudNormDispData>& rows, const CString& name,
                                 int maxLevel) const {
  int number = 0;
  for (const CReportTemplateData& root : roots_) {
    ++number;
    if (name != L"工程数据" && root.GetNodeName() != name) continue;
    CString id;
    id.Format(L"%d", number);
    root.GetData(rows, id, maxLevel);
  }
}

CString CReportTemplate::WriteData() const {
  reportdata::StringSink sink;
  reportdata::XmlWriter writer(sink);
  writer.StartElement("工程数据");
  writer.Attribute("Version", std::string_view("1"));
  writer.Attribute("Name", std::string_view("云指标模板"));
  writer.Attribute("MTRateColumn", std::string_view(rate_ ? "1" : "0"));
  WriteNodes(writer, roots_);
  writer.EndElement();
  writer.Finish();
  return CString(reportdata::FromUtf8(sink.bytes()));
}
