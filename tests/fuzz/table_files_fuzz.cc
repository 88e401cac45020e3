// The table, global and floor file readers through the exported facades:
// the input becomes one file of a report directory (its first byte picks
// which), both reloads read it back, and every table answers its rows. A
// file that is not a table file of this module may end in TableFileError;
// anything else (a crash, a hang, a sanitizer report) is a finding.
#include <array>
#include <cstdint>
#include <filesystem>

#include "fuzz_input.h"
#include "reportdata/errors.h"
#include "reportdata/facades.h"

namespace {

using reportdata::fuzz::ScratchDir;

constexpr std::array<const char*, 11> kFiles = {
    "qd.xml", "qdxhl.xml", "de.xml",          "de1.xml",      "de2.xml",       "de3.xml",
    "mj.xml", "mc.xml",    "GlobalParas.xml", "CalFloor.xml", "ReportComp.xml"};

void AnswerRows() {
  CStringArray rows;
  CInterQingDan::GetTotalData(rows);
  CInterQingDan2::GetTotalData(rows);
  CInterHuiZong::GetTotalData(rows);
  DeTable1::GetTotalData(rows);
  DeTable2::GetTotalData(rows);
  DeTable3::GetTotalData(rows);
  CStringArray items;
  CInterQingDan::GetTreeItem(items);
  for (const CString& item : items) CInterQingDan::GetItemData(item, rows);
  DeTable2::GetTreeItem(items);
  for (const CString& item : items) DeTable2::GetItemData(item, rows);
  CArray<FenQuQdHZInfo> shares;
  CInterQingDan::GetAllQdInfoForFenQu(shares, true);
  DeTable1::GetAllDeInfoForFenQu(shares);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const std::string report = ScratchDir() + "/project/report";
  const std::string file = report + "/" + kFiles[data[0] % kFiles.size()];
  reportdata::fuzz::WriteBytes(file, {reinterpret_cast<const char*>(data) + 1, size - 1});
  const CString dir(reportdata::FromUtf8(report));
  try {
    CReportComMethod::ReleaseAll();
    CInterQingDan::InitDataFromXml(dir);
    AnswerRows();
    CReportComMethod::ReleaseAll();
    DeTable1::InitialTableFromXml(dir);
    AnswerRows();
    SReportColunm columns;
    CString project(reportdata::FromUtf8(ScratchDir() + "/project"));
    CReportExpComMethod::GetSingle()->ReadReportCompColumn(columns, project);
  } catch (const reportdata::TableFileError&) {
  }
  std::error_code ignored;
  std::filesystem::remove(file, ignored);
  return 0;
}
