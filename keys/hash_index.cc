// Open-addressing table of list positions.
#include "keys/hash_index.h"

namespace reportdata {

void HashIndex::Add(uint32_t hash, uint32_t position) {
  if (!table_ || (table_->used + 1) * 2 > table_->slots.size()) Grow();
  std::vector<Slot>& slots = table_->slots;
  const size_t mask = slots.size() - 1;
  size_t i = hash & mask;
  while (slots[i].position != kEmpty) i = (i + 1) & mask;
  slots[i] = Slot{hash, position};
  ++table_->used;
}

void HashIndex::Grow() {
  if (!table_) table_ = std::make_unique<Table>();
  std::vector<Slot> old;
  old.swap(table_->slots);
  std::vector<Slot>& slots = table_->slots;
  slots.assign(old.empty() ? 32 : old.size() * 2, Slot{});
  const size_t mask = slots.size() - 1;
  for (const Slot& slot : old) {
    if (slot.position == kEmpty) continue;
    size_t i = slot.hash & mask;
    while (slots[i].position != kEmpty) i = (i + 1) & mask;
    slots[i] = slot;
  }
}

}  // namespace reportdata
