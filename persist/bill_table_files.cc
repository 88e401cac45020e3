// "\qd.xml" (bill summary), "\qdxhl.xml" (bill consumption) and "\de.xml"
// (consumption summary); "\de1.xml" shares the consumption summary's shape.
#include "persist/quota_nodes.h"
#include "persist/report_table_files.h"
#include "persist/tree_nodes.h"

namespace reportdata {
namespace {

void WriteBillChapter(XmlWriter& writer, const SQdChapterNode& chapter,
                      std::wstring_view partition) {
  writer.Attribute("N", chapter.name);
  writer.Attribute("ChapterOrderId", chapter.order_id);
  long long number = 0;
  for (const SQdItemNode& item : chapter.items) {
    writer.StartElement("Qd", number++);
    WriteBillItem(writer, item, partition);
    writer.EndElement();
  }
}

void ReadBillChapter(pugi::xml_node element, SQdChapterNode& chapter) {
  for (const pugi::xml_attribute attribute : element.attributes()) {
    if (NameIs(attribute, "N")) {
      chapter.name = WideValue(attribute);
    } else if (NameIs(attribute, "ChapterOrderId")) {
      chapter.order_id = WideValue(attribute);
    }
  }
  ForEachChildElement(
      element, [&](pugi::xml_node item) { ReadBillItem(item, chapter.items.emplace_back()); });
}

// A quota under a bill item of the bill consumption table; its floors carry
// their count, order key and unit.
void WriteConsumedQuota(XmlWriter& writer, const SDeItemNode& quota, std::wstring_view partition) {
  writer.Attribute("D", quota.code);
  writer.Attribute("N", quota.name);
  writer.Attribute("U", quota.unit);
  writer.Attribute("QD", quota.bill_code);
  WriteCategories(writer, quota.categories);
  long long floor_number = 0;
  for (const SQdFloorNode& floor : quota.floors) {
    writer.StartElement("F", floor_number++);
    writer.Attribute("N", floor.floor_text);
    writer.IntAttribute("Num", floor.count);
    writer.IntAttribute("G", floor.order_key);
    writer.Attribute("Unit", floor.unit);
    WriteBillComponents(writer, floor, partition);
    writer.EndElement();
  }
}

void ReadConsumedQuota(pugi::xml_node element, SDeItemNode& quota) {
  for (const pugi::xml_attribute attribute : element.attributes()) {
    if (NameIs(attribute, "D")) {
      quota.code = WideValue(attribute);
    } else if (NameIs(attribute, "N")) {
      quota.name = WideValue(attribute);
    } else if (NameIs(attribute, "U")) {
      quota.unit = WideValue(attribute);
    } else if (NameIs(attribute, "QD")) {
      quota.bill_code = WideValue(attribute);
    }
  }
  ReadChildrenWithGroup(
      element, "DeCategory", [&](pugi::xml_node group) { ReadCategories(group, quota.categories); },
      [&](pugi::xml_node floor_element) {
        SQdFloorNode& floor = quota.floors.emplace_back();
        for (const pugi::xml_attribute attribute : floor_element.attributes()) {
          if (NameIs(attribute, "N")) {
            floor.floor_text = WideValue(attribute);
          } else if (NameIs(attribute, "Num")) {
            floor.count = LeadingInt(attribute.value());
          } else if (NameIs(attribute, "G")) {
            floor.order_key = LeadingInt(attribute.value());
          } else if (NameIs(attribute, "Unit")) {
            floor.unit = WideValue(attribute);
          }
        }
        ForEachChildElement(floor_element, [&](pugi::xml_node component) {
          ReadComponent(component, "N", "T", kBillRecordNames, true,
                        floor.components.emplace_back());
        });
      });
}

void WriteConsumptionChapter(XmlWriter& writer, const SQdXhlChapterNode& chapter,
                             std::wstring_view partition) {
  writer.Attribute("ChapterName", chapter.name);
  writer.Attribute("Index", chapter.code_prefix);
  writer.Attribute("ChapterOrderId", chapter.order_id);
  long long item_number = 0;
  for (const SQdXhlItemNode& item : chapter.items) {
    writer.StartElement("Qd", item_number++);
    writer.StartElement("清单节点");
    WriteBillItem(writer, item.bill, partition);
    writer.EndElement();
    long long quota_number = 0;
    for (const SDeItemNode& quota : item.quotas) {
      writer.StartElement("De", quota_number++);
      WriteConsumedQuota(writer, quota, partition);
      writer.EndElement();
    }
    writer.EndElement();
  }
}

void ReadConsumptionChapter(pugi::xml_node element, SQdXhlChapterNode& chapter) {
  for (const pugi::xml_attribute attribute : element.attributes()) {
    if (NameIs(attribute, "ChapterName")) {
      chapter.name = WideValue(attribute);
    } else if (NameIs(attribute, "Index")) {
      chapter.code_prefix = WideValue(attribute);
    } else if (NameIs(attribute, "ChapterOrderId")) {
      chapter.order_id = WideValue(attribute);
    }
  }
  ForEachChildElement(element, [&](pugi::xml_node item_element) {
    SQdXhlItemNode& item = chapter.items.emplace_back();
    ReadChildrenWithGroup(
        item_element, "清单节点", [&](pugi::xml_node bill) { ReadBillItem(bill, item.bill); },
        [&](pugi::xml_node quota) { ReadConsumedQuota(quota, item.quotas.emplace_back()); });
  });
}

}  // namespace

void WriteBillSummary(std::wstring_view dir, const std::vector<SQdChapterNode>& chapters,
                      std::wstring_view partition) {
  WriteTableFile(dir, kBillSummaryFile, chapters,
                 [&](XmlWriter& writer, const SQdChapterNode& chapter) {
                   WriteBillChapter(writer, chapter, partition);
                 });
}

void ReadBillSummary(std::wstring_view dir, std::vector<SQdChapterNode>& chapters) {
  ReadTopLevelNodes(dir, kBillSummaryFile.file_name, chapters, ReadBillChapter);
}

void WriteBillConsumption(std::wstring_view dir, const std::vector<SQdXhlChapterNode>& chapters,
                          std::wstring_view partition) {
  WriteTableFile(dir, kBillConsumptionFile, chapters,
                 [&](XmlWriter& writer, const SQdXhlChapterNode& chapter) {
                   WriteConsumptionChapter(writer, chapter, partition);
                 });
}

void ReadBillConsumption(std::wstring_view dir, std::vector<SQdXhlChapterNode>& chapters) {
  ReadTopLevelNodes(dir, kBillConsumptionFile.file_name, chapters, ReadConsumptionChapter);
}

void WriteConsumptionSummary(std::wstring_view dir, const std::vector<SDeChapterNode>& chapters,
                             std::wstring_view partition) {
  WriteTableFile(dir, kConsumptionSummaryFile, chapters,
                 [&](XmlWriter& writer, const SDeChapterNode& chapter) {
                   WriteQuotaChapter(writer, chapter, QuotaChapterKind::kWithBillCode, partition);
                 });
}

void ReadConsumptionSummary(std::wstring_view dir, std::vector<SDeChapterNode>& chapters) {
  ReadTopLevelNodes(dir, kConsumptionSummaryFile.file_name, chapters,
                    [](pugi::xml_node element, SDeChapterNode& chapter) {
                      ReadQuotaChapter(element, QuotaChapterKind::kWithBillCode, chapter);
                    });
}

void WriteEmptyTable(std::wstring_view dir, const TableFileLayout& layout) {
  WriteTableFile(dir, layout, std::vector<int>(), [](XmlWriter&, int) {});
}

}  // namespace reportdata
