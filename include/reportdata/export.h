// Export macro of the report data module. The library is built with hidden
// visibility; only classes and functions marked REPORTDATA_API are visible
// to a host.
#ifndef REPORTDATA_EXPORT_H_
#define REPORTDATA_EXPORT_H_

#if defined(REPORTDATA_BUILDING)
#define REPORTDATA_API __attribute__((visibility("default")))
#else
#define REPORTDATA_API
#endif

#endif  // REPORTDATA_EXPORT_H_
