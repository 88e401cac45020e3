// A cloud index report: the nodes of a template, each with the quantity the
// cloud-index data gathers for it, the building area of its scope and the
// quantity per square metre, turned into display rows and an XML document.
// A report keeps a pointer to the data manager it was built from (the
// engine's, from CReportComMethod::GetCloudDataMnd); the manager must outlive
// every build of the report. Copies of nodes are deep.
#ifndef REPORTDATA_REPORT_TEMPLATE_H_
#define REPORTDATA_REPORT_TEMPLATE_H_

#include <vector>

#include "reportdata/cloud_data.h"
#include "reportdata/cloud_templates.h"
#include "reportdata/export.h"
#include "reportdata/framework.h"

// One display row of a report, nine texts.
struct SCloudNormDispData {
  CString id;    // position path: 1, 1.1, 1.2.1
  CString name;  // node name
  CString unit;
  CString quantity;  // "%g"
  CString perArea;   // quantity ÷ area, "%g"; "0" for a zero area
  CString rate;      // numerator ÷ denominator, "%g", when the node has a rate; else "0"
  CString empty;
  CString scope;  // "工程", "地下", "地上" or "本层"
  CString area;   // "%.2f"; "0" for a zero area
};

class REPORTDATA_API CReportTemplateData {
 public:
  // Appends this node's row with the given id, then its children's rows
  // (ids id.1, id.2, ...), down to maxLevel. Returns true.
  bool GetData(CArray<SCloudNormDispData>& rows, const CString& id, int maxLevel) const;
  const CString& GetNodeName() const { return name_; }
  int GetLevel() const { return level_; }
  double GetArea() const { return area_; }
  const CString& GetScope() const { return scope_; }
  const SCloudNormQuantity& GetQuantity() const { return quantity_; }
  const SCloudNormCondition& GetCondition() const { return condition_; }
  const std::vector<CReportTemplateData>& GetChildren() const { return children_; }

 private:
  friend class CReportTemplate;

  bool rate_ = false;  // the report's and the template node's rate flags both set
  int level_ = 0;      // 1 for a root
  double area_ = 0.0;
  CString scope_;
  SCloudNormQuantity quantity_;
  CString name_;
  SCloudNormCondition condition_;
  std::vector<CReportTemplateData> children_;
};

class REPORTDATA_API CReportTemplate {
 public:
  CReportTemplate() = default;
  // Reads the template file at path and builds the nodes from data.
  CReportTemplate(const CString& path, CCloudDataMng* data, const CString& name);
  // Copies the template's rate flag and nodes and builds the nodes from data.
  CReportTemplate(const CCloudNormTemplMng& templates, CCloudDataMng* data, const CString& name);

  // Drop the nodes, reload or copy the template and build the nodes again.
  void ResetTemplMng(const CString& path);
  void ResetTemplMng(const CCloudNormTemplMng& templates);

  // Empties names, then lists the root node names in order.
  void GetRootData(CStringArray& names) const;
  // The deepest level of the tree; 0 when it is empty.
  int GetMaxLevel() const;
  // Appends the rows of the root named name, or of every root when name is
  // "工程数据"; roots are numbered by their position.
  void GetRepData(CArray<SCloudNormDispData>& rows, const CString& name, int maxLevel) const;
  // The report as an XML document (root "工程数据"), as UTF-16 text.
  CString WriteData() const;

  bool GetRate() const { return rate_; }
  const CString& GetName() const { return name_; }
  const std::vector<CReportTemplateData>& GetRoots() const { return roots_; }

 private:
  void InitReportNormTempl();
  bool InitNode(CReportTemplateData& node, const CCloudNormTempl& templ, int depth) const;
  void InitCurTempl(CReportTemplateData& node, const CCloudNormTempl& templ, int depth,
                    bool& found) const;
  bool InitEveryFloorData(CReportTemplateData& child, const CReportTemplateData& parent,
                          const CString& floor) const;

  bool rate_ = false;
  CString name_;
  std::vector<CReportTemplateData> roots_;
  CCloudNormTemplMng templates_;
  CCloudDataMng* data_ = nullptr;  // not owned
};

#endif  // REPORTDATA_REPORT_TEMPLATE_H_
