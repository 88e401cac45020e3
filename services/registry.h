// Which implementation stands behind each outside service. The static classes
// and free functions of services.h ask here for the current implementation:
// the one a host installed with InstallService, or else the built-in one that
// works over the project's own files. The registry owns both; callers borrow
// the returned reference for the duration of one call. The module is used
// from one thread, so the registry takes no locks.
#ifndef REPORTDATA_SERVICES_REGISTRY_H_
#define REPORTDATA_SERVICES_REGISTRY_H_

#include <memory>

#include "reportdata/services.h"

namespace reportdata {

// The current implementation of each service.
CalResultService& CurrentCalResultService();
CompareService& CurrentCompareService();
IDMDirector& CurrentDirector();
std::shared_ptr<ProgressSink> CurrentProgressSink();
QuotaLibraryService& CurrentQuotaLibraryService();
AttrProxyService& CurrentAttrProxyService();
SystemDataService& CurrentSystemDataService();
IAttrTempDirector& CurrentAttrTempDirector();

// The built-in calculation-database director, also while a host's director
// is installed: the built-in calculation-result and quota-library services
// read the project's database through it.
class CalDirector;
CalDirector& BuiltinDirector();

// True while no host has installed its own calculation-result service.
bool BuiltinCalResultServiceStands();

}  // namespace reportdata

#endif  // REPORTDATA_SERVICES_REGISTRY_H_
