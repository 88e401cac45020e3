// The attributes of the head of a floor entry of the tables of areas, as
// every table file that lists such entries writes and reads them: "Name" the
// floor text, then its storeys and order key ("Num" and "Grade", "N" and "G"
// in the index analysis). A head without them reads as one storey that sorts
// first, as a new head does.
#ifndef REPORTDATA_PERSIST_AREA_FLOOR_HEAD_ATTRIBUTES_H_
#define REPORTDATA_PERSIST_AREA_FLOOR_HEAD_ATTRIBUTES_H_

#include <pugixml.hpp>

#include "areas/area_floor_head.h"
#include "persist/node_io.h"

namespace reportdata {

// The names a file gives the storeys and the order key of a floor.
struct AreaFloorHeadNames {
  const char* num = "Num";
  const char* grade = "Grade";
};

inline void WriteAreaFloorHead(XmlWriter& writer, const AreaFloorHead& head,
                               AreaFloorHeadNames names = {}) {
  writer.Attribute("Name", head.label);
  writer.IntAttribute(names.num, head.num);
  writer.IntAttribute(names.grade, head.grade);
}

// Replaces head with the element's.
inline void ReadAreaFloorHead(pugi::xml_node element, AreaFloorHead& head,
                              AreaFloorHeadNames names = {}) {
  head = AreaFloorHead{};
  ReadAttributes(element,
                 {{"Name", &head.label}, {names.num, &head.num}, {names.grade, &head.grade}});
}

}  // namespace reportdata

#endif  // REPORTDATA_PERSIST_AREA_FLOOR_HEAD_ATTRIBUTES_H_
