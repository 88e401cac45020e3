// One calculation-result record as a row of a record table: the id, then the
// texts of the record's blob (services/packed_texts.h) in TJQd field order,
// its key texts as numbers of the database's key_text table.
#ifndef REPORTDATA_SERVICES_RECORD_ROW_H_
#define REPORTDATA_SERVICES_RECORD_ROW_H_

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

// Reads the record rows of one statement. A key text is looked up in the
// pool the first time a row names its number; from then on a key costs the
// decoding of its number. Consecutive records repeat their quantity and
// calculation item, or take them up again a row or two later, as the
// entries of an instance alternate between a few bill and quota items: the
// reader keeps their recent values, and decodes them only when their stored
// bytes are none of those (see remembered_values.h). One reader per kind of
// row: bill rows and quota rows interleaved would crowd each other out.
class RecordRowReader {
 public:
  // key_texts: the key texts by number. It must outlive the reader.
  explicit RecordRowReader(const std::vector<std::string>& key_texts);

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

 private:
  template <bool kWithRecord, bool kWithCalcItem>
  void ReadColumns(const StoredRow& row, int first, TJQd* record, RecordKeys& keys);

  // A key text as its pool entry, and its cut at "||": any key text may be
  // a description.
  struct Key {
    PooledText pooled;
    PooledText cut;
  };
  // The key of a column holding a number.
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
  struct Quantity {
    std::wstring wide;
    double number = 0.0;  // as ParseQuantity reads the text
  };

  // A record's partition entries as pool entries with their hash, as the
  // keys carry them, and decoded for a whole record once one asks.
  struct Partitions {
    std::vector<PartitionShare> pooled;
    uint64_t hash = 0;
    bool listed = true;  // `list` holds these entries
    std::vector<SNYTJFenQuInfo> list;
  };

  const std::vector<std::string>& key_texts_;
  // By number: the key of each key text once a row named it.
  struct Numbered {
    Key key;
    bool known = false;
  };
  std::vector<Numbered> numbered_;
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
