#include "engine/project_settings.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>

#include "support/temp_dir.h"

namespace reportdata {
namespace {

using testing::TempDir;

void* Handle(uintptr_t bits) { return reinterpret_cast<void*>(bits); }

// The display unit is true for absent or 1; the own-quota merge flag for
// absent or 0 (text without digits reads as 0). The display-unit write keeps
// the merge setting.
TEST(ProjectSettingsTest, DisplayUnitAndOwnQuotaMergeFlag) {
  TempDir dir;
  EXPECT_TRUE(IsUserDeUnitFromFile(dir.wpath()));
  EXPECT_TRUE(OwnQuotaMergeFlag(dir.wpath()));
  const struct {
    const char* unit;
    const char* merge;
    bool user_unit;
    bool merges;
  } cases[] = {{"2", "0", false, true},
               {"yes", "-1", false, false},
               {"1x", "no", true, true},
               {"0", "1", false, false}};
  for (const auto& c : cases) {
    dir.Write("ProjInfo.ini", std::string("[ReportDisPlayUnit]\nDeUnit=") + c.unit +
                                  "\n[QdMergeConfig]\nOwnerDeSame=" + c.merge + "\n");
    EXPECT_EQ(IsUserDeUnitFromFile(dir.wpath()), c.user_unit) << c.unit;
    EXPECT_EQ(OwnQuotaMergeFlag(dir.wpath()), c.merges) << c.merge;
  }
  SetUserDeUnitToFile(dir.wpath(), true);
  EXPECT_TRUE(IsUserDeUnitFromFile(dir.wpath()));
  EXPECT_FALSE(OwnQuotaMergeFlag(dir.wpath()));
  TempDir fresh;
  SetUserDeUnitToFile(fresh.wpath(), false);
  EXPECT_EQ(fresh.Read("ProjInfo.ini"), "[ReportDisPlayUnit]\nDeUnit=0\n");
}

// Eight lower-case hex digits of the low 32 bits, under the kind's section.
TEST(ProjectSettingsTest, WritesHandlesAsEightLowerCaseHexDigitsPerKind) {
  const struct {
    int kind;
    uintptr_t handle;
    unsigned long pid;
    const char* bytes;
  } cases[] = {
      {1, 0x1A2B, 0x4D2, "[NewReport]\nReportHandle=00001a2b\nReportPID=000004d2\n"},
      {0, 0xABCDEF12345678, 7, "[OldReport]\nReportHandle=12345678\nReportPID=00000007\n"},
      {2, 0xFFFFFFFF, 0xFFFFFFFF, "[OldReport]\nReportHandle=ffffffff\nReportPID=ffffffff\n"},
  };
  for (const auto& c : cases) {
    TempDir dir;
    WriteReportHandle(dir.wpath(), c.kind, Handle(c.handle), c.pid);
    EXPECT_EQ(dir.Read("ReportHandle.ini"), c.bytes);
  }
}

// "%x" reads the leading hexadecimal number (an optional "0x", at most 255
// characters) into the low 32 bits; an absent or non-hex key leaves the
// caller's value.
TEST(ProjectSettingsTest, ReadsHandlesBackIntoTheLowBits) {
  const std::string long_key = "[NewReport]\nReportHandle=" + std::string(255, '0') + "7\n";
  const struct {
    const char* file;  // null: no file
    int kind;
    uintptr_t handle;
    unsigned long pid;
  } cases[] = {
      {nullptr, 1, 0x7F0000000000FFFF, 66},
      {"[NewReport]\nReportHandle=1a2b\nReportPID=4d2\n", 1, 0x7F00000000001A2B, 0x4D2},
      {"[NewReport]\nReportHandle=xyz\n[OldReport]\nReportPID=12\n", 1, 0x7F0000000000FFFF, 66},
      {"[NewReport]\nReportHandle=xyz\n[OldReport]\nReportPID=12\n", 3, 0x7F0000000000FFFF, 0x12},
      {"[NewReport]\nReportHandle= 0x1fZZ\nReportPID=ABCg\n", 1, 0x7F0000000000001F, 0xABC},
      // The handle wraps to 32 bits; the pid reads the "0" before the "x".
      {"[OldReport]\nReportHandle=123456789\nReportPID=0x\n", 0, 0x7F00000023456789, 0},
      {long_key.c_str(), 1, 0x7F00000000000000, 66},
  };
  for (const auto& c : cases) {
    TempDir dir;
    if (c.file != nullptr) dir.Write("ReportHandle.ini", c.file);
    void* handle = Handle(0x7F0000000000FFFF);
    unsigned long pid = 66;
    ReadReportHandle(dir.wpath(), c.kind, handle, pid);
    EXPECT_EQ(std::pair(handle, pid), std::pair(Handle(c.handle), c.pid))
        << (c.file ? c.file : "no file");
  }
}

}  // namespace
}  // namespace reportdata
