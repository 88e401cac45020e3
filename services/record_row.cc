#include "services/record_row.h"

#include "platform/text.h"
#include "services/record_pack.h"

namespace reportdata {

void RecordRowReader::Read(const StoredRow& row, int first, TJQd& record) {
  int c = first;
  auto recent = texts_.begin();
  // A field gets a string of its exact length: short Chinese names fit the
  // string's own buffer, and a record read again keeps its buffers.
  const auto text = [&](CString& out) {
    out.str().assign((recent++)->Get(row.Text(c++), AssignFromUtf8));
  };
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
  record.partitions = partitions_.Get(row.Text(c++), UnpackPartitions);
  text(record.feature);
  record.categories = categories_.Get(row.Text(c++), UnpackCategories);
  record.quotaFeatures = quota_features_.Get(row.Text(c++), UnpackQuotaFeatures);
  text(record.extra);
  text(record.calcItem);
}

}  // namespace reportdata
