// Facts about processes: the running one's executable path, which the
// Windows framework answered and from which the system directory is derived
// when the system-data service names none; and whether another process still
// runs, which decides whether a temporary file it left may be removed.
#ifndef REPORTDATA_PLATFORM_PROCESS_H_
#define REPORTDATA_PLATFORM_PROCESS_H_

#include <string>

namespace reportdata {

// Full path of the running executable (the target of /proc/self/exe); empty
// when it cannot be read.
std::wstring ExecutablePath();

// Whether the process with this id runs. One that may run (it exists but
// belongs to another user) counts as running, so its files stay.
bool ProcessRuns(long pid);

}  // namespace reportdata

#endif  // REPORTDATA_PLATFORM_PROCESS_H_
