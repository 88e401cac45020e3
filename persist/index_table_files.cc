// "\AnalyzeComponent.xml" and "\zbfx.xml".
#include "persist/index_table_files.h"

#include <cstring>

#include "persist/area_floor_head_attributes.h"
#include "persist/node_io.h"
#include "persist/report_table_files.h"
#include "persist/table_file.h"

namespace reportdata {
namespace {

// The index analysis names a floor's storeys and order key by one letter.
constexpr AreaFloorHeadNames kIndexFloorNames{"N", "G"};

constexpr char kSettingsRoot[] = "指标分析表";

std::wstring Text(pugi::xml_node node, const char* name) {
  const pugi::xml_attribute attribute = node.attribute(name);
  return attribute ? WideValue(attribute) : std::wstring();
}

// Calls visit for each element child; a hand-edited settings file may hold
// comments between them.
template <typename Visit>
void ForEachElement(pugi::xml_node parent, Visit&& visit) {
  for (pugi::xml_node child = parent.first_child(); child; child = child.next_sibling()) {
    if (child.type() == pugi::node_element) visit(child);
  }
}

}  // namespace

bool ReadIndexSettings(std::wstring_view dir, std::vector<SIndexGroup>& groups) {
  groups.clear();
  pugi::xml_document doc;
  try {
    if (!LoadXmlFile(ResolveFilePath(dir, kIndexSettingsFile), doc)) return false;
  } catch (const TableFileError&) {
    return false;
  }
  const pugi::xml_node root = doc.document_element();
  if (std::strcmp(root.name(), kSettingsRoot) != 0) return false;
  ForEachElement(root, [&](pugi::xml_node group_node) {
    SIndexGroup& group = groups.emplace_back();
    group.name = Text(group_node, "Name");
    group.unit = Text(group_node, "Unit");
    ForEachElement(group_node, [&](pugi::xml_node item_node) {
      SIndexItem& item = group.items.emplace_back();
      item.name = Text(item_node, "Name");
      ForEachElement(item_node, [&](pugi::xml_node source) {
        item.sources.push_back({Text(source, "GJType"), Text(source, "Item")});
      });
    });
  });
  return true;
}

void WriteIndexAnalysis(std::wstring_view dir, const IndexAnalysisTable& table) {
  WriteTableFile(dir, kIndexAnalysisFile, table.groups(),
                 [](XmlWriter& writer, const SIndexGroup& group) {
                   writer.Attribute("Name", group.name);
                   writer.Attribute("Unit", group.unit);
                   WriteNumbered(writer, "Section", group.items, [&](const SIndexItem& item) {
                     writer.Attribute("Name", item.name);
                     WriteNumbered(writer, "Floor", item.floors, [&](const SIndexFloorQty& floor) {
                       WriteAreaFloorHead(writer, floor, kIndexFloorNames);
                       writer.RealAttribute("Q", floor.quantity);
                     });
                   });
                 });
}

void ReadIndexAnalysis(std::wstring_view dir, IndexAnalysisTable& table) {
  ReadTableFile(dir, kIndexAnalysisFile.file_name, [&](pugi::xml_node chapter) {
    SIndexGroup group;
    ReadAttributes(chapter, {{"Name", &group.name}, {"Unit", &group.unit}});
    ForEachChildElement(chapter, [&](pugi::xml_node section) {
      SIndexItem& item = group.items.emplace_back();
      ReadAttributes(section, {{"Name", &item.name}});
      ForEachChildElement(section, [&](pugi::xml_node floor_node) {
        SIndexFloorQty floor;
        ReadAreaFloorHead(floor_node, floor, kIndexFloorNames);
        ReadAttributes(floor_node, {{"Q", &floor.quantity}});
        item.AppendFloor(std::move(floor));
      });
    });
    table.AppendGroup(std::move(group));
  });
}

}  // namespace reportdata
