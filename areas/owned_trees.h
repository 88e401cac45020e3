// The trees of the tables that no code outside their own tables names (the
// door and window table's, the rooms): the engine's AreaTables keeps one tree of each
// such type, made empty at its first use and dropped by Clear, so a table of
// this kind adds no member to AreaTables. A tree's type is its key; the
// tables that share a tree share its type.
#ifndef REPORTDATA_AREAS_OWNED_TREES_H_
#define REPORTDATA_AREAS_OWNED_TREES_H_

#include <memory>
#include <vector>

namespace reportdata {

class OwnedTrees {
 public:
  // The tree of type Tree, made empty when there is none yet.
  template <class Tree>
  Tree& Of() {
    for (Slot& slot : slots_) {
      if (slot.type == &kTypeKey<Tree>) return *static_cast<Tree*>(slot.tree.get());
    }
    slots_.push_back(Slot{&kTypeKey<Tree>,
                          Owned(new Tree(), [](void* tree) { delete static_cast<Tree*>(tree); })});
    return *static_cast<Tree*>(slots_.back().tree.get());
  }

  void Clear() { slots_.clear(); }

 private:
  // One address per tree type.
  template <class Tree>
  static constexpr char kTypeKey = 0;
  using Owned = std::unique_ptr<void, void (*)(void*)>;
  struct Slot {
    const char* type;
    Owned tree;
  };
  std::vector<Slot> slots_;
};

}  // namespace reportdata

#endif  // REPORTDATA_AREAS_OWNED_TREES_H_
