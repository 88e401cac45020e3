// Writing and reading the concrete and decoration table files.
#include "persist/physical_table_files.h"

#include "persist/floor_attributes.h"

namespace reportdata {
namespace {

// Calls read(name, attribute) for every attribute of element.
template <typename Read>
void ForEachAttribute(pugi::xml_node element, Read&& read) {
  for (const pugi::xml_attribute attribute : element.attributes()) read(attribute);
}

// Reads the two attributes that name a node and give its order.
template <typename Node>
void ReadNameAndOrder(pugi::xml_node element, Node& node) {
  ForEachAttribute(element, [&](const pugi::xml_attribute& attribute) {
    if (NameIs(attribute, "Name")) {
      node.name = WideValue(attribute);
    } else if (NameIs(attribute, "Grade")) {
      node.order = LeadingInt(attribute.value());
    }
  });
}

void WriteConcreteFloor(XmlWriter& writer, const ConcreteFloor& floor) {
  WriteFloorGroupAttributes(writer, floor);
  long long group_number = 0;
  for (const ConcreteGroup& group : floor.groups) {
    writer.StartElement("Big", group_number++);
    writer.Attribute("Name", group.name);
    writer.IntAttribute("Grade", group.order);
    long long item_number = 0;
    for (const ConcreteItem& item : group.items) {
      writer.StartElement("Small", item_number++);
      writer.Attribute("Name", item.name);
      writer.IntAttribute("Grade", item.order);
      long long component_number = 0;
      for (const ConcreteComponent& component : item.components) {
        writer.StartElement("Att", component_number++);
        writer.Attribute("AttName", component.name);
        writer.Attribute("AttType", component.type_path);
        long long position_number = 0;
        for (const ConcretePosition& position : component.positions) {
          writer.StartElement("Pos", position_number++);
          writer.Attribute("Pos", position.position);
          writer.Attribute("Handle", position.handles);
          for (const ConcreteGrade& grade : position.grades) {
            writer.StartElement("Tong");
            writer.Attribute("TongName", grade.name);
            long long share_number = 0;
            for (const ConcreteShare& share : grade.shares) {
              writer.StartElement("P", share_number++);
              writer.Attribute("PName", share.partition);
              writer.RealAttribute("PQ", share.quantity);
              writer.EndElement();
            }
            writer.EndElement();
          }
          writer.EndElement();
        }
        writer.EndElement();
      }
      writer.EndElement();
    }
    writer.EndElement();
  }
}

void ReadConcreteGrade(pugi::xml_node element, ConcreteGrade& grade) {
  ForEachAttribute(element, [&](const pugi::xml_attribute& attribute) {
    if (NameIs(attribute, "TongName")) grade.name = WideValue(attribute);
  });
  ForEachChildElement(element, [&](pugi::xml_node share_element) {
    ConcreteShare& share = grade.shares.emplace_back();
    ForEachAttribute(share_element, [&](const pugi::xml_attribute& attribute) {
      if (NameIs(attribute, "PName")) {
        share.partition = WideValue(attribute);
      } else if (NameIs(attribute, "PQ")) {
        share.quantity = LeadingReal(attribute.value());
      }
    });
  });
}

void ReadConcreteComponent(pugi::xml_node element, ConcreteComponent& component) {
  ForEachAttribute(element, [&](const pugi::xml_attribute& attribute) {
    if (NameIs(attribute, "AttName")) {
      component.name = WideValue(attribute);
    } else if (NameIs(attribute, "AttType")) {
      component.type_path = WideValue(attribute);
    }
  });
  ForEachChildElement(element, [&](pugi::xml_node position_element) {
    ConcretePosition& position = component.positions.emplace_back();
    ForEachAttribute(position_element, [&](const pugi::xml_attribute& attribute) {
      if (NameIs(attribute, "Pos")) {
        position.position = WideValue(attribute);
      } else if (NameIs(attribute, "Handle")) {
        position.handles = WideValue(attribute);
      }
    });
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
  long long attribute_number = 0;
  for (const DecorationAttribute& attribute : chapter.attributes) {
    writer.StartElement("Att", attribute_number++);
    writer.Attribute("AttName", attribute.name);
    writer.Attribute("AttType", attribute.type_path);
    long long room_number = 0;
    for (const DecorationRoom& room : attribute.rooms) {
      writer.StartElement("R", room_number++);
      writer.Attribute("Name", room.name);
      long long floor_number = 0;
      for (const DecorationFloor& floor : room.floors) {
        writer.StartElement("Floor", floor_number++);
        writer.Attribute("Name", floor.label);
        writer.RealAttribute("Quant", floor.quantity);
        writer.EndElement();
      }
      writer.EndElement();
    }
    writer.EndElement();
  }
}

void ReadDecorationRoom(pugi::xml_node element, DecorationRoom& room) {
  ForEachAttribute(element, [&](const pugi::xml_attribute& attribute) {
    if (NameIs(attribute, "Name")) room.name = WideValue(attribute);
  });
  ForEachChildElement(element, [&](pugi::xml_node floor_element) {
    DecorationFloor& floor = room.floors.emplace_back();
    ForEachAttribute(floor_element, [&](const pugi::xml_attribute& attribute) {
      if (NameIs(attribute, "Name")) {
        floor.label = WideValue(attribute);
      } else if (NameIs(attribute, "Quant")) {
        floor.quantity = LeadingReal(attribute.value());
      }
    });
  });
}

void ReadDecorationChapter(pugi::xml_node element, DecorationChapter& chapter) {
  ForEachAttribute(element, [&](const pugi::xml_attribute& attribute) {
    if (NameIs(attribute, "Name")) {
      chapter.kind = WideValue(attribute);
    } else if (NameIs(attribute, "Grade")) {
      chapter.order = LeadingInt(attribute.value());
    } else if (NameIs(attribute, "RoomFlag")) {
      chapter.room_flag = LeadingInt(attribute.value()) != 0;
    }
  });
  ForEachChildElement(element, [&](pugi::xml_node attribute_element) {
    DecorationAttribute& attribute = chapter.attributes.emplace_back();
    ForEachAttribute(attribute_element, [&](const pugi::xml_attribute& xml_attribute) {
      if (NameIs(xml_attribute, "AttName")) {
        attribute.name = WideValue(xml_attribute);
      } else if (NameIs(xml_attribute, "AttType")) {
        attribute.type_path = WideValue(xml_attribute);
      }
    });
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
