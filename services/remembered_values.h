// The values that stored texts decoded to, kept by the hash of their bytes:
// a slot each, the newest text of a slot replacing the one before. For a
// column of a record table whose values come back after more rows than the
// recent ones of a row reader (see record_row.h), such as the partition
// entries of the instances of one component.
#ifndef REPORTDATA_SERVICES_REMEMBERED_VALUES_H_
#define REPORTDATA_SERVICES_REMEMBERED_VALUES_H_

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace reportdata {

template <typename Value, size_t kSlots>
class RememberedValues {
 public:
  // The value of stored: the one kept in its slot when the slot holds its
  // bytes, else decode(stored, value) into the slot. The reference holds
  // until the next call.
  template <typename Decode>
  Value& Get(std::string_view stored, Decode&& decode) {
    Slot& slot = slots_[std::hash<std::string_view>{}(stored) % kSlots];
    if (slot.used && slot.stored == stored) return slot.value;
    slot.stored.assign(stored);
    slot.used = true;
    decode(stored, slot.value);
    return slot.value;
  }

 private:
  struct Slot {
    std::string stored;
    Value value;
    bool used = false;
  };
  // On the heap: a reader may live on a host thread's small stack.
  std::vector<Slot> slots_ = std::vector<Slot>(kSlots);
};

}  // namespace reportdata

#endif  // REPORTDATA_SERVICES_REMEMBERED_VALUES_H_
