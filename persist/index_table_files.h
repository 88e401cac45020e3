// The files of the index analysis: the settings file "\AnalyzeComponent.xml"
// that names the index groups, their items and each item's sources, and the
// table file "\zbfx.xml" that keeps the groups with their floor quantities.
#ifndef REPORTDATA_PERSIST_INDEX_TABLE_FILES_H_
#define REPORTDATA_PERSIST_INDEX_TABLE_FILES_H_

#include <string>
#include <string_view>
#include <vector>

#include "areas/index_analysis.h"
#include "persist/table_file.h"

namespace reportdata {

inline constexpr wchar_t kIndexSettingsFile[] = L"\\AnalyzeComponent.xml";
inline constexpr TableFileLayout kIndexAnalysisFile{L"\\zbfx.xml", "指标分析表", "Chapter"};

// Reads the settings file in dir: root "指标分析表", groups ("Name", "Unit"),
// items ("Name"), sources ("GJType", "Item"). Comments and other non-element
// nodes are skipped. Returns false, with groups empty, when the file is
// missing, oversized, not well-formed or has another root.
bool ReadIndexSettings(std::wstring_view dir, std::vector<SIndexGroup>& groups);

// "\zbfx.xml": "Chapter%d" from 1 per group ("Name", "Unit"), "Section%d"
// per item ("Name"), "Floor%d" per floor quantity ("Name", "N", "G", "Q").
void WriteIndexAnalysis(std::wstring_view dir, const IndexAnalysisTable& table);
// Appends the file's groups; throws TableFileError for a file of foreign
// shape after appending the groups before the fault.
void ReadIndexAnalysis(std::wstring_view dir, IndexAnalysisTable& table);

}  // namespace reportdata

#endif  // REPORTDATA_PERSIST_INDEX_TABLE_FILES_H_
