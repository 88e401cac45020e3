// Counting a table's rows without making them gives the rows of its
// whole-table answer, for every table of the catalogue, with merging on and
// off and with the whole project or one partition shown.
#include <gtest/gtest.h>

#include <vector>

#include "engine/analyze.h"
#include "reportdata/facades.h"
#include "reportdata/table_catalog.h"
#include "support/imported_project.h"

namespace reportdata {
namespace {

// The rows of the whole-table answer, the header not counted.
std::size_t AnsweredRows(const CatalogTable& table) {
  CStringArray rows;
  GetEngine()->GetTotalData(rows, table.code);
  EXPECT_EQ(rows.GetSize() % table.width, 0);
  return static_cast<std::size_t>(rows.GetSize() / table.width) - 1;
}

// Every table of the side (and those of either side) counts what it answers
// in every state of the merge flag and the partition shown.
void ExpectCountsOfSide(TableSide side) {
  std::vector<CString> partitions;
  CInterQingDan::GetEngPatitions(partitions);
  ASSERT_GT(partitions.size(), 1u);
  for (const CString& partition : {CString(), partitions.front()}) {
    for (bool merge : {true, false}) {
      CInterQingDan::SetCurrentPartition(partition);
      CReportComMethod::SetHebing(merge);
      for (const CatalogTable& table : TableCatalog()) {
        if (table.side != side && table.side != TableSide::kEither) continue;
        SCOPED_TRACE(std::string(table.stem) + (merge ? " merged" : " unmerged") +
                     (partition.IsEmpty() ? "" : " partition"));
        const std::size_t answered = AnsweredRows(table);
        EXPECT_GT(answered, 0u);
        EXPECT_EQ(CountTableRows(table), answered);
      }
    }
  }
  CInterQingDan::SetCurrentPartition(CString());
  CReportComMethod::SetHebing(true);
}

TEST(TableCountTest, CountedRowsAreTheWholeTableAnswersRows) {
  testing::TempDir dir;
  const CString report = testing::ImportedReport(dir, "project", testing::kSampleProject);
  CString failure;
  CReportComMethod::ReleaseAll();
  CInterQingDan::InitQdData(report, failure);
  ASSERT_TRUE(failure.IsEmpty()) << failure.str();
  ExpectCountsOfSide(TableSide::kBill);
  CReportComMethod::ReleaseAll();
  ASSERT_TRUE(DeTable1::InitialTable(report, failure)) << failure.str();
  ExpectCountsOfSide(TableSide::kQuota);
  CReportComMethod::ReleaseAll();
}

}  // namespace
}  // namespace reportdata
