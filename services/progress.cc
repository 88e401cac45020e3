#include "services/progress.h"

#include <unistd.h>

#include <cstdlib>

#include "platform/text.h"
#include "services/builtins.h"
#include "services/registry.h"

namespace reportdata {

void TerminalProgressSink::Open(const std::wstring& title) {
  if (open_) Close();
  open_ = true;
  title_ = ToUtf8(title);
  message_.clear();
  Draw();
}

void TerminalProgressSink::Message(const std::wstring& text) {
  if (!open_) return;
  message_ = ToUtf8(text);
  ++turn_;
  Draw();
}

void TerminalProgressSink::Close() {
  if (!open_) return;
  open_ = false;
  if (!shown_) return;
  std::fputs("\r\033[K", out_);
  std::fflush(out_);
}

void TerminalProgressSink::Draw() {
  if (!shown_) return;
  static constexpr char kSpinner[] = {'|', '/', '-', '\\'};
  std::fprintf(out_, "\r\033[K%c %s", kSpinner[turn_ % 4], title_.c_str());
  if (!message_.empty()) std::fprintf(out_, " %s", message_.c_str());
  std::fflush(out_);
}

bool ProgressShownOnStderr() {
  return std::getenv("REPORTDATA_QUIET") == nullptr && isatty(STDERR_FILENO) == 1;
}

std::shared_ptr<ProgressSink> MakeBuiltinProgressSink() {
  return std::make_shared<TerminalProgressSink>(stderr, ProgressShownOnStderr());
}

}  // namespace reportdata

// A dialog keeps the sink it opened on, so that replacing the service while
// the dialog is open still closes it where it was shown.
NyProInterface::NyProInterface() : sink_(reportdata::CurrentProgressSink()) {}

NyProInterface::~NyProInterface() { CloseProgressDialog(); }

void NyProInterface::ShowProgressDialog(const CString& text, void* /*parent*/) {
  if (open_) sink_->Close();
  sink_->Open(text.str());
  open_ = true;
}

void NyProInterface::SetShowInformation(const CString& text) {
  if (open_) sink_->Message(text.str());
}

void NyProInterface::CloseProgressDialog() {
  if (!open_) return;
  open_ = false;
  sink_->Close();
}
