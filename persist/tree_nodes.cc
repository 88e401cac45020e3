// Shared levels of the report trees.
#include "persist/tree_nodes.h"

#include <algorithm>
#include <vector>

#include "keys/floor_text.h"
#include "model/tree_quantity.h"

namespace reportdata {
namespace {

constexpr char kShareElement[] = "分区信息";

void WriteOwnQuotas(XmlWriter& writer, const std::vector<SNYTJReportDEFeature>& quotas) {
  if (quotas.empty()) return;
  writer.StartElement("OwnDe");
  for (const SNYTJReportDEFeature& quota : quotas) {
    writer.StartElement("OwnDeNode");
    writer.Attribute("I", quota.code.str());
    writer.Attribute("N", quota.name.str());
    writer.Attribute("U", quota.unit.str());
    WriteCategories(writer, quota.categories);
    writer.EndElement();
  }
  writer.EndElement();
}

// Calls read(entry) for the first child named entry_name and every element
// after it.
template <typename Read>
void ForEachGroupEntry(pugi::xml_node group, const char* entry_name, Read&& read) {
  pugi::xml_node entry = group.child(entry_name);
  for (; entry; entry = entry.next_sibling()) {
    if (entry.type() != pugi::node_element) {
      throw MalformedTable(std::string("group <") + group.name() +
                           "> has an entry that is not an element");
    }
    read(entry);
  }
}

void ReadOwnQuotas(pugi::xml_node group, std::vector<SNYTJReportDEFeature>& quotas) {
  ForEachGroupEntry(group, "OwnDeNode", [&](pugi::xml_node entry) {
    SNYTJReportDEFeature& quota = quotas.emplace_back();
    for (const NamedAttribute attribute : AttributesOf{entry}) {
      if (NameIs(attribute, "I")) {
        quota.code = WideValue(attribute);
      } else if (NameIs(attribute, "N")) {
        quota.name = WideValue(attribute);
      } else if (NameIs(attribute, "U")) {
        quota.unit = WideValue(attribute);
      }
    }
    const pugi::xml_node categories = FindGroup(entry, "DeCategory");
    if (categories) ReadCategories(categories, quota.categories);
  });
}

// A share is taken by position and only with exactly three attributes: the
// partition name, its quantity and its formula.
void ReadShare(pugi::xml_node element, std::vector<PartitionShare>& shares) {
  const pugi::xml_attribute name = element.first_attribute();
  const pugi::xml_attribute quantity = name.next_attribute();
  const pugi::xml_attribute formula = quantity.next_attribute();
  if (!formula || formula.next_attribute()) return;
  shares.push_back(
      PartitionShare{PooledValue(name), PooledValue(formula), LeadingReal(quantity.value())});
}

}  // namespace

PooledText PartitionFormula(const SQdRecordNode& record, std::wstring_view partition) {
  if (partition.empty()) return record.description;
  const PartitionShare* share = FindShare(record, partition);
  return share ? share->formula : PooledText();
}

void WriteFullRecord(XmlWriter& writer, const SQdRecordNode& record, const RecordNames& names,
                     std::wstring_view partition) {
  writer.Attribute(names.formula, PartitionFormula(record, partition));
  writer.Attribute(names.position, record.positions);
  writer.RealAttribute(names.quantity, record.quantity);
  writer.IntAttribute(names.count, record.count);
  writer.Attribute(names.handle, record.handles);
  for (const PartitionShare& share : record.partitions) {
    writer.StartElement(kShareElement);
    writer.Attribute("Name", share.name);
    writer.RealAttribute("Quant", share.quantity);
    writer.Attribute("Formula", share.formula);
    writer.EndElement();
  }
}

void ReadRecord(pugi::xml_node element, const RecordNames& names, bool take_shares,
                SQdRecordNode& record) {
  for (const NamedAttribute attribute : AttributesOf{element}) {
    if (NameIs(attribute, names.formula)) {
      record.description = PooledValue(attribute);
    } else if (NameIs(attribute, names.position)) {
      record.positions = attribute.value();
    } else if (NameIs(attribute, names.quantity)) {
      record.quantity = LeadingReal(attribute.value());
    } else if (NameIs(attribute, names.count)) {
      record.count = LeadingInt(attribute.value());
    } else if (NameIs(attribute, names.handle)) {
      record.handles = attribute.value();
    }
  }
  if (!take_shares) return;
  ForEachChildElement(element, [&](pugi::xml_node child) {
    if (std::strcmp(child.name(), kShareElement) == 0) ReadShare(child, record.partitions);
  });
}

void ReadComponent(pugi::xml_node element, const char* name_attr, const char* type_attr,
                   const RecordNames& names, bool take_shares, SQdCompNode& component) {
  for (const NamedAttribute attribute : AttributesOf{element}) {
    if (NameIs(attribute, name_attr)) {
      component.name = PooledValue(attribute);
    } else if (NameIs(attribute, type_attr)) {
      component.type_path = PooledValue(attribute);
    }
  }
  // Sized once: a component of a large table holds thousands of records.
  size_t children = 0;
  for (pugi::xml_node child = element.first_child(); child; child = child.next_sibling()) {
    ++children;
  }
  component.records.reserve(component.records.size() + children);
  ForEachChildElement(element, [&](pugi::xml_node child) {
    ReadRecord(child, names, take_shares, component.records.emplace_back());
  });
}

void WriteCategories(XmlWriter& writer, const std::vector<SNYTJFenLeiVarDescInfo>& categories) {
  if (categories.empty()) return;
  writer.StartElement("DeCategory");
  for (const SNYTJFenLeiVarDescInfo& category : categories) {
    writer.StartElement("CategoryNode");
    writer.Attribute("Var", category.var.str());
    writer.Attribute("Name", category.name.str());
    writer.Attribute("Value", category.value.str());
    writer.EndElement();
  }
  writer.EndElement();
}

void ReadCategories(pugi::xml_node group, std::vector<SNYTJFenLeiVarDescInfo>& categories) {
  ForEachGroupEntry(group, "CategoryNode", [&](pugi::xml_node entry) {
    SNYTJFenLeiVarDescInfo& category = categories.emplace_back();
    for (const NamedAttribute attribute : AttributesOf{entry}) {
      if (NameIs(attribute, "Var")) {
        category.var = WideValue(attribute);
      } else if (NameIs(attribute, "Name")) {
        category.name = WideValue(attribute);
      } else if (NameIs(attribute, "Value")) {
        category.value = WideValue(attribute);
      }
    }
  });
}

void WriteBillComponents(XmlWriter& writer, const SQdFloorNode& floor,
                         std::wstring_view partition) {
  long long component_number = 0;
  for (const SQdCompNode& component : floor.components) {
    writer.StartElement("O", component_number++);
    WriteComponent(writer, component, "N", "T", "R", [&](const SQdRecordNode& record) {
      WriteFullRecord(writer, record, kBillRecordNames, partition);
    });
    writer.EndElement();
  }
}

void WriteBillItem(XmlWriter& writer, const SQdItemNode& item, std::wstring_view partition) {
  writer.Attribute("D", item.code);
  writer.Attribute("N", item.name);
  writer.Attribute("U", item.unit);
  writer.Attribute("NI", item.feature);
  writer.Attribute("P", item.extra);
  WriteOwnQuotas(writer, item.quota_features);
  long long floor_number = 0;
  for (const SQdFloorNode& floor : item.floors) {
    writer.StartElement("F", floor_number++);
    writer.Attribute("N", floor.floor_text);
    WriteBillComponents(writer, floor, partition);
    writer.EndElement();
  }
}

void ReadBillItem(pugi::xml_node element, SQdItemNode& item) {
  for (const NamedAttribute attribute : AttributesOf{element}) {
    if (NameIs(attribute, "D")) {
      item.code = PooledValue(attribute);
    } else if (NameIs(attribute, "N")) {
      item.name = PooledValue(attribute);
    } else if (NameIs(attribute, "U")) {
      item.unit = PooledValue(attribute);
    } else if (NameIs(attribute, "NI")) {
      item.feature = PooledValue(attribute);
    } else if (NameIs(attribute, "P")) {
      item.extra = PooledValue(attribute);
    }
  }
  ReadChildrenWithGroup(
      element, "OwnDe", [&](pugi::xml_node group) { ReadOwnQuotas(group, item.quota_features); },
      [&](pugi::xml_node floor_element) {
        SQdFloorNode& floor = item.floors.emplace_back();
        for (const NamedAttribute attribute : AttributesOf{floor_element}) {
          if (NameIs(attribute, "N")) floor.floor_text = PooledValue(attribute);
        }
        const FloorKey parsed = ParseFloorKey(floor.floor_text);
        floor.count = parsed.count;
        floor.order_key = parsed.order_key;
        floor.unit = item.unit;
        ForEachChildElement(floor_element, [&](pugi::xml_node component) {
          ReadComponent(component, "N", "T", kBillRecordNames, true,
                        floor.components.emplace_back());
        });
      });
}

}  // namespace reportdata
