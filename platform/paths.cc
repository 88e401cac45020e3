// Native paths from the module's directory and file names.
#include "platform/paths.h"

#include <dirent.h>
#include <sys/stat.h>

#include <cwctype>

#include "platform/text.h"

namespace reportdata {

namespace {

bool IsSeparator(wchar_t ch) { return ch == L'\\' || ch == L'/'; }

std::wstring_view FileNamePart(std::wstring_view name) {
  if (!name.empty() && IsSeparator(name.front())) name.remove_prefix(1);
  return name;
}

bool EqualIgnoringCase(std::wstring_view a, std::wstring_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (a[i] != b[i] && std::towlower(a[i]) != std::towlower(b[i])) return false;
  }
  return true;
}

bool Exists(const std::string& path) {
  struct stat info;
  return stat(path.c_str(), &info) == 0;
}

}  // namespace

std::string JoinPath(std::wstring_view dir, std::wstring_view name) {
  std::wstring file(FileNamePart(name));
  for (wchar_t& ch : file) {
    if (ch == L'\\') ch = L'/';
  }
  if (dir.empty()) return ToUtf8(file);
  std::string path = ToUtf8(dir);
  if (path.back() != '/') path += '/';
  path += ToUtf8(file);
  return path;
}

std::wstring CutBeforeLastSeparator(std::wstring_view path) {
  std::wstring dir;
  CutBeforeLastSeparator(path, dir);
  return dir;
}

bool CutBeforeLastSeparator(std::wstring_view path, std::wstring& dir) {
  const size_t pos = path.find_last_of(L"\\/");
  if (pos == std::wstring_view::npos) return false;
  dir.assign(path.substr(0, pos));
  return true;
}

std::optional<std::string> FindFileIgnoringCase(std::wstring_view dir, std::wstring_view name) {
  std::string exact = JoinPath(dir, name);
  if (Exists(exact)) return exact;
  const std::string native_dir = dir.empty() ? std::string(".") : ToUtf8(dir);
  DIR* stream = opendir(native_dir.c_str());
  if (stream == nullptr) return std::nullopt;
  const std::wstring_view wanted = FileNamePart(name);
  // Directory order is arbitrary; the smallest matching name keeps the choice
  // stable when several spellings exist.
  std::optional<std::string> found_name;
  while (const dirent* entry = readdir(stream)) {
    const std::string entry_name = entry->d_name;
    if (EqualIgnoringCase(FromUtf8(entry_name), wanted) &&
        (!found_name || entry_name < *found_name)) {
      found_name = entry_name;
    }
  }
  closedir(stream);
  if (!found_name) return std::nullopt;
  return JoinPath(dir, FromUtf8(*found_name));
}

}  // namespace reportdata
