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

}  // namespace reportdata
