// "\ReportComp.xml": the column tree of the host's comparison report (对比表),
// stored per project and given back unchanged except for the width, which is
// always written as "1.5". Three levels are kept: the root column, its
// groups and their columns.
#ifndef REPORTDATA_PERSIST_REPORT_COMP_FILE_H_
#define REPORTDATA_PERSIST_REPORT_COMP_FILE_H_

#include <string_view>

#include "reportdata/report_types.h"

namespace reportdata {

inline constexpr wchar_t kReportCompFile[] = L"\\ReportComp.xml";

// Throws TableFileError when the save fails.
void WriteReportComp(std::wstring_view dir, const SReportColunm& root);
// Fills root from the file's first column and appends the file's groups to
// root's children. A missing or unparsable file leaves root as it was.
void ReadReportComp(std::wstring_view dir, SReportColunm& root);

}  // namespace reportdata

#endif  // REPORTDATA_PERSIST_REPORT_COMP_FILE_H_
