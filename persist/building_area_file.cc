// "\mj.xml": the building-area table under its single "Chapter" element.
#include "persist/building_area_file.h"

#include "persist/area_floor_head_attributes.h"
#include "persist/report_table_files.h"

namespace reportdata {
namespace {

constexpr char kMain[] = "Main";
constexpr char kBalcony[] = "Balcony";

void WriteItems(XmlWriter& writer, const std::vector<SAreaItem>& items, const char* type) {
  for (const SAreaItem& item : items) {
    writer.StartElement("Node");
    writer.Attribute("Type", std::string_view(type));
    writer.Attribute("Quantity", item.quantity);
    writer.Attribute("Formula", item.formula);
    writer.EndElement();
  }
}

void ReadItem(pugi::xml_node element, SAreaFloorItem& floor) {
  SAreaItem item;
  std::vector<SAreaItem>* list = nullptr;
  for (const NamedAttribute attribute : AttributesOf{element}) {
    if (NameIs(attribute, "Type")) {
      const std::string_view type = attribute.value();
      list = type == kMain ? &floor.mainItems : type == kBalcony ? &floor.balconyItems : nullptr;
    } else if (NameIs(attribute, "Quantity")) {
      item.quantity = WideValue(attribute);
    } else if (NameIs(attribute, "Formula")) {
      item.formula = WideValue(attribute);
    }
  }
  if (list != nullptr) list->push_back(std::move(item));
}

SAreaFloorItem ReadFloor(pugi::xml_node element) {
  SAreaFloorItem floor;
  ReadAreaFloorHead(element, floor);
  ForEachChildElement(element, [&](pugi::xml_node node) { ReadItem(node, floor); });
  return floor;
}

}  // namespace

void WriteBuildingArea(std::wstring_view dir, const CAreaSummaryTable& table) {
  SaveXmlFile(ResolveFilePath(dir, kBuildingAreaFile.file_name), [&](XmlWriter& writer) {
    writer.StartElement(kTableRoot);
    writer.Attribute("Version", std::string_view("10"));
    writer.Attribute("Table_Name", std::string_view(kBuildingAreaFile.table_name));
    writer.StartElement("Chapter");
    writer.Attribute("Name", table.name());
    long long number = 0;
    for (const SAreaFloorItem& floor : table.floors()) {
      writer.StartElement("Chapter", number++);
      WriteAreaFloorHead(writer, floor);
      WriteItems(writer, floor.mainItems, kMain);
      WriteItems(writer, floor.balconyItems, kBalcony);
      writer.EndElement();
    }
    writer.EndElement();
    writer.EndElement();
  });
}

void ReadBuildingArea(std::wstring_view dir, CAreaSummaryTable& table) {
  ReadXmlFile(dir, kBuildingAreaReadName, kTableRoot, [&](pugi::xml_node root) {
    std::vector<pugi::xml_node> chapters;
    ForEachChildElement(root, [&](pugi::xml_node chapter) { chapters.push_back(chapter); });
    if (chapters.size() != 1) return;
    std::vector<SAreaFloorItem> floors;
    ForEachChildElement(chapters[0],
                        [&](pugi::xml_node element) { floors.push_back(ReadFloor(element)); });
    for (SAreaFloorItem& floor : floors) table.AppendFloor(std::move(floor));
  });
}

}  // namespace reportdata
