#include "services/paths.h"

#include <algorithm>

#include "platform/text.h"

namespace reportdata {

std::string NativePath(std::wstring_view path) {
  std::string native = ToUtf8(path);
  std::replace(native.begin(), native.end(), '\\', '/');
  return native;
}

}  // namespace reportdata
