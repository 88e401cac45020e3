// Initialisation files over SimpleIni.
#include "platform/ini_file.h"

// Files are UTF-8 and handled as bytes; only ASCII letters of section and key
// names fold case, as the Windows profile functions fold them.
#define SI_NO_CONVERSION
#define SI_IMPLEMENTATION
#include <SimpleIni.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <optional>

#include "platform/text.h"

namespace reportdata {

namespace {

enum class LoadResult { kLoaded, kMissing, kFailed };

LoadResult Load(const std::string& path, CSimpleIniA& ini) {
  ini.SetUnicode(true);
  ini.SetSpaces(false);
  const SI_Error rc = ini.LoadFile(path.c_str());
  if (rc >= 0) return LoadResult::kLoaded;
  if (rc == SI_FILE && errno == ENOENT) return LoadResult::kMissing;
  return LoadResult::kFailed;
}

std::optional<std::string> RawValue(const std::string& path, const std::wstring& section,
                                    const std::wstring& key) {
  CSimpleIniA ini;
  if (Load(path, ini) != LoadResult::kLoaded) return std::nullopt;
  const char* value = ini.GetValue(ToUtf8(section).c_str(), ToUtf8(key).c_str(), nullptr);
  if (value == nullptr) return std::nullopt;
  return std::string(value);
}

// Writes data to a fresh file beside path and renames it over path.
bool ReplaceFile(const std::string& path, const std::string& data) {
  std::string temp = path + ".XXXXXX";
  const int fd = mkstemp(temp.data());
  if (fd < 0) return false;
  struct stat old_stat;
  const mode_t mode = stat(path.c_str(), &old_stat) == 0 ? old_stat.st_mode & 07777 : 0644;
  bool ok = fchmod(fd, mode) == 0;
  for (size_t written = 0; ok && written < data.size();) {
    const ssize_t n = write(fd, data.data() + written, data.size() - written);
    if (n < 0 && errno == EINTR) continue;
    ok = n > 0;
    if (ok) written += static_cast<size_t>(n);
  }
  ok = ok && fsync(fd) == 0;
  ok = close(fd) == 0 && ok;
  ok = ok && std::rename(temp.c_str(), path.c_str()) == 0;
  if (!ok) unlink(temp.c_str());
  return ok;
}

}  // namespace

int ReadIniInt(const std::string& path, const std::wstring& section, const std::wstring& key,
               int default_value) {
  const std::optional<std::string> value = RawValue(path, section, key);
  if (!value || value->empty()) return default_value;
  const char* p = value->c_str();
  while (*p == ' ' || *p == '\t') ++p;
  bool negative = false;
  if (*p == '+' || *p == '-') negative = *p++ == '-';
  // Accumulate in unsigned arithmetic so that an overlong value wraps the way
  // a 32-bit conversion does instead of overflowing.
  unsigned int result = 0;
  for (; *p >= '0' && *p <= '9'; ++p) result = result * 10u + static_cast<unsigned>(*p - '0');
  if (negative) result = 0u - result;
  return static_cast<int>(result);
}

std::wstring ReadIniString(const std::string& path, const std::wstring& section,
                           const std::wstring& key, const std::wstring& default_value) {
  const std::optional<std::string> value = RawValue(path, section, key);
  if (!value) return default_value;
  std::string_view text = *value;
  if (text.size() >= 2 && (text.front() == '"' || text.front() == '\'') &&
      text.back() == text.front()) {
    text = text.substr(1, text.size() - 2);
  }
  return FromUtf8(text);
}

bool WriteIniString(const std::string& path, const std::wstring& section, const std::wstring& key,
                    const std::wstring& value) {
  CSimpleIniA ini;
  if (Load(path, ini) == LoadResult::kFailed) return false;
  if (ini.SetValue(ToUtf8(section).c_str(), ToUtf8(key).c_str(), ToUtf8(value).c_str()) < 0) {
    return false;
  }
  std::string data;
  if (ini.Save(data) < 0) return false;
  return ReplaceFile(path, data);
}

}  // namespace reportdata
