#include "engine/project_settings.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <utility>

#include "support/temp_dir.h"

namespace reportdata {
namespace {

using testing::TempDir;

void* Handle(uintptr_t bits) { return reinterpret_cast<void*>(bits); }

TEST(ProjectSettingsTest, DisplayUnitDefaultsToTrueAndRoundTrips) {
  TempDir dir;
  EXPECT_TRUE(IsUserDeUnitFromFile(dir.wpath()));
  for (const bool unit : {false, true}) {
    SetUserDeUnitToFile(dir.wpath(), unit);
    EXPECT_EQ(dir.Read("ProjInfo.ini"),
              std::string("[ReportDisPlayUnit]\nDeUnit=") + (unit ? "1" : "0") + "\n");
    EXPECT_EQ(IsUserDeUnitFromFile(dir.wpath()), unit);
  }
  for (const auto& [value, unit] : {std::pair{"2", false}, {"yes", false}, {"1x", true}}) {
    dir.Write("ProjInfo.ini", std::string("[ReportDisPlayUnit]\nDeUnit=") + value + "\n");
    EXPECT_EQ(IsUserDeUnitFromFile(dir.wpath()), unit) << value;
  }
}

// Text without digits reads as 0; the display-unit write keeps the setting.
TEST(ProjectSettingsTest, OwnQuotaMergeFlagIsTrueOnlyForZeroOrAbsent) {
  TempDir dir;
  EXPECT_TRUE(OwnQuotaMergeFlag(dir.wpath()));
  for (const auto& [value, merge] :
       {std::pair{"0", true}, {"-1", false}, {"no", true}, {"1", false}}) {
    dir.Write("ProjInfo.ini", std::string("[QdMergeConfig]\nOwnerDeSame=") + value + "\n");
    EXPECT_EQ(OwnQuotaMergeFlag(dir.wpath()), merge) << value;
  }
  SetUserDeUnitToFile(dir.wpath(), true);
  EXPECT_FALSE(OwnQuotaMergeFlag(dir.wpath()));
}

TEST(ProjectSettingsTest, WritesHandlesAsEightLowerCaseHexDigitsPerKind) {
  TempDir dir;
  WriteReportHandle(dir.wpath(), 1, Handle(0x1A2B), 0x4D2);
  EXPECT_EQ(dir.Read("ReportHandle.ini"),
            "[NewReport]\nReportHandle=00001a2b\nReportPID=000004d2\n");

  TempDir other;
  WriteReportHandle(other.wpath(), 0, Handle(0xABCDEF12345678), 7);
  EXPECT_EQ(other.Read("ReportHandle.ini"),
            "[OldReport]\nReportHandle=12345678\nReportPID=00000007\n");
  WriteReportHandle(other.wpath(), 2, Handle(0xFFFFFFFF), 0xFFFFFFFF);
  EXPECT_EQ(other.Read("ReportHandle.ini"),
            "[OldReport]\nReportHandle=ffffffff\nReportPID=ffffffff\n");
  EXPECT_STREQ(ReportHandleSection(1), L"NewReport");
  EXPECT_STREQ(ReportHandleSection(-1), L"OldReport");
}

TEST(ProjectSettingsTest, ReadsHandlesBackIntoTheLowBits) {
  TempDir dir;
  WriteReportHandle(dir.wpath(), 1, Handle(0x1A2B), 0x4D2);
  WriteReportHandle(dir.wpath(), 0, Handle(0xBEEF), 99);

  void* handle = nullptr;
  unsigned long pid = 0;
  ReadReportHandle(dir.wpath(), 1, handle, pid);
  EXPECT_EQ(std::pair(handle, pid), std::pair(Handle(0x1A2B), 0x4D2ul));
  ReadReportHandle(dir.wpath(), 3, handle, pid);
  EXPECT_EQ(std::pair(handle, pid), std::pair(Handle(0xBEEF), 99ul));

  // Only the low 32 bits are replaced.
  handle = Handle(0x7F0000000000FFFF);
  ReadReportHandle(dir.wpath(), 1, handle, pid);
  EXPECT_EQ(handle, Handle(0x7F00000000001A2B));
}

TEST(ProjectSettingsTest, AbsentOrNonHexKeysLeaveTheCallersValues) {
  TempDir dir;
  void* handle = Handle(0x55);
  unsigned long pid = 66;
  ReadReportHandle(dir.wpath(), 1, handle, pid);  // no file
  EXPECT_EQ(std::pair(handle, pid), std::pair(Handle(0x55), 66ul));

  dir.Write("ReportHandle.ini", "[NewReport]\nReportHandle=xyz\n[OldReport]\nReportPID=12\n");
  ReadReportHandle(dir.wpath(), 1, handle, pid);
  EXPECT_EQ(std::pair(handle, pid), std::pair(Handle(0x55), 66ul));
  ReadReportHandle(dir.wpath(), 0, handle, pid);
  EXPECT_EQ(std::pair(handle, pid), std::pair(Handle(0x55), 0x12ul));

  // "%x" reads the leading hexadecimal number, with an optional "0x".
  dir.Write("ReportHandle.ini",
            "[NewReport]\nReportHandle= 0x1fZZ\nReportPID=ABCg\n"
            "[OldReport]\nReportHandle=123456789\nReportPID=0x\n");
  ReadReportHandle(dir.wpath(), 1, handle, pid);
  EXPECT_EQ(std::pair(handle, pid), std::pair(Handle(0x1F), 0xABCul));
  handle = nullptr;
  ReadReportHandle(dir.wpath(), 0, handle, pid);
  // The handle wraps to 32 bits; the pid reads the "0" before the "x".
  EXPECT_EQ(std::pair(handle, pid), std::pair(Handle(0x23456789), 0ul));

  // Characters past the 255th are not read.
  dir.Write("ReportHandle.ini", "[NewReport]\nReportHandle=" + std::string(255, '0') + "7\n");
  handle = Handle(0x55);
  ReadReportHandle(dir.wpath(), 1, handle, pid);
  EXPECT_EQ(handle, Handle(0));
}

}  // namespace
}  // namespace reportdata
