// Writing and reading the concrete and decoration table files.
#include "persist/physical_table_files.h"

#include "persist/node_io.h"

namespace reportdata {
namespace {

// Writes and reads the two attributes that name a node and give its order.
template <typename Node>
void WriteNameAndOrder(XmlWriter& writer, const Node& node) {
  writer.Attribute("Name", node.name);
  writer.IntAttribute("Grade", node.order);
}

template <typename Node>
void ReadNameAndOrder(pugi::xml_node element, Node& node) {
  ReadAttributes(element, {{"Name", &node.name}, {"Grade", &node.order}});
}

void WriteConcretePosition(XmlWriter& writer, const ConcretePosition& position) {
  writer.Attribute("Pos", position.position);
  writer.Attribute("Handle", position.handles);
  for (const ConcreteGrade& grade : position.grades) {
    writer.StartElement("Tong");
    writer.Attribute("TongName", grade.name);
    WriteNumbered(writer, "P", grade.shares, [&](const ConcreteShare& share) {
      writer.Attribute("PName", share.partition);
      writer.RealAttribute("PQ", share.quantity);
    });
    writer.EndElement();
  }
}

void WriteConcreteFloor(XmlWriter& writer, const ConcreteFloor& floor) {
  WriteFloorGroupAttributes(writer, floor);
  WriteNumbered(writer, "Big", floor.groups, [&](const ConcreteGroup& group) {
    WriteNameAndOrder(writer, group);
    WriteNumbered(writer, "Small", group.items, [&](const ConcreteItem& item) {
      WriteNameAndOrder(writer, item);
      WriteNumbered(writer, "Att", item.components, [&](const ConcreteComponent& component) {
        writer.Attribute("AttName", component.name);
        writer.Attribute("AttType", component.type_path);
        WriteNumbered(writer, "Pos", component.positions, [&](const ConcretePosition& position) {
          WriteConcretePosition(writer, position);
        });
      });
    });
  });
}

void ReadConcreteGrade(pugi::xml_node element, ConcreteGrade& grade) {
  ReadAttributes(element, {{"TongName", &grade.name}});
  ForEachChildElement(element, [&](pugi::xml_node share_element) {
    ConcreteShare& share = grade.shares.emplace_back();
    ReadAttributes(share_element, {{"PName", &share.partition}, {"PQ", &share.quantity}});
  });
}

void ReadConcreteComponent(pugi::xml_node element, ConcreteComponent& component) {
  ReadAttributes(element, {{"AttName", &component.name}, {"AttType", &component.type_path}});
  ForEachChildElement(element, [&](pugi::xml_node position_element) {
    ConcretePosition& position = component.positions.emplace_back();
    ReadAttributes(position_element, {{"Pos", &position.position}, {"Handle", &position.handles}});
    ForEachChildElement(position_element, [&](pugi::xml_node grade_element) {
      ReadConcreteGrade(grade_element, position.grades.emplace_back());
    });
  });
}

void ReadConcreteFloor(pugi::xml_node element, ConcreteFloor& floor) {
  ReadFloorGroupAttributes(element, floor);
  ForEachChildElement(element, [&](pugi::xml_node group_element) {
    ConcreteGroup& group = floor.groups.emplace_back();
    ReadNameAndOrder(group_element, group);
    ForEachChildElement(group_element, [&](pugi::xml_node item_element) {
      ConcreteItem& item = group.items.emplace_back();
      ReadNameAndOrder(item_element, item);
      ForEachChildElement(item_element, [&](pugi::xml_node component_element) {
        ReadConcreteComponent(component_element, item.components.emplace_back());
      });
    });
  });
}

void WriteDecorationChapter(XmlWriter& writer, const DecorationChapter& chapter) {
  writer.Attribute("Name", chapter.kind);
  writer.IntAttribute("Grade", chapter.order);
  writer.IntAttribute("RoomFlag", chapter.room_flag ? 1 : 0);
  WriteNumbered(writer, "Att", chapter.attributes, [&](const DecorationAttribute& attribute) {
    writer.Attribute("AttName", attribute.name);
    writer.Attribute("AttType", attribute.type_path);
    WriteNumbered(writer, "R", attribute.rooms, [&](const DecorationRoom& room) {
      writer.Attribute("Name", room.name);
      WriteNumbered(writer, "Floor", room.floors, [&](const DecorationFloor& floor) {
        writer.Attribute("Name", floor.label);
        writer.RealAttribute("Quant", floor.quantity);
      });
    });
  });
}

void ReadDecorationRoom(pugi::xml_node element, DecorationRoom& room) {
  ReadAttributes(element, {{"Name", &room.name}});
  ForEachChildElement(element, [&](pugi::xml_node floor_element) {
    DecorationFloor& floor = room.floors.emplace_back();
    ReadAttributes(floor_element, {{"Name", &floor.label}, {"Quant", &floor.quantity}});
  });
}

void ReadDecorationChapter(pugi::xml_node element, DecorationChapter& chapter) {
  int room_flag = chapter.room_flag ? 1 : 0;
  ReadAttributes(element,
                 {{"Name", &chapter.kind}, {"Grade", &chapter.order}, {"RoomFlag", &room_flag}});
  chapter.room_flag = room_flag != 0;
  ForEachChildElement(element, [&](pugi::xml_node attribute_element) {
    DecorationAttribute& attribute = chapter.attributes.emplace_back();
    ReadAttributes(attribute_element,
                   {{"AttName", &attribute.name}, {"AttType", &attribute.type_path}});
    ForEachChildElement(attribute_element, [&](pugi::xml_node room_element) {
      ReadDecorationRoom(room_element, attribute.rooms.emplace_back());
    });
  });
}

}  // namespace

void WriteConcreteTable(std::wstring_view dir, const TableFileLayout& layout,
                        const STongTable& table) {
  WriteTableFile(dir, layout, table.floors(), WriteConcreteFloor);
}

void ReadConcreteTable(std::wstring_view dir, const TableFileLayout& layout, STongTable& table) {
  ReadTopLevelNodes(dir, layout.file_name, table.floors(), ReadConcreteFloor);
}

void WriteDecorationTable(std::wstring_view dir, const TableFileLayout& layout,
                          const SDecTable& table) {
  WriteTableFile(dir, layout, table.chapters(), WriteDecorationChapter, 0);
}

void ReadDecorationTable(std::wstring_view dir, const TableFileLayout& layout, SDecTable& table) {
  ReadTopLevelNodes(dir, layout.file_name, table.chapters(), ReadDecorationChapter);
}

}  // namespace reportdata
