// Damaged inputs: a build that cannot read its calculation results or its
// project description writes nothing (the tool exits with 1 and the reason,
// and the report directory keeps every file of the last good build byte for
// byte), and the reading commands name a damaged table file instead of
// showing an empty table.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include "services/sqlite_db.h"
#include "tool_runner.h"

namespace reportdata::testing {
namespace {

using DamagedFilesTest = SampleTest;

TEST_F(DamagedFilesTest, BuildOverADamagedDatabaseWritesNothing) {
  TempDir dir;
  const std::string project = CopyOfSample(dir);
  const std::string database = project + "/CalResult.mdb";
  const std::string good = ReadFile(database);
  const auto before = Snapshot(project + "/report");

  // The layout version, big-endian at offset 60 of the header, set to n.
  const auto of_layout = [&](char n) {
    std::string bytes = good;
    bytes[63] = n;
    return bytes;
  };
  std::string noise(good.size(), '\0');
  unsigned state = 12345;
  for (char& byte : noise) byte = static_cast<char>((state = state * 1103515245u + 12345u) >> 16);
  // The database after a statement that damages it.
  const auto after = [&](const char* sql) {
    const std::string copy = dir.File("copy.mdb");
    std::ofstream(copy, std::ios::binary | std::ios::trunc) << good;
    EXPECT_TRUE(SqliteDb::Open(copy, SQLITE_OPEN_READWRITE)->Exec(sql)) << sql;
    return ReadFile(copy);
  };
  // The one page of a small table or index, or the root page of a larger
  // one, zeroed.
  const auto zero_page_of = [&](const char* name) {
    const std::unique_ptr<SqliteDb> db = SqliteDb::Open(database, SQLITE_OPEN_READONLY);
    const std::string sql =
        std::string("SELECT rootpage FROM sqlite_master WHERE name = '") + name + "'";
    const long long page = db->QueryInt(sql.c_str(), 0);
    const long long size = db->QueryInt("PRAGMA page_size", 0);
    EXPECT_GT(page, 1) << name;
    std::string bytes = good;
    bytes.replace((page - 1) * size, size, std::string(size, '\0'));
    return bytes;
  };
  struct Damage {
    const char* what;
    std::string bytes;
    const char* reason = "";  // what the message says beyond that it cannot read
  };
  const Damage damages[] = {
      {"the meta table's index", zero_page_of("sqlite_autoindex_meta_1")},
      {"the meta table", zero_page_of("meta")},
      {"the results", zero_page_of("classified")},
      {"the doors and windows", zero_page_of("door_window")},
      {"the floor areas", zero_page_of("floor_area")},
      {"the component index", zero_page_of("comp_index")},
      {"part of a page short", good.substr(0, good.size() - 1), "the file was cut short"},
      // A layout whose blob holds the lists themselves; a column per text.
      {"an earlier layout", of_layout(3),
       "CalResult.mdb is of an earlier layout (version 3): import"},
      {"the first layout", of_layout(1),
       "CalResult.mdb is of an earlier layout (version 1): import"},
      // The last record's blob of texts one byte short: the build fails
      // after filing every other record.
      {"a damaged row", after("UPDATE classified SET texts = substr(texts, 1, length(texts) - 1) "
                              "WHERE rowid = (SELECT max(rowid) FROM classified)")},
      // A key text the records name by number is gone; so are the later
      // half of the lists, which bill and quota records name.
      {"a lost key text", after("DELETE FROM key_text WHERE id = (SELECT max(id) FROM key_text)")},
      {"a lost list",
       after("DELETE FROM key_list WHERE id >= (SELECT count(*) FROM key_list) / 2")},
      {"truncated", good.substr(0, good.size() / 2)},
      {"random bytes", noise},
      {"newer layout", of_layout(9)},
      {"empty", ""},
  };
  const std::vector<std::string> builds[] = {
      {"build", project}, {"build", project, "--bill"}, {"build", project, "--quota"}};
  for (const auto& [damage, bytes, reason] : damages) {
    std::ofstream(database, std::ios::binary | std::ios::trunc) << bytes;
    for (const std::vector<std::string>& args : builds) {
      const ToolRun run = RunTool(args);
      EXPECT_EQ(run.status, 1) << damage << " " << args.size();
      EXPECT_NE(run.err.find("build failed: cannot read"), std::string::npos) << run.err;
      EXPECT_NE(run.err.find(reason), std::string::npos) << run.err;
      EXPECT_EQ(Snapshot(project + "/report"), before) << damage << " " << args.size();
    }
  }
}

// A writer that holds the database longer than a build waits: the build
// says so rather than calling the file damaged.
TEST_F(DamagedFilesTest, BuildOverABusyDatabaseSaysItIsBusy) {
  TempDir dir;
  const std::string project = CopyOfSample(dir);
  const auto before = Snapshot(project + "/report");
  const std::unique_ptr<SqliteDb> writer =
      SqliteDb::Open(project + "/CalResult.mdb", SQLITE_OPEN_READWRITE);
  ASSERT_TRUE(writer->Exec("BEGIN EXCLUSIVE"));
  const ToolRun run = RunTool({"build", project});
  EXPECT_EQ(run.status, 1);
  EXPECT_TRUE(
      run.err.ends_with("reportdata: bill build failed: cannot read the calculation "
                        "database in " +
                        project + ": it is busy: another program is writing it\n"))
      << run.err;
  EXPECT_EQ(Snapshot(project + "/report"), before);
}

// Every command that reads tables back names a table file it shows, lists or
// exports that is damaged, another table's, or no regular file, instead of
// taking it for an empty table or waiting on it.
TEST_F(DamagedFilesTest, ReadingCommandsNameDamagedOrForeignTableFiles) {
  TempDir dir;
  const std::string project = CopyOfSample(dir);
  const std::string report = project + "/report/";
  const auto bytes_of = [&](const char* file) { return ReadFile(report + file); };
  const std::string out = dir.File("out");
  struct Case {
    const char* file;
    std::string bytes;  // kFifo: a FIFO in its place
    std::vector<std::string> show;
    const char* reason;
    bool listed;  // a table that tables, html and export read too
  };
  const std::string qd = bytes_of("qd.xml"), kFifo = "FIFO";
  const Case cases[] = {
      {"qd.xml", qd.substr(0, qd.size() / 2), {"qd"}, "the file is damaged: ", true},
      {"qd.xml", kFifo, {"qd"}, "not a file", true},
      {"qd.xml", "", {"qd"}, "the file is empty", true},
      // The page and the workbook name this one in words of their own.
      {"qd.xml",
       "<工程数据 Version=\"10\" Table_Name=\"清单汇总表\">text</工程数据>",
       {"qd"},
       "the root element holds text or other non-elements",
       false},
      {"qd.xml",
       bytes_of("de1.xml"),
       {"qd"},
       "holds the table \"定额汇总表\", not \"清单汇总表\"",
       true},
      {"room2.xml", bytes_of("room1.xml"), {"room2"}, "another table's file", true},
      {"mc.xml", bytes_of("room2.xml"), {"mc"}, "another table's file", true},
      {"CompTable.xml", "<工程数据", {"构件表"}, "the file is damaged: ", false},
      {"TongTableqd.xml", "<x/>", {"concrete-floor"}, "the root element is <x>", false},
      {"GlobalParas.xml",
       "<全局数据><工程分区><分区数据 PartitionName=\"" + std::string((1 << 20) + 1, 'x') +
           "\"/></工程分区></全局数据>",
       {"qd"},
       "a partition name longer than 1048576 bytes",
       false},
      {"DecTableqd.xml",
       bytes_of("TongTableqd.xml"),
       {"decoration"},
       "another table's file",
       false},
  };
  for (const Case& c : cases) {
    const std::string path = report + c.file;
    const bool built = std::filesystem::exists(path);
    const std::string good = ReadFile(path);
    std::filesystem::remove(path);
    if (c.bytes == kFifo) {
      ASSERT_EQ(mkfifo(path.c_str(), 0600), 0);
    } else {
      std::ofstream(path, std::ios::binary) << c.bytes;
    }
    std::vector<std::vector<std::string>> commands = {{"show", project, c.show[0]}};
    if (c.listed) {
      commands.push_back({"tables", project});
      commands.push_back({"html", project, out});
      commands.push_back({"export", project, out});
    }
    // The tables a comparison reads, the project against itself.
    if (c.show[0] == "qd" || c.show[0] == "mc" || c.show[0] == "concrete-floor")
      commands.push_back({"compare", project, project, c.show[0]});
    for (const std::vector<std::string>& args : commands) {
      const ToolRun run = RunTool(args);
      EXPECT_EQ(run.status, 1) << c.file << " " << args[0];
      EXPECT_EQ(run.err.rfind("reportdata: " + path + ": ", 0), 0u) << args[0] << ": " << run.err;
      EXPECT_NE(run.err.find(c.reason), std::string::npos) << args[0] << ": " << run.err;
    }
    std::filesystem::remove(path);
    if (built) std::ofstream(path, std::ios::binary) << good;
  }
}

// No database, or a FIFO or a directory in the place of the database or of
// the project description: the build refuses at once, naming the file, and
// the report keeps the last good build.
TEST_F(DamagedFilesTest, BuildRefusesInputsThatAreNoFile) {
  const std::pair<std::string, char> cases[] = {{"CalResult.mdb", 'm'},
                                                {"CalResult.mdb", 'f'},
                                                {"CalResult.mdb", 'd'},
                                                {"project.ld", 'f'},
                                                {"project.ld", 'd'}};
  for (const auto& [file, kind] : cases) {
    TempDir dir;
    const std::string project = CopyOfSample(dir), path = project + "/" + file;
    const auto before = Snapshot(project + "/report");
    std::filesystem::remove_all(path);
    ASSERT_TRUE(kind != 'f' || mkfifo(path.c_str(), 0600) == 0);
    if (kind == 'd') std::filesystem::create_directory(path);
    const ToolRun run = RunTool({"build", project});
    EXPECT_EQ(run.status, 1) << file << " " << kind;
    EXPECT_TRUE(run.err.ends_with(
        file == "project.ld"
            ? "reportdata: bill build failed: cannot read the project description project.ld in " +
                  project + "\n"
            : "reportdata: no calculation results in " + project +
                  ": CalResult.mdb is missing (run `reportdata import` first)\n"))
        << run.err;
    EXPECT_EQ(Snapshot(project + "/report"), before) << file << " " << kind;
  }
}

// A side whose summary file is missing is a side not built: show says so,
// tables lists "-", the page marks it not built and the workbook leaves it
// out, rather than showing an empty table.
TEST_F(DamagedFilesTest, AMissingSummaryFileIsATableNotBuilt) {
  const struct {
    const char* file;
    const char* name;
  } cases[] = {{"qd.xml", "清单汇总表"},
               {"de1.xml", "定额汇总表"},
               // A table of a side whose other files are read back.
               {"room2.xml", "分层房间汇总表"}};
  for (const auto& [file, name] : cases) {
    TempDir dir;
    const std::string project = CopyOfSample(dir);
    std::filesystem::remove(project + "/report/" + file);
    const std::string stem = std::string(file).substr(0, std::string(file).find('.'));
    const ToolRun show = RunTool({"show", project, stem});
    EXPECT_EQ(show.status, 1) << file;
    EXPECT_EQ(show.err, std::string("reportdata: no ") + name + " in " + project +
                            "/report: " + file + " is missing (run `reportdata build` first)\n");
    const ToolRun tables = RunTool({"tables", project});
    const size_t at = tables.out.find(std::string(" ") + file + " ");
    ASSERT_NE(at, std::string::npos) << tables.out;
    EXPECT_EQ(tables.out.substr(tables.out.find('\n', at) - 2, 2), " -") << tables.out;
    EXPECT_NE(RunTool({"export", project, dir.File("out.xlsx")}).out.find("wrote 10 tables"),
              std::string::npos)
        << file;
    ASSERT_EQ(RunTool({"html", project, dir.File("out.html")}).status, 0);
    EXPECT_NE(ReadFile(dir.File("out.html")).find("未生成"), std::string::npos) << file;
  }
}

}  // namespace
}  // namespace reportdata::testing
