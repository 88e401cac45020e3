// Times the two halves of a project's bill build through the exported
// facades, as a host runs them: filing the calculation results into the
// tables (CInterQingDan::InitQdData) and writing the table files
// (CInterQingDan::Write_xml). Beside the write it times pugixml parsing the
// files just written and saving the parsed documents, the yardstick any
// DOM-based writer stands against. Prints one "name seconds" line per figure
// and the peak resident memory, for bench/compare_bill_build.sh to read.
// Usage: bill_build_phases PROJECT_DIR
#include <sys/resource.h>

#include <pugixml.hpp>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "reportdata/facades.h"

namespace {

namespace fs = std::filesystem;

double Seconds(const std::function<void()>& run) {
  const auto start = std::chrono::steady_clock::now();
  run();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

long PeakKilobytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: bill_build_phases PROJECT_DIR\n");
    return 2;
  }
  const fs::path report = fs::absolute(fs::path(argv[1]) / "report");
  fs::create_directories(report);
  const CString report_arg(report.wstring());
  CString failure;
  CReportComMethod::ReleaseAll();
  const double file = Seconds([&] { CInterQingDan::InitQdData(report_arg, failure); });
  if (!failure.IsEmpty()) {
    std::fprintf(stderr, "bill build failed\n");
    return 1;
  }
  const long filed_peak = PeakKilobytes();
  const double write = Seconds([&] { CInterQingDan::Write_xml(report_arg); });
  const long peak = PeakKilobytes();
  CReportComMethod::ReleaseAll();

  double parse = 0;
  double save = 0;
  for (const fs::directory_entry& entry : fs::directory_iterator(report)) {
    if (entry.path().extension() != ".xml") continue;
    pugi::xml_document doc;
    const std::string path = entry.path().string();
    parse += Seconds([&] { doc.load_file(path.c_str()); });
    const std::string copy = (fs::temp_directory_path() / "bill_build_phases.xml").string();
    save += Seconds(
        [&] { doc.save_file(copy.c_str(), "", pugi::format_raw | pugi::format_no_declaration); });
    fs::remove(copy);
  }
  std::printf("file_s %.3f\nwrite_s %.3f\npugi_parse_all_s %.3f\npugi_save_all_s %.3f\n", file,
              write, parse, save);
  std::printf("filed_peak_kb %ld\npeak_kb %ld\n", filed_peak, peak);
  return 0;
}
