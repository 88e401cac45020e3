// Quotas and quota chapters of the bill consumption table and the two
// quota-side summaries (declared in tree_nodes.h).
#include "persist/node_io.h"
#include "persist/tree_nodes.h"

namespace reportdata {

void WriteQuota(XmlWriter& writer, const SDeItemNode& quota, const QuotaNames& names,
                std::wstring_view partition) {
  writer.Attribute(names.code, quota.code);
  writer.Attribute(names.name, quota.name);
  writer.Attribute(names.unit, quota.unit);
  if (names.bill_code) writer.Attribute(names.bill_code, quota.bill_code);
  WriteCategories(writer, quota.categories);
  WriteNumbered(writer, names.floor.element, quota.floors, [&](const SQdFloorNode& floor) {
    writer.Attribute(names.floor.text, floor.floor_text);
    writer.IntAttribute("Num", floor.count);
    writer.IntAttribute(names.floor.order_key, floor.order_key);
    if (names.floor.unit) writer.Attribute(names.floor.unit, floor.unit);
    const QuotaNames::Component& level = names.component;
    WriteNumbered(writer, level.element, floor.components, [&](const SQdCompNode& component) {
      WriteComponent(writer, component, level.name, level.type, level.record,
                     [&](const SQdRecordNode& record) {
                       WriteFullRecord(writer, record, level.record_names, partition);
                     });
    });
  });
}

void ReadQuota(pugi::xml_node element, const QuotaNames& names, SDeItemNode& quota) {
  ReadAttributes(element, {{names.code, &quota.code},
                           {names.name, &quota.name},
                           {names.unit, &quota.unit},
                           {names.bill_code, &quota.bill_code}});
  ReadChildrenWithGroup(
      element, "DeCategory", [&](pugi::xml_node group) { ReadCategories(group, quota.categories); },
      [&](pugi::xml_node floor_element) {
        SQdFloorNode& floor = quota.floors.emplace_back();
        if (!names.floor.unit) floor.unit = quota.unit;
        ReadAttributes(floor_element, {{names.floor.text, &floor.floor_text},
                                       {"Num", &floor.count},
                                       {names.floor.order_key, &floor.order_key},
                                       {names.floor.unit, &floor.unit}});
        ForEachChildElement(floor_element, [&](pugi::xml_node component) {
          ReadComponent(component, names.component.name, names.component.type,
                        names.component.record_names, true, floor.components.emplace_back());
        });
      });
}

namespace {

void WriteQuotaChapter(XmlWriter& writer, const SDeChapterNode& chapter, const QuotaNames& names,
                       std::wstring_view partition) {
  writer.Attribute("ChapterName", chapter.name);
  writer.Attribute("ChapterOrderId", chapter.order_id);
  WriteNumbered(writer, "De", chapter.items,
                [&](const SDeItemNode& quota) { WriteQuota(writer, quota, names, partition); });
}

void ReadQuotaChapter(pugi::xml_node element, const QuotaNames& names, SDeChapterNode& chapter) {
  ReadAttributes(element, {{"ChapterName", &chapter.name}, {"ChapterOrderId", &chapter.order_id}});
  ForEachChildElement(element, [&](pugi::xml_node quota) {
    ReadQuota(quota, names, chapter.items.emplace_back());
  });
}

}  // namespace

void WriteQuotaSummaryFile(std::wstring_view dir, const TableFileLayout& layout,
                           const QuotaNames& names, const std::vector<SDeChapterNode>& chapters,
                           std::wstring_view partition) {
  WriteTableFile(dir, layout, chapters, [&](XmlWriter& writer, const SDeChapterNode& chapter) {
    WriteQuotaChapter(writer, chapter, names, partition);
  });
}

void ReadQuotaSummaryFile(std::wstring_view dir, const TableFileLayout& layout,
                          const QuotaNames& names, std::vector<SDeChapterNode>& chapters) {
  ReadTopLevelNodes(dir, layout.file_name, chapters,
                    [&](pugi::xml_node element, SDeChapterNode& chapter) {
                      ReadQuotaChapter(element, names, chapter);
                    });
}

}  // namespace reportdata
