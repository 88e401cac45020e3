// Facts about the running process that the Windows framework answered: the
// executable's path, from which the system directory is derived when the
// system-data service names none.
#ifndef REPORTDATA_PLATFORM_PROCESS_H_
#define REPORTDATA_PLATFORM_PROCESS_H_

#include <string>

namespace reportdata {

// Full path of the running executable (the target of /proc/self/exe); empty
// when it cannot be read.
std::wstring ExecutablePath();

}  // namespace reportdata

#endif  // REPORTDATA_PLATFORM_PROCESS_H_
