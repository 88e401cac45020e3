// The built-in progress display: the dialog title and its messages on a
// terminal, one line that is rewritten in place with a turning spinner. It
// stays silent when the stream is not a terminal or when the environment sets
// REPORTDATA_QUIET, so logs and pipes get no control characters.
#ifndef REPORTDATA_SERVICES_PROGRESS_H_
#define REPORTDATA_SERVICES_PROGRESS_H_

#include <cstdio>
#include <string>

#include "reportdata/services.h"

namespace reportdata {

class TerminalProgressSink : public ProgressSink {
 public:
  // Writes to out when shown is true; out stays owned by the caller.
  TerminalProgressSink(std::FILE* out, bool shown) : out_(out), shown_(shown) {}

  void Open(const std::wstring& title) override;
  void Message(const std::wstring& text) override;
  void Close() override;

 private:
  void Draw();

  std::FILE* out_;
  bool shown_;
  bool open_ = false;
  std::string title_;    // UTF-8 dialog title
  std::string message_;  // UTF-8 latest message
  unsigned turn_ = 0;    // spinner position
};

// Whether the progress display on standard error is shown: standard error is
// a terminal and REPORTDATA_QUIET is unset.
bool ProgressShownOnStderr();

}  // namespace reportdata

#endif  // REPORTDATA_SERVICES_PROGRESS_H_
