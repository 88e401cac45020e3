// A generated project built into the bill and quota tables, written, read
// back into fresh tables and written again: every table file must come back
// byte for byte, so the readers keep every text and number the writers put
// into the files. What the writers put there is pinned in table_nodes_test.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/report_tables.h"
#include "persist/report_table_files.h"
#include "support/temp_dir.h"
#include "tests/persist/generated_project.h"

namespace reportdata {
namespace {

using testing::TempDir;

ReportTables BuildTables(size_t records) {
  ReportTables tables({L"主体建筑面积"});
  for (const SNYTJQdDeClassResult& entry : reportdata::testing::GeneratedEntries(records)) {
    tables.AddClassifiedEntry(entry);
    for (const TJQd& quota : entry.quotas) tables.AddQuotaRecord(quota);
  }
  return tables;
}

// Writes the nodes, reads them into an empty list, writes that list to a
// second directory (with `rewrite`, where the file keeps only what the
// current partition shows) and compares the two files.
template <typename Node, typename Write, typename Read, typename Rewrite>
void ExpectRoundTrip(const char* file, const std::vector<Node>& built, Write&& write, Read&& read,
                     Rewrite&& rewrite) {
  TempDir first, second;
  write(first.wpath(), built);
  std::vector<Node> back;
  read(first.wpath(), back);
  rewrite(second.wpath(), back);
  const std::string written = first.Read(file);
  const std::string again = second.Read(file);
  const size_t at =
      std::mismatch(written.begin(), written.end(), again.begin(), again.end()).first -
      written.begin();
  EXPECT_EQ(written.size(), again.size()) << file;
  EXPECT_EQ(at, written.size()) << file
                                << " differs after: " << written.substr(at < 80 ? 0 : at - 80, 80);
}

class RoundTripTest : public ::testing::TestWithParam<const wchar_t*> {};

TEST_P(RoundTripTest, EveryTableComesBackAsTheFileKeepsIt) {
  const std::wstring partition = GetParam();
  ReportTables built = BuildTables(3000);
  // The project holds what the files must carry: merged records, facade
  // decoration, floor ranges, partition shares and own quotas.
  int merged = 0, facades = 0, ranges = 0, shared = 0, own_quotas = 0;
  for (const SQdChapterNode& chapter : built.bill_summary()) {
    for (const SQdItemNode& item : chapter.items) {
      own_quotas += !item.quota_features.empty();
      for (const SQdFloorNode& floor : item.floors) {
        ranges += floor.count > 1;
        for (const SQdCompNode& component : floor.components) {
          facades += component.type_path == L"ZS\\LMZS";
          for (const SQdRecordNode& record : component.records) {
            merged += record.count == 4;
            shared += !record.partitions.empty();
          }
        }
      }
    }
  }
  EXPECT_GT(merged, 100);
  EXPECT_GT(facades, 10);
  EXPECT_GT(ranges, 10);
  EXPECT_GT(shared, 100);
  EXPECT_GT(own_quotas, 5);

  auto in = [](auto write, std::wstring_view part) {
    return [write, part](std::wstring_view dir, const auto& nodes) { write(dir, nodes, part); };
  };
  ExpectRoundTrip("qd.xml", built.bill_summary(), in(WriteBillSummary, partition), ReadBillSummary,
                  in(WriteBillSummary, partition));
  ExpectRoundTrip("qdxhl.xml", built.bill_consumption(), in(WriteBillConsumption, partition),
                  ReadBillConsumption, in(WriteBillConsumption, partition));
  ExpectRoundTrip("de.xml", built.consumption_summary(), in(WriteConsumptionSummary, partition),
                  ReadConsumptionSummary, in(WriteConsumptionSummary, partition));
  ExpectRoundTrip("de1.xml", built.quota_summary(), in(WriteQuotaSummary, partition),
                  ReadQuotaSummary, in(WriteQuotaSummary, partition));
  ExpectRoundTrip("de2.xml", built.quota_by_floor(), WriteQuotaByFloor, ReadQuotaByFloor,
                  WriteQuotaByFloor);
  // The per-floor-and-component file keeps the partition's quantities alone.
  ExpectRoundTrip("de3.xml", built.quota_by_floor_component(),
                  in(WriteQuotaByFloorComponent, partition), ReadQuotaByFloorComponent,
                  in(WriteQuotaByFloorComponent, L""));
}

INSTANTIATE_TEST_SUITE_P(WholeProjectAndOnePartition, RoundTripTest,
                         ::testing::Values(L"", L"一区"));

}  // namespace
}  // namespace reportdata
