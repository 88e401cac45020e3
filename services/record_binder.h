// Checks one calculation-result record of an interchange file and binds it
// to the record columns of an insert statement. The record is an object with
// the TJQd fields under their interchange names (billCode, quantity,
// partitions …); every member is optional and an absent one is empty. The
// key texts and the packed lists are numbered (services/key_texts.h), and
// the binder keeps their numbers for the whole import.
#ifndef REPORTDATA_SERVICES_RECORD_BINDER_H_
#define REPORTDATA_SERVICES_RECORD_BINDER_H_

#include <array>
#include <string>
#include <string_view>

#include "services/cal_schema.h"
#include "services/import_check.h"
#include "services/key_texts.h"
#include "services/record_pack.h"
#include "services/sqlite_db.h"

namespace reportdata {

class RecordBinder {
 public:
  // Binds record's id to the parameter first of statement and its texts,
  // packed, to first + 1. The blob is kept in this binder, which must stay
  // unchanged until the statement has run.
  void Bind(const Json& record, const Place& place, SqliteStatement& statement, int first);

  // The key texts and the lists of the records bound so far.
  const KeyTextNumbers& key_texts() const { return key_texts_; }
  const KeyTextNumbers& key_lists() const { return key_lists_; }

 private:
  // The packed text of a list column (partitions, categories, quota
  // features), kept in this binder.
  const std::string& PackColumn(int column, const Json& list, const Place& place);

  // The record's texts in column order, pointing into record and into the
  // packed lists, and the blob they make.
  std::array<std::string_view, kRecordTextCount> texts_;
  // The numbers of the key texts and lists, as the blob holds them.
  std::array<std::string, kRecordTextCount> numbers_;
  KeyTextNumbers key_texts_;
  KeyTextNumbers key_lists_;
  std::string blob_;
  PackWriter partitions_;
  PackWriter categories_;
  PackWriter features_;
};

}  // namespace reportdata

#endif  // REPORTDATA_SERVICES_RECORD_BINDER_H_
