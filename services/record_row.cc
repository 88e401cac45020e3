#include "services/record_row.h"

#include "platform/text.h"
#include "services/record_pack.h"

namespace reportdata {

// The field gets a string of its exact length: a UTF-8 length reserved as
// wide characters is up to four times too much, and short Chinese names fit
// the string's own buffer. A record read again for the next row keeps its
// buffers.
void RecordRowReader::ReadText(const StoredRow& row, int column, LastText& last, CString& out) {
  const std::string_view text = row.Text(column);
  if (text != last.stored) {
    last.stored.assign(text);
    AssignFromUtf8(text, last.wide);
  }
  out.str().assign(last.wide);
}

void RecordRowReader::Read(const StoredRow& row, int first, TJQd& record) {
  int c = first;
  auto last = last_.begin();
  const auto text = [&](CString& out) { ReadText(row, c++, *last++, out); };
  record.id = static_cast<int>(row.Int(c++));
  text(record.billCode);
  text(record.billName);
  text(record.billUnit);
  text(record.description);
  text(record.quantity);
  text(record.subType);
  text(record.typePath);
  text(record.componentName);
  text(record.position);
  text(record.handle);
  text(record.grade);
  text(record.floor);
  text(record.kind);
  text(record.subCode);
  text(record.quotaCode);
  text(record.quotaName);
  text(record.quotaUnit);
  text(record.room);
  text(record.place);
  text(record.place2);
  UnpackPartitions(row.Text(c++), record.partitions);
  text(record.feature);
  UnpackCategories(row.Text(c++), record.categories);
  UnpackQuotaFeatures(row.Text(c++), record.quotaFeatures);
  text(record.extra);
  text(record.calcItem);
}

}  // namespace reportdata
