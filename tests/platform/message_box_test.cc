#include "platform/message_box.h"

#include <gtest/gtest.h>

#include <vector>

#include "support/scoped_env.h"

namespace reportdata {
namespace {

struct Shown {
  CString text;
  CString caption;
  MessageBoxIcon icon;
};

TEST(MessageBoxTest, InstalledHandlerReceivesTheMessage) {
  std::vector<Shown> shown;
  const MessageBoxHandler before = SetMessageBoxHandler(
      [&shown](const CString& text, const CString& caption, MessageBoxIcon icon) {
        shown.push_back({text, caption, icon});
      });
  EXPECT_FALSE(before);
  ShowMessageBox(kSettingsErrorText, kMessageBoxCaption, MessageBoxIcon::kWarning);
  EXPECT_EQ(shown.at(0).caption.str() + L": " + shown[0].text.str(),
            L"青禾土建报表: 初始化工程设置数据出错!");
  EXPECT_EQ(shown[0].icon, MessageBoxIcon::kWarning);

  const MessageBoxHandler mine = SetMessageBoxHandler(nullptr);
  EXPECT_TRUE(mine);
  mine(L"x", L"y", MessageBoxIcon::kInformation);
  EXPECT_EQ(shown.size(), 2u);
}

TEST(MessageBoxTest, DefaultHandlerWritesUtf8ToStandardError) {
  const testing::ScopedEnv unset("REPORTDATA_QUIET", nullptr);
  ::testing::internal::CaptureStderr();
  ShowMessageBox(kSettingsErrorText, kMessageBoxCaption, MessageBoxIcon::kExclamation);
  EXPECT_EQ(::testing::internal::GetCapturedStderr(),
            "\xE9\x9D\x92\xE7\xA6\xBE\xE5\x9C\x9F\xE5\xBB\xBA\xE6\x8A\xA5\xE8\xA1\xA8 [!]: "
            "\xE5\x88\x9D\xE5\xA7\x8B\xE5\x8C\x96\xE5\xB7\xA5\xE7\xA8\x8B\xE8\xAE\xBE\xE7\xBD\xAE"
            "\xE6\x95\xB0\xE6\x8D\xAE\xE5\x87\xBA\xE9\x94\x99!\n");

  const testing::ScopedEnv quiet("REPORTDATA_QUIET", "1");
  ::testing::internal::CaptureStderr();
  ShowMessageBox(kSettingsErrorText, kMessageBoxCaption, MessageBoxIcon::kExclamation);
  EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
}

}  // namespace
}  // namespace reportdata
