#include "services/paths.h"

#include <algorithm>

#include "platform/text.h"

namespace reportdata {

std::string NativePath(std::wstring_view path) {
  std::string native = ToUtf8(path);
  std::replace(native.begin(), native.end(), '\\', '/');
  // A directory given with a trailing separator still names the same file.
  native.erase(std::unique(native.begin(), native.end(),
                           [](char a, char b) { return a == '/' && b == '/'; }),
               native.end());
  return native;
}

}  // namespace reportdata
