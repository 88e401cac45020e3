// The project's settings files "\ProjInfo.ini" (display unit, own-quota
// merge) and "\ReportHandle.ini" (window handle and process id of the running
// report viewers). Each call reads or writes the file in the given project
// directory; nothing is cached. Write failures are ignored, as the callers
// report success regardless.
#ifndef REPORTDATA_ENGINE_PROJECT_SETTINGS_H_
#define REPORTDATA_ENGINE_PROJECT_SETTINGS_H_

#include <string>

namespace reportdata {

// "ReportDisPlayUnit"/"DeUnit" of "\ProjInfo.ini", default 1: true exactly
// when it is 1.
bool IsUserDeUnitFromFile(const std::wstring& dir);

// Writes "DeUnit" as "1" or "0", creating the file and section when missing.
void SetUserDeUnitToFile(const std::wstring& dir, bool user_unit);

// The own-quota merge flag of the bill-result request: true when
// "QdMergeConfig"/"OwnerDeSame" of "\ProjInfo.ini" is 0 or absent.
bool OwnQuotaMergeFlag(const std::wstring& dir);

// Section of "\ReportHandle.ini" for a report kind: "NewReport" for kind 1,
// "OldReport" for every other kind.
const wchar_t* ReportHandleSection(int kind);

// Writes the low 32 bits of handle and of pid as "%08x" (eight lower-case hex
// digits) under "ReportHandle" and "ReportPID" of the kind's section.
void WriteReportHandle(const std::wstring& dir, int kind, void* handle, unsigned long pid);

// Reads both keys back (at most 255 characters each) and parses them as "%x"
// does into the low 32 bits of handle and of pid; the high bits stay as the
// caller set them. A key that is absent or holds no hexadecimal number leaves
// its value untouched.
void ReadReportHandle(const std::wstring& dir, int kind, void*& handle, unsigned long& pid);

}  // namespace reportdata

#endif  // REPORTDATA_ENGINE_PROJECT_SETTINGS_H_
