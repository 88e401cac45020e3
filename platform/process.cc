// Executable path from /proc; whether a process runs from kill(pid, 0).
#include "platform/process.h"

#include <signal.h>
#include <unistd.h>

#include <cerrno>

#include <vector>

#include "platform/text.h"

namespace reportdata {

std::wstring ExecutablePath() {
  std::vector<char> buffer(1024);
  for (;;) {
    const ssize_t length = readlink("/proc/self/exe", buffer.data(), buffer.size());
    if (length < 0) return {};
    if (static_cast<size_t>(length) < buffer.size()) {
      return FromUtf8(std::string_view(buffer.data(), static_cast<size_t>(length)));
    }
    if (buffer.size() >= (size_t{1} << 20)) return {};
    buffer.resize(buffer.size() * 4);
  }
}

bool ProcessRuns(long pid) {
  if (pid <= 0) return false;
  return kill(static_cast<pid_t>(pid), 0) == 0 || errno != ESRCH;
}

}  // namespace reportdata
