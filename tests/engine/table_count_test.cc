// Counting a table's rows without making them gives the rows of its
// whole-table answer, and a reader's view of them is that answer with only
// the instance lists left empty, for every table of the catalogue, with
// merging on and off and with the whole project or one partition shown.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
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

// The cells of the table's instance lists.
std::set<int> ListCells(const CatalogTable& table) {
  std::set<int> cells;
  for (const NamedColumn& column : table.columns) {
    if (column.key != "handles") continue;
    for (const CellSource& source : column.from) {
      if (source.cell >= 0) cells.insert(source.cell);
    }
  }
  return cells;
}

// The reader's view differs from the whole-table answer in list cells only,
// which it leaves empty; returns the lists it left out.
int ExpectShownRowsLeaveOutLists(const CatalogTable& table) {
  CStringArray full;
  CStringArray shown;
  GetEngine()->GetTotalData(full, table.code);
  ShownTableRows(table, shown);
  EXPECT_EQ(shown.GetSize(), full.GetSize());
  const std::set<int> lists = ListCells(table);
  int left_out = 0;
  for (int at = 0; at < std::min(shown.GetSize(), full.GetSize()); ++at) {
    if (lists.contains(at % table.width) && shown[at].IsEmpty() && !full[at].IsEmpty()) {
      ++left_out;
    } else {
      EXPECT_EQ(shown[at].str(), full[at].str()) << "cell " << at;
    }
  }
  return left_out;
}

// Every table of the side (and those of either side) counts what it answers
// in every state of the merge flag and the partition shown, and shows it
// without its lists; the bill summary has lists to leave out.
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
        const int left_out = ExpectShownRowsLeaveOutLists(table);
        if (table.stem == "qd") {
          EXPECT_GT(left_out, 0);
        }
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
