// Checking a table file before it is shown. The reloads skip a file they
// cannot parse and leave its table empty, as a host expects; a viewer that
// must tell an empty table from a damaged file asks here first.
#ifndef REPORTDATA_TABLE_CHECK_H_
#define REPORTDATA_TABLE_CHECK_H_

#include <string>

#include "reportdata/export.h"

namespace reportdata {

// Why the table file fileName (such as "\qd.xml") of the report data
// directory reportDir cannot be read back as its table: missing, not a
// regular file, empty, damaged (truncated, or not XML), of another root
// element, or holding another table (by its "Table_Name", or where tables
// share one, by what its first chapter holds). Empty when it reads as its
// table. The reason is UTF-8.
REPORTDATA_API std::string CheckTableFile(const std::wstring& reportDir,
                                          const std::wstring& fileName);

// True when fileName is the file of a bill or quota tree (the largest files
// of a project) and, in reportDir, a regular file whose start tag is the
// table envelope naming its table by "Table_Name": what a reader settles
// without parsing it, checking it whole (CheckTableFile) only when the
// reload gives no rows. False for every other file, and for one it cannot
// settle so: those are checked whole before they are read.
REPORTDATA_API bool TableFileNamesItsTable(const std::wstring& reportDir,
                                           const std::wstring& fileName);

}  // namespace reportdata

#endif  // REPORTDATA_TABLE_CHECK_H_
