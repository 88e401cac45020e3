// Reading a cloud index template file:
//
//   <云指标模板 Name="住宅土建指标" Rate="1">
//     <Node Name="混凝土" Unit="m3" KeyWords="#0105" Excludes="" AreaType="0"
//           FloorKind="0" Rate="1" PerFloor="0">
//       <Node .../>
//     </Node>
//   </云指标模板>
//
// A file is never trusted: it is loaded only up to the size limit of every
// XML file of the module, nodes deeper than kMaxDepth are left out, and
// elements other than "Node" are skipped.
#include <cstring>

#include "persist/xml_reader.h"
#include "platform/text.h"
#include "reportdata/cloud_templates.h"
#include "reportdata/errors.h"

namespace {

constexpr char kTemplateRoot[] = "云指标模板";
// No index report nests deeper; a deeper file is cut here rather than
// recursing without bound.
constexpr int kMaxDepth = 16;

CString Text(pugi::xml_node node, const char* name) {
  const pugi::xml_attribute attribute = node.attribute(name);
  return attribute ? CString(reportdata::WideValue(attribute)) : CString();
}

bool Flag(pugi::xml_node node, const char* name) {
  return reportdata::LeadingInt(node.attribute(name).value()) != 0;
}

std::vector<CString> SplitList(const CString& text) {
  std::vector<CString> parts;
  std::wstring part;
  for (wchar_t ch : text.str()) {
    if (ch == L';' || ch == L'\xFF1B') {
      if (!part.empty()) parts.emplace_back(std::move(part));
      part.clear();
    } else {
      part += ch;
    }
  }
  if (!part.empty()) parts.emplace_back(std::move(part));
  return parts;
}

void ReadNodes(pugi::xml_node parent, int depth, std::vector<CCloudNormTempl>& nodes) {
  if (depth >= kMaxDepth) return;
  for (pugi::xml_node child = parent.first_child(); child; child = child.next_sibling()) {
    if (child.type() != pugi::node_element || std::strcmp(child.name(), "Node") != 0) continue;
    CCloudNormTempl& node = nodes.emplace_back();
    node.name = Text(child, "Name");
    node.unit = Text(child, "Unit");
    node.keyWords = Text(child, "KeyWords");
    node.excludes = SplitList(Text(child, "Excludes"));
    node.areaType =
        static_cast<ECloudAreaType>(reportdata::LeadingInt(child.attribute("AreaType").value()));
    node.floorKind =
        static_cast<ECloudFloorType>(reportdata::LeadingInt(child.attribute("FloorKind").value()));
    node.rate = Flag(child, "Rate");
    node.perFloor = Flag(child, "PerFloor");
    ReadNodes(child, depth + 1, node.children);
  }
}

}  // namespace

bool CCloudNormTemplMng::ReadTemplData(const CString& path, const CString& templateName,
                                       bool replace) {
  pugi::xml_document doc;
  try {
    if (!reportdata::LoadXmlFile(reportdata::ToUtf8(path.str()), doc)) return false;
  } catch (const reportdata::TableFileError&) {
    return false;  // larger than any template
  }
  const pugi::xml_node root = doc.document_element();
  if (std::strcmp(root.name(), kTemplateRoot) != 0) return false;
  std::vector<CCloudNormTempl> read;
  ReadNodes(root, 0, read);
  if (replace) nodes.clear();
  nodes.insert(nodes.end(), read.begin(), read.end());
  rate = Flag(root, "Rate");
  name = templateName.IsEmpty() ? Text(root, "Name") : templateName;
  return true;
}
