// Version of the report data module.
#ifndef REPORTDATA_VERSION_H_
#define REPORTDATA_VERSION_H_

#include "reportdata/export.h"

#define REPORTDATA_VERSION_STRING "0.1.0"

namespace reportdata {
// The version of the loaded library, which may differ from the header's.
REPORTDATA_API const char* LibraryVersion();
}  // namespace reportdata

#endif  // REPORTDATA_VERSION_H_
