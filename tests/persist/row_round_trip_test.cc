// A generated project built into the bill and quota tables, written and
// read back into fresh tables. Written again, every table file comes back
// byte for byte, so the readers keep every text and number the writers put
// into the files (what the writers put there is pinned in table_nodes_test).
// And the host sees the same rows either way, in both row layouts, for the
// whole project and for one partition, with merging on and off; the two
// per-floor quota tables keep less (see docs/table-files.md) and are checked
// for what they keep.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "engine/table_definitions.h"
#include "model/report_tables.h"
#include "persist/report_table_files.h"
#include "support/records.h"
#include "support/table_services.h"
#include "support/temp_dir.h"
#include "tests/persist/generated_project.h"

namespace reportdata {
namespace {

using testing::TempDir;
using testing::Texts;

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

class RowRoundTripTest : public ::testing::Test {
 protected:
  RowRoundTripTest() : built_({L"主体建筑面积"}), read_({L"主体建筑面积"}) {
    services_.library->bill_chapters[L"01041"] = {L"砌筑工程", L"4"};
    services_.library->bill_chapters[L"01042"] = {L"混凝土工程", L"5"};
    services_.library->quota_chapters[L"A1"] = {L"砌筑", L"4"};
    services_.library->quota_chapters[L"A2"] = {L"混凝土", L"5"};
  }

  void BuildWriteRead(size_t records) {
    testing::FileGenerated(built_, records);
    WriteBillSummary(dir_.wpath(), built_.bill_summary(), L"");
    WriteBillConsumption(dir_.wpath(), built_.bill_consumption(), L"");
    WriteConsumptionSummary(dir_.wpath(), built_.consumption_summary(), L"");
    WriteQuotaSummary(dir_.wpath(), built_.quota_summary(), L"");
    WriteQuotaByFloor(dir_.wpath(), built_.quota_by_floor());
    WriteQuotaByFloorComponent(dir_.wpath(), built_.quota_by_floor_component(), L"");
    ReadBillSummary(dir_.wpath(), read_.bill_summary());
    ReadBillConsumption(dir_.wpath(), read_.bill_consumption());
    ReadConsumptionSummary(dir_.wpath(), read_.consumption_summary());
    ReadQuotaSummary(dir_.wpath(), read_.quota_summary());
    ReadQuotaByFloor(dir_.wpath(), read_.quota_by_floor());
    ReadQuotaByFloorComponent(dir_.wpath(), read_.quota_by_floor_component());
  }

  // Every row the host can ask of one table code: the tree items, then for
  // each of them the layout A rows and the layout B stream.
  static std::vector<std::wstring> AllRows(ReportTables& tables, int code, int stream_code,
                                           const QueryState& state) {
    AreaTables areas;
    const TableContext context{tables, areas, state};
    CStringArray items;
    EXPECT_TRUE(AnswerTreeItems(context, code, items));
    std::vector<std::wstring> rows = Texts(items);
    for (const std::wstring& item : Texts(items)) {
      CStringArray table;
      EXPECT_TRUE(AnswerItemRows(context, code, item, table));
      for (const std::wstring& cell : Texts(table)) rows.push_back(cell);
      CStringArray stream;
      EXPECT_TRUE(AnswerStream(context, stream_code, item, stream));
      for (const std::wstring& cell : Texts(stream)) rows.push_back(cell);
    }
    return rows;
  }

  void ExpectSameRows(int code, int stream_code, const QueryState& state) {
    const std::vector<std::wstring> expected = AllRows(built_, code, stream_code, state);
    const std::vector<std::wstring> actual = AllRows(read_, code, stream_code, state);
    EXPECT_GT(expected.size(), 100u) << "code " << code;
    ASSERT_EQ(actual.size(), expected.size()) << "code " << code;
    for (size_t i = 0; i < expected.size(); ++i) {
      ASSERT_EQ(actual[i], expected[i]) << "code " << code << " row " << i;
    }
  }

  testing::TestServices services_;
  ReportTables built_;
  ReportTables read_;
  TempDir dir_;
};

TEST_F(RowRoundTripTest, EveryTableFileComesBackByteForByte) {
  testing::FileGenerated(built_, 3000);
  const ReportTables& built = built_;
  // The project holds what the files must carry: merged records, facade
  // decoration, floor ranges, partition shares and own quotas.
  TempDir probe;
  WriteBillSummary(probe.wpath(), built.bill_summary(), L"");
  const std::string bytes = probe.Read("qd.xml");
  for (const auto& [feature, least] : {std::pair{"Num=\"4\" H=", 100},
                                       {"T=\"ZS\\LMZS\"", 10},
                                       {"N=\"2,5\"><O", 10},
                                       {"<分区信息 ", 100},
                                       {"<OwnDe>", 5}}) {
    int found = 0;
    for (size_t at = bytes.find(feature); at != std::string::npos; at = bytes.find(feature, at + 1))
      ++found;
    EXPECT_GT(found, least) << feature;
  }

  for (const std::wstring partition : {L"", L"一区"}) {
    auto in = [](auto write, std::wstring_view part) {
      return [write, part](std::wstring_view dir, const auto& nodes) { write(dir, nodes, part); };
    };
    ExpectRoundTrip("qd.xml", built.bill_summary(), in(WriteBillSummary, partition),
                    ReadBillSummary, in(WriteBillSummary, partition));
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
}

TEST_F(RowRoundTripTest, TheHostSeesTheRowsOfTheBuild) {
  BuildWriteRead(2000);
  // The bill family and the quota summary in every partition, the quota by
  // floor for the whole project, each with merging on and off.
  for (const wchar_t* partition : {L"", L"一区", L"二区"}) {
    for (const bool merge : {true, false}) {
      QueryState state;
      state.partition = partition;
      state.merge = merge;
      for (const auto& [code, stream_code] :
           {std::pair{1, 21}, {2, 22}, {3, 23}, {11, 31}, {12, 32}}) {
        if (code != 12 || state.partition.empty()) ExpectSameRows(code, stream_code, state);
      }
    }
  }
  // The quota-by-floor-and-component file keeps each record as one counted
  // piece: the same rows and quantities, but a merged record no longer shows
  // its "%.2f*%d件" formula.
  const std::vector<std::wstring> expected = AllRows(built_, 13, 33, {});
  const std::vector<std::wstring> actual = AllRows(read_, 13, 33, {});
  ASSERT_EQ(actual.size(), expected.size());
  size_t piece_formulas = 0;
  for (size_t i = 0; i < expected.size(); ++i) {
    if (actual[i] == expected[i]) continue;
    ASSERT_EQ(actual[i] + L"|" + expected[i].back(), L"|件") << "row " << i;
    ++piece_formulas;
  }
  EXPECT_GT(piece_formulas, 10u);
}

}  // namespace
}  // namespace reportdata
