// Quota chapters of the consumption summary and the quota summary.
#include "persist/quota_nodes.h"

#include "persist/tree_nodes.h"

namespace reportdata {
namespace {

void WriteQuota(XmlWriter& writer, const SDeItemNode& quota, QuotaChapterKind kind,
                std::wstring_view partition) {
  writer.Attribute("ID", quota.code);
  writer.Attribute("Name", quota.name);
  writer.Attribute("Unit", quota.unit);
  if (kind == QuotaChapterKind::kWithBillCode) writer.Attribute("QdID", quota.bill_code);
  WriteCategories(writer, quota.categories);
  long long floor_number = 0;
  for (const SQdFloorNode& floor : quota.floors) {
    writer.StartElement("Floor", floor_number++);
    writer.Attribute("Name", floor.floor_text);
    writer.IntAttribute("Num", floor.count);
    writer.IntAttribute("Grade", floor.order_key);
    long long component_number = 0;
    for (const SQdCompNode& component : floor.components) {
      writer.StartElement("Obj", component_number++);
      WriteComponent(writer, component, "Name", "Type", "Rec", [&](const SQdRecordNode& record) {
        WriteFullRecord(writer, record, kQuotaRecordNames, partition);
      });
      writer.EndElement();
    }
    writer.EndElement();
  }
}

void ReadQuota(pugi::xml_node element, QuotaChapterKind kind, SDeItemNode& quota) {
  const bool with_bill_code = kind == QuotaChapterKind::kWithBillCode;
  for (const pugi::xml_attribute attribute : element.attributes()) {
    if (NameIs(attribute, "ID")) {
      quota.code = WideValue(attribute);
    } else if (NameIs(attribute, "Name")) {
      quota.name = WideValue(attribute);
    } else if (NameIs(attribute, "Unit")) {
      quota.unit = WideValue(attribute);
    } else if (with_bill_code && NameIs(attribute, "QdID")) {
      quota.bill_code = WideValue(attribute);
    }
  }
  ReadChildrenWithGroup(
      element, "DeCategory", [&](pugi::xml_node group) { ReadCategories(group, quota.categories); },
      [&](pugi::xml_node floor_element) {
        SQdFloorNode& floor = quota.floors.emplace_back();
        for (const pugi::xml_attribute attribute : floor_element.attributes()) {
          if (NameIs(attribute, "Name")) {
            floor.floor_text = WideValue(attribute);
          } else if (NameIs(attribute, "Num")) {
            floor.count = LeadingInt(attribute.value());
          } else if (NameIs(attribute, "Grade")) {
            floor.order_key = LeadingInt(attribute.value());
          }
        }
        floor.unit = quota.unit;
        ForEachChildElement(floor_element, [&](pugi::xml_node component) {
          ReadComponent(component, "Name", "Type", kQuotaRecordNames, true,
                        floor.components.emplace_back());
        });
      });
}

}  // namespace

void WriteQuotaChapter(XmlWriter& writer, const SDeChapterNode& chapter, QuotaChapterKind kind,
                       std::wstring_view partition) {
  writer.Attribute("ChapterName", chapter.name);
  writer.Attribute("ChapterOrderId", chapter.order_id);
  long long number = 0;
  for (const SDeItemNode& quota : chapter.items) {
    writer.StartElement("De", number++);
    WriteQuota(writer, quota, kind, partition);
    writer.EndElement();
  }
}

void ReadQuotaChapter(pugi::xml_node element, QuotaChapterKind kind, SDeChapterNode& chapter) {
  for (const pugi::xml_attribute attribute : element.attributes()) {
    if (NameIs(attribute, "ChapterName")) {
      chapter.name = WideValue(attribute);
    } else if (NameIs(attribute, "ChapterOrderId")) {
      chapter.order_id = WideValue(attribute);
    }
  }
  ForEachChildElement(
      element, [&](pugi::xml_node quota) { ReadQuota(quota, kind, chapter.items.emplace_back()); });
}

}  // namespace reportdata
