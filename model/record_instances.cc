// Splitting of merged position and handle lists.
#include "model/record_instances.h"

namespace reportdata {

void SplitText(std::wstring_view text, std::wstring_view separator,
               std::vector<std::wstring_view>& parts) {
  parts.clear();
  size_t start = 0;
  for (size_t hit; (hit = text.find(separator, start)) != std::wstring_view::npos;
       start = hit + separator.size()) {
    parts.push_back(text.substr(start, hit - start));
  }
  parts.push_back(text.substr(start));
}

}  // namespace reportdata
