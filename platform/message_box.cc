// Message box dispatch to the host's handler or to standard error.
#include "platform/message_box.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <string>
#include <utility>

#include "platform/text.h"

namespace {

std::mutex& HandlerMutex() {
  static std::mutex mutex;
  return mutex;
}

MessageBoxHandler& InstalledHandler() {
  static MessageBoxHandler handler;
  return handler;
}

const char* IconName(MessageBoxIcon icon) {
  switch (icon) {
    case MessageBoxIcon::kExclamation:
      return "!";
    case MessageBoxIcon::kWarning:
      return "warning";
    case MessageBoxIcon::kInformation:
      return "information";
  }
  return "";
}

void WriteToStandardError(const CString& text, const CString& caption, MessageBoxIcon icon) {
  const char* quiet = std::getenv("REPORTDATA_QUIET");
  if (quiet != nullptr && *quiet != '\0' && std::strcmp(quiet, "0") != 0) return;
  const std::string line = reportdata::ToUtf8(caption.str()) + " [" + IconName(icon) +
                           "]: " + reportdata::ToUtf8(text.str()) + "\n";
  std::fwrite(line.data(), 1, line.size(), stderr);
  std::fflush(stderr);
}

}  // namespace

MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler) {
  std::lock_guard<std::mutex> lock(HandlerMutex());
  return std::exchange(InstalledHandler(), std::move(handler));
}

namespace reportdata {

void ShowMessageBox(const CString& text, const CString& caption, MessageBoxIcon icon) {
  MessageBoxHandler handler;
  {
    std::lock_guard<std::mutex> lock(HandlerMutex());
    handler = InstalledHandler();
  }
  if (handler) {
    handler(text, caption, icon);
  } else {
    WriteToStandardError(text, caption, icon);
  }
}

}  // namespace reportdata
