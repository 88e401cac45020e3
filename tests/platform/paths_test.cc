#include "platform/paths.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace reportdata {
namespace {

using testing::TempDir;

TEST(PathsTest, JoinsModuleFileNamesToNativePaths) {
  EXPECT_EQ(JoinPath(L"/proj/报表", L"\\qd.xml"), "/proj/\xE6\x8A\xA5\xE8\xA1\xA8/qd.xml");
  EXPECT_EQ(JoinPath(L"/proj", L"/qd.xml"), "/proj/qd.xml");
  EXPECT_EQ(JoinPath(L"/proj/", L"\\qd.xml"), "/proj/qd.xml");
  EXPECT_EQ(JoinPath(L"/proj", L"qd.xml"), "/proj/qd.xml");
  EXPECT_EQ(JoinPath(L"/proj", L"\\sub\\a.xml"), "/proj/sub/a.xml");
  EXPECT_EQ(JoinPath(L"", L"\\qd.xml"), "qd.xml");
  EXPECT_EQ(JoinPath(L"/", L"\\qd.xml"), "/qd.xml");
}

TEST(PathsTest, CutsBeforeTheLastSeparatorOfEitherKind) {
  EXPECT_EQ(CutBeforeLastSeparator(L"C:\\proj\\a.prj"), L"C:\\proj");
  EXPECT_EQ(CutBeforeLastSeparator(L"/home/u/proj/a.prj"), L"/home/u/proj");
  EXPECT_EQ(CutBeforeLastSeparator(L"/home/u\\proj/a\\b.prj"), L"/home/u\\proj/a");
  EXPECT_EQ(CutBeforeLastSeparator(L"/a.prj"), L"");
  EXPECT_EQ(CutBeforeLastSeparator(L"a.prj"), L"");

  std::wstring dir = L"/previous";
  EXPECT_FALSE(CutBeforeLastSeparator(L"a.prj", dir));
  EXPECT_EQ(dir, L"/previous");
  EXPECT_TRUE(CutBeforeLastSeparator(L"/next/a.prj", dir));
  EXPECT_EQ(dir, L"/next");
}

TEST(PathsTest, FindsFilesIgnoringCaseButPrefersTheExactName) {
  TempDir dir;
  EXPECT_FALSE(FindFileIgnoringCase(dir.wpath(), L"\\MJ.xml").has_value());
  dir.Write("mj.xml", "a");
  EXPECT_EQ(FindFileIgnoringCase(dir.wpath(), L"\\MJ.xml"), dir.File("mj.xml"));
  EXPECT_EQ(FindFileIgnoringCase(dir.wpath(), L"\\mj.xml"), dir.File("mj.xml"));
  dir.Write("MJ.xml", "b");
  EXPECT_EQ(FindFileIgnoringCase(dir.wpath(), L"\\MJ.xml"), dir.File("MJ.xml"));
  EXPECT_EQ(FindFileIgnoringCase(dir.wpath(), L"\\Mj.xml"), dir.File("MJ.xml"));
  EXPECT_FALSE(FindFileIgnoringCase(dir.wpath(), L"\\mj.xm").has_value());
  EXPECT_FALSE(FindFileIgnoringCase(dir.wpath() + L"/none", L"\\MJ.xml").has_value());
}

}  // namespace
}  // namespace reportdata
