// A reload reads its large table files at the first query of their tables,
// from the files as they were at the reload.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "engine/analyze.h"
#include "reportdata/errors.h"
#include "support/file_error.h"
#include "support/table_services.h"
#include "support/temp_dir.h"
#include "tests/persist/generated_project.h"

namespace reportdata {
namespace {

using testing::TempDir;

constexpr int kBillSummary = 1;
constexpr int kConsumptionSummary = 3;

int ItemCount(CAnalyze& engine, int code) {
  CStringArray items;
  engine.GetTreeItem(items, code);
  return static_cast<int>(items.GetSize());
}

class DeferredReadsTest : public ::testing::Test {
 protected:
  DeferredReadsTest() {
    CAnalyze built;
    testing::FileGenerated(built.tables(), 40, false);
    built.Write_xml(dir_.wpath());
    chapters_ = ItemCount(built, kBillSummary);
  }

  // Puts bytes in place of the file as a save does: by rename.
  void Replace(const std::string& name, const std::string& bytes) {
    dir_.Write("next", bytes);
    std::filesystem::rename(dir_.File("next"), dir_.File(name));
  }

  testing::TestServices services_;
  TempDir dir_{"report"};
  int chapters_ = 0;
};

TEST_F(DeferredReadsTest, QueriesSeeTheFilesOfTheReload) {
  ASSERT_GT(chapters_, 0);
  const struct {
    const char* change;
    const char* bytes;  // null: the file is removed
  } cases[] = {
      {"replaced by an empty table", "<工程数据 Version=\"10\" Table_Name=\"清单汇总表\"/>"},
      {"replaced by a damaged file", "<工"},
      {"removed", nullptr},
  };
  const std::string original = dir_.Read("qd.xml");
  for (const auto& [change, bytes] : cases) {
    dir_.Write("qd.xml", original);
    CAnalyze reader;
    reader.InitDataFromXml(dir_.wpath());
    if (bytes != nullptr)
      Replace("qd.xml", bytes);
    else
      std::filesystem::remove(dir_.File("qd.xml"));
    EXPECT_EQ(ItemCount(reader, kBillSummary), chapters_) << change;
  }
}

TEST_F(DeferredReadsTest, FaultFoundAtFirstUseEndsThatQueryOnly) {
  dir_.Write("qd.xml", "<工程数据><Chapter1 N=\"a\"/>text<Chapter2 N=\"b\"/></工程数据>");
  CAnalyze reader;
  reader.InitDataFromXml(dir_.wpath());
  EXPECT_EQ(testing::FileError([&] { ItemCount(reader, kBillSummary); }),
            dir_.File("qd.xml") + ": element <工程数据> has a child that is not an element");
  EXPECT_EQ(reader.tables().bill_summary().size(), 1u);  // the chapter before the fault
  EXPECT_GT(ItemCount(reader, kConsumptionSummary), 0);

  // Emptied before the first query, the engine reads nothing of the reload.
  CAnalyze released;
  released.InitDataFromXml(dir_.wpath());
  released.ReleaseAll();
  EXPECT_EQ(ItemCount(released, kConsumptionSummary), 0);
}

}  // namespace
}  // namespace reportdata
