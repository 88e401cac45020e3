// One calculation-result record as a row of a record table: the columns of
// kRecordFieldColumns in TJQd field order.
#ifndef REPORTDATA_SERVICES_RECORD_ROW_H_
#define REPORTDATA_SERVICES_RECORD_ROW_H_

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "model/record_keys.h"
#include "reportdata/records.h"
#include "services/cal_schema.h"
#include "services/row_read_ahead.h"

namespace reportdata {

// Reads the record rows of one statement. Consecutive records repeat most of
// their texts (codes, names, units, floors, kinds), or take them up again a
// row or two later, as the entries of an instance alternate between a few
// bill and quota items. The reader keeps each column's recent texts, as
// stored, decoded and, for the texts a record is filed by, interned, and
// decodes and interns a column only when its stored bytes are none of them.
// One reader per kind of row: bill rows and quota rows interleaved would
// crowd each other out.
class RecordRowReader {
 public:
  // Fills record and its keys from the row's columns first .. first +
  // kRecordFieldCount - 1, replacing what they held.
  void Read(const StoredRow& row, int first, TJQd& record, RecordKeys& keys);

 private:
  // The values a column decoded to in recent rows, by their stored bytes.
  template <typename Value>
  class Recent {
   public:
    // The value of stored: one of the recent ones when its bytes are, else
    // decode(stored, value) into the slot of the oldest.
    template <typename Decode>
    Value& Get(std::string_view stored, Decode&& decode) {
      for (Slot& slot : slots_) {
        if (slot.stored == stored) return slot.value;
      }
      Slot& slot = slots_[next_];
      next_ = (next_ + 1) % slots_.size();
      slot.stored.assign(stored);
      decode(stored, slot.value);
      return slot.value;
    }

   private:
    // A slot not yet used holds the empty text and the empty value, which
    // is what empty stored bytes decode to.
    struct Slot {
      std::string stored;
      Value value;
    };
    std::array<Slot, 4> slots_;
    size_t next_ = 0;  // the slot a new value replaces
  };

  // A column's text decoded, and its pool entries once a key asked for them
  // (the description's cut at "||" too, in the description's column).
  struct Text {
    std::wstring wide;
    bool interned = false;
    PooledText pooled;
    PooledText cut;
  };

  // Every column but the id, the instance's position and handle, and the
  // three packed lists.
  static constexpr size_t kTextColumns = kRecordFieldCount - 6;

  // A record's partition entries, and the same as pool entries with their
  // hash, as the keys carry them.
  struct Partitions {
    std::vector<SNYTJFenQuInfo> list;
    std::vector<PartitionShare> pooled;
    uint64_t hash = 0;
  };

  std::array<Recent<Text>, kTextColumns> texts_;
  Recent<Partitions> partitions_;
  Recent<std::vector<SNYTJFenLeiVarDescInfo>> categories_;
  Recent<std::vector<SNYTJReportDEFeature>> quota_features_;
};

}  // namespace reportdata

#endif  // REPORTDATA_SERVICES_RECORD_ROW_H_
