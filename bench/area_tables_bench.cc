// Builds, writes and reloads the building-area, door and window and room
// tables of generated projects (10 000, 100 000 and 1 000 000 records each by
// default) and prints the time per record and the heap the tables hold. The
// time per record must stay flat as the project grows: every level finds its
// node through an index.
// Usage: area_tables_bench [records...]
#include <malloc.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "areas/area_intake.h"
#include "areas/area_tables.h"
#include "areas/room_tables.h"
#include "persist/building_area_file.h"
#include "persist/door_window_file.h"
#include "persist/room_table_files.h"

namespace reportdata {
namespace {

double Seconds(const std::function<void()>& run) {
  const auto start = std::chrono::steady_clock::now();
  run();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

double HeapMegabytes() { return static_cast<double>(mallinfo2().uordblks) / (1 << 20); }

// Floor label of record i: 200 single floors, every fifth record on a range
// and every seventh on a list of three floors.
std::wstring Label(long i) {
  const long floor = 1 + i % 200;
  if (i % 5 == 0) return std::to_wstring(floor) + L"," + std::to_wstring(floor + 2);
  if (i % 7 == 0) {
    return std::to_wstring(floor) + L"/" + std::to_wstring(floor + 2) + L"/" +
           std::to_wstring(floor + 4);
  }
  return std::to_wstring(floor);
}

void Report(const char* step, long records, double seconds) {
  std::printf("  %-22s %8.3f s  %7.1f ns/record\n", step, seconds, seconds * 1e9 / records);
}

void Run(long records) {
  std::printf("%ld records each\n", records);
  std::vector<SNYFloorAreaRecord> areas(static_cast<size_t>(records));
  std::vector<SNYDoorWindowRecord> openings(static_cast<size_t>(records));
  std::vector<TJQd> quotas(static_cast<size_t>(records));
  for (long i = 0; i < records; ++i) {
    areas[i] = {CString(Label(i)), i % 3 ? L"FL_MainArea" : L"FL_YTArea", 1.0 + i % 97};
    openings[i] = {51 + static_cast<int>(i % 9), CString(Label(i)),
                   CString(L"M" + std::to_wstring(i % 2000)),
                   CString(i % 11 ? L"A/" + std::to_wstring(i % 50) : L""),
                   CString(std::to_wstring(i / 3))};  // three occurrences share a key
    TJQd& quota = quotas[i];
    quota.floor = Label(i);
    quota.room = L"房间" + std::to_wstring(i % 500);
    quota.place = i % 4 ? L"楼地面" : L"";
    quota.place2 = std::to_wstring(i % 3);
    quota.typePath = L"ZS\\DMS";
    quota.componentName = L"楼地面" + std::to_wstring(i % 40);
    quota.quotaCode = L"A11-" + std::to_wstring(i % 60);
    quota.quotaName = L"地面" + std::to_wstring(i % 60);
    quota.quotaUnit = L"100m2";
    quota.quantity = std::to_wstring(0.125 * (1 + i % 50));
    quota.description = L"L*B";
    quota.position = L"A/" + std::to_wstring(i);
    quota.handle = L"$H" + std::to_wstring(i);
  }

  const double heap_before = HeapMegabytes();
  AreaTables tables;
  std::vector<CString> project_floors;
  for (int floor = -2; floor <= 100; ++floor) project_floors.emplace_back(std::to_wstring(floor));
  Report("building area intake", records,
         Seconds([&] { AddFloorAreas(areas, project_floors, tables.building_area); }));
  Report("door and window intake", records,
         Seconds([&] { AddDoorWindows(openings, tables.owned.Of<DoorWindowTable>()); }));
  Report("room intake", records, Seconds([&] {
           for (const TJQd& quota : quotas) tables.owned.Of<RoomTables>().Add(KeysOf(quota));
         }));
  std::printf("  tables hold %.1f MB\n", HeapMegabytes() - heap_before);

  const std::filesystem::path dir =
      std::filesystem::temp_directory_path() / ("reportdata-area-bench-" + std::to_string(records));
  std::filesystem::create_directories(dir);
  const std::wstring wdir = dir.wstring();
  Report("write four files", records, Seconds([&] {
           WriteBuildingArea(wdir, tables.building_area);
           WriteDoorWindows(wdir, tables.owned.Of<DoorWindowTable>());
           WriteRoomTable1(wdir, tables.owned.Of<RoomTables>());
           WriteRoomTable2(wdir, tables.owned.Of<RoomTables>());
         }));
  AreaTables read;
  Report("read four files", records, Seconds([&] {
           ReadBuildingArea(wdir, read.building_area);
           ReadDoorWindows(wdir, read.owned.Of<DoorWindowTable>());
           ReadRoomTable1(wdir, read.owned.Of<RoomTables>());
           ReadRoomTable2(wdir, read.owned.Of<RoomTables>());
         }));
  std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace reportdata

int main(int argc, char** argv) {
  std::vector<long> sizes;
  for (int i = 1; i < argc; ++i) sizes.push_back(std::atol(argv[i]));
  if (sizes.empty()) sizes = {10'000, 100'000, 1'000'000};
  for (const long records : sizes) reportdata::Run(records);
  return 0;
}
