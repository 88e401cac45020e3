// The version the loaded library reports.
#include "reportdata/version.h"

namespace reportdata {

const char* LibraryVersion() { return REPORTDATA_VERSION_STRING; }

}  // namespace reportdata
