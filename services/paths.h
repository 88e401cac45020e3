// Native paths of the services' files. Callers name a project's files with a
// backslash ("<dir>\CalResult.mdb") whatever the platform; here every
// backslash becomes "/", repeated separators become one, and the wide text
// becomes UTF-8.
#ifndef REPORTDATA_SERVICES_PATHS_H_
#define REPORTDATA_SERVICES_PATHS_H_

#include <string>
#include <string_view>

namespace reportdata {

std::string NativePath(std::wstring_view path);

// The project directory's calculation database and project description.
inline constexpr wchar_t kCalResultName[] = L"\\CalResult.mdb";
inline constexpr wchar_t kProjectName[] = L"\\project.ld";

}  // namespace reportdata

#endif  // REPORTDATA_SERVICES_PATHS_H_
