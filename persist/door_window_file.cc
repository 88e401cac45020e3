// "\mc.xml": the door and window table, kind by kind.
#include "persist/door_window_file.h"

#include "persist/area_floor_head_attributes.h"
#include "persist/node_io.h"
#include "persist/report_table_files.h"

namespace reportdata {
namespace {

// The text of the attribute `name` of element, empty when absent.
std::wstring Text(pugi::xml_node element, const char* name) {
  return WideValue(element.attribute(name));
}

SDoorWindowFloor ReadFloor(pugi::xml_node element) {
  SDoorWindowFloor floor = MakeDoorWindowFloor(Text(element, "Name"));
  ForEachChildElement(element, [&](pugi::xml_node record) {
    floor.AddOccurrence(Text(record, "Position"), Text(record, "Formula"));
  });
  return floor;
}

SDoorWindowType ReadType(pugi::xml_node element) {
  SDoorWindowType type{Text(element, "Name"), {}, {}};
  ForEachChildElement(element,
                      [&](pugi::xml_node floor) { type.floors.push_back(ReadFloor(floor)); });
  return type;
}

void ReadKind(pugi::xml_node element, SDoorWindowKind& kind) {
  kind.kind = Text(element, "ChapterName");
  ForEachChildElement(element, [&](pugi::xml_node type) { kind.types.push_back(ReadType(type)); });
}

void WriteKind(XmlWriter& writer, const SDoorWindowKind& kind) {
  writer.Attribute("ChapterName", kind.kind);
  WriteNumbered(writer, "Obj", kind.types, [&](const SDoorWindowType& type) {
    writer.Attribute("Name", type.name);
    WriteNumbered(writer, "Floor", type.floors, [&](const SDoorWindowFloor& floor) {
      WriteAreaFloorHead(writer, floor);
      WriteNumbered(writer, "Floor", floor.all, [&](const SDoorWindowPos& occurrence) {
        writer.Attribute("Position", occurrence.position);
        writer.Attribute("Formula", occurrence.key);
      });
    });
  });
}

}  // namespace

void WriteDoorWindows(std::wstring_view dir, const DoorWindowTable& table) {
  WriteTableFile(dir, kDoorWindowFile, table.kinds(), WriteKind);
}

void ReadDoorWindows(std::wstring_view dir, DoorWindowTable& table) {
  std::vector<SDoorWindowKind> kinds;
  ReadTopLevelNodes(dir, kDoorWindowFile.file_name, kinds, ReadKind);
  for (SDoorWindowKind& kind : kinds) table.kinds().push_back(std::move(kind));
}

}  // namespace reportdata
