// Open-addressing table of list positions.
#include "model/hash_index.h"

namespace reportdata {

void HashIndex::Add(uint32_t hash, uint32_t position) {
  if ((used_ + 1) * 2 > slots_.size()) Grow();
  const size_t mask = slots_.size() - 1;
  size_t i = hash & mask;
  while (slots_[i].position != kEmpty) i = (i + 1) & mask;
  slots_[i] = Slot{hash, position};
  ++used_;
}

void HashIndex::Grow() {
  std::vector<Slot> old;
  old.swap(slots_);
  slots_.assign(old.empty() ? 32 : old.size() * 2, Slot{});
  const size_t mask = slots_.size() - 1;
  for (const Slot& slot : old) {
    if (slot.position == kEmpty) continue;
    size_t i = slot.hash & mask;
    while (slots_[i].position != kEmpty) i = (i + 1) & mask;
    slots_[i] = slot;
  }
}

}  // namespace reportdata
