// Reading and writing of the project's initialisation files ("\ProjInfo.ini",
// "\ReportHandle.ini") with the behaviour a host expects of the Windows
// private-profile functions: a missing file or key yields the caller's
// default, section and key names match without regard to ASCII case, and a
// write creates the file and section while keeping every other entry. Files
// are UTF-8. Paths are full native paths (see platform/paths.h).
#ifndef REPORTDATA_PLATFORM_INI_FILE_H_
#define REPORTDATA_PLATFORM_INI_FILE_H_

#include <string>

namespace reportdata {

// The value's leading integer: optional blanks, an optional sign and decimal
// digits ("12abc" gives 12, "abc" gives 0). A missing file, a missing key or
// an empty value gives default_value.
int ReadIniInt(const std::string& path, const std::wstring& section, const std::wstring& key,
               int default_value);

// The value text, without one pair of enclosing quotes if it has them. A
// missing file or key gives default_value.
std::wstring ReadIniString(const std::string& path, const std::wstring& section,
                           const std::wstring& key, const std::wstring& default_value);

// Sets section/key to value. The new file is written beside the old one and
// renamed over it, so a crash leaves either the old or the new file whole.
// Returns false when the directory is missing or the old file cannot be read.
bool WriteIniString(const std::string& path, const std::wstring& section, const std::wstring& key,
                    const std::wstring& value);

}  // namespace reportdata

#endif  // REPORTDATA_PLATFORM_INI_FILE_H_
