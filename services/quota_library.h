// A bill or quota library table of the system directory:
// "libraries/<KEY>.json" with the library's key, kind ("bill" or "quota"),
// name, chapters (prefix, name, orderId) and items (code, name, unit).
// docs/services.md describes the file. Only the chapters are used for the
// reports; the items are there for tools that pick realistic codes.
#ifndef REPORTDATA_SERVICES_QUOTA_LIBRARY_H_
#define REPORTDATA_SERVICES_QUOTA_LIBRARY_H_

#include <memory>
#include <string>

#include "services/chapter_index.h"

namespace reportdata {

struct LibraryTable {
  std::wstring key;
  std::wstring kind;  // "bill" or "quota"
  std::wstring name;
  ChapterIndex chapters;
};

// The library of key in system_dir; null when the key names no readable
// library file there. A key with a path separator or ".." names none.
std::unique_ptr<LibraryTable> LoadLibraryTable(const std::wstring& system_dir,
                                               const std::wstring& key);

}  // namespace reportdata

#endif  // REPORTDATA_SERVICES_QUOTA_LIBRARY_H_
