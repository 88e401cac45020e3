// The values that stored texts decoded to, kept by their stored bytes, for
// the columns of a record table that a row reader (record_row.h) decodes
// only when their bytes are none of those kept: the values of the last few
// rows (RecentValues), or a slot each by the hash of the bytes, the newest
// text of a slot replacing the one before (RememberedValues), for values
// that come back after more rows, such as the partition entries of the
// instances of one component.
#ifndef REPORTDATA_SERVICES_REMEMBERED_VALUES_H_
#define REPORTDATA_SERVICES_REMEMBERED_VALUES_H_

#include <array>
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace reportdata {

// A kept value and the bytes it was decoded from.
template <typename Value>
struct StoredValue {
  std::string stored;
  Value value;
  bool used = false;

  bool Holds(std::string_view bytes) const { return used && stored == bytes; }
  template <typename Decoder>
  Value& Decode(std::string_view bytes, Decoder&& decode) {
    stored.assign(bytes);
    used = true;
    decode(bytes, value);
    return value;
  }
};

// The values of the last four texts. Get returns a reference that holds
// until the next call.
template <typename Value>
class RecentValues {
 public:
  // The value of stored: one of the recent ones when its bytes are, else
  // decode(stored, value) into the slot of the oldest.
  template <typename Decode>
  Value& Get(std::string_view stored, Decode&& decode) {
    for (StoredValue<Value>& slot : slots_) {
      if (slot.Holds(stored)) return slot.value;
    }
    StoredValue<Value>& slot = slots_[next_];
    next_ = (next_ + 1) % slots_.size();
    return slot.Decode(stored, decode);
  }

 private:
  std::array<StoredValue<Value>, 4> slots_;
  size_t next_ = 0;  // the slot a new value replaces
};

template <typename Value, size_t kSlots>
class RememberedValues {
 public:
  // The value of stored: the one kept in its slot when the slot holds its
  // bytes, else decode(stored, value) into the slot.
  template <typename Decode>
  Value& Get(std::string_view stored, Decode&& decode) {
    // Consecutive rows mostly repeat the text: its slot is found again by
    // comparing the bytes, without hashing them.
    if (slots_[last_].Holds(stored)) return slots_[last_].value;
    last_ = std::hash<std::string_view>{}(stored) % kSlots;
    StoredValue<Value>& slot = slots_[last_];
    return slot.Holds(stored) ? slot.value : slot.Decode(stored, decode);
  }

 private:
  // On the heap: a reader may live on a host thread's small stack.
  std::vector<StoredValue<Value>> slots_ = std::vector<StoredValue<Value>>(kSlots);
  size_t last_ = 0;  // the slot of the last text asked for
};

}  // namespace reportdata

#endif  // REPORTDATA_SERVICES_REMEMBERED_VALUES_H_
