#include "services/record_row.h"

#include "platform/text.h"
#include "services/record_pack.h"

namespace reportdata {
namespace {

// Decodes through `scratch` so that the field gets a string of its exact
// length: a UTF-8 length reserved as wide characters is up to four times too
// much, and short Chinese names fit the string's own buffer. A record read
// again for the next row keeps its buffers.
void ReadText(const SqliteStatement& row, int column, std::wstring& scratch, CString& out) {
  const std::string_view text = row.Text(column);
  if (text.empty()) {
    out.str().clear();
    return;
  }
  AssignFromUtf8(text, scratch);
  out.str().assign(scratch);
}

}  // namespace

void ReadRecordRow(const SqliteStatement& row, int first, TJQd& record) {
  int c = first;
  std::wstring scratch;
  record.id = static_cast<int>(row.Int(c++));
  ReadText(row, c++, scratch, record.billCode);
  ReadText(row, c++, scratch, record.billName);
  ReadText(row, c++, scratch, record.billUnit);
  ReadText(row, c++, scratch, record.description);
  ReadText(row, c++, scratch, record.quantity);
  ReadText(row, c++, scratch, record.subType);
  ReadText(row, c++, scratch, record.typePath);
  ReadText(row, c++, scratch, record.componentName);
  ReadText(row, c++, scratch, record.position);
  ReadText(row, c++, scratch, record.handle);
  ReadText(row, c++, scratch, record.grade);
  ReadText(row, c++, scratch, record.floor);
  ReadText(row, c++, scratch, record.kind);
  ReadText(row, c++, scratch, record.subCode);
  ReadText(row, c++, scratch, record.quotaCode);
  ReadText(row, c++, scratch, record.quotaName);
  ReadText(row, c++, scratch, record.quotaUnit);
  ReadText(row, c++, scratch, record.room);
  ReadText(row, c++, scratch, record.place);
  ReadText(row, c++, scratch, record.place2);
  UnpackPartitions(row.Text(c++), record.partitions);
  ReadText(row, c++, scratch, record.feature);
  UnpackCategories(row.Text(c++), record.categories);
  UnpackQuotaFeatures(row.Text(c++), record.quotaFeatures);
  ReadText(row, c++, scratch, record.extra);
  ReadText(row, c++, scratch, record.calcItem);
}

}  // namespace reportdata
