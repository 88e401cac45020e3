// A quota with its floors, components and records, as three files write it:
// "\qdxhl.xml" (bill consumption, under a bill item: "D", "N", "U", "QD",
// then "F%d" floors with "N", "Num", "G" and "Unit", "O%d" components and
// "R%d" records), "\de.xml" (consumption summary) and "\de1.xml" (quota
// summary): "ID", "Name", "Unit", in "\de.xml" also "QdID", then "Floor%d"
// floors with "Name", "Num", "Grade", "Obj%d" components and "Rec%d"
// records. Each quota may carry a "DeCategory" group. The two summaries put
// their quotas in chapters ("ChapterName", "ChapterOrderId", "De%d").
#ifndef REPORTDATA_PERSIST_QUOTA_NODES_H_
#define REPORTDATA_PERSIST_QUOTA_NODES_H_

#include <pugixml.hpp>

#include <string_view>
#include <vector>

#include "model/report_tree.h"
#include "persist/table_file.h"
#include "persist/tree_nodes.h"
#include "persist/xml_writer.h"

namespace reportdata {

// The names one file gives a quota and the levels below it.
struct QuotaNames {
  const char* code;
  const char* name;
  const char* unit;
  const char* bill_code;  // nullptr: the file does not keep it
  const char* floor;
  const char* floor_text;
  const char* floor_order_key;
  const char* floor_unit;  // nullptr: floors take the quota's unit on reading
  const char* component;
  const char* component_name;
  const char* component_type;
  const char* record;
  RecordNames record_names;
};
inline constexpr QuotaNames kConsumedQuotaNames{
    "D", "N", "U", "QD", "F", "N", "G", "Unit", "O", "N", "T", "R", kBillRecordNames};
inline constexpr QuotaNames kConsumptionSummaryQuotaNames{
    "ID",    "Name", "Unit", "QdID", "Floor", "Name",           "Grade",
    nullptr, "Obj",  "Name", "Type", "Rec",   kQuotaRecordNames};
inline constexpr QuotaNames kQuotaSummaryQuotaNames{
    "ID",    "Name", "Unit", nullptr, "Floor", "Name",           "Grade",
    nullptr, "Obj",  "Name", "Type",  "Rec",   kQuotaRecordNames};

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

}  // namespace reportdata

#endif  // REPORTDATA_PERSIST_QUOTA_NODES_H_
