#include "cli/project_dir.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "cli/input_error.h"
#include "support/temp_dir.h"

namespace reportdata::cli {
namespace {

namespace fs = std::filesystem;

std::string RefusalOf(const std::string& project, const std::string& report) {
  try {
    ResolveProjectDir(project, report);
  } catch (const InputError& error) {
    return error.what();
  }
  return "accepted";
}

TEST(ProjectDirTest, TakesReportDirectoriesInsideTheProjectOnly) {
  testing::TempDir dir;
  fs::create_directory(dir.File("proj"));
  const fs::path project = fs::canonical(dir.File("proj"));

  EXPECT_EQ(ResolveProjectDir(dir.File("proj"), "").report, project / "report");
  EXPECT_EQ(ResolveProjectDir(dir.File("proj"), "tables").report, project / "tables");
  EXPECT_EQ(ResolveProjectDir(dir.File("proj"), "tables/").report.filename(), "tables");
  EXPECT_EQ(ResolveProjectDir(dir.File("proj/"), (project / "r2").string()).report, project / "r2");
  // A relative project directory is made absolute.
  const fs::path here = fs::current_path();
  fs::current_path(dir.path());
  EXPECT_EQ(ResolveProjectDir("proj", "").project, project);
  fs::current_path(here);
  EXPECT_EQ(ResolveProjectDir(dir.File("proj"), "").ReportArgument().str(),
            (project / "report").wstring());

  const std::string outside = " is not a direct child of the project directory " + project.string();
  EXPECT_EQ(RefusalOf(dir.File("proj"), "."), "report directory " + project.string() + outside);
  EXPECT_EQ(RefusalOf(dir.File("proj"), "a/b"),
            "report directory " + (project / "a/b").string() + outside);
  EXPECT_EQ(RefusalOf(dir.File("proj"), "../elsewhere"),
            "report directory " + fs::weakly_canonical(dir.File("elsewhere")).string() + outside);
  dir.Write("file", "x");
  EXPECT_EQ(RefusalOf(dir.File("file"), ""), "project directory not found: " + dir.File("file"));
}

}  // namespace
}  // namespace reportdata::cli
