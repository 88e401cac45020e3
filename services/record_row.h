// One calculation-result record as a row of a record table: the columns of
// kRecordColumns in TJQd field order.
#ifndef REPORTDATA_SERVICES_RECORD_ROW_H_
#define REPORTDATA_SERVICES_RECORD_ROW_H_

#include "reportdata/records.h"
#include "services/sqlite_db.h"

namespace reportdata {

// Fills record from the row's columns first .. first + kRecordColumnCount - 1,
// replacing what it held.
void ReadRecordRow(const SqliteStatement& row, int first, TJQd& record);

}  // namespace reportdata

#endif  // REPORTDATA_SERVICES_RECORD_ROW_H_
