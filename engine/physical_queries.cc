// The physical-quantity operations of CInterQingDan: the concrete summaries
// by floor, by floor and partition and by partition and floor, and the
// decoration report. Each reads the table of the side the input record names
// (bill records or quota records); the partitions are the engine's, in
// natural order, then "未分区".
#include <string>
#include <vector>

#include "engine/analyze.h"
#include "model/concrete_summary.h"
#include "reportdata/facades.h"

namespace reportdata {
namespace {

std::vector<std::wstring> EnginePartitions() {
  std::vector<CString> names;
  GetEngine()->GetEngPatitions(names);
  std::vector<std::wstring> partitions;
  partitions.reserve(names.size());
  for (const CString& name : names) partitions.push_back(name.str());
  return partitions;
}

const STongTable& ConcreteOf(const SWLReportInputInfo& input) {
  return GetEngine()->physical().concrete(input.fromBill);
}

}  // namespace
}  // namespace reportdata

using reportdata::ConcreteOf;
using reportdata::EnginePartitions;

void CInterQingDan::GetSWLInfoByFloor(CArray<SWLReportFloorInfo>& rows,
                                      std::map<CString, CString>& grades,
                                      const SWLReportInputInfo& input) {
  reportdata::SummarizeByFloor(ConcreteOf(input), input, grades, rows);
}

void CInterQingDan::GetSWLInfoByFloorFenQu(CArray<SWLReportFloorFenQuInfo>& rows,
                                           std::map<CString, CString>& grades,
                                           const SWLReportInputInfo& input) {
  reportdata::SummarizeByFloorPartition(ConcreteOf(input), input, EnginePartitions(), grades, rows);
}

void CInterQingDan::GetSWLInfoByFenQufloor(CArray<SWLReportFenQuFloorInfo>& rows,
                                           std::map<CString, CString>& grades,
                                           const SWLReportInputInfo& input) {
  reportdata::SummarizeByPartitionFloor(ConcreteOf(input), input, EnginePartitions(), grades, rows);
}

void CInterQingDan::GetSWLInfoByDec(CArray<SWLReportDecSmallInfo>& rows,
                                    std::map<int, CString>& kinds,
                                    const SWLReportInputInfo& input) {
  reportdata::DecorationRows(reportdata::GetEngine()->physical().decoration(input.fromBill), input,
                             kinds, rows);
}
