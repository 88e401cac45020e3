// The partition summaries of the bill and quota trees: every item of a
// chapter tree with its quantity in each partition of the project,
// numbered across chapters, for the facades' GetAllQdInfoForFenQu and
// GetAllDeInfoForFenQu.
#ifndef REPORTDATA_ENGINE_PARTITION_SUMMARY_H_
#define REPORTDATA_ENGINE_PARTITION_SUMMARY_H_

#include <set>

#include "model/report_tables.h"
#include "reportdata/framework.h"
#include "reportdata/report_types.h"

namespace reportdata {

// From the bill consumption tree (from_bills), else from the consumption
// summary. `out` is cleared first.
void SummariseBillPartitions(ReportTables& tables, const std::set<CString>& partitions,
                             bool from_bills, CArray<FenQuQdHZInfo>& out);
// From the quota summary. `out` is cleared first.
void SummariseQuotaPartitions(ReportTables& tables, const std::set<CString>& partitions,
                              CArray<FenQuQdHZInfo>& out);

}  // namespace reportdata

#endif  // REPORTDATA_ENGINE_PARTITION_SUMMARY_H_
