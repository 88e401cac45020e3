// "\de1.xml" (quota summary), "\de2.xml" (quota by floor) and "\de3.xml"
// (quota by floor and component). The two per-floor files keep only what
// their rows show: no partition shares, the record text cut at "||", and in
// "\de3.xml" the first position and the counted quantity of each record.
#include "model/tree_insert.h"
#include "model/tree_quantity.h"
#include "persist/node_io.h"
#include "persist/report_table_files.h"
#include "persist/tree_nodes.h"

namespace reportdata {
namespace {

void WriteCutRecord(XmlWriter& writer, const SQdRecordNode& record) {
  writer.Attribute("Formula", CutAtBars(record.description));
  writer.Attribute("Position", record.positions);
  writer.RealAttribute("Quantity", record.quantity);
  writer.IntAttribute("Num", record.count);
  writer.Attribute("Handle", record.handles);
}

void WriteQuotaByFloorGroup(XmlWriter& writer, const SDeFloorGroupNode& floor) {
  WriteFloorGroupAttributes(writer, floor);
  WriteNumbered(writer, "Chapter", floor.chapters, [&](const SDeFloorChapterNode& chapter) {
    writer.Attribute("ChapterName", chapter.name);
    writer.Attribute("ChapterOrderId", chapter.order_id);
    WriteNumbered(writer, "De", chapter.items, [&](const SDeFloorItemNode& quota) {
      WriteQuotaKey(writer, quota);
      WriteCategories(writer, quota.categories);
      WriteNumbered(writer, "Att", quota.components, [&](const SQdCompNode& component) {
        WriteComponent(writer, component, "Name", "Type", "Rec",
                       [&](const SQdRecordNode& record) { WriteCutRecord(writer, record); });
      });
    });
  });
}

void ReadQuotaByFloorGroup(pugi::xml_node element, SDeFloorGroupNode& floor) {
  ReadFloorGroupAttributes(element, floor);
  ForEachChildElement(element, [&](pugi::xml_node chapter_element) {
    SDeFloorChapterNode& chapter = floor.chapters.emplace_back();
    ReadAttributes(chapter_element,
                   {{"ChapterName", &chapter.name}, {"ChapterOrderId", &chapter.order_id}});
    ForEachChildElement(chapter_element, [&](pugi::xml_node quota_element) {
      SDeFloorItemNode& quota = chapter.items.emplace_back();
      ReadAttributes(quota_element,
                     {{"ID", &quota.code}, {"Name", &quota.name}, {"Unit", &quota.unit}});
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
  ReadAttributes(element, {{"Formula", &record.description},
                           {"Position", &record.positions},
                           {"Quantity", &record.quantity},
                           {"Handle", &record.handles}});
  ForEachChildElement(element, [](pugi::xml_node) {});
}

void WriteCalcQuota(XmlWriter& writer, const SDeCalcQuotaNode& quota, std::wstring_view partition) {
  WriteQuotaKey(writer, quota);
  writer.IntAttribute("Num", quota.num);
  WriteCategories(writer, quota.categories);
  WriteNumbered(writer, "Rec", quota.records, [&](const SQdRecordNode& record) {
    WriteCountedRecord(writer, record, partition);
  });
}

void ReadCalcQuota(pugi::xml_node element, SDeCalcQuotaNode& quota) {
  ReadAttributes(
      element,
      {{"ID", &quota.code}, {"Name", &quota.name}, {"Unit", &quota.unit}, {"Num", &quota.num}});
  ReadChildrenWithGroup(
      element, "DeCategory", [&](pugi::xml_node group) { ReadCategories(group, quota.categories); },
      [&](pugi::xml_node record) { ReadCountedRecord(record, quota.records.emplace_back()); });
}

void WriteComponentGroup(XmlWriter& writer, const SDeFloorCompGroupNode& floor,
                         std::wstring_view partition) {
  WriteFloorGroupAttributes(writer, floor);
  WriteNumbered(writer, "Att", floor.components, [&](const SDeCompGroupNode& component) {
    writer.Attribute("Name", component.name);
    writer.Attribute("Type", component.type_path);
    WriteNumbered(writer, "Cal", component.calc_items, [&](const SDeCalcItemNode& calc_item) {
      writer.Attribute("ID", calc_item.sub_code);
      WriteNumbered(writer, "De", calc_item.quotas, [&](const SDeCalcQuotaNode& quota) {
        WriteCalcQuota(writer, quota, partition);
      });
    });
  });
}

void ReadComponentGroup(pugi::xml_node element, SDeFloorCompGroupNode& floor) {
  ReadFloorGroupAttributes(element, floor);
  ForEachChildElement(element, [&](pugi::xml_node component_element) {
    SDeCompGroupNode& component = floor.components.emplace_back();
    ReadAttributes(component_element, {{"Name", &component.name}, {"Type", &component.type_path}});
    ForEachChildElement(component_element, [&](pugi::xml_node calc_element) {
      SDeCalcItemNode& calc_item = component.calc_items.emplace_back();
      ReadAttributes(calc_element, {{"ID", &calc_item.sub_code}});
      ForEachChildElement(calc_element, [&](pugi::xml_node quota) {
        ReadCalcQuota(quota, calc_item.quotas.emplace_back());
      });
    });
  });
}

}  // namespace

void WriteQuotaSummary(std::wstring_view dir, const std::vector<SDeChapterNode>& chapters,
                       std::wstring_view partition) {
  WriteQuotaSummaryFile(dir, kQuotaSummaryFile, kQuotaSummaryQuotaNames, chapters, partition);
}

void ReadQuotaSummary(std::wstring_view dir, std::vector<SDeChapterNode>& chapters) {
  ReadQuotaSummaryFile(dir, kQuotaSummaryFile, kQuotaSummaryQuotaNames, chapters);
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
  WritePartitionTable(dir, kQuotaByFloorComponentFile, floors, partition, WriteComponentGroup);
}

void ReadQuotaByFloorComponent(std::wstring_view dir, std::vector<SDeFloorCompGroupNode>& floors) {
  ReadTopLevelNodes(dir, kQuotaByFloorComponentFile.file_name, floors, ReadComponentGroup);
}

}  // namespace reportdata
