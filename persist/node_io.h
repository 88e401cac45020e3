// What every table file's writer and reader does at each level of its tree:
// write a list as numbered children ("Floor0", "Floor1", ...) and read an
// element's attributes by exact name into the fields of a node; the floor
// and quota attributes several files share.
#ifndef REPORTDATA_PERSIST_NODE_IO_H_
#define REPORTDATA_PERSIST_NODE_IO_H_

#include <pugixml.hpp>

#include <initializer_list>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "keys/pooled_text.h"
#include "persist/table_file.h"
#include "persist/xml_reader.h"
#include "persist/xml_writer.h"

namespace reportdata {

// Writes each entry of list as an element prefix%d, numbered from 0, whose
// attributes and children write(entry) puts in.
template <typename List, typename Write>
void WriteNumbered(XmlWriter& writer, const char* prefix, const List& list, Write&& write) {
  long long number = 0;
  for (const auto& entry : list) {
    writer.StartElement(prefix, number++);
    write(entry);
    writer.EndElement();
  }
}

// A table file whose nodes are written with the current partition:
// write_node(writer, node, partition) puts in each top-level node.
template <typename Node, typename WriteNode>
void WritePartitionTable(std::wstring_view dir, const TableFileLayout& layout,
                         const std::vector<Node>& nodes, std::wstring_view partition,
                         WriteNode&& write_node) {
  WriteTableFile(dir, layout, nodes,
                 [&](XmlWriter& writer, const Node& node) { write_node(writer, node, partition); });
}

// One attribute a reader takes and the field its value goes to: a text, a
// pooled text, a UTF-8 text as the file holds it, a whole number or a real number, each read as the
// runtime reads it.
struct AttributeField {
  const char* name;  // nullptr: the file has no such attribute
  std::variant<std::wstring*, PooledText*, std::string*, int*, double*> field;
};

// Reads every attribute of element whose name one of fields has; others are
// passed over, and where a name repeats the last value wins.
inline void ReadAttributes(pugi::xml_node element, std::initializer_list<AttributeField> fields) {
  for (const NamedAttribute attribute : AttributesOf{element}) {
    for (const AttributeField& field : fields) {
      if (field.name == nullptr || !NameIs(attribute, field.name)) continue;
      if (auto* text = std::get_if<std::wstring*>(&field.field)) {
        **text = WideValue(attribute);
      } else if (auto* pooled = std::get_if<PooledText*>(&field.field)) {
        **pooled = PooledText::FromUtf8(attribute.value());
      } else if (auto* utf8 = std::get_if<std::string*>(&field.field)) {
        **utf8 = attribute.value();
      } else if (auto* whole = std::get_if<int*>(&field.field)) {
        **whole = LeadingInt(attribute.value());
      } else {
        *std::get<double*>(field.field) = LeadingReal(attribute.value());
      }
      break;
    }
  }
}

// The attributes of a floor element ("Name" floor text, "Num" floor count,
// "Grade" floor order key), shared by the files that list floors of any node
// type with the fields floor_text, count and order_key.
template <typename FloorGroup>
void WriteFloorGroupAttributes(XmlWriter& writer, const FloorGroup& floor) {
  writer.Attribute("Name", floor.floor_text);
  writer.IntAttribute("Num", floor.count);
  writer.IntAttribute("Grade", floor.order_key);
}

template <typename FloorGroup>
void ReadFloorGroupAttributes(pugi::xml_node element, FloorGroup& floor) {
  ReadAttributes(element,
                 {{"Name", &floor.floor_text}, {"Num", &floor.count}, {"Grade", &floor.order_key}});
}

// The key of a quota in the quota-side files: "ID" code, "Name", "Unit".
template <typename Quota>
void WriteQuotaKey(XmlWriter& writer, const Quota& quota) {
  writer.Attribute("ID", quota.code);
  writer.Attribute("Name", quota.name);
  writer.Attribute("Unit", quota.unit);
}

}  // namespace reportdata

#endif  // REPORTDATA_PERSIST_NODE_IO_H_
