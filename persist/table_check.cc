// The exported check of a table file: its envelope against the table its
// file name stands for, and for the tables whose files carry the
// "Table_Name" of another, what their first chapter holds.
#include "reportdata/table_check.h"

#include "persist/building_area_file.h"
#include "persist/door_window_file.h"
#include "persist/index_table_files.h"
#include "persist/physical_table_files.h"
#include "persist/report_table_files.h"
#include "persist/room_table_files.h"

namespace reportdata {
namespace {

// A table file and the name of the elements its first chapter begins with,
// where another table's file carries the same "Table_Name": the door and
// window summary and the two room tables share one, and so do the concrete
// and the decoration tables.
struct CheckedFile {
  const TableFileLayout* layout;
  const char* inner_prefix;
};

constexpr CheckedFile kTableFiles[] = {{&kBillSummaryFile, nullptr},
                                       {&kBillConsumptionFile, nullptr},
                                       {&kConsumptionSummaryFile, nullptr},
                                       {&kBuildingAreaFile, nullptr},
                                       {&kDoorWindowFile, "Obj"},
                                       {&kRoomTable1File, "Type"},
                                       {&kRoomTable2File, "Floor"},
                                       {&kIndexAnalysisFile, nullptr},
                                       {&kQuotaSummaryFile, nullptr},
                                       {&kQuotaByFloorFile, nullptr},
                                       {&kQuotaByFloorComponentFile, nullptr},
                                       {&kComponentTableFile, nullptr},
                                       {&kBillQuantityFile, "Big"},
                                       {&kQuotaQuantityFile, "Big"},
                                       {&kBillDecorationFile, "Att"},
                                       {&kQuotaDecorationFile, "Att"}};

}  // namespace

std::string CheckTableFile(const std::wstring& reportDir, const std::wstring& fileName) {
  const CheckedFile* checked = nullptr;
  for (const CheckedFile& file : kTableFiles) {
    if (fileName == file.layout->file_name) checked = &file;
  }
  return DescribeDamage(ResolveFilePath(reportDir, fileName), kTableRoot,
                        checked ? checked->layout->table_name : nullptr,
                        checked ? checked->inner_prefix : nullptr);
}

}  // namespace reportdata
