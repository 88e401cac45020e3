// Ending a project empties the text pool: a host that opens project after
// project holds the texts of the open one only, and nothing the engine keeps
// across ReleaseAll points into the freed texts (the sanitizer build reads
// them).
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "keys/pooled_text.h"
#include "reportdata/facades.h"
#include "support/imported_project.h"
#include "support/project_json.h"
#include "support/records.h"

namespace reportdata {
namespace {

using testing::Texts;

// Both builds of a project, each written; then the bill side reloaded.
void BuildAndReload(const CString& report_dir) {
  CReportComMethod::ReleaseAll();
  CString failure;
  CInterQingDan::InitQdData(report_dir, failure);
  CInterQingDan::Write_xml(report_dir);
  ASSERT_TRUE(DeTable1::InitialTable(report_dir, failure)) << failure.str();
  DeTable1::WriteXML(report_dir);
  CReportComMethod::ReleaseAll();
  CInterQingDan::InitDataFromXml(report_dir);
  DeTable1::InitialTableFromXml(report_dir);
}

// The chapters of the bill and quota summaries and the first chapter's rows.
std::vector<std::wstring> KeyCells() {
  CStringArray out;
  CInterQingDan::GetTreeItem(out);
  std::vector<std::wstring> cells = Texts(out);
  if (!cells.empty()) {
    CInterQingDan::GetItemData(CString(cells.front()), out);
    for (std::wstring& cell : Texts(out)) cells.push_back(std::move(cell));
  }
  DeTable1::GetTreeItem(out);
  for (std::wstring& cell : Texts(out)) cells.push_back(std::move(cell));
  return cells;
}

TEST(TextPoolReleaseTest, TheNextProjectHoldsItsOwnTextsOnly) {
  testing::TempDir dir;
  // A quota of no library chapter named as a common calculation parameter:
  // its chapter is decided by comparing with texts the intake keeps in
  // statics.
  const testing::JsonRecord earth{"010101002", "挖一般土方", "m3", "1", "WTF1", "12", "TF\\WTF"};
  testing::JsonRecord rest = earth;
  rest.code = "Z-1";
  rest.name = "余土";
  dir.Write("first.json", testing::ProjectJson({{earth, {rest}}}));
  const CString first = testing::ImportedReport(dir, "first", dir.File("first.json"));
  const CString second = testing::ImportedReport(
      dir, "second", REPORTDATA_SOURCE_DIR "/tests/areas/data/tricky_project.json");

  BuildAndReload(first);
  const size_t alone = PooledText::PoolSize();
  const std::vector<std::wstring> cells = KeyCells();
  ASSERT_NE(std::find(cells.begin(), cells.end(), L"常用计算参数"), cells.end());

  BuildAndReload(second);
  ASSERT_GT(KeyCells().size(), 2u);
  CReportComMethod::ReleaseAll();
  EXPECT_EQ(PooledText::PoolSize(), 0u);
  BuildAndReload(first);
  EXPECT_EQ(PooledText::PoolSize(), alone);
  EXPECT_EQ(KeyCells(), cells);
  CReportComMethod::ReleaseAll();
}

}  // namespace
}  // namespace reportdata
