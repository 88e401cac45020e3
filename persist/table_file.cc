// Paths of the report data directory.
#include "persist/table_file.h"

#include "platform/paths.h"

namespace reportdata {

std::string ResolveFilePath(std::wstring_view dir, std::wstring_view name) {
  if (std::optional<std::string> existing = FindFileIgnoringCase(dir, name)) return *existing;
  return JoinPath(dir, name);
}

}  // namespace reportdata
