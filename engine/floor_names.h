// The floor names a build gathers: the result's floors and those its
// records name, in order of first arrival and each once, then the
// decoration floors that no name stands for. A name is a view of text that
// stays put for the build (the result's floor list, the pooled texts of the
// records) with its key hash, found through a hash index over the list
// itself: a floor costs one list entry and no text or set node of its own,
// so a project of tens of thousands of floors gathers them in time and
// memory linear in them. Each build owns the sets it makes.
#ifndef REPORTDATA_ENGINE_FLOOR_NAMES_H_
#define REPORTDATA_ENGINE_FLOOR_NAMES_H_

#include <cstdint>
#include <string_view>
#include <vector>

#include "keys/hash_index.h"
#include "keys/pooled_text.h"

namespace reportdata {

class FloorNames {
 public:
  // The text must outlive the set.
  void Add(std::wstring_view floor) { Add(floor, HashText(floor)); }
  void Add(const PooledText& floor) { Add(floor.str(), floor.hash()); }

  // Appends each floor of `decoration` that no name stands for: a single
  // floor stands only for itself, a range or list also for the floors it
  // covers. Floors appended before count for the later ones.
  void AddUncovered(const FloorNames& decoration);

  // The names, in order, as views of the texts that hold them.
  std::vector<std::wstring_view> Texts() const;

 private:
  struct Name {
    std::wstring_view text;
    uint32_t hash;
  };
  void Add(std::wstring_view floor, uint64_t hash);
  bool Contains(const Name& floor);

  std::vector<Name> names_;
  HashIndex index_;
};

}  // namespace reportdata

#endif  // REPORTDATA_ENGINE_FLOOR_NAMES_H_
