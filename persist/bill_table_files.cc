// "\qd.xml" (bill summary), "\qdxhl.xml" (bill consumption) and "\de.xml"
// (consumption summary); "\de1.xml" shares the consumption summary's shape.
#include "persist/node_io.h"
#include "persist/report_table_files.h"
#include "persist/tree_nodes.h"

namespace reportdata {
namespace {

void WriteBillChapter(XmlWriter& writer, const SQdChapterNode& chapter,
                      std::wstring_view partition) {
  writer.Attribute("N", chapter.name);
  writer.Attribute("ChapterOrderId", chapter.order_id);
  WriteNumbered(writer, "Qd", chapter.items,
                [&](const SQdItemNode& item) { WriteBillItem(writer, item, partition); });
}

void ReadBillChapter(pugi::xml_node element, SQdChapterNode& chapter) {
  ReadAttributes(element, {{"N", &chapter.name}, {"ChapterOrderId", &chapter.order_id}});
  ForEachChildElement(
      element, [&](pugi::xml_node item) { ReadBillItem(item, chapter.items.emplace_back()); });
}

void WriteConsumptionChapter(XmlWriter& writer, const SQdXhlChapterNode& chapter,
                             std::wstring_view partition) {
  writer.Attribute("ChapterName", chapter.name);
  writer.Attribute("Index", chapter.code_prefix);
  writer.Attribute("ChapterOrderId", chapter.order_id);
  WriteNumbered(writer, "Qd", chapter.items, [&](const SQdXhlItemNode& item) {
    writer.StartElement("清单节点");
    WriteBillItem(writer, item.bill, partition);
    writer.EndElement();
    WriteNumbered(writer, "De", item.quotas, [&](const SDeItemNode& quota) {
      WriteQuota(writer, quota, kConsumedQuotaNames, partition);
    });
  });
}

void ReadConsumptionChapter(pugi::xml_node element, SQdXhlChapterNode& chapter) {
  ReadAttributes(element, {{"ChapterName", &chapter.name},
                           {"Index", &chapter.code_prefix},
                           {"ChapterOrderId", &chapter.order_id}});
  ForEachChildElement(element, [&](pugi::xml_node item_element) {
    SQdXhlItemNode& item = chapter.items.emplace_back();
    ReadChildrenWithGroup(
        item_element, "清单节点", [&](pugi::xml_node bill) { ReadBillItem(bill, item.bill); },
        [&](pugi::xml_node quota) {
          ReadQuota(quota, kConsumedQuotaNames, item.quotas.emplace_back());
        });
  });
}

}  // namespace

void WriteBillSummary(std::wstring_view dir, const std::vector<SQdChapterNode>& chapters,
                      std::wstring_view partition) {
  WritePartitionTable(dir, kBillSummaryFile, chapters, partition, WriteBillChapter);
}

void ReadBillSummary(std::wstring_view dir, std::vector<SQdChapterNode>& chapters) {
  ReadTopLevelNodes(dir, kBillSummaryFile.file_name, chapters, ReadBillChapter);
}

void WriteBillConsumption(std::wstring_view dir, const std::vector<SQdXhlChapterNode>& chapters,
                          std::wstring_view partition) {
  WritePartitionTable(dir, kBillConsumptionFile, chapters, partition, WriteConsumptionChapter);
}

void ReadBillConsumption(std::wstring_view dir, std::vector<SQdXhlChapterNode>& chapters) {
  ReadTopLevelNodes(dir, kBillConsumptionFile.file_name, chapters, ReadConsumptionChapter);
}

void WriteConsumptionSummary(std::wstring_view dir, const std::vector<SDeChapterNode>& chapters,
                             std::wstring_view partition) {
  WriteQuotaSummaryFile(dir, kConsumptionSummaryFile, kConsumptionSummaryQuotaNames, chapters,
                        partition);
}

void ReadConsumptionSummary(std::wstring_view dir, std::vector<SDeChapterNode>& chapters) {
  ReadQuotaSummaryFile(dir, kConsumptionSummaryFile, kConsumptionSummaryQuotaNames, chapters);
}

}  // namespace reportdata
