// File paths of the report data directory. The module names its files with a
// leading backslash ("\qd.xml") and the host hands it directories as wide
// text; these helpers turn both into native UTF-8 paths and take directories
// apart whichever separator the host used.
#ifndef REPORTDATA_PLATFORM_PATHS_H_
#define REPORTDATA_PLATFORM_PATHS_H_

#include <optional>
#include <string>
#include <string_view>

namespace reportdata {

// dir + "/" + name as a native UTF-8 path. A leading "\" or "/" of name is
// dropped and any other "\" in name becomes "/"; no separator is doubled when
// dir already ends with one. An empty dir gives the name alone.
std::string JoinPath(std::wstring_view dir, std::wstring_view name);

// The text before the last "\" or "/" of path; empty when it has neither.
std::wstring CutBeforeLastSeparator(std::wstring_view path);

// Sets dir to the text before the last "\" or "/" of path and returns true;
// returns false and leaves dir unchanged when path has no separator, so a
// caller can keep the directory it had.
bool CutBeforeLastSeparator(std::wstring_view path, std::wstring& dir);

// The path of the file name in dir: the exact name when it exists, otherwise
// an entry of dir whose name equals name apart from letter case, the smallest
// such name when there are several (a table file written as "\mj.xml" is read
// back as "\MJ.xml"). nullopt when neither exists.
std::optional<std::string> FindFileIgnoringCase(std::wstring_view dir, std::wstring_view name);

}  // namespace reportdata

#endif  // REPORTDATA_PLATFORM_PATHS_H_
