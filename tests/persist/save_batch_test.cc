// A write sequence lands its files together, or not at all.
#include "persist/save_batch.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "persist/global_files.h"
#include "reportdata/errors.h"
#include "support/temp_dir.h"

namespace reportdata {
namespace {

using testing::TempDir;

TEST(SaveBatchTest, FilesLandAtTheOutermostCommitOrNotAtAll) {
  TempDir dir;
  dir.Write("CalFloor.xml", "old floors");
  dir.Write("GlobalParas.xml", "old partitions");
  {
    SaveBatch outer;
    WriteCalFloor(dir.wpath(), {CString(L"1")});
    {
      SaveBatch inner;
      WriteGlobalParas(dir.wpath(), {L"一区"});
      inner.Commit();
    }
    // Written, but no target replaced until the outer batch lands.
    EXPECT_EQ(dir.Read("CalFloor.xml"), "old floors");
    EXPECT_EQ(dir.Read("GlobalParas.xml"), "old partitions");
    EXPECT_EQ(dir.Entries().size(), 4u);
    outer.Commit();
  }
  EXPECT_EQ(dir.Entries(), (std::vector<std::string>{"CalFloor.xml", "GlobalParas.xml"}));
  EXPECT_NE(dir.Read("CalFloor.xml"), "old floors");
  EXPECT_NE(dir.Read("GlobalParas.xml"), "old partitions");

  const std::string landed = dir.Read("CalFloor.xml");
  {
    SaveBatch abandoned;
    WriteCalFloor(dir.wpath(), {CString(L"2")});
    EXPECT_THROW(WriteGlobalParas(dir.wpath() + L"/missing", {}), TableFileError);
  }
  EXPECT_EQ(dir.Read("CalFloor.xml"), landed);
  EXPECT_EQ(dir.Entries(), (std::vector<std::string>{"CalFloor.xml", "GlobalParas.xml"}));

  // A rename that fails at the landing leaves the files before it replaced
  // and removes the temporary files of the rest.
  TempDir fresh;
  {
    SaveBatch batch;
    WriteCalFloor(fresh.wpath(), {CString(L"1")});
    WriteGlobalParas(fresh.wpath(), {L"一区"});
    std::filesystem::create_directory(fresh.File("GlobalParas.xml"));
    EXPECT_THROW(batch.Commit(), TableFileError);
  }
  EXPECT_EQ(fresh.Entries(), (std::vector<std::string>{"CalFloor.xml", "GlobalParas.xml"}));

  // Without a batch a save lands at once.
  WriteCalFloor(dir.wpath(), {CString(L"3")});
  EXPECT_NE(dir.Read("CalFloor.xml"), landed);
}

TEST(SaveBatchTest, StepsOnTwoThreadsLandInTheBatchOrNotAtAll) {
  TempDir dir;
  dir.Write("CalFloor.xml", "old floors");
  const auto write_floors = [&] { WriteCalFloor(dir.wpath(), {CString(L"1")}); };
  const auto write_partitions = [&] { WriteGlobalParas(dir.wpath(), {L"一区"}); };
  {
    SaveBatch batch;
    try {
      SaveBatch::RunSteps({write_floors, [] { throw std::runtime_error("first"); },
                           write_partitions, [] { throw std::runtime_error("second"); }});
      ADD_FAILURE() << "a failed step went unreported";
    } catch (const std::runtime_error& error) {
      EXPECT_STREQ(error.what(), "first");
    }
  }
  EXPECT_EQ(dir.Entries(), (std::vector<std::string>{"CalFloor.xml"}));
  EXPECT_EQ(dir.Read("CalFloor.xml"), "old floors");
  {
    SaveBatch batch;
    SaveBatch::RunSteps({write_floors, write_partitions});
    EXPECT_EQ(dir.Read("CalFloor.xml"), "old floors");
    batch.Commit();
  }
  EXPECT_EQ(dir.Entries(), (std::vector<std::string>{"CalFloor.xml", "GlobalParas.xml"}));
  EXPECT_NE(dir.Read("CalFloor.xml"), "old floors");
}

}  // namespace
}  // namespace reportdata
