#include "services/record_row.h"

#include "platform/text.h"
#include "services/record_pack.h"

namespace reportdata {
namespace {

void ReadText(const SqliteStatement& row, int column, CString& out) {
  const std::string_view text = row.Text(column);
  if (!text.empty()) out.str() = FromUtf8(text);
}

}  // namespace

void ReadRecordRow(const SqliteStatement& row, int first, TJQd& record) {
  int c = first;
  record.id = static_cast<int>(row.Int(c++));
  ReadText(row, c++, record.billCode);
  ReadText(row, c++, record.billName);
  ReadText(row, c++, record.billUnit);
  ReadText(row, c++, record.description);
  ReadText(row, c++, record.quantity);
  ReadText(row, c++, record.subType);
  ReadText(row, c++, record.typePath);
  ReadText(row, c++, record.componentName);
  ReadText(row, c++, record.position);
  ReadText(row, c++, record.handle);
  ReadText(row, c++, record.grade);
  ReadText(row, c++, record.floor);
  ReadText(row, c++, record.kind);
  ReadText(row, c++, record.subCode);
  ReadText(row, c++, record.quotaCode);
  ReadText(row, c++, record.quotaName);
  ReadText(row, c++, record.quotaUnit);
  ReadText(row, c++, record.room);
  ReadText(row, c++, record.place);
  ReadText(row, c++, record.place2);
  UnpackPartitions(row.Text(c++), record.partitions);
  ReadText(row, c++, record.feature);
  UnpackCategories(row.Text(c++), record.categories);
  UnpackQuotaFeatures(row.Text(c++), record.quotaFeatures);
  ReadText(row, c++, record.extra);
  ReadText(row, c++, record.calcItem);
}

}  // namespace reportdata
