// "\de1.xml" (quota summary), "\de2.xml" (quota by floor) and "\de3.xml"
// (quota by floor and component). The two per-floor files keep only what
// their rows show: no partition shares, the record text cut at "||", and in
// "\de3.xml" the first position and the counted quantity of each record.
#include "model/tree_insert.h"
#include "model/tree_quantity.h"
#include "persist/floor_attributes.h"
#include "persist/quota_nodes.h"
#include "persist/report_table_files.h"
#include "persist/tree_nodes.h"

namespace reportdata {
namespace {

// Code, name and unit of a quota of the per-floor files.
template <typename Quota>
void ReadQuotaKey(const pugi::xml_attribute& attribute, Quota& quota) {
  if (NameIs(attribute, "ID")) {
    quota.code = WideValue(attribute);
  } else if (NameIs(attribute, "Name")) {
    quota.name = WideValue(attribute);
  } else if (NameIs(attribute, "Unit")) {
    quota.unit = WideValue(attribute);
  }
}

void WriteCutRecord(XmlWriter& writer, const SQdRecordNode& record) {
  writer.Attribute("Formula", CutAtBars(record.description));
  writer.Attribute("Position", record.positions);
  writer.RealAttribute("Quantity", record.quantity);
  writer.IntAttribute("Num", record.count);
  writer.Attribute("Handle", record.handles);
}

void WriteQuotaByFloorGroup(XmlWriter& writer, const SDeFloorGroupNode& floor) {
  WriteFloorGroupAttributes(writer, floor);
  long long chapter_number = 0;
  for (const SDeFloorChapterNode& chapter : floor.chapters) {
    writer.StartElement("Chapter", chapter_number++);
    writer.Attribute("ChapterName", chapter.name);
    writer.Attribute("ChapterOrderId", chapter.order_id);
    long long quota_number = 0;
    for (const SDeFloorItemNode& quota : chapter.items) {
      writer.StartElement("De", quota_number++);
      writer.Attribute("ID", quota.code);
      writer.Attribute("Name", quota.name);
      writer.Attribute("Unit", quota.unit);
      WriteCategories(writer, quota.categories);
      long long component_number = 0;
      for (const SQdCompNode& component : quota.components) {
        writer.StartElement("Att", component_number++);
        WriteComponent(writer, component, "Name", "Type", "Rec",
                       [&](const SQdRecordNode& record) { WriteCutRecord(writer, record); });
        writer.EndElement();
      }
      writer.EndElement();
    }
    writer.EndElement();
  }
}

void ReadQuotaByFloorGroup(pugi::xml_node element, SDeFloorGroupNode& floor) {
  ReadFloorGroupAttributes(element, floor);
  ForEachChildElement(element, [&](pugi::xml_node chapter_element) {
    SDeFloorChapterNode& chapter = floor.chapters.emplace_back();
    for (const pugi::xml_attribute attribute : chapter_element.attributes()) {
      if (NameIs(attribute, "ChapterName")) {
        chapter.name = WideValue(attribute);
      } else if (NameIs(attribute, "ChapterOrderId")) {
        chapter.order_id = WideValue(attribute);
      }
    }
    ForEachChildElement(chapter_element, [&](pugi::xml_node quota_element) {
      SDeFloorItemNode& quota = chapter.items.emplace_back();
      for (const pugi::xml_attribute attribute : quota_element.attributes()) {
        ReadQuotaKey(attribute, quota);
      }
      ReadChildrenWithGroup(
          quota_element, "DeCategory",
          [&](pugi::xml_node group) { ReadCategories(group, quota.categories); },
          [&](pugi::xml_node component) {
            ReadComponent(component, "Name", "Type", kQuotaRecordNames, false,
                          quota.components.emplace_back());
          });
    });
  });
}

void WriteCountedRecord(XmlWriter& writer, const SQdRecordNode& record,
                        std::wstring_view partition) {
  writer.Attribute("Formula", CutAtBars(record.description));
  writer.Attribute("Position", FirstPosition(record.positions));
  writer.RealAttribute("Quantity", RecordQuantity(record, partition));
  writer.Attribute("Handle", record.handles);
}

void ReadCountedRecord(pugi::xml_node element, SQdRecordNode& record) {
  for (const pugi::xml_attribute attribute : element.attributes()) {
    if (NameIs(attribute, "Formula")) {
      record.description = WideValue(attribute);
    } else if (NameIs(attribute, "Position")) {
      record.positions = WideValue(attribute);
    } else if (NameIs(attribute, "Quantity")) {
      record.quantity = LeadingReal(attribute.value());
    } else if (NameIs(attribute, "Handle")) {
      record.handles = WideValue(attribute);
    }
  }
  ForEachChildElement(element, [](pugi::xml_node) {});
}

void WriteCalcQuota(XmlWriter& writer, const SDeCalcQuotaNode& quota, std::wstring_view partition) {
  writer.Attribute("ID", quota.code);
  writer.Attribute("Name", quota.name);
  writer.Attribute("Unit", quota.unit);
  writer.IntAttribute("Num", quota.num);
  WriteCategories(writer, quota.categories);
  long long number = 0;
  for (const SQdRecordNode& record : quota.records) {
    writer.StartElement("Rec", number++);
    WriteCountedRecord(writer, record, partition);
    writer.EndElement();
  }
}

void ReadCalcQuota(pugi::xml_node element, SDeCalcQuotaNode& quota) {
  for (const pugi::xml_attribute attribute : element.attributes()) {
    if (NameIs(attribute, "Num")) {
      quota.num = LeadingInt(attribute.value());
    } else {
      ReadQuotaKey(attribute, quota);
    }
  }
  ReadChildrenWithGroup(
      element, "DeCategory", [&](pugi::xml_node group) { ReadCategories(group, quota.categories); },
      [&](pugi::xml_node record) { ReadCountedRecord(record, quota.records.emplace_back()); });
}

void WriteComponentGroup(XmlWriter& writer, const SDeFloorCompGroupNode& floor,
                         std::wstring_view partition) {
  WriteFloorGroupAttributes(writer, floor);
  long long component_number = 0;
  for (const SDeCompGroupNode& component : floor.components) {
    writer.StartElement("Att", component_number++);
    writer.Attribute("Name", component.name);
    writer.Attribute("Type", component.type_path);
    long long calc_number = 0;
    for (const SDeCalcItemNode& calc_item : component.calc_items) {
      writer.StartElement("Cal", calc_number++);
      writer.Attribute("ID", calc_item.sub_code);
      long long quota_number = 0;
      for (const SDeCalcQuotaNode& quota : calc_item.quotas) {
        writer.StartElement("De", quota_number++);
        WriteCalcQuota(writer, quota, partition);
        writer.EndElement();
      }
      writer.EndElement();
    }
    writer.EndElement();
  }
}

void ReadComponentGroup(pugi::xml_node element, SDeFloorCompGroupNode& floor) {
  ReadFloorGroupAttributes(element, floor);
  ForEachChildElement(element, [&](pugi::xml_node component_element) {
    SDeCompGroupNode& component = floor.components.emplace_back();
    for (const pugi::xml_attribute attribute : component_element.attributes()) {
      if (NameIs(attribute, "Name")) {
        component.name = WideValue(attribute);
      } else if (NameIs(attribute, "Type")) {
        component.type_path = WideValue(attribute);
      }
    }
    ForEachChildElement(component_element, [&](pugi::xml_node calc_element) {
      SDeCalcItemNode& calc_item = component.calc_items.emplace_back();
      for (const pugi::xml_attribute attribute : calc_element.attributes()) {
        if (NameIs(attribute, "ID")) calc_item.sub_code = WideValue(attribute);
      }
      ForEachChildElement(calc_element, [&](pugi::xml_node quota) {
        ReadCalcQuota(quota, calc_item.quotas.emplace_back());
      });
    });
  });
}

}  // namespace

void WriteQuotaSummary(std::wstring_view dir, const std::vector<SDeChapterNode>& chapters,
                       std::wstring_view partition) {
  WriteTableFile(
      dir, kQuotaSummaryFile, chapters, [&](XmlWriter& writer, const SDeChapterNode& chapter) {
        WriteQuotaChapter(writer, chapter, QuotaChapterKind::kWithoutBillCode, partition);
      });
}

void ReadQuotaSummary(std::wstring_view dir, std::vector<SDeChapterNode>& chapters) {
  ReadTopLevelNodes(dir, kQuotaSummaryFile.file_name, chapters,
                    [](pugi::xml_node element, SDeChapterNode& chapter) {
                      ReadQuotaChapter(element, QuotaChapterKind::kWithoutBillCode, chapter);
                    });
}

void WriteQuotaByFloor(std::wstring_view dir, const std::vector<SDeFloorGroupNode>& floors) {
  WriteTableFile(dir, kQuotaByFloorFile, floors, WriteQuotaByFloorGroup);
}

void ReadQuotaByFloor(std::wstring_view dir, std::vector<SDeFloorGroupNode>& floors) {
  ReadTopLevelNodes(dir, kQuotaByFloorFile.file_name, floors, ReadQuotaByFloorGroup);
}

void WriteQuotaByFloorComponent(std::wstring_view dir,
                                const std::vector<SDeFloorCompGroupNode>& floors,
                                std::wstring_view partition) {
  WriteTableFile(dir, kQuotaByFloorComponentFile, floors,
                 [&](XmlWriter& writer, const SDeFloorCompGroupNode& floor) {
                   WriteComponentGroup(writer, floor, partition);
                 });
}

void ReadQuotaByFloorComponent(std::wstring_view dir, std::vector<SDeFloorCompGroupNode>& floors) {
  ReadTopLevelNodes(dir, kQuotaByFloorComponentFile.file_name, floors, ReadComponentGroup);
}

}  // namespace reportdata
