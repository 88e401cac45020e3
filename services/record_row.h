// One calculation-result record as a row of a record table: the columns of
// kRecordFieldColumns in TJQd field order.
#ifndef REPORTDATA_SERVICES_RECORD_ROW_H_
#define REPORTDATA_SERVICES_RECORD_ROW_H_

#include <array>
#include <exception>
#include <string>
#include <string_view>
#include <vector>

#include "model/record_keys.h"
#include "reportdata/records.h"
#include "services/cal_schema.h"
#include "services/packed_texts.h"
#include "services/remembered_values.h"
#include "services/row_read_ahead.h"

namespace reportdata {

// A row whose stored record cannot be read: a number of a key text that the
// database does not hold.
class DamagedRow : public std::exception {
 public:
  const char* what() const noexcept override { return "a damaged record row"; }
};

// Reads the record rows of one statement. Consecutive records repeat most of
// their texts (codes, names, units, floors, kinds), or take them up again a
// row or two later, as the entries of an instance alternate between a few
// bill and quota items. The reader keeps each column's recent texts, as
// stored and as their pool entries (decoded, for the quantity and the
// calculation item), and looks a column up in the pool, or decodes it, only
// when its stored bytes are none of them (see remembered_values.h).
// One reader per kind of row: bill rows and quota rows interleaved would
// crowd each other out.
// In a database whose records hold the numbers of their key texts, a key
// column is looked up by its number instead, and each number is looked up
// in the pool once.
class RecordRowReader {
 public:
  // key_texts: the key texts by number when the rows hold numbers, null
  // when they hold the texts. It must outlive the reader.
  explicit RecordRowReader(const std::vector<std::string>* key_texts = nullptr);

  // Fills record and its keys from the row's columns first .. first +
  // kRecordFieldCount - 1, replacing what they held. Throws DamagedRow for a
  // number that names no key text.
  void Read(const StoredRow& row, int first, TJQd& record, RecordKeys& keys);
  // The keys alone but the calculation item, all that the report trees file
  // a record by. Throws as Read.
  void ReadKeys(const StoredRow& row, int first, RecordKeys& keys);
  // The keys with the calculation item, for the cloud-index data and the
  // index analysis. Throws as Read.
  void ReadKeysAndCalcItem(const StoredRow& row, int first, RecordKeys& keys);
  // Whether the row's record is of the bill kind (IsBillRecord), read from
  // its kind alone. Throws as Read.
  bool HoldsBillKind(const StoredRow& row, int first);

 private:
  template <bool kWithRecord, bool kWithCalcItem>
  void ReadColumns(const StoredRow& row, int first, TJQd* record, RecordKeys& keys);

  // A text a record is filed by, as its pool entry, and in the description's
  // column its cut at "||" too.
  struct Key {
    PooledText pooled;
    PooledText cut;
    // Looks stored up in the pool, and cuts it when with_cut.
    void Assign(std::string_view stored, bool with_cut);
  };
  // The key of a column holding a number; every numbered text is given its
  // cut, as any of them may be a description.
  const Key& NumberedKey(std::string_view stored) {
    uint32_t number = 0;
    if (ReadWholePackedNumber(stored, number) && number < numbered_.size() &&
        numbered_[number].known) {
      return numbered_[number].key;
    }
    return FirstNumberedKey(stored);
  }
  // The same for a number no row of this reader named before.
  const Key& FirstNumberedKey(std::string_view stored);
  // The key of a column holding its text, among the column's recent ones.
  [[gnu::noinline]] static const Key& RecentKey(RecentValues<Key>& recent, std::string_view stored,
                                                bool description);
  struct Quantity {
    std::wstring wide;
    double number = 0.0;  // as ParseQuantity reads the text
  };

  // Every column but the id, the quantity, the instance's position and
  // handle, the three packed lists and the calculation item.
  static constexpr size_t kKeyColumns = kRecordFieldCount - 8;

  // A record's partition entries as pool entries with their hash, as the
  // keys carry them, and decoded for a whole record once one asks.
  struct Partitions {
    std::vector<PartitionShare> pooled;
    uint64_t hash = 0;
    bool listed = true;  // `list` holds these entries
    std::vector<SNYTJFenQuInfo> list;
  };

  const std::vector<std::string>* key_texts_;
  // By number: the key of each key text once a row named it.
  struct Numbered {
    Key key;
    bool known = false;
  };
  std::vector<Numbered> numbered_;
  std::array<RecentValues<Key>, kKeyColumns> keys_;
  RecentValues<Quantity> quantities_;
  RecentValues<PooledText> calc_items_;
  std::wstring instance_text_;  // a position or handle while it is encoded again
  // A record's partition entries and quota lists are those of the other
  // instances of its component and of its kind of component, which come
  // back after more rows than RecentValues keeps.
  RememberedValues<Partitions, 1024> partitions_;
  RememberedValues<std::vector<SNYTJFenLeiVarDescInfo>, 256> categories_;
  RememberedValues<std::vector<SNYTJReportDEFeature>, 256> quota_features_;
};

}  // namespace reportdata

#endif  // REPORTDATA_SERVICES_RECORD_ROW_H_
