// Splitting of merged position and handle lists.
#include "model/record_instances.h"

namespace reportdata {

void SplitText(std::string_view text, std::string_view separator,
               std::vector<std::string_view>& parts) {
  parts.clear();
  size_t start = 0;
  for (size_t hit; (hit = text.find(separator, start)) != std::string_view::npos;
       start = hit + separator.size()) {
    parts.push_back(text.substr(start, hit - start));
  }
  parts.push_back(text.substr(start));
}

bool SplitInstances(const SQdRecordNode& record, InstanceParts& parts) {
  if (record.count <= 1) return false;
  SplitText(record.positions, "$", parts.positions);
  SplitText(record.handles, "$$$", parts.handles);
  if (parts.positions.size() == parts.handles.size()) return true;
  std::string_view plain = record.handles;
  if (!plain.empty() && plain.front() == '$') plain.remove_prefix(1);
  SplitText(plain, "$$", parts.handles);
  return parts.positions.size() == parts.handles.size() &&
         parts.handles.size() == static_cast<size_t>(record.count);
}

}  // namespace reportdata
