// Checks one calculation-result record of an interchange file and binds it
// to the record columns of an insert statement. The record is an object with
// the TJQd fields under their interchange names (billCode, quantity,
// partitions …); every member is optional and an absent one is empty.
#ifndef REPORTDATA_SERVICES_RECORD_BINDER_H_
#define REPORTDATA_SERVICES_RECORD_BINDER_H_

#include <string>

#include "services/import_check.h"
#include "services/record_pack.h"
#include "services/sqlite_db.h"

namespace reportdata {

class RecordBinder {
 public:
  // Binds record to the parameters first .. first + kRecordColumnCount - 1
  // of statement. The bound texts point into record and into this binder:
  // both must stay unchanged until the statement has run.
  void Bind(const Json& record, const Place& place, SqliteStatement& statement, int first);

 private:
  // The packed text of a list column (partitions, categories, quota
  // features), kept in this binder.
  const std::string& PackColumn(int column, const Json& list, const Place& place);

  PackWriter partitions_;
  PackWriter categories_;
  PackWriter features_;
};

}  // namespace reportdata

#endif  // REPORTDATA_SERVICES_RECORD_BINDER_H_
