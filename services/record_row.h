// One calculation-result record as a row of a record table: the columns of
// kRecordColumns in TJQd field order.
#ifndef REPORTDATA_SERVICES_RECORD_ROW_H_
#define REPORTDATA_SERVICES_RECORD_ROW_H_

#include <array>
#include <string>

#include "reportdata/records.h"
#include "services/cal_schema.h"
#include "services/row_read_ahead.h"

namespace reportdata {

// Reads the record rows of one statement. Consecutive records of a bill item
// or a floor repeat most of their texts (codes, names, units, floors, kinds),
// so the reader keeps the last text of each column, as stored and decoded,
// and decodes a column again only when its stored bytes change. One reader
// per kind of row: bill rows and quota rows interleaved would defeat it.
class RecordRowReader {
 public:
  // Fills record from the row's columns first .. first + kRecordColumnCount - 1,
  // replacing what it held.
  void Read(const StoredRow& row, int first, TJQd& record);

 private:
  struct LastText {
    std::string stored;  // the column's UTF-8 bytes in the previous row
    std::wstring wide;   // the same text decoded
  };
  // Every column but the id and the three packed lists.
  static constexpr size_t kTextColumns = kRecordColumnCount - 4;

  void ReadText(const StoredRow& row, int column, LastText& last, CString& out);

  std::array<LastText, kTextColumns> last_;
};

}  // namespace reportdata

#endif  // REPORTDATA_SERVICES_RECORD_ROW_H_
