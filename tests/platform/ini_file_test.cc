#include "platform/ini_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "support/temp_dir.h"

namespace reportdata {
namespace {

using testing::TempDir;

TEST(IniFileTest, ReadsTheLeadingNumberOrTextByCaseInsensitiveNamesOrTheDefault) {
  TempDir dir;
  const std::string path = dir.File("a.ini");
  EXPECT_EQ(ReadIniInt(path, L"ReportDisPlayUnit", L"DeUnit", 1), 1);
  EXPECT_EQ(ReadIniString(path, L"S", L"K", L"fallback"), L"fallback");
  dir.Write("a.ini",
            "; settings\n[S]\nplain=12\nsuffix=12abc\ntext=abc\nnegative=-4x\nblank= \t 8\n"
            "empty=\nhuge=99999999999\nsigned=+6\n[NewReport]\nReportHandle = 00001a2b\n"
            "Name=\"楼层 1\"\n");
  // An empty value gives the default; 99999999999 wraps mod 2^32 as a 32-bit
  // conversion does.
  const std::pair<const wchar_t*, int> cases[] = {
      {L"plain", 12}, {L"suffix", 12}, {L"text", 0},   {L"negative", -4},
      {L"blank", 8},  {L"empty", 5},   {L"signed", 6}, {L"huge", 1215752191}};
  for (const auto& [key, value] : cases) EXPECT_EQ(ReadIniInt(path, L"S", key, 5), value) << key;
  EXPECT_EQ(ReadIniInt(path, L"S", L"absent", 7), 7);
  EXPECT_EQ(ReadIniInt(path, L"NoSection", L"plain", -3), -3);
  EXPECT_EQ(ReadIniString(path, L"S", L"absent", L""), L"");
  EXPECT_EQ(ReadIniString(path, L"NewReport", L"ReportHandle", L""), L"00001a2b");
  EXPECT_EQ(ReadIniString(path, L"newreport", L"REPORTHANDLE", L""), L"00001a2b");
  EXPECT_EQ(ReadIniString(path, L"NewReport", L"Name", L""), L"楼层 1");
}

TEST(IniFileTest, WriteCreatesFileAndKeepsOtherEntries) {
  TempDir dir;
  const std::string path = dir.File("ReportHandle.ini");
  ASSERT_TRUE(WriteIniString(path, L"NewReport", L"ReportHandle", L"00001a2b"));
  EXPECT_EQ(dir.Read("ReportHandle.ini"), "[NewReport]\nReportHandle=00001a2b\n");

  ASSERT_TRUE(WriteIniString(path, L"NewReport", L"ReportPID", L"000004d2"));
  ASSERT_TRUE(WriteIniString(path, L"OldReport", L"ReportHandle", L"00000001"));
  ASSERT_TRUE(WriteIniString(path, L"NewReport", L"ReportHandle", L"0000ffff"));
  const std::string written = dir.Read("ReportHandle.ini");
  EXPECT_EQ(written,
            "[NewReport]\nReportHandle=0000ffff\nReportPID=000004d2\n\n\n"
            "[OldReport]\nReportHandle=00000001\n");
  EXPECT_EQ(ReadIniString(path, L"NewReport", L"ReportPID", L""), L"000004d2");
  // Rewriting a value must not make the file grow.
  ASSERT_TRUE(WriteIniString(path, L"NewReport", L"ReportHandle", L"0000ffff"));
  EXPECT_EQ(dir.Read("ReportHandle.ini"), written);
  // A write fails without its directory and leaves no temporary file.
  EXPECT_FALSE(WriteIniString(dir.File("missing/a.ini"), L"S", L"K", L"V"));
  EXPECT_EQ(dir.Entries(), std::vector<std::string>{"ReportHandle.ini"});
}

TEST(IniFileTest, WriteKeepsForeignSectionsCommentsAndChineseValues) {
  TempDir dir;
  const std::string path = dir.File("ProjInfo.ini");
  dir.Write("ProjInfo.ini",
            "; project settings\n[工程]\n名称=办公楼\n[QdMergeConfig]\nOwnerDeSame=1\n");
  ASSERT_TRUE(WriteIniString(path, L"ReportDisPlayUnit", L"DeUnit", L"0"));
  EXPECT_NE(dir.Read("ProjInfo.ini").find("; project settings"), std::string::npos);
  EXPECT_EQ(ReadIniString(path, L"工程", L"名称", L""), L"办公楼");
  EXPECT_EQ(ReadIniInt(path, L"QdMergeConfig", L"OwnerDeSame", 0), 1);
  EXPECT_EQ(ReadIniInt(path, L"ReportDisPlayUnit", L"DeUnit", 1), 0);
}

}  // namespace
}  // namespace reportdata
