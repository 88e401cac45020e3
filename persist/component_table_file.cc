// "\CompTable.xml".
#include "persist/component_table_file.h"

#include "persist/area_floor_head_attributes.h"
#include "persist/node_io.h"
#include "persist/report_table_files.h"
#include "persist/table_file.h"

namespace reportdata {

void WriteComponentTable(std::wstring_view dir, const ComponentTable& table) {
  WriteTableFile(
      dir, kComponentTableFile, table.groups(), [](XmlWriter& writer, const SCompGroup& group) {
        writer.Attribute("N", group.name);
        writer.IntAttribute("Grade", group.order);
        WriteNumbered(writer, "Qd", group.floors, [&](const SCompFloor& floor) {
          WriteAreaFloorHead(writer, floor);
          WriteNumbered(writer, "Floor", floor.sections, [&](const SCompSection& section) {
            writer.Attribute("Name", section.name);
            writer.IntAttribute("Num", section.count);
            writer.Attribute("Type", section.type_path);
            writer.Attribute("SecSize", section.type_text);
            WriteNumbered(writer, "Handle", section.handles,
                          [&](std::string_view handle) { writer.Attribute("H", handle); });
          });
        });
      });
}

void ReadComponentTable(std::wstring_view dir, ComponentTable& table) {
  ReadTableFile(dir, kComponentTableFile.file_name, [&](pugi::xml_node chapter) {
    SCompGroup group;
    ReadAttributes(chapter, {{"N", &group.name}, {"Grade", &group.order}});
    ForEachChildElement(chapter, [&](pugi::xml_node floor_node) {
      SCompFloor floor;
      ReadAreaFloorHead(floor_node, floor);
      ForEachChildElement(floor_node, [&](pugi::xml_node section_node) {
        SCompSection section;
        ReadAttributes(section_node, {{"Name", &section.name},
                                      {"Num", &section.count},
                                      {"Type", &section.type_path},
                                      {"SecSize", &section.type_text}});
        ForEachChildElement(section_node, [&](pugi::xml_node handle) {
          section.handles.Add(handle.attribute("H").value());
        });
        floor.sections.push_back(std::move(section));
      });
      group.floors.push_back(std::move(floor));
    });
    table.AppendGroup(std::move(group));
  });
}

}  // namespace reportdata
