// The built-in progress display draws one rewritten line on a terminal and
// writes nothing in quiet mode.
#include "services/progress.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "service_fixture.h"

namespace reportdata {
namespace {

std::string Drawn(bool shown) {
  std::FILE* out = std::tmpfile();
  {
    TerminalProgressSink sink(out, shown);
    sink.Message(L"ignored before open");
    sink.Open(L"处理报表数据中...");
    sink.Message(L"正在重新加载报表数据!");
    sink.Close();
    sink.Close();
  }
  std::rewind(out);
  std::string bytes;
  for (int ch; (ch = std::fgetc(out)) != EOF;) bytes += static_cast<char>(ch);
  std::fclose(out);
  return bytes;
}

TEST(Progress, TerminalLineAndQuietMode) {
  EXPECT_EQ(Drawn(true),
            "\r\033[K| 处理报表数据中...\r\033[K/ 处理报表数据中... 正在重新加载报表数据!\r\033[K");
  EXPECT_EQ(Drawn(false), "");

  const testing::ScopedEnv quiet("REPORTDATA_QUIET", "1");
  EXPECT_FALSE(ProgressShownOnStderr());
}

}  // namespace
}  // namespace reportdata
