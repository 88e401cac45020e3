#include "services/record_row.h"

#include "keys/floor_text.h"
#include "platform/text.h"
#include "services/record_pack.h"

namespace reportdata {
namespace {

bool IsAscii(std::string_view text) {
  unsigned char any = 0;
  for (const char ch : text) any |= static_cast<unsigned char>(ch);
  return any < 0x80;
}

// Decodes stored into out. ASCII, as quantities, axis texts and handles
// mostly are, is widened byte by byte.
void AssignStored(std::string_view stored, std::wstring& out) {
  if (IsAscii(stored)) {
    out.assign(stored.begin(), stored.end());
  } else {
    AssignFromUtf8(stored, out);
  }
}

}  // namespace

RecordRowReader::RecordRowReader(const std::vector<std::string>& key_texts)
    : key_texts_(key_texts), numbered_(key_texts.size()) {}

const RecordRowReader::Key& RecordRowReader::FirstNumberedKey(std::string_view stored) {
  uint32_t number = 0;
  if (!ReadWholePackedNumber(stored, number) || number >= numbered_.size()) throw DamagedRow();
  Numbered& numbered = numbered_[number];
  numbered.key.pooled = PooledText::FromUtf8(key_texts_[number]);
  const std::wstring_view cut = CutAtBars(numbered.key.pooled);
  numbered.key.cut =
      cut.size() == numbered.key.pooled.size() ? numbered.key.pooled : PooledText(cut);
  numbered.known = true;
  return numbered.key;
}

template <bool kWithRecord, bool kWithCalcItem>
void RecordRowReader::ReadColumns(const StoredRow& row, int first, TJQd* record, RecordKeys& keys) {
  int c = first;
  // A field gets a string of its exact length: short Chinese names fit the
  // string's own buffer, and a record read again keeps its buffers.
  const auto assign = [&](CString TJQd::*field, const std::wstring& text) {
    if constexpr (kWithRecord) (record->*field).str().assign(text);
  };
  // Where the next field's text is decoded to: the record's own field, or
  // a scratch text when only the keys are read.
  const auto wide = [&](CString TJQd::*field) -> std::wstring& {
    if constexpr (kWithRecord) return (record->*field).str();
    return wide_text_;
  };
  const auto key = [&](CString TJQd::*field, PooledText& pooled) {
    const Key& read = NumberedKey(row.Text(c++));
    pooled = read.pooled;
    assign(field, read.pooled.str());
  };
  const auto description = [&] {
    const Key& read = NumberedKey(row.Text(c++));
    keys.description = read.pooled;
    keys.description_cut = read.cut;
    assign(&TJQd::description, read.pooled.str());
  };
  // The UTF-8 of a position or handle, as a merged record's lists hold it:
  // the decoded text encoded again, so that malformed stored bytes reach the
  // table files as U+FFFD; ASCII, as axis texts and handles mostly are,
  // stays as stored.
  const auto instance_text = [&](CString TJQd::*field, std::string& utf8) {
    const std::string_view stored = row.Text(c++);
    if (IsAscii(stored)) {
      utf8.assign(stored);
      if constexpr (kWithRecord) wide(field).assign(stored.begin(), stored.end());
      return;
    }
    AssignFromUtf8(stored, wide(field));
    utf8.clear();
    AppendUtf8(wide(field), utf8);
  };
  // A list column, unpacked into the record and copied to the keys, or
  // into the keys alone.
  const auto list = [&](auto TJQd::*field, auto& keys_list, auto&& unpack) {
    if constexpr (kWithRecord) {
      unpack(row.Text(c++), record->*field);
      keys_list = record->*field;
    } else {
      unpack(row.Text(c++), keys_list);
    }
  };
  keys.id = static_cast<int>(row.Int(c++));
  if constexpr (kWithRecord) record->id = keys.id;
  key(&TJQd::billCode, keys.bill_code);
  key(&TJQd::billName, keys.bill_name);
  key(&TJQd::billUnit, keys.bill_unit);
  description();
  std::wstring& quantity = wide(&TJQd::quantity);
  AssignStored(row.Text(c++), quantity);
  keys.quantity = LeadingDouble(quantity);
  key(&TJQd::subType, keys.sub_type);
  key(&TJQd::typePath, keys.type_path);
  key(&TJQd::componentName, keys.component_name);
  instance_text(&TJQd::position, keys.position);
  instance_text(&TJQd::handle, keys.handle);
  key(&TJQd::grade, keys.grade);
  key(&TJQd::floor, keys.floor);
  key(&TJQd::kind, keys.kind);
  key(&TJQd::subCode, keys.sub_code);
  key(&TJQd::quotaCode, keys.quota_code);
  key(&TJQd::quotaName, keys.quota_name);
  key(&TJQd::quotaUnit, keys.quota_unit);
  key(&TJQd::room, keys.room);
  key(&TJQd::place, keys.place);
  key(&TJQd::place2, keys.place2);
  const std::string_view partitions = row.Text(c++);
  UnpackPartitionShares(partitions, keys.partitions);
  keys.partition_hash = PartitionHash(keys.partitions);
  if constexpr (kWithRecord) UnpackPartitions(partitions, record->partitions);
  key(&TJQd::feature, keys.feature);
  list(&TJQd::categories, keys.categories, UnpackCategories);
  list(&TJQd::quotaFeatures, keys.quota_features, UnpackQuotaFeatures);
  key(&TJQd::extra, keys.extra);
  if constexpr (kWithCalcItem) {
    keys.calc_item = PooledText::FromUtf8(row.Text(c));
    assign(&TJQd::calcItem, keys.calc_item.str());
  }
}

void RecordRowReader::Read(const StoredRow& row, int first, TJQd& record, RecordKeys& keys) {
  ReadColumns<true, true>(row, first, &record, keys);
}

void RecordRowReader::ReadKeys(const StoredRow& row, int first, RecordKeys& keys) {
  ReadColumns<false, false>(row, first, nullptr, keys);
}

void RecordRowReader::ReadKeysAndCalcItem(const StoredRow& row, int first, RecordKeys& keys) {
  ReadColumns<false, true>(row, first, nullptr, keys);
}

}  // namespace reportdata
