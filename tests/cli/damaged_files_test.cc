// Damaged inputs: a build that cannot read its calculation results writes
// nothing (the tool exits with 1 and the reason, and the report directory
// keeps every file of the last good build byte for byte), and show names a
// damaged table file instead of showing an empty table.
#include <gtest/gtest.h>

#include <fstream>

#include "services/sqlite_db.h"
#include "tool_runner.h"

namespace reportdata::testing {
namespace {

TEST(DamagedFilesTest, BuildOverADamagedDatabaseWritesNothingAndShowNamesDamagedTables) {
  TempDir dir;
  const std::string project = dir.File("project");
  ASSERT_EQ(RunTool({"import", kSampleJson, project}).status, 0);
  ASSERT_EQ(RunTool({"build", project}).status, 0);
  const std::string database = project + "/CalResult.mdb";
  const std::string good = ReadFile(database);
  const auto before = Snapshot(project + "/report");

  std::string newer = good;
  newer[63] = 9;  // the layout version, big-endian at offset 60 of the header
  std::string noise(good.size(), '\0');
  unsigned state = 12345;
  for (char& byte : noise) byte = static_cast<char>((state = state * 1103515245u + 12345u) >> 16);
  // The last record's blob of texts one byte short: the build fails after
  // filing every other record.
  const std::string copy = dir.File("copy.mdb");
  std::ofstream(copy, std::ios::binary) << good;
  ASSERT_TRUE(SqliteDb::Open(copy, SQLITE_OPEN_READWRITE)
                  ->Exec("UPDATE classified SET texts = substr(texts, 1, length(texts) - 1) "
                         "WHERE rowid = (SELECT max(rowid) FROM classified)"));
  const std::string damaged_row = ReadFile(copy);
  // A key text the records name by number is gone.
  std::ofstream(copy, std::ios::binary | std::ios::trunc) << good;
  ASSERT_TRUE(SqliteDb::Open(copy, SQLITE_OPEN_READWRITE)
                  ->Exec("DELETE FROM key_text WHERE id = (SELECT max(id) FROM key_text)"));
  const std::string lost_key = ReadFile(copy);
  const std::pair<const char*, std::string> damages[] = {
      {"a damaged row", damaged_row},
      {"a lost key text", lost_key},
      {"truncated", good.substr(0, good.size() / 2)},
      {"random bytes", noise},
      {"newer layout", newer},
      {"empty", ""},
  };
  const std::vector<std::string> builds[] = {
      {"build", project}, {"build", project, "--bill"}, {"build", project, "--quota"}};
  for (const auto& [damage, bytes] : damages) {
    std::ofstream(database, std::ios::binary | std::ios::trunc) << bytes;
    for (const std::vector<std::string>& args : builds) {
      const ToolRun run = RunTool(args);
      EXPECT_EQ(run.status, 1) << damage << " " << args.size();
      EXPECT_NE(run.err.find("build failed: cannot read"), std::string::npos) << run.err;
      EXPECT_EQ(Snapshot(project + "/report"), before) << damage << " " << args.size();
    }
  }

  const std::string table = project + "/report/qd.xml";
  const std::string bill_summary = ReadFile(table);
  const std::pair<std::string, std::string> damaged_tables[] = {
      {bill_summary.substr(0, bill_summary.size() / 2), "the file is damaged: "},
      {"", "the file is empty"},
      {"<GlobalParas/>", "the root element is <GlobalParas>, not <工程数据>"},
      {"<工程数据 Version=\"10\" Table_Name=\"清单汇总表\">text</工程数据>",
       "the root element holds text or other non-elements"},
      {ReadFile(project + "/report/de1.xml"),
       "the file holds the table \"定额汇总表\", not \"清单汇总表\""},
  };
  for (const auto& [bytes, reason] : damaged_tables) {
    std::ofstream(table, std::ios::binary | std::ios::trunc) << bytes;
    const ToolRun run = RunTool({"show", project, "qd"});
    EXPECT_EQ(run.status, 1) << reason;
    EXPECT_EQ(run.err.rfind("reportdata: " + table + ": " + reason, 0), 0u) << run.err;
  }
}

}  // namespace
}  // namespace reportdata::testing
