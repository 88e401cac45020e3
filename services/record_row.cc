#include "services/record_row.h"

#include <algorithm>

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

// Widens ASCII into out byte by byte, in out's own buffer: assigning a range
// of another character type would build a temporary text on every record.
void Widen(std::string_view ascii, std::wstring& out) {
  out.resize(ascii.size());
  std::copy(ascii.begin(), ascii.end(), out.begin());
}

// Decodes stored into out. ASCII, as quantities, axis texts and handles
// mostly are, is widened byte by byte.
void AssignStored(std::string_view stored, std::wstring& out) {
  if (IsAscii(stored)) {
    Widen(stored, out);
  } else {
    AssignFromUtf8(stored, out);
  }
}

// Refills out with the entries of shares, keeping its buffers.
void AssignPartitions(std::span<const PartitionShare> shares, std::vector<SNYTJFenQuInfo>& out) {
  out.resize(shares.size());
  for (size_t i = 0; i < shares.size(); ++i) {
    out[i].name.str().assign(shares[i].name.str());
    out[i].formula.str().assign(shares[i].formula.str());
    out[i].quantity = shares[i].quantity;
  }
}

}  // namespace

RecordRowReader::RecordRowReader(const std::vector<std::string>& key_texts,
                                 const std::vector<std::string>& key_lists)
    : key_texts_(key_texts),
      numbered_(key_texts.size()),
      key_lists_(key_lists),
      partitions_(key_lists.size()),
      categories_(key_lists.size()),
      quota_features_(key_lists.size()) {}

template <typename List, typename Decode>
const List& RecordRowReader::NumberedList(std::string_view stored,
                                          std::vector<std::unique_ptr<List>>& lists,
                                          const Decode& decode) {
  uint32_t number = 0;
  if (!ReadWholePackedNumber(stored, number) || number >= lists.size()) throw DamagedRow();
  std::unique_ptr<List>& list = lists[number];
  if (!list) {
    list = std::make_unique<List>();
    decode(key_lists_[number], *list);
  }
  return *list;
}

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
      if constexpr (kWithRecord) Widen(stored, wide(field));
      return;
    }
    AssignFromUtf8(stored, wide(field));
    utf8.clear();
    AppendUtf8(wide(field), utf8);
  };
  // A list column: the keys refer to the decoded list, the record gets a
  // copy.
  const auto list = [&](auto TJQd::*field, auto& keys_list, auto& lists, auto&& unpack) {
    const auto& decoded = NumberedList(row.Text(c++), lists, unpack);
    keys_list = decoded;
    if constexpr (kWithRecord) record->*field = decoded;
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
  const Partitions& partitions =
      NumberedList(row.Text(c++), partitions_, [](std::string_view packed, Partitions& out) {
        UnpackPartitionShares(packed, out.shares);
        out.hash = PartitionHash(out.shares);
      });
  keys.partitions = partitions.shares;
  keys.partition_hash = partitions.hash;
  if constexpr (kWithRecord) AssignPartitions(partitions.shares, record->partitions);
  key(&TJQd::feature, keys.feature);
  list(&TJQd::categories, keys.categories, categories_, UnpackCategories);
  list(&TJQd::quotaFeatures, keys.quota_features, quota_features_, UnpackQuotaFeatures);
  key(&TJQd::extra, keys.extra);
  if constexpr (kWithCalcItem) key(&TJQd::calcItem, keys.calc_item);
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
