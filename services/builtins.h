// Constructors of the built-in service implementations, one per service. The
// registry calls each once, when the service is first needed, and keeps the
// object for the life of the process.
#ifndef REPORTDATA_SERVICES_BUILTINS_H_
#define REPORTDATA_SERVICES_BUILTINS_H_

#include <memory>

#include "reportdata/services.h"

namespace reportdata {

class CalDirector;

std::shared_ptr<CalResultService> MakeBuiltinCalResultService();
std::shared_ptr<CompareService> MakeBuiltinCompareService();
std::shared_ptr<CalDirector> MakeBuiltinDirector();
std::shared_ptr<ProgressSink> MakeBuiltinProgressSink();
std::shared_ptr<QuotaLibraryService> MakeBuiltinQuotaLibraryService();
std::shared_ptr<AttrProxyService> MakeBuiltinAttrProxyService();
std::shared_ptr<SystemDataService> MakeBuiltinSystemDataService();
std::shared_ptr<IAttrTempDirector> MakeBuiltinAttrTempDirector();

}  // namespace reportdata

#endif  // REPORTDATA_SERVICES_BUILTINS_H_
