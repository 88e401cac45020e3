// The attributes of a floor element ("Name" floor text, "Num" floor
// count, "Grade" floor order key), shared by every file that lists floors of
// any node type with the fields floor_text, count and order_key.
#ifndef REPORTDATA_PERSIST_FLOOR_ATTRIBUTES_H_
#define REPORTDATA_PERSIST_FLOOR_ATTRIBUTES_H_

#include "persist/xml_reader.h"
#include "persist/xml_writer.h"

namespace reportdata {

template <typename FloorGroup>
void WriteFloorGroupAttributes(XmlWriter& writer, const FloorGroup& floor) {
  writer.Attribute("Name", floor.floor_text);
  writer.IntAttribute("Num", floor.count);
  writer.IntAttribute("Grade", floor.order_key);
}

template <typename FloorGroup>
void ReadFloorGroupAttributes(pugi::xml_node element, FloorGroup& floor) {
  for (const pugi::xml_attribute attribute : element.attributes()) {
    if (NameIs(attribute, "Name")) {
      floor.floor_text = WideValue(attribute);
    } else if (NameIs(attribute, "Num")) {
      floor.count = LeadingInt(attribute.value());
    } else if (NameIs(attribute, "Grade")) {
      floor.order_key = LeadingInt(attribute.value());
    }
  }
}

}  // namespace reportdata

#endif  // REPORTDATA_PERSIST_FLOOR_ATTRIBUTES_H_
