#include "services/record_row.h"

#include "model/tree_insert.h"
#include "platform/text.h"
#include "services/record_pack.h"

namespace reportdata {

void RecordRowReader::Read(const StoredRow& row, int first, TJQd& record, RecordKeys& keys) {
  int c = first;
  auto recent = texts_.begin();
  const auto decode = [](std::string_view stored, Text& text) {
    AssignFromUtf8(stored, text.wide);
    text.interned = false;
  };
  // A field gets a string of its exact length: short Chinese names fit the
  // string's own buffer, and a record read again keeps its buffers.
  const auto text = [&](CString& out) -> Text& {
    Text& read = (recent++)->Get(row.Text(c++), decode);
    out.str().assign(read.wide);
    return read;
  };
  // A column is always or never a description, so its slots hold the cut at
  // "||" exactly when this column needs it.
  const auto key = [&](CString& out, PooledText& pooled, bool description = false) -> Text& {
    Text& read = text(out);
    if (!read.interned) {
      read.pooled = read.wide;
      if (description) {
        const std::wstring_view cut = CutAtBars(read.wide);
        read.cut = cut.size() == read.wide.size() ? read.pooled : PooledText(cut);
      }
      read.interned = true;
    }
    pooled = read.pooled;
    return read;
  };
  // The UTF-8 of a position or handle, as a merged record's lists hold it:
  // the decoded text encoded again, so that malformed stored bytes reach the
  // table files as U+FFFD. An instance's texts hardly repeat from row to
  // row: they are decoded without looking among the recent ones.
  const auto instance_text = [&](CString& out, std::string& utf8) {
    AssignFromUtf8(row.Text(c++), out.str());
    utf8.clear();
    AppendUtf8(out.str(), utf8);
  };
  record.id = static_cast<int>(row.Int(c++));
  key(record.billCode, keys.bill_code);
  key(record.billName, keys.bill_name);
  key(record.billUnit, keys.bill_unit);
  keys.description_cut = key(record.description, keys.description, true).cut;
  text(record.quantity);
  key(record.subType, keys.sub_type);
  key(record.typePath, keys.type_path);
  key(record.componentName, keys.component_name);
  instance_text(record.position, keys.position);
  instance_text(record.handle, keys.handle);
  text(record.grade);
  key(record.floor, keys.floor);
  text(record.kind);
  key(record.subCode, keys.sub_code);
  key(record.quotaCode, keys.quota_code);
  key(record.quotaName, keys.quota_name);
  key(record.quotaUnit, keys.quota_unit);
  text(record.room);
  text(record.place);
  text(record.place2);
  const Partitions& partitions =
      partitions_.Get(row.Text(c++), [](std::string_view stored, Partitions& read) {
        UnpackPartitions(stored, read.list);
        PooledShares(read.list, read.pooled);
        read.hash = PartitionHash(read.pooled);
      });
  record.partitions = partitions.list;
  keys.partitions = partitions.pooled;
  keys.partition_hash = partitions.hash;
  key(record.feature, keys.feature);
  record.categories = categories_.Get(row.Text(c++), UnpackCategories);
  record.quotaFeatures = quota_features_.Get(row.Text(c++), UnpackQuotaFeatures);
  text(record.extra);
  text(record.calcItem);
}

}  // namespace reportdata
