// The concrete table (STongTable): concrete volumes in cubic metres by floor,
// component group, item, component, position, concrete grade and partition.
// The engine owns one per side (fed by bill records and by quota records);
// the classification and quota intakes file every concrete record into it,
// the table files write and read it, and the physical-quantity summaries
// (concrete_summary.h) read it. Nodes are plain values held by value in
// their parents' lists; each list keeps a lookup index (hash_index.h) so that
// a record finds its node without scanning a list that can grow.
#ifndef REPORTDATA_MODEL_CONCRETE_TABLE_H_
#define REPORTDATA_MODEL_CONCRETE_TABLE_H_

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "keys/hash_index.h"
#include "keys/record_keys.h"
#include "model/component_code_memo.h"
#include "model/report_tree.h"

namespace reportdata {

struct ConcreteComponentEntry;

// Cubic metres of one grade within one partition.
struct ConcreteShare {
  PooledText partition;
  double quantity = 0.0;
};

struct ConcreteGrade {
  PooledText name;  // upper-case "C": "C30"
  std::vector<ConcreteShare> shares;
  HashIndex share_index;
};

// An instance counted at a position: its identity, and where its handle
// stands in the position's handle list.
struct CountedInstance {
  long long id = 0;
  size_t handle_begin = 0;
  size_t handle_size = 0;
};

struct ConcretePosition {
  PooledText position;  // axis text of the instances
  std::string handles;  // UTF-8: "$$" + handle per counted instance
  std::vector<ConcreteGrade> grades;
  HashIndex grade_index;
  // The instances counted here, so that an instance the service delivers
  // twice is counted once. Not kept in the table file.
  std::vector<CountedInstance> counted;
  HashIndex counted_index;

  // Adds an instance's handle (UTF-8) to the handle list. Unless
  // every_delivery, an instance of the same identity and handle counted
  // before is not added again, and false is returned.
  bool Count(long long id, std::string_view handle, bool every_delivery);
};

// A component of an item: the attribute entry of the table file.
struct ConcreteComponent : ComponentHead {
  std::vector<ConcretePosition> positions;
  HashIndex position_index;
};

struct ConcreteItem {
  PooledText name;
  int order = 0;
  std::vector<ConcreteComponent> components;
  HashIndex component_index;
};

struct ConcreteGroup {
  PooledText name;
  int order = 0;
  std::vector<ConcreteItem> items;
  HashIndex item_index;
};

// A floor bucket: every record of one floor text ("3", "2,5", "2/4/6").
struct ConcreteFloor : FloorHead {
  std::vector<ConcreteGroup> groups;
  HashIndex group_index;
};

class STongTable {
 public:
  // Files one calculation-result record: records without a grade, with a
  // component code outside the catalogue or with a unit other than the
  // twelve volume texts are skipped. Quantities are taken from the record's
  // partition entries, converted to cubic metres.
  void Add(const RecordKeys& record);

  // Sorts floors by floor order, groups and items by their catalogue order
  // (stable, so equal keys keep their arrival order).
  void Sort();
  void Clear();

  // The floor buckets; a table file reader appends to them.
  std::vector<ConcreteFloor>& floors() { return floors_; }
  const std::vector<ConcreteFloor>& floors() const { return floors_; }

 private:
  // The catalogue's entry for a component code, and its group and item
  // names as pool entries.
  struct CatalogueAnswer {
    const ConcreteComponentEntry* entry = nullptr;
    PooledText group;
    PooledText item;
  };

  std::vector<ConcreteFloor> floors_;
  HashIndex floor_index_;
  ComponentCodeMemo<CatalogueAnswer> components_;
  // The grade of the record filed last, and its name with an upper-case "C".
  PooledText grade_;
  PooledText upper_grade_;
};

}  // namespace reportdata

#endif  // REPORTDATA_MODEL_CONCRETE_TABLE_H_
