// The levels of the report trees that several table files share: measurement
// records with their partition shares, components, floors, quota categories
// ("DeCategory"), a bill item's own quotas ("OwnDe"), the bill item itself
// and the quota item with its floors. Each level has a writer, which puts the node's attributes in
// the fixed order and its lists as numbered children, and a reader, which fills a fresh node from
// an element: attributes by exact name in any order, children in document order whatever their
// names, groups by name. Readers throw MalformedTable at a child that is not an element.
#ifndef REPORTDATA_PERSIST_TREE_NODES_H_
#define REPORTDATA_PERSIST_TREE_NODES_H_

#include <pugixml.hpp>

#include <string_view>
#include <vector>

#include "model/report_tree.h"
#include "persist/table_file.h"
#include "persist/xml_reader.h"
#include "persist/xml_writer.h"

namespace reportdata {

// Attribute names of a measurement record: the bill family spells them
// short, the quota family long.
struct RecordNames {
  const char* formula;
  const char* position;
  const char* quantity;
  const char* count;
  const char* handle;
};
inline constexpr RecordNames kBillRecordNames{"F", "P", "Q", "Num", "H"};
inline constexpr RecordNames kQuotaRecordNames{"Formula", "Position", "Quantity", "Num", "Handle"};

// The record text a file carries: the record's description (the formula text
// of the measured instance), or with a current partition the formula of the
// record's share in it (empty without one).
PooledText PartitionFormula(const SQdRecordNode& record, std::wstring_view partition);

// A record with every field and one "分区信息" per partition share (the
// bill summary, the bill consumption table, the consumption summary and the
// quota summary).
void WriteFullRecord(XmlWriter& writer, const SQdRecordNode& record, const RecordNames& names,
                     std::wstring_view partition);
// Reads what WriteFullRecord wrote; with take_shares false "分区信息"
// children are ignored. The text goes to the description; the count is 1
// when the element has none.
void ReadRecord(pugi::xml_node element, const RecordNames& names, bool take_shares,
                SQdRecordNode& record);

// A component: name and type path as (name_attr, type_attr), then its
// records under record_prefix, each written by write_record.
template <typename WriteRecord>
void WriteComponent(XmlWriter& writer, const SQdCompNode& component, const char* name_attr,
                    const char* type_attr, const char* record_prefix, WriteRecord&& write_record) {
  writer.Attribute(name_attr, component.name);
  writer.Attribute(type_attr, component.type_path);
  long long number = 0;
  for (const SQdRecordNode& record : component.records) {
    writer.StartElement(record_prefix, number++);
    write_record(record);
    writer.EndElement();
  }
}
void ReadComponent(pugi::xml_node element, const char* name_attr, const char* type_attr,
                   const RecordNames& names, bool take_shares, SQdCompNode& component);

// "DeCategory" with one "CategoryNode" per category; nothing when empty.
void WriteCategories(XmlWriter& writer, const std::vector<SNYTJFenLeiVarDescInfo>& categories);
// Appends the entries of a "DeCategory" group: its first "CategoryNode" and
// every element after it.
void ReadCategories(pugi::xml_node group, std::vector<SNYTJFenLeiVarDescInfo>& categories);

// A bill item as "\qd.xml" writes it ("D", "N", "U", "NI" feature, "P" extra,
// "OwnDe", "F%d" floors), also the "清单节点" of "\qdxhl.xml".
void WriteBillItem(XmlWriter& writer, const SQdItemNode& item, std::wstring_view partition);

// Writes the "O%d" components of a bill-family floor, with their "R%d" records,
// into the floor's element.
void WriteBillComponents(XmlWriter& writer, const SQdFloorNode& floor, std::wstring_view partition);

// Floors read here have only their floor text: count and order key come
// from it again, the unit is the item's (the unit every record of the item
// shares).
void ReadBillItem(pugi::xml_node element, SQdItemNode& item);

// A quota with its floors, components and records, as three files write it:
// "\qdxhl.xml" (bill consumption, under a bill item: "D", "N", "U", "QD",
// then "F%d" floors with "N", "Num", "G" and "Unit", "O%d" components and
// "R%d" records), "\de.xml" (consumption summary) and "\de1.xml" (quota
// summary): "ID", "Name", "Unit", in "\de.xml" also "QdID", then "Floor%d"
// floors with "Name", "Num", "Grade", "Obj%d" components and "Rec%d"
// records. Each quota may carry a "DeCategory" group. The two summaries put
// their quotas in chapters ("ChapterName", "ChapterOrderId", "De%d").
struct QuotaNames {
  const char* code;
  const char* name;
  const char* unit;
  const char* bill_code;  // nullptr: the file does not keep it
  struct Floor {
    const char* element;
    const char* text;
    const char* order_key;
    const char* unit;  // nullptr: floors take the quota's unit on reading
  } floor;
  struct Component {
    const char* element;
    const char* name;
    const char* type;
    const char* record;  // element prefix of the component's records
    RecordNames record_names;
  } component;
};
// The floors and components of the two quota summaries.
inline constexpr QuotaNames::Floor kSummaryFloorNames{"Floor", "Name", "Grade", nullptr};
inline constexpr QuotaNames::Component kSummaryComponentNames{"Obj", "Name", "Type", "Rec",
                                                              kQuotaRecordNames};
inline constexpr QuotaNames kConsumedQuotaNames{
    "D", "N", "U", "QD", {"F", "N", "G", "Unit"}, {"O", "N", "T", "R", kBillRecordNames}};
inline constexpr QuotaNames kConsumptionSummaryQuotaNames{
    "ID", "Name", "Unit", "QdID", kSummaryFloorNames, kSummaryComponentNames};
inline constexpr QuotaNames kQuotaSummaryQuotaNames{
    "ID", "Name", "Unit", nullptr, kSummaryFloorNames, kSummaryComponentNames};

void WriteQuota(XmlWriter& writer, const SDeItemNode& quota, const QuotaNames& names,
                std::wstring_view partition);
void ReadQuota(pugi::xml_node element, const QuotaNames& names, SDeItemNode& quota);

// A whole quota-side summary file ("\de.xml" or "\de1.xml"): its chapters
// under the envelope of layout, spelt with names. Reading appends.
void WriteQuotaSummaryFile(std::wstring_view dir, const TableFileLayout& layout,
                           const QuotaNames& names, const std::vector<SDeChapterNode>& chapters,
                           std::wstring_view partition);
void ReadQuotaSummaryFile(std::wstring_view dir, const TableFileLayout& layout,
                          const QuotaNames& names, std::vector<SDeChapterNode>& chapters);

// Walks the children of element: the first child named group_name goes to
// read_group, later ones of that name are passed over, every other child to
// read_child, all in document order.
template <typename ReadGroup, typename ReadChild>
void ReadChildrenWithGroup(pugi::xml_node element, const char* group_name, ReadGroup&& read_group,
                           ReadChild&& read_child) {
  bool group_seen = false;
  ForEachChildElement(element, [&](pugi::xml_node child) {
    if (std::strcmp(child.name(), group_name) == 0) {
      if (!group_seen) read_group(child);
      group_seen = true;
      return;
    }
    read_child(child);
  });
}

}  // namespace reportdata

#endif  // REPORTDATA_PERSIST_TREE_NODES_H_
