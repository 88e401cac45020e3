// A fresh directory under the system temporary directory for tests that read
// and write project files; removed with everything in it when the object goes
// out of scope.
#ifndef REPORTDATA_TESTS_SUPPORT_TEMP_DIR_H_
#define REPORTDATA_TESTS_SUPPORT_TEMP_DIR_H_

#include <stdlib.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace reportdata::testing {

inline std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

// Every file under dir with its bytes, to see that a failure changed nothing.
inline std::map<std::string, std::string> Snapshot(const std::string& dir) {
  std::map<std::string, std::string> files;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(dir)) {
    if (entry.is_regular_file()) files[entry.path().string()] = ReadFile(entry.path().string());
  }
  return files;
}

class TempDir {
 public:
  TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "reportdata-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    root_ = path_ = pattern;
  }
  // A directory named child inside a fresh one, as a report data directory
  // inside its project directory: what the engine writes beside the report
  // data directory stays in the temporary tree.
  explicit TempDir(const char* child) : TempDir() {
    path_ = root_ + "/" + child;
    std::filesystem::create_directory(path_);
  }
  ~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(root_, ignored);
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  // The directory as native UTF-8 text and as the wide text a host passes.
  const std::string& path() const { return path_; }
  std::wstring wpath() const { return std::filesystem::path(path_).wstring(); }

  // Full path of a file in the directory.
  std::string File(const std::string& name) const { return path_ + "/" + name; }

  void Write(const std::string& name, const std::string& bytes) const {
    std::ofstream(File(name), std::ios::binary) << bytes;
  }
  std::string Read(const std::string& name) const { return ReadFile(File(name)); }
  // Names of the directory's entries in byte order, to see what a save left.
  std::vector<std::string> Entries() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(path_)) {
      names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
  }

 private:
  std::string root_;
  std::string path_;
};

}  // namespace reportdata::testing

#endif  // REPORTDATA_TESTS_SUPPORT_TEMP_DIR_H_
