// The table files of the bill and quota tables, one writer and one reader
// per file, and the export file of the bill consumption table. Writers save
// the whole file or leave the old one (TableFileError on failure); the
// current partition decides the partition-aware texts. Readers append the
// file's chapters or floors to the list in document order, skip a missing or
// unparsable file and throw TableFileError for a file of foreign shape after
// appending the top-level nodes before the fault.
#ifndef REPORTDATA_PERSIST_REPORT_TABLE_FILES_H_
#define REPORTDATA_PERSIST_REPORT_TABLE_FILES_H_

#include <string_view>
#include <vector>

#include "model/report_tree.h"
#include "persist/table_file.h"

namespace reportdata {

// The table files of the bill and quota tables, the component table and the
// physical-quantity tables; each area table's is in its own file's header.
inline constexpr TableFileLayout kBillSummaryFile{L"\\qd.xml", "清单汇总表", "Chapter"};
inline constexpr TableFileLayout kBillConsumptionFile{L"\\qdxhl.xml", "清单消耗量表", "Chapter"};
inline constexpr TableFileLayout kConsumptionSummaryFile{L"\\de.xml", "消耗量汇总表", "Chapter"};
inline constexpr TableFileLayout kQuotaSummaryFile{L"\\de1.xml", "定额汇总表", "Chapter"};
inline constexpr TableFileLayout kQuotaByFloorFile{L"\\de2.xml", "分层汇总定额表", "Floor"};
inline constexpr TableFileLayout kQuotaByFloorComponentFile{L"\\de3.xml", "分层分构件汇总定额表",
                                                            "Floor"};
inline constexpr TableFileLayout kComponentTableFile{L"\\CompTable.xml", "构件表", "Chapter"};
inline constexpr TableFileLayout kBillQuantityFile{L"\\TongTableqd.xml", "实物量表", "Chapter"};
inline constexpr TableFileLayout kQuotaQuantityFile{L"\\TongTablede.xml", "实物量表", "Chapter"};

// Bill family.
void WriteBillSummary(std::wstring_view dir, const std::vector<SQdChapterNode>& chapters,
                      std::wstring_view partition);
void ReadBillSummary(std::wstring_view dir, std::vector<SQdChapterNode>& chapters);
void WriteBillConsumption(std::wstring_view dir, const std::vector<SQdXhlChapterNode>& chapters,
                          std::wstring_view partition);
void ReadBillConsumption(std::wstring_view dir, std::vector<SQdXhlChapterNode>& chapters);
void WriteConsumptionSummary(std::wstring_view dir, const std::vector<SDeChapterNode>& chapters,
                             std::wstring_view partition);
void ReadConsumptionSummary(std::wstring_view dir, std::vector<SDeChapterNode>& chapters);

// Quota family.
void WriteQuotaSummary(std::wstring_view dir, const std::vector<SDeChapterNode>& chapters,
                       std::wstring_view partition);
void ReadQuotaSummary(std::wstring_view dir, std::vector<SDeChapterNode>& chapters);
void WriteQuotaByFloor(std::wstring_view dir, const std::vector<SDeFloorGroupNode>& floors);
void ReadQuotaByFloor(std::wstring_view dir, std::vector<SDeFloorGroupNode>& floors);
void WriteQuotaByFloorComponent(std::wstring_view dir,
                                const std::vector<SDeFloorCompGroupNode>& floors,
                                std::wstring_view partition);
void ReadQuotaByFloorComponent(std::wstring_view dir, std::vector<SDeFloorCompGroupNode>& floors);

// The export file of the bill consumption table at path (native UTF-8):
// root "工程数据" with "Type", "Version" = "6.0", "Table_Name" = "清单定额",
// chapters numbered from 0, their bill items ("ListCode%d" from 0) and the
// quotas under each ("name%d" from 1), quantities in the current partition.
void ExportBillConsumption(const std::string& path, const std::vector<SQdXhlChapterNode>& chapters,
                           std::wstring_view partition);

}  // namespace reportdata

#endif  // REPORTDATA_PERSIST_REPORT_TABLE_FILES_H_
