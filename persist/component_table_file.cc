// "\CompTable.xml".
#include "persist/component_table_file.h"

#include "persist/report_table_files.h"
#include "persist/table_file.h"

namespace reportdata {

void WriteComponentTable(std::wstring_view dir, const ComponentTable& table) {
  WriteTableFile(dir, kComponentTableFile, table.groups(),
                 [](XmlWriter& writer, const SCompGroup& group) {
                   writer.Attribute("N", group.name);
                   writer.IntAttribute("Grade", group.order);
                   long long floor_number = 0;
                   for (const SCompFloor& floor : group.floors) {
                     writer.StartElement("Qd", floor_number++);
                     writer.Attribute("Name", floor.label);
                     writer.IntAttribute("Num", floor.num);
                     writer.IntAttribute("Grade", floor.grade);
                     long long section_number = 0;
                     for (const SCompSection& section : floor.sections) {
                       writer.StartElement("Floor", section_number++);
                       writer.Attribute("Name", section.name);
                       writer.IntAttribute("Num", section.count);
                       writer.Attribute("Type", section.type_path);
                       writer.Attribute("SecSize", section.type_text);
                       long long handle_number = 0;
                       for (const std::wstring& handle : section.handles) {
                         writer.StartElement("Handle", handle_number++);
                         writer.Attribute("H", handle);
                         writer.EndElement();
                       }
                       writer.EndElement();
                     }
                     writer.EndElement();
                   }
                 });
}

void ReadComponentTable(std::wstring_view dir, ComponentTable& table) {
  ReadTableFile(dir, kComponentTableFile.file_name, [&](pugi::xml_node chapter) {
    SCompGroup group;
    for (const pugi::xml_attribute attribute : chapter.attributes()) {
      if (NameIs(attribute, "N")) group.name = WideValue(attribute);
      if (NameIs(attribute, "Grade")) group.order = LeadingInt(attribute.value());
    }
    ForEachChildElement(chapter, [&](pugi::xml_node floor_node) {
      SCompFloor floor{L"", 0, 0, {}, {}};
      for (const pugi::xml_attribute attribute : floor_node.attributes()) {
        if (NameIs(attribute, "Name")) floor.label = WideValue(attribute);
        if (NameIs(attribute, "Num")) floor.num = LeadingInt(attribute.value());
        if (NameIs(attribute, "Grade")) floor.grade = LeadingInt(attribute.value());
      }
      ForEachChildElement(floor_node, [&](pugi::xml_node section_node) {
        SCompSection section;
        for (const pugi::xml_attribute attribute : section_node.attributes()) {
          if (NameIs(attribute, "Name")) section.name = WideValue(attribute);
          if (NameIs(attribute, "Num")) section.count = LeadingInt(attribute.value());
          if (NameIs(attribute, "Type")) section.type_path = WideValue(attribute);
          if (NameIs(attribute, "SecSize")) section.type_text = WideValue(attribute);
        }
        ForEachChildElement(section_node, [&](pugi::xml_node handle) {
          std::wstring text = WideValue(handle.attribute("H"));
          if (section.counted.insert(text).second) section.handles.push_back(std::move(text));
        });
        floor.AppendSection(std::move(section));
      });
      group.AppendFloor(std::move(floor));
    });
    table.AppendGroup(std::move(group));
  });
}

}  // namespace reportdata
