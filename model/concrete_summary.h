// The physical-quantity summaries (实物量汇总) of a concrete table: cubic
// metres per floor, component group, item and concrete grade, for the whole
// project or one partition, in the three shapes the host's reports ask for.
// Each summary clears the caller's row array, appends the floor rows it forms
// and a last row "合计", and adds every grade it meets to the caller's grade
// map (grade name to itself). The table is only read.
#ifndef REPORTDATA_MODEL_CONCRETE_SUMMARY_H_
#define REPORTDATA_MODEL_CONCRETE_SUMMARY_H_

#include <map>
#include <string>
#include <vector>

#include "model/concrete_table.h"
#include "reportdata/report_types.h"

namespace reportdata {

// Row texts of the summaries.
inline constexpr wchar_t kComponentSubtotal[] = L"构件小计";  // last entry of a floor row
inline constexpr wchar_t kComponentTotal[] = L"构件合计";     // last entry of the totals row
inline constexpr wchar_t kTotalsRow[] = L"合计";
inline constexpr wchar_t kFloorSubtotalRow[] = L"小计(m3)";  // all partitions of a floor
inline constexpr wchar_t kPartitionSubtotalRow[] = L"小计";  // all floors of a partition
inline constexpr int kSubtotalOrder = 1000;

// One row per floor bucket, or per requested floor, then "合计".
void SummarizeByFloor(const STongTable& table, const SWLReportInputInfo& input,
                      std::map<CString, CString>& grades, CArray<SWLReportFloorInfo>& rows);

// Per floor: one row per partition of `partitions` that has concrete there,
// then "小计(m3)"; then "合计" over the "小计(m3)" rows.
void SummarizeByFloorPartition(const STongTable& table, const SWLReportInputInfo& input,
                               const std::vector<std::wstring>& partitions,
                               std::map<CString, CString>& grades,
                               CArray<SWLReportFloorFenQuInfo>& rows);

// Per partition of `partitions`: one row per floor, then "小计"; then "合计".
void SummarizeByPartitionFloor(const STongTable& table, const SWLReportInputInfo& input,
                               const std::vector<std::wstring>& partitions,
                               std::map<CString, CString>& grades,
                               CArray<SWLReportFenQuFloorInfo>& rows);

}  // namespace reportdata

#endif  // REPORTDATA_MODEL_CONCRETE_SUMMARY_H_
