// The report trees of the bill and quota tables: plain value nodes held by
// value in the lists of their parents. The engine owns the top-level lists
// (through ReportTables); a table file reader fills the same nodes. Besides
// its children a node keeps the lookup index of each child list (see
// hash_index.h); the index is not table data, a reader that only appends
// children leaves it alone. Levels that recur across the trees take their
// leading fields from small head structs (chapters from one template), so
// code that reads only those fields serves every tree.
#ifndef REPORTDATA_MODEL_REPORT_TREE_H_
#define REPORTDATA_MODEL_REPORT_TREE_H_

#include <memory>
#include <string>
#include <vector>

#include "keys/hash_index.h"
#include "keys/pooled_text.h"
#include "keys/record_keys.h"
#include "reportdata/records.h"

namespace reportdata {

// Instances that merged into one measurement: equal description (before
// "||"), equal partition entries and quantities within 1e-7.
struct SQdRecordNode {
  // The lists of the merged instances, held as UTF-8: they go to the table
  // files as they are.
  std::string positions;   // first position, then "$" + position per merged instance
  PooledText description;  // description of the first instance
  double quantity = 0.0;   // quantity of one piece
  int count = 1;           // piece count, at least 1
  PooledText formula;      // empty unless read back from a table file
  std::string handles;     // "$" + handle, then "$$" + handle per merged instance
  std::vector<PartitionShare> partitions;  // equal for every merged instance
};

// What a component is known by in a tree: its name and kind code.
struct ComponentHead {
  PooledText name;  // bill and quota facade components carry "[floor层]" at the end
  PooledText type_path;
};

struct SQdCompNode : ComponentHead {
  PooledText sub_type;
  std::vector<SQdRecordNode> records;
  HashIndex record_index;
};

// Lookups of a list of floors: by floor text, and for facade records by
// the single floors that the range and list floor texts cover.
struct FloorIndex {
  HashIndex by_text;
  HashIndex by_covered_floor;
  void Reset() {
    by_text.Reset();
    by_covered_floor.Reset();
  }
};

// What a floor level is known by: the floor text as the first record wrote
// it, the floor count it stands for and its floor order key.
struct FloorHead {
  PooledText floor_text;
  int count = 1;
  int order_key = -1000;
};

struct SQdFloorNode : FloorHead {
  PooledText unit;  // unit of the first record
  std::vector<SQdCompNode> components;
  HashIndex component_index;
};

// What a bill or quota item is known by: code, name and unit.
struct ItemHead {
  PooledText code;
  PooledText name;
  PooledText unit;
};

// A quota item is told apart by its classification variables too.
struct QuotaHead : ItemHead {
  std::vector<SNYTJFenLeiVarDescInfo> categories;
};

// The chapter level of the bill and quota trees: chapter name, the id the
// chapters are ordered by, and the chapter's items.
template <typename Item>
struct ChapterOf {
  PooledText name;
  PooledText order_id;
  std::vector<Item> items;
  HashIndex item_index;
};

// A bill item of the bill summary and of the bill consumption table.
struct SQdItemNode : ItemHead {
  PooledText feature;                                // feature description (项目特征)
  std::vector<SNYTJReportDEFeature> quota_features;  // the bill item's own quotas
  PooledText extra;
  std::vector<SQdFloorNode> floors;
  FloorIndex floor_index;
};

using SQdChapterNode = ChapterOf<SQdItemNode>;

// A quota item of the consumption summary, the quota summary and the quotas
// under a bill item of the bill consumption table.
struct SDeItemNode : QuotaHead {
  PooledText bill_code;  // code of the bill it came with
  std::vector<SQdFloorNode> floors;
  FloorIndex floor_index;
};

// Bill consumption: a bill item with the quota items consumed by it.
struct SQdXhlItemNode {
  SQdItemNode bill;
  std::vector<SDeItemNode> quotas;
  HashIndex quota_index;
};

struct SQdXhlChapterNode : ChapterOf<SQdXhlItemNode> {
  PooledText code_prefix;  // first four characters of the first long bill code
};

// Chapter of quota items (consumption summary and quota summary).
using SDeChapterNode = ChapterOf<SDeItemNode>;

// Quota by floor: a quota item within one floor group, its components
// holding only the records of that group.
struct SDeFloorItemNode : QuotaHead {
  std::vector<SQdCompNode> components;
  HashIndex component_index;
};

using SDeFloorChapterNode = ChapterOf<SDeFloorItemNode>;

struct SDeFloorGroupNode : FloorHead {
  std::vector<SDeFloorChapterNode> chapters;
  HashIndex chapter_index;
};

// Quota by floor and component: a quota item under a calculation item.
struct SDeCalcQuotaNode : QuotaHead {
  int num = 1;  // floor count of the group the item was filed in
  std::vector<SQdRecordNode> records;
  HashIndex record_index;
};

// The quota items of a calculation item, and of a place in room table 2.
struct CalcQuotaList {
  std::vector<SDeCalcQuotaNode> quotas;
  HashIndex quota_index;
};

// Records of one sub-code (calculation item) of a component.
struct SDeCalcItemNode : CalcQuotaList {
  PooledText sub_code;
};

struct SDeCompGroupNode : ComponentHead {
  std::vector<SDeCalcItemNode> calc_items;
  HashIndex calc_item_index;
};

struct SDeFloorCompGroupNode : FloorHead {
  std::vector<SDeCompGroupNode> components;
  HashIndex component_index;
};

// Component summary (codes 14 and 15): component instances counted by
// category and floor.
struct GjhzRecord {
  PooledText third;      // empty from the bill summary, quota code from the quota summary
  PooledText name;       // component name
  PooledText type_path;  // component kind code
  PooledText type_text;  // type text of the component sub-type
  std::string handles;   // handle lists of the instances, concatenated, UTF-8
  int count = 0;         // instances
};

struct GjhzFloorNode {
  PooledText floor_text;
  int order_key = -1000;
  std::vector<GjhzRecord> records;
  HashIndex record_index;
};

struct GjhzGroupNode {
  PooledText name;  // component category
  int order = 0;    // display order of the category from the attribute templates
  std::vector<GjhzFloorNode> floors;
  HashIndex floor_index;
};

}  // namespace reportdata

#endif  // REPORTDATA_MODEL_REPORT_TREE_H_
