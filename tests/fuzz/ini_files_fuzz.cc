// The project settings files "ProjInfo.ini" and "ReportHandle.ini": the
// input becomes one of them (its first byte picks which) and every reader
// and writer of that file runs over it. Any crash, hang or sanitizer report
// is a finding.
#include <cstdint>
#include <filesystem>

#include "engine/project_settings.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace reportdata;
  if (size == 0) return 0;
  const std::string project = fuzz::ScratchDir() + "/project";
  const bool handles = data[0] & 1;
  const std::string file = project + (handles ? "/ReportHandle.ini" : "/ProjInfo.ini");
  fuzz::WriteBytes(file, {reinterpret_cast<const char*>(data) + 1, size - 1});
  const std::wstring dir = FromUtf8(project);
  if (handles) {
    void* handle = nullptr;
    unsigned long pid = 0;
    ReadReportHandle(dir, data[0] >> 1 & 1, handle, pid);
    WriteReportHandle(dir, 1, handle, pid);
    ReadReportHandle(dir, 1, handle, pid);
  } else {
    OwnQuotaMergeFlag(dir);
    const bool unit = IsUserDeUnitFromFile(dir);
    SetUserDeUnitToFile(dir, !unit);
    IsUserDeUnitFromFile(dir);
  }
  std::error_code ignored;
  std::filesystem::remove(file, ignored);
  return 0;
}
