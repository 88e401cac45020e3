// Cloud index templates: the tree of nodes a company's index report is made
// of (what each node gathers, over which floors, divided by which area), read
// from a template file. A CCloudNormTemplMng owns its nodes; copies are deep.
#ifndef REPORTDATA_CLOUD_TEMPLATES_H_
#define REPORTDATA_CLOUD_TEMPLATES_H_

#include <vector>

#include "reportdata/cloud_data.h"
#include "reportdata/export.h"
#include "reportdata/framework.h"

// One template node.
class REPORTDATA_API CCloudNormTempl {
 public:
  bool rate = false;      // the node shows the share of its scope in the project
  bool perFloor = false;  // a leaf that lists its quantity floor by floor
  ECloudAreaType areaType = eCloudAreaAll;
  ECloudFloorType floorKind = eCloudFloorAll;
  CString keyWords;  // what the node gathers (see SCloudNormCondition)
  CString name;
  CString unit;
  std::vector<CString> excludes;  // handed on to the condition
  std::vector<CCloudNormTempl> children;
  // True for a node that gathers a quantity (it has keywords), false for a
  // node that only groups its children.
  bool GetNodeType() const { return !keyWords.IsEmpty(); }
};

// A template: its name, its rate flag and its top-level nodes.
class REPORTDATA_API CCloudNormTemplMng {
 public:
  bool rate = false;  // the report has a rate column
  CString name;
  std::vector<CCloudNormTempl> nodes;

  // Reads the template file at path. name, when not empty, names the
  // template instead of the file's "Name"; replace drops the nodes held
  // before, otherwise the file's nodes are appended. Returns false, keeping
  // what was held, for a missing, oversized or malformed file.
  bool ReadTemplData(const CString& path, const CString& name, bool replace);
};

#endif  // REPORTDATA_CLOUD_TEMPLATES_H_
