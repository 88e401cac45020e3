// The table files of the report tables: for each table of the catalogue its
// file, how it is written and read back, and whether a reload reads it at
// once (the small building-area and index files) or holds it for the first
// query of its table. The write and read sequences of both sides
// (table_files.cc) take the tables of their side from here in catalogue
// order.
#include "engine/table_definitions.h"
#include "persist/area_table_files.h"
#include "persist/index_table_files.h"
#include "persist/report_table_files.h"

namespace reportdata {
namespace {

using Dir = std::wstring_view;

const FileDefinition kFiles[] = {
    {1, kBillSummaryFile.file_name, true,
     [](TableContext& c, Dir dir) {
       WriteBillSummary(dir, c.tables.bill_summary(), c.state.partition);
     },
     [](TableContext& c, Dir dir) { ReadBillSummary(dir, c.tables.bill_summary()); }},
    {2, kBillConsumptionFile.file_name, true,
     [](TableContext& c, Dir dir) {
       WriteBillConsumption(dir, c.tables.bill_consumption(), c.state.partition);
     },
     [](TableContext& c, Dir dir) { ReadBillConsumption(dir, c.tables.bill_consumption()); }},
    {3, kConsumptionSummaryFile.file_name, true,
     [](TableContext& c, Dir dir) {
       WriteConsumptionSummary(dir, c.tables.consumption_summary(), c.state.partition);
     },
     [](TableContext& c, Dir dir) { ReadConsumptionSummary(dir, c.tables.consumption_summary()); }},
    {11, kQuotaSummaryFile.file_name, true,
     [](TableContext& c, Dir dir) {
       WriteQuotaSummary(dir, c.tables.quota_summary(), c.state.partition);
     },
     [](TableContext& c, Dir dir) { ReadQuotaSummary(dir, c.tables.quota_summary()); }},
    {12, kQuotaByFloorFile.file_name, true,
     [](TableContext& c, Dir dir) { WriteQuotaByFloor(dir, c.tables.quota_by_floor()); },
     [](TableContext& c, Dir dir) { ReadQuotaByFloor(dir, c.tables.quota_by_floor()); }},
    {13, kQuotaByFloorComponentFile.file_name, true,
     [](TableContext& c, Dir dir) {
       WriteQuotaByFloorComponent(dir, c.tables.quota_by_floor_component(), c.state.partition);
     },
     [](TableContext& c, Dir dir) {
       ReadQuotaByFloorComponent(dir, c.tables.quota_by_floor_component());
     }},
    {4, kBuildingAreaFile.file_name, false,
     [](TableContext& c, Dir dir) { WriteBuildingArea(dir, c.areas.building_area); },
     [](TableContext& c, Dir dir) { ReadBuildingArea(dir, c.areas.building_area); }},
    {5, kDoorWindowFile.file_name, true,
     [](TableContext& c, Dir dir) { WriteDoorWindows(dir, c.areas.doors_windows); },
     [](TableContext& c, Dir dir) { ReadDoorWindows(dir, c.areas.doors_windows); }},
    {6, kRoomTable1File.file_name, true,
     [](TableContext& c, Dir dir) { WriteRoomTable1(dir, c.areas.rooms); },
     [](TableContext& c, Dir dir) { ReadRoomTable1(dir, c.areas.rooms); }},
    {7, kRoomTable2File.file_name, true,
     [](TableContext& c, Dir dir) { WriteRoomTable2(dir, c.areas.rooms); },
     [](TableContext& c, Dir dir) { ReadRoomTable2(dir, c.areas.rooms); }},
    {10, kIndexAnalysisFile.file_name, false,
     [](TableContext& c, Dir dir) { WriteIndexAnalysis(dir, c.areas.index_analysis); },
     [](TableContext& c, Dir dir) { ReadIndexAnalysis(dir, c.areas.index_analysis); }},
};

}  // namespace

std::span<const FileDefinition> TableFiles() { return kFiles; }

}  // namespace reportdata
