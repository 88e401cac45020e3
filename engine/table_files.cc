// The engine's table-file operations: the write sequences of the bill and
// quota families, their reload sequences, the export file and the
// comparison-report columns. Every step is its own file. A write sequence
// writes two files at a time and lands them together (see save_batch.h): a
// step that throws TableFileError ends the sequence and no file of it is
// replaced. In a reload sequence the tables of the steps before a failed one
// stay read.
#include "engine/analyze.h"
#include "persist/building_area_file.h"
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

TableSide SideOf(const FileDefinition& file) {
  for (const CatalogTable& table : TableCatalog()) {
    if (table.code == file.code) return table.side;
  }
  return TableSide::kEither;
}

// The table files of one side, in catalogue order: the bill or the quota
// side's own, or those both sides write and read (kEither).
std::vector<const FileDefinition*> FilesOf(TableSide side) {
  std::vector<const FileDefinition*> files;
  for (const FileDefinition& file : TableFiles()) {
    if (SideOf(file) == side) files.push_back(&file);
  }
  return files;
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
  WriteFamily(report_dir, true);
}

void CAnalyze::WriteXML(const CString& report_dir) {
  deferred_.LoadAll();
  if (!quota_failure_.empty()) return;  // the files of the last good build stay
  WriteFamily(report_dir, false);
}

void CAnalyze::WriteFamily(const CString& report_dir, bool bill_side) {
  const std::wstring& dir = report_dir.str();
  const std::wstring decoration = DecorationDir(dir);
  TableContext context = Context();
  std::vector<std::function<void()>> steps{[&] { WriteGlobalParas(dir, partitions_); }};
  for (const FileDefinition* file : FilesOf(bill_side ? TableSide::kBill : TableSide::kQuota)) {
    steps.push_back([&context, &dir, file] { file->write(context, dir); });
  }
  steps.insert(steps.end(), {
                                // The tables both sides write after their own, in one step.
                                [&] {
                                  for (const FileDefinition* file : FilesOf(TableSide::kEither))
                                    file->write(context, dir);
                                },
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

void CAnalyze::ReadTables(std::wstring_view dir, TableSide side) {
  const std::wstring held_dir(dir);
  for (const FileDefinition* file : FilesOf(side)) {
    if (!file->held) {
      TableContext context = Context();
      file->read(context, dir);
      continue;
    }
    const CodeDefinition* definition = DefinitionOf(file->code);
    const int table = definition != nullptr ? definition->held : DeferredReads::kOther;
    HoldTableFile(table, dir, file->layout->file_name, [this, held_dir, file] {
      TableContext context = Context();
      file->read(context, held_dir);
    });
  }
}

// The sequence of the tables both sides read; the index analysis takes the
// building area read before it.
void CAnalyze::ReadSharedTables(std::wstring_view dir) {
  ReadTables(dir, TableSide::kEither);
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
  ReadTables(dir, TableSide::kBill);
  ReadSharedTables(dir);
  cloud_.ReadFromXmlFile(report_dir);
  ReadCalFloor(dir, cal_floors_);
  HoldPhysicalTables(dir, true);
}

void CAnalyze::ReadQuotaFamily(const CString& report_dir) {
  quota_failure_.clear();
  const std::wstring& dir = report_dir.str();
  ReadGlobalParas(dir, partitions_);
  ReadTables(dir, TableSide::kQuota);
  ReadSharedTables(dir);
  cloud_.ReadFromXmlFile(report_dir);
  ReadCalFloor(dir, cal_floors_);
  HoldPhysicalTables(dir, false);
}

}  // namespace reportdata
