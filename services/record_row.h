// One calculation-result record as a row of a record table: the id, then the
// texts of the record's blob (services/packed_texts.h) in TJQd field order,
// its key texts as numbers of the database's key_text table and its lists as
// numbers of its key_list table.
#ifndef REPORTDATA_SERVICES_RECORD_ROW_H_
#define REPORTDATA_SERVICES_RECORD_ROW_H_

#include <exception>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "keys/record_keys.h"
#include "reportdata/records.h"
#include "services/cal_schema.h"
#include "services/packed_texts.h"
#include "services/row_read_ahead.h"

namespace reportdata {

// A row whose stored record cannot be read: a number of a key text or list
// that the database does not hold.
class DamagedRow : public std::exception {
 public:
  const char* what() const noexcept override { return "a damaged record row"; }
};

// Reads the record rows of one statement. A key text is looked up in the
// pool, and a list decoded, the first time a row names its number; from then
// on a key or a list costs the decoding of its number, and the keys of every
// row refer to the list decoded then. The other texts are decoded on every
// row: they are nearly unique to their record.
class RecordRowReader {
 public:
  // key_texts, key_lists: the key texts and the packed lists by number. They
  // must outlive the reader.
  RecordRowReader(const std::vector<std::string>& key_texts,
                  const std::vector<std::string>& key_lists);

  // Fills record and its keys from the row's columns first .. first +
  // kRecordFieldCount - 1, replacing what they held. The lists of the keys
  // are held by this reader until it is destroyed. Throws DamagedRow for a
  // number that names no key text or list.
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

  // The list of a column holding a number, decoded by decode(packed, list)
  // into lists the first time a row names it.
  template <typename List, typename Decode>
  const List& NumberedList(std::string_view stored, std::vector<std::unique_ptr<List>>& lists,
                           const Decode& decode);

  const std::vector<std::string>& key_texts_;
  // By number: the key of each key text once a row named it.
  struct Numbered {
    Key key;
    bool known = false;
  };
  std::vector<Numbered> numbered_;
  const std::vector<std::string>& key_lists_;
  // A partition list as pool entries, and its PartitionHash.
  struct Partitions {
    std::vector<PartitionShare> shares;
    uint64_t hash = 0;
  };
  // By list number: each kind of list once a row named it.
  std::vector<std::unique_ptr<Partitions>> partitions_;
  std::vector<std::unique_ptr<std::vector<SNYTJFenLeiVarDescInfo>>> categories_;
  std::vector<std::unique_ptr<std::vector<SNYTJReportDEFeature>>> quota_features_;
  // A quantity, position or handle being decoded when no record is filled.
  std::wstring wide_text_;
};

}  // namespace reportdata

#endif  // REPORTDATA_SERVICES_RECORD_ROW_H_
