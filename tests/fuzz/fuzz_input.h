// Shared by the fuzz harnesses: a scratch directory for the files a harness
// writes, and the fuzzer's bytes split into the texts the module reads.
#ifndef REPORTDATA_TESTS_FUZZ_FUZZ_INPUT_H_
#define REPORTDATA_TESTS_FUZZ_FUZZ_INPUT_H_

#include <stdlib.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "platform/text.h"

namespace reportdata::fuzz {

// One directory per fuzzing process, made on first use and reused by every
// input, holding a project directory with a report directory inside.
inline const std::string& ScratchDir() {
  static const std::string dir = [] {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "reportdata-fuzz-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) abort();
    std::filesystem::create_directories(pattern + "/project/report");
    return pattern;
  }();
  return dir;
}

inline void WriteBytes(const std::string& path, std::string_view bytes) {
  std::ofstream(path, std::ios::binary | std::ios::trunc)
      .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// The input as lines; each line is taken as UTF-8 (invalid sequences are
// replaced as the module's own conversion does).
inline std::vector<std::wstring> WideLines(const uint8_t* data, size_t size) {
  std::vector<std::wstring> lines;
  std::string_view text(reinterpret_cast<const char*>(data), size);
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    lines.push_back(FromUtf8(text.substr(start, end - start)));
    start = end + 1;
  }
  return lines;
}

}  // namespace reportdata::fuzz

#endif  // REPORTDATA_TESTS_FUZZ_FUZZ_INPUT_H_
