// Quantities, visibility and the texts shown for report tree nodes: the
// quantity of a record in the whole project or in the current partition, the
// floor sums in which facade decoration counts once per floor group, the
// formula texts of records and floors, and the display texts of bill and
// quota items.
#ifndef REPORTDATA_MODEL_TREE_QUANTITY_H_
#define REPORTDATA_MODEL_TREE_QUANTITY_H_

#include <string>
#include <string_view>
#include <vector>

#include "model/report_tree.h"

namespace reportdata {

// The record's entry for `partition`, or null.
const PartitionShare* FindShare(const SQdRecordNode& record, std::wstring_view partition);

// With no partition every record is visible; otherwise those with an entry
// for the partition.
bool RecordVisible(const SQdRecordNode& record, std::wstring_view partition);

// Quantity of one piece: the partition entry's quantity when a partition is
// set (0 without an entry), else the record's own.
double PieceQuantity(const SQdRecordNode& record, std::wstring_view partition);

// Piece count times the quantity of one piece.
double RecordQuantity(const SQdRecordNode& record, std::wstring_view partition);

// Record formula: the record's own formula text for a single piece, else
// "%.2f*%d件" with the quantity of one piece and the piece count.
std::wstring RecordFormula(const SQdRecordNode& record, std::wstring_view partition);

// Sum of a component's records and whether any of them is visible.
struct ComponentSum {
  double quantity = 0.0;
  bool visible = false;
};
ComponentSum SumComponent(const SQdCompNode& component, std::wstring_view partition);

// Per-floor sum of the non-facade components and the once-counted sum of the
// facade components of a floor.
struct FloorSum {
  double per_floor = 0.0;
  double facade = 0.0;
  bool visible = false;
  void Add(const SQdCompNode& component, const ComponentSum& sum);
  double Total(int floor_count) const { return floor_count * per_floor + facade; }
};

// Floor formula of the bill tables and the quota summary: empty for one
// floor; otherwise "%.2f*%d层", then "+%.2f" when the facade sum is not 0.
std::wstring BillFloorFormula(int floor_count, const FloorSum& sum);

// Floor formula of the quota-by-floor table: three decimals, the added part
// shown only above 0.01.
std::wstring QuotaByFloorFormula(int floor_count, const FloorSum& sum);

// "%.3f*%d层" of the quota-by-floor-and-component table, empty for one floor.
std::wstring PerFloorFormula(int floor_count, double per_floor);

// Bill code, two blanks, name, line break, feature description; every line
// break followed by 17 blanks.
std::wstring BillItemText(const SQdItemNode& item);

// The same text for a quota item, with its classification variables in place
// of the feature description.
std::wstring QuotaItemText(std::wstring_view code, std::wstring_view name,
                           const std::vector<SNYTJFenLeiVarDescInfo>& categories);

// Classification variables as one text: "name:value" pairs joined by ";".
std::wstring CategoryText(const std::vector<SNYTJFenLeiVarDescInfo>& categories);

// Position list up to its first "$".
std::string_view FirstPosition(std::string_view positions);

}  // namespace reportdata

#endif  // REPORTDATA_MODEL_TREE_QUANTITY_H_
