// The engine's table-file operations: the write sequences of the bill and
// quota families, their reload sequences, the export file and the
// comparison-report columns. Every step is its own file, saved whole or not
// at all; a step that throws TableFileError ends the sequence, and the files
// and tables of the steps before it stay as they are.
#include "engine/analyze.h"
#include "persist/area_table_files.h"
#include "persist/global_files.h"
#include "persist/index_table_files.h"
#include "persist/report_comp_file.h"
#include "persist/report_table_files.h"
#include "platform/text.h"

namespace reportdata {
namespace {

// The tables both families write after their own.
void WriteSharedTables(std::wstring_view dir, const AreaTables& areas) {
  WriteBuildingArea(dir, areas.building_area);
  WriteDoorWindows(dir, areas.doors_windows);
  WriteRoomTable1(dir, areas.rooms);
  WriteRoomTable2(dir, areas.rooms);
  WriteIndexAnalysis(dir, areas.index_analysis);
}

// The files of the shared tables, in the order they are written.
void ReadSharedTables(std::wstring_view dir, AreaTables& areas) {
  ReadBuildingArea(dir, areas.building_area);
  ReadDoorWindows(dir, areas.doors_windows);
  ReadRoomTable1(dir, areas.rooms);
  ReadRoomTable2(dir, areas.rooms);
  ReadIndexAnalysis(dir, areas.index_analysis);
}

}  // namespace

void CAnalyze::Write_xml(const CString& report_dir) {
  if (!bill_failure_.empty()) return;  // the files of the last good build stay
  const std::wstring& dir = report_dir.str();
  WriteGlobalParas(dir, partitions_);
  WriteBillSummary(dir, tables_.bill_summary(), partition_);
  WriteBillConsumption(dir, tables_.bill_consumption(), partition_);
  WriteConsumptionSummary(dir, tables_.consumption_summary(), partition_);
  WriteSharedTables(dir, areas_);
  cloud_.WriteToXmlFile(report_dir);
  WriteCalFloor(dir, cal_floors_);
  WriteEmptyTable(dir, kComponentTableFile);
  WriteEmptyTable(dir, kBillQuantityFile);
  WriteEmptyTable(dir, kQuotaQuantityFile);
}

void CAnalyze::WriteXML(const CString& report_dir) {
  if (!quota_failure_.empty()) return;  // the files of the last good build stay
  const std::wstring& dir = report_dir.str();
  WriteGlobalParas(dir, partitions_);
  WriteQuotaSummary(dir, tables_.quota_summary(), partition_);
  WriteQuotaByFloor(dir, tables_.quota_by_floor());
  WriteQuotaByFloorComponent(dir, tables_.quota_by_floor_component(), partition_);
  WriteSharedTables(dir, areas_);
  cloud_.WriteToXmlFile(report_dir);
  WriteCalFloor(dir, cal_floors_);
  WriteEmptyTable(dir, kComponentTableFile);
  WriteEmptyTable(dir, kQuotaQuantityFile);
}

void CAnalyze::ExportToXML(const CString& path) {
  ExportBillConsumption(ToUtf8(path.str()), tables_.bill_consumption(), partition_);
}

void CAnalyze::ReadNormXml(const CString& report_dir) {
  cloud_.ReadFromXmlFile(report_dir);
  ReadBuildingArea(report_dir.str(), areas_.building_area);
}

void CAnalyze::WriteReportCompColumn(const SReportColunm& root, const CString& dir) {
  WriteReportComp(dir.str(), root);
}

void CAnalyze::ReadReportCompColumn(SReportColunm& root, const CString& dir) {
  ReadReportComp(dir.str(), root);
}

void CAnalyze::ReadBillFamily(const CString& report_dir) {
  bill_failure_.clear();
  const std::wstring& dir = report_dir.str();
  ReadGlobalParas(dir, partitions_);
  ReadBillSummary(dir, tables_.bill_summary());
  ReadBillConsumption(dir, tables_.bill_consumption());
  ReadConsumptionSummary(dir, tables_.consumption_summary());
  ReadSharedTables(dir, areas_);
  areas_.index_analysis.SetBuildingArea(areas_.building_area);
  cloud_.ReadFromXmlFile(report_dir);
  ReadCalFloor(dir, cal_floors_);
}

void CAnalyze::ReadQuotaFamily(const CString& report_dir) {
  quota_failure_.clear();
  const std::wstring& dir = report_dir.str();
  ReadGlobalParas(dir, partitions_);
  ReadQuotaSummary(dir, tables_.quota_summary());
  ReadQuotaByFloor(dir, tables_.quota_by_floor());
  ReadQuotaByFloorComponent(dir, tables_.quota_by_floor_component());
  ReadSharedTables(dir, areas_);
  areas_.index_analysis.SetBuildingArea(areas_.building_area);
  cloud_.ReadFromXmlFile(report_dir);
  ReadCalFloor(dir, cal_floors_);
}

}  // namespace reportdata
