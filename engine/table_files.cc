// The engine's table-file operations: the write sequences of the bill and
// quota families, their reload sequences, the export file and the
// comparison-report columns. Every step is its own file. A write sequence
// writes two files at a time and lands them together (see save_batch.h): a
// step that throws TableFileError ends the sequence and no file of it is
// replaced. In a reload sequence the tables of the steps before a failed one
// stay read.
#include "engine/analyze.h"
#include "persist/area_table_files.h"
#include "persist/component_table_file.h"
#include "persist/global_files.h"
#include "persist/index_table_files.h"
#include "persist/physical_table_files.h"
#include "persist/report_comp_file.h"
#include "persist/report_table_files.h"
#include "persist/save_batch.h"
#include "platform/paths.h"
#include "platform/text.h"

namespace reportdata {
namespace {

// Tables both families write after their own.
void WriteSharedTables(std::wstring_view dir, const AreaTables& areas) {
  WriteBuildingArea(dir, areas.building_area);
  WriteDoorWindows(dir, areas.doors_windows);
  WriteRoomTable1(dir, areas.rooms);
  WriteRoomTable2(dir, areas.rooms);
  WriteIndexAnalysis(dir, areas.index_analysis);
}

// The decoration tables lie in the project directory, the parent of the
// report data directory (the directory itself when it has no parent).
std::wstring DecorationDir(std::wstring_view report_dir) {
  std::wstring parent;
  return CutBeforeLastSeparator(report_dir, parent) ? parent : std::wstring(report_dir);
}

}  // namespace

void CAnalyze::Write_xml(const CString& report_dir) {
  deferred_.LoadAll();
  if (!bill_failure_.empty()) return;  // the files of the last good build stay
  const std::wstring& dir = report_dir.str();
  WriteFamily(report_dir, true,
              {
                  [&] { WriteBillSummary(dir, tables_.bill_summary(), partition_); },
                  [&] { WriteBillConsumption(dir, tables_.bill_consumption(), partition_); },
                  [&] { WriteConsumptionSummary(dir, tables_.consumption_summary(), partition_); },
              });
}

void CAnalyze::WriteXML(const CString& report_dir) {
  deferred_.LoadAll();
  if (!quota_failure_.empty()) return;  // the files of the last good build stay
  const std::wstring& dir = report_dir.str();
  WriteFamily(
      report_dir, false,
      {
          [&] { WriteQuotaSummary(dir, tables_.quota_summary(), partition_); },
          [&] { WriteQuotaByFloor(dir, tables_.quota_by_floor()); },
          [&] { WriteQuotaByFloorComponent(dir, tables_.quota_by_floor_component(), partition_); },
      });
}

void CAnalyze::WriteFamily(const CString& report_dir, bool bill_side,
                           std::vector<std::function<void()>> own_steps) {
  const std::wstring& dir = report_dir.str();
  const std::wstring decoration = DecorationDir(dir);
  std::vector<std::function<void()>> steps{[&] { WriteGlobalParas(dir, partitions_); }};
  steps.insert(steps.end(), own_steps.begin(), own_steps.end());
  steps.insert(steps.end(), {
                                [&] { WriteSharedTables(dir, areas_); },
                                [&] { cloud_.WriteToXmlFile(report_dir); },
                                [&] { WriteCalFloor(dir, cal_floors_); },
                                [&] { WriteComponentTable(dir, areas_.component_table); },
                            });
  if (bill_side) {
    steps.push_back([&] { WriteConcreteTable(dir, kBillQuantityFile, physical_.concrete(true)); });
  }
  steps.push_back([&] { WriteConcreteTable(dir, kQuotaQuantityFile, physical_.concrete(false)); });
  if (bill_side) {
    steps.push_back(
        [&] { WriteDecorationTable(decoration, kBillDecorationFile, physical_.decoration(true)); });
  }
  steps.push_back(
      [&] { WriteDecorationTable(decoration, kQuotaDecorationFile, physical_.decoration(false)); });
  SaveBatch batch;
  SaveBatch::RunSteps(steps);
  batch.Commit();
}

void CAnalyze::ExportToXML(const CString& path) {
  deferred_.LoadAll();
  ExportBillConsumption(ToUtf8(path.str()), tables_.bill_consumption(), partition_);
}

void CAnalyze::ReadNormXml(const CString& report_dir) {
  deferred_.LoadAll();
  cloud_.ReadFromXmlFile(report_dir);
  ReadBuildingArea(report_dir.str(), areas_.building_area);
}

void CAnalyze::WriteReportCompColumn(const SReportColunm& root, const CString& dir) {
  WriteReportComp(dir.str(), root);
}

void CAnalyze::ReadReportCompColumn(SReportColunm& root, const CString& dir) {
  ReadReportComp(dir.str(), root);
}

void CAnalyze::HoldTableFile(int table, std::wstring_view dir, std::wstring_view name,
                             std::function<void()> read) {
  deferred_.Hold(table, ResolveFilePath(dir, name), kTableRoot, std::move(read));
}

// The sequence of the shared tables: the building-area and index files are
// small and read at once, the others held.
void CAnalyze::ReadSharedTables(std::wstring_view dir) {
  const std::wstring held(dir);
  ReadBuildingArea(dir, areas_.building_area);
  HoldTableFile(DeferredReads::kOther, dir, kDoorWindowFile.file_name,
                [this, held] { ReadDoorWindows(held, areas_.doors_windows); });
  HoldTableFile(DeferredReads::kOther, dir, kRoomTable1File.file_name,
                [this, held] { ReadRoomTable1(held, areas_.rooms); });
  HoldTableFile(DeferredReads::kOther, dir, kRoomTable2File.file_name,
                [this, held] { ReadRoomTable2(held, areas_.rooms); });
  ReadIndexAnalysis(dir, areas_.index_analysis);
  areas_.index_analysis.SetBuildingArea(areas_.building_area);
}

// The component, concrete and decoration tables that end both sequences;
// bill_side adds the bill side's concrete and decoration tables.
void CAnalyze::HoldPhysicalTables(std::wstring_view dir, bool bill_side) {
  const std::wstring held(dir);
  const std::wstring decoration = DecorationDir(dir);
  HoldTableFile(DeferredReads::kOther, dir, kComponentTableFile.file_name,
                [this, held] { ReadComponentTable(held, areas_.component_table); });
  if (bill_side) {
    HoldTableFile(DeferredReads::kOther, dir, kBillQuantityFile.file_name, [this, held] {
      ReadConcreteTable(held, kBillQuantityFile, physical_.concrete(true));
    });
  }
  HoldTableFile(DeferredReads::kOther, dir, kQuotaQuantityFile.file_name, [this, held] {
    ReadConcreteTable(held, kQuotaQuantityFile, physical_.concrete(false));
  });
  if (bill_side) {
    HoldTableFile(
        DeferredReads::kOther, decoration, kBillDecorationFile.file_name, [this, decoration] {
          ReadDecorationTable(decoration, kBillDecorationFile, physical_.decoration(true));
        });
  }
  HoldTableFile(
      DeferredReads::kOther, decoration, kQuotaDecorationFile.file_name, [this, decoration] {
        ReadDecorationTable(decoration, kQuotaDecorationFile, physical_.decoration(false));
      });
  deferred_.Then(DeferredReads::kOther, [this] { physical_.Sort(); });
}

void CAnalyze::ReadBillFamily(const CString& report_dir) {
  bill_failure_.clear();
  const std::wstring& dir = report_dir.str();
  ReadGlobalParas(dir, partitions_);
  HoldTableFile(1, dir, kBillSummaryFile.file_name,
                [this, dir] { ReadBillSummary(dir, tables_.bill_summary()); });
  HoldTableFile(2, dir, kBillConsumptionFile.file_name,
                [this, dir] { ReadBillConsumption(dir, tables_.bill_consumption()); });
  HoldTableFile(3, dir, kConsumptionSummaryFile.file_name,
                [this, dir] { ReadConsumptionSummary(dir, tables_.consumption_summary()); });
  ReadSharedTables(dir);
  cloud_.ReadFromXmlFile(report_dir);
  ReadCalFloor(dir, cal_floors_);
  HoldPhysicalTables(dir, true);
}

void CAnalyze::ReadQuotaFamily(const CString& report_dir) {
  quota_failure_.clear();
  const std::wstring& dir = report_dir.str();
  ReadGlobalParas(dir, partitions_);
  HoldTableFile(11, dir, kQuotaSummaryFile.file_name,
                [this, dir] { ReadQuotaSummary(dir, tables_.quota_summary()); });
  HoldTableFile(12, dir, kQuotaByFloorFile.file_name,
                [this, dir] { ReadQuotaByFloor(dir, tables_.quota_by_floor()); });
  HoldTableFile(13, dir, kQuotaByFloorComponentFile.file_name, [this, dir] {
    ReadQuotaByFloorComponent(dir, tables_.quota_by_floor_component());
  });
  ReadSharedTables(dir);
  cloud_.ReadFromXmlFile(report_dir);
  ReadCalFloor(dir, cal_floors_);
  HoldPhysicalTables(dir, false);
}

}  // namespace reportdata
