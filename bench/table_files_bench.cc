// Writes and reloads the six bill and quota table files of a generated
// project of 100 000 and 1 000 000 calculation records, and prints beside
// each file the time pugixml alone needs to parse that file and to save the
// parsed document, the floor any DOM-based reader and writer stand on.
// Usage: table_files_bench [records...]
#include <malloc.h>
#include <pugixml.hpp>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "model/report_tables.h"
#include "persist/report_table_files.h"
#include "tests/persist/generated_project.h"

namespace reportdata {
namespace {

double Seconds(const std::function<void()>& run) {
  const auto start = std::chrono::steady_clock::now();
  run();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

struct FileStep {
  const char* name;
  std::function<void(const std::wstring&)> write;
  std::function<void(const std::wstring&, ReportTables&)> read;
};

void Run(size_t records) {
  const std::filesystem::path dir =
      std::filesystem::temp_directory_path() / ("reportdata-bench-" + std::to_string(records));
  std::filesystem::create_directories(dir);
  const std::wstring wdir = dir.wstring();

  ReportTables tables({});
  const double build = Seconds([&] {
    for (const SNYTJQdDeClassResult& entry : reportdata::testing::GeneratedEntries(records)) {
      tables.AddClassifiedEntry(KeysOf(entry));
      for (const TJQd& quota : entry.quotas) tables.AddQuotaRecord(KeysOf(quota));
    }
    tables.FinishBillEntries();
  });
  // The generated records are freed by now; let the allocator settle that
  // before the clock runs, or the first file written pays for it.
  malloc_trim(0);
  std::printf("\n%zu calculation records (tables built in %.2f s)\n", records, build);
  std::printf("%-10s %9s %9s %9s %12s %12s\n", "file", "MB", "write s", "read s", "pugi parse s",
              "pugi save s");

  const std::wstring none;
  const std::vector<FileStep> steps = {
      {"qd.xml", [&](auto& d) { WriteBillSummary(d, tables.bill_summary(), none); },
       [](auto& d, ReportTables& t) { ReadBillSummary(d, t.bill_summary()); }},
      {"qdxhl.xml", [&](auto& d) { WriteBillConsumption(d, tables.bill_consumption(), none); },
       [](auto& d, ReportTables& t) { ReadBillConsumption(d, t.bill_consumption()); }},
      {"de.xml", [&](auto& d) { WriteConsumptionSummary(d, tables.consumption_summary(), none); },
       [](auto& d, ReportTables& t) { ReadConsumptionSummary(d, t.consumption_summary()); }},
      {"de1.xml", [&](auto& d) { WriteQuotaSummary(d, tables.quota_summary(), none); },
       [](auto& d, ReportTables& t) { ReadQuotaSummary(d, t.quota_summary()); }},
      {"de2.xml", [&](auto& d) { WriteQuotaByFloor(d, tables.quota_by_floor()); },
       [](auto& d, ReportTables& t) { ReadQuotaByFloor(d, t.quota_by_floor()); }},
      {"de3.xml",
       [&](auto& d) { WriteQuotaByFloorComponent(d, tables.quota_by_floor_component(), none); },
       [](auto& d, ReportTables& t) {
         ReadQuotaByFloorComponent(d, t.quota_by_floor_component());
       }},
  };
  double totals[4] = {0, 0, 0, 0};
  for (const FileStep& step : steps) {
    const std::string path = (dir / step.name).string();
    const double write = Seconds([&] { step.write(wdir); });
    ReportTables fresh({});
    const double read = Seconds([&] { step.read(wdir, fresh); });
    pugi::xml_document doc;
    const double parse = Seconds([&] { doc.load_file(path.c_str()); });
    const std::string copy = path + ".pugi";
    const double save = Seconds(
        [&] { doc.save_file(copy.c_str(), "", pugi::format_raw | pugi::format_no_declaration); });
    const double megabytes = static_cast<double>(std::filesystem::file_size(path)) / 1e6;
    std::printf("%-10s %9.1f %9.3f %9.3f %12.3f %12.3f\n", step.name, megabytes, write, read, parse,
                save);
    totals[0] += write;
    totals[1] += read;
    totals[2] += parse;
    totals[3] += save;
    std::filesystem::remove(copy);
  }
  std::printf("%-10s %9s %9.3f %9.3f %12.3f %12.3f\n", "all", "", totals[0], totals[1], totals[2],
              totals[3]);
  std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace reportdata

int main(int argc, char** argv) {
  std::vector<size_t> sizes;
  for (int i = 1; i < argc; ++i) sizes.push_back(std::strtoull(argv[i], nullptr, 10));
  if (sizes.empty()) sizes = {100000, 1000000};
  for (size_t records : sizes) reportdata::Run(records);
  return 0;
}
