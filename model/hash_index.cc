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

// Two code units per multiply: the keys are short texts (codes, names,
// floors, descriptions), hashed once per record at every tree level, and a
// byte-wise hash of four-byte characters spent more time than the lookups.
uint64_t HashText(std::wstring_view text) {
  constexpr uint64_t kMultiplier = 0x9E3779B97F4A7C15ULL;
  uint64_t hash = text.size() * kMultiplier;
  const auto mix = [&](uint64_t value) {
    hash = (hash ^ value) * kMultiplier;
    hash ^= hash >> 32;
  };
  size_t i = 0;
  for (; i + 2 <= text.size(); i += 2) {
    mix(static_cast<uint32_t>(text[i]) | uint64_t{static_cast<uint32_t>(text[i + 1])} << 32);
  }
  if (i < text.size()) mix(static_cast<uint32_t>(text[i]));
  return hash;
}

}  // namespace reportdata
