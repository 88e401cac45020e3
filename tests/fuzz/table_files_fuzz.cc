// The table, global and floor file readers through the exported facades:
// the input becomes one file of a report directory (its first byte picks
// which), both reloads read it back, in pieces when it is not tiny, and
// every table answers its rows. A file that is not a table file of this
// module may end in TableFileError; anything else (a crash, a hang, a
// sanitizer report) is a finding. The file is also read in pieces of a few
// bytes, which must give the root's children that the whole document has.
#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "fuzz_input.h"
#include "persist/xml_reader.h"
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

// A file read in pieces was read as its whole document reads: the same
// children of the root, up to a child that is not an element, which is
// reported.
void CheckPieces(const std::string& file) {
  std::vector<std::string> pieces;
  bool reported = false;
  try {
    if (!reportdata::ReadRootChildrenInPieces(
            file, "工程数据", [&](pugi::xml_node child) { pieces.push_back(child.name()); }, 64)) {
      return;
    }
  } catch (const reportdata::TableFileError&) {
    reported = true;
  }
  pugi::xml_document whole;
  if (!reportdata::LoadXmlFile(file, whole)) __builtin_trap();
  std::vector<std::string> children;
  bool other = false;
  for (pugi::xml_node child : whole.document_element().children()) {
    other = child.type() != pugi::node_element;
    if (other) break;
    children.push_back(child.name());
  }
  if (reported != other || pieces != children) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  // The reloads read the files of a few kilobytes that the fuzzer makes in
  // pieces, as they read a large project's.
  reportdata::SetXmlPieceBytesForTesting(64);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const std::string report = ScratchDir() + "/project/report";
  const std::string file = report + "/" + kFiles[data[0] % kFiles.size()];
  reportdata::fuzz::WriteBytes(file, {reinterpret_cast<const char*>(data) + 1, size - 1});
  CheckPieces(file);
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
