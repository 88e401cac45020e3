// The quota chapter of "\de.xml" (consumption summary) and "\de1.xml" (quota
// summary): "ChapterName", "ChapterOrderId", then "De%d" quotas ("ID",
// "Name", "Unit", in "\de.xml" also "QdID", then "DeCategory") with
// "Floor%d" floors, "Obj%d" components and "Rec%d" records.
#ifndef REPORTDATA_PERSIST_QUOTA_NODES_H_
#define REPORTDATA_PERSIST_QUOTA_NODES_H_

#include <pugixml.hpp>

#include <string_view>

#include "model/report_tree.h"
#include "persist/xml_writer.h"

namespace reportdata {

enum class QuotaChapterKind {
  kWithBillCode,     // consumption summary: quotas carry the code of their bill
  kWithoutBillCode,  // quota summary
};

void WriteQuotaChapter(XmlWriter& writer, const SDeChapterNode& chapter, QuotaChapterKind kind,
                       std::wstring_view partition);
// Floors get the quota's unit, the unit every record of the quota shares.
void ReadQuotaChapter(pugi::xml_node element, QuotaChapterKind kind, SDeChapterNode& chapter);

}  // namespace reportdata

#endif  // REPORTDATA_PERSIST_QUOTA_NODES_H_
