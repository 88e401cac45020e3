// Executable path from /proc.
#include "platform/process.h"

#include <unistd.h>

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

}  // namespace reportdata
