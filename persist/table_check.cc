// The exported check of a table file: its envelope against the table its
// file name stands for.
#include "reportdata/table_check.h"

#include "persist/report_table_files.h"

namespace reportdata {
namespace {

constexpr const TableFileLayout* kTableFiles[] = {&kBillSummaryFile,
                                                  &kBillConsumptionFile,
                                                  &kConsumptionSummaryFile,
                                                  &kBuildingAreaFile,
                                                  &kDoorWindowFile,
                                                  &kRoomTable1File,
                                                  &kRoomTable2File,
                                                  &kIndexAnalysisFile,
                                                  &kQuotaSummaryFile,
                                                  &kQuotaByFloorFile,
                                                  &kQuotaByFloorComponentFile,
                                                  &kComponentTableFile,
                                                  &kBillQuantityFile,
                                                  &kQuotaQuantityFile};

}  // namespace

std::string CheckTableFile(const std::wstring& reportDir, const std::wstring& fileName) {
  const char* table_name = nullptr;
  for (const TableFileLayout* layout : kTableFiles) {
    if (fileName == layout->file_name) table_name = layout->table_name;
  }
  return DescribeDamage(ResolveFilePath(reportDir, fileName), kTableRoot, table_name);
}

}  // namespace reportdata
