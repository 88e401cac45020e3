// The definitions of the codes answered from the bill and quota trees: the
// bill summary (1, with descriptions 21, prices 50), the bill consumption
// table (2, 22), the consumption summary (3, 23), the quota summary (11,
// 31), by floor (12, 32), by floor and component (13, 33) and the component
// summary (14). Each tree says once how it lists, writes and streams its
// rows; each code picks the tree and its options.
#include "engine/table_definitions.h"
#include "rows/bill_rows.h"
#include "rows/component_summary_rows.h"
#include "rows/quota_floor_rows.h"
#include "rows/row_layout.h"
#include "rows/row_selection.h"
#include "rows/tree_rows.h"

namespace reportdata {
namespace {

// The chapter trees: chapter → item → floor → component → record; each
// with its layout A writer and its stream.
template <auto kTree, auto kWrite, auto kStream, int kWidth>
struct ChapterTree {
  static constexpr int width = kWidth;
  static constexpr bool wide = kWidth == 13;  // the bill consumption's quota text cell
  static void Items(TableContext& context, CStringArray& items) {
    auto& tree = (context.tables.*kTree)();
    ListChapters(tree.nodes, tree.index, context.state.partition, items);
  }
  static void Rows(TableContext& context, const ChapterChoice& choice, const RowOptions& options,
                   RowWriter& writer) {
    auto& tree = (context.tables.*kTree)();
    kWrite(tree.nodes, tree.index, choice, options, writer);
  }
  static void Stream(TableContext& context, const ChapterChoice& choice,
                     const StreamOptions& options, const FloorSelection*, CStringArray& out) {
    auto& tree = (context.tables.*kTree)();
    kStream(out, tree.nodes, tree.index, choice, options);
  }
};

using BillSummaryTree =
    ChapterTree<&ReportTables::bill_summary_tree, &WriteBillSummaryRows, &StreamBillSummary, 12>;
using BillConsumptionTree = ChapterTree<&ReportTables::bill_consumption_tree,
                                        &WriteBillConsumptionRows, &StreamBillConsumption, 13>;
// The consumption summary and the quota summary share their rows.
using ConsumptionSummaryTree = ChapterTree<&ReportTables::consumption_summary_tree,
                                           &WriteQuotaChapterRows, &StreamQuotaChapters, 12>;
using QuotaSummaryTree = ChapterTree<&ReportTables::quota_summary_tree, &WriteQuotaChapterRows,
                                     &StreamQuotaChapters, 12>;

// The floor-group trees, whose items are named by floor.
template <auto kTree, auto kWrite, auto kStream>
struct FloorGroupTree {
  static constexpr int width = 12;
  static constexpr bool wide = false;
  static void Items(TableContext& context, CStringArray& items) {
    auto& tree = (context.tables.*kTree)();
    ListGroups(tree.nodes, tree.index, items);
  }
  static void Rows(TableContext& context, const ChapterChoice& choice, const RowOptions& options,
                   RowWriter& writer) {
    auto& tree = (context.tables.*kTree)();
    kWrite(tree.nodes, tree.index, choice.name, options, writer);
  }
  static void Stream(TableContext& context, const ChapterChoice& choice,
                     const StreamOptions& options, const FloorSelection*, CStringArray& out) {
    auto& tree = (context.tables.*kTree)();
    kStream(out, tree.nodes, tree.index, choice.name, options);
  }
};

using QuotaByFloorTree =
    FloorGroupTree<&ReportTables::quota_by_floor_tree, &WriteQuotaByFloorRows, &StreamQuotaByFloor>;
using QuotaByFloorComponentTree =
    FloorGroupTree<&ReportTables::quota_by_floor_component_tree, &WriteQuotaByFloorComponentRows,
                   &StreamQuotaByFloorComponent>;

// The component summary, filled from the bill summary at its first query
// when a build or a reload left it empty.
struct ComponentSummaryTree {
  static auto& Of(TableContext& context) {
    if (context.tables.component_summary().empty()) context.tables.BuildComponentSummaryFromBills();
    return context.tables.component_summary_tree();
  }
  static void Items(TableContext& context, CStringArray& items) {
    auto& tree = Of(context);
    ListComponentGroups(tree.nodes, tree.index, items);
  }
  static void Stream(TableContext& context, const ChapterChoice& choice, const StreamOptions&,
                     const FloorSelection* selection, CStringArray& out) {
    auto& tree = Of(context);
    StreamComponentSummary(out, tree.nodes, tree.index, choice.name, selection);
  }
};

// Only the bill summary and the bill consumption table list merged records
// once per instance when merging is off.
enum class Merge { kByFlag, kAlways };

bool MergeOf(Merge merge, const TableContext& context) {
  return merge == Merge::kByFlag ? context.state.merge : true;
}

// Layout A below the writer's header; record rows with a name or a
// selection.
template <class Tree, Merge kMerge>
void WriteLayoutA(TableContext& context, std::wstring_view name, const FloorSelection* selection,
                  RowWriter& writer) {
  RowOptions options;
  options.filter = RowFilter{context.state.partition, selection};
  options.merge = MergeOf(kMerge, context);
  options.records = selection != nullptr || !name.empty();
  options.wide = Tree::wide;
  Tree::Rows(context, ChapterChoice{name, std::wstring_view()}, options, writer);
}

template <class Tree, Merge kMerge>
void ItemRows(TableContext& context, std::wstring_view name, RowWriter& writer) {
  WriteLayoutA<Tree, kMerge>(context, name, nullptr, writer);
}

template <class Tree, Merge kMerge>
void SelectedRows(TableContext& context, const CStringArray& floors, const CStringArray& second,
                  CStringArray& rows) {
  const FloorSelection selection(floors, second);
  rows.RemoveAll();
  RowWriter writer(Tree::width, context.state.condition, rows);
  WriteLayoutA<Tree, kMerge>(context, std::wstring_view(), &selection, writer);
}

StreamOptions StreamOptionsOf(const TableContext& context, Merge merge, RecordLine records,
                              const FloorSelection* selection) {
  StreamOptions options;
  options.filter = RowFilter{context.state.partition, selection};
  options.merge = MergeOf(merge, context);
  options.records = records;
  return options;
}

template <class Tree, Merge kMerge, RecordLine kRecords>
void Stream(TableContext& context, std::wstring_view name, CStringArray& out) {
  Tree::Stream(context, ChapterChoice{name, std::wstring_view()},
               StreamOptionsOf(context, kMerge, kRecords, nullptr), nullptr, out);
}

// The chapter tables' selection: output a, floors b, names c; the condition
// narrows the items.
template <class Tree, Merge kMerge, RecordLine kRecords>
void ChapterSelection(TableContext& context, CStringArray& a, CStringArray& b, CStringArray& c,
                      std::wstring_view condition) {
  const FloorSelection selection(b, c);
  Tree::Stream(context, ChapterChoice{std::wstring_view(), condition},
               StreamOptionsOf(context, kMerge, kRecords, &selection), &selection, a);
}

// The floor tables' selection: floors a, names b, output c; no condition.
template <class Tree, RecordLine kRecords>
void FloorSelectionStream(TableContext& context, CStringArray& a, CStringArray& b, CStringArray& c,
                          std::wstring_view /*condition*/) {
  const FloorSelection selection(a, b);
  Tree::Stream(context, ChapterChoice{},
               StreamOptionsOf(context, Merge::kAlways, kRecords, &selection), &selection, c);
}

// A tree table's own code: tree items, both layout A queries, the stream
// without record lines and its selection.
template <class Tree, Merge kMerge, bool kChapters>
constexpr CodeDefinition TreeCode(int code, int handle_floor_cell) {
  CodeDefinition definition{code, code, handle_floor_cell};
  definition.tree_items = &Tree::Items;
  definition.item_rows = &ItemRows<Tree, kMerge>;
  definition.selected_rows = &SelectedRows<Tree, kMerge>;
  definition.stream = &Stream<Tree, kMerge, RecordLine::kNone>;
  if constexpr (kChapters) {
    definition.by_condition = &ChapterSelection<Tree, kMerge, RecordLine::kNone>;
  } else {
    definition.by_condition = &FloorSelectionStream<Tree, RecordLine::kNone>;
  }
  return definition;
}

// The calculation-sheet code of a tree table (21 …): its stream and
// selection with record lines, reading the held file of `table`.
template <class Tree, Merge kMerge, bool kChapters, RecordLine kRecords>
constexpr CodeDefinition SheetCode(int code, int table) {
  CodeDefinition definition{code, table};
  definition.stream = &Stream<Tree, kMerge, kRecords>;
  if constexpr (kChapters) {
    definition.by_condition = &ChapterSelection<Tree, kMerge, kRecords>;
  } else {
    definition.by_condition = &FloorSelectionStream<Tree, kRecords>;
  }
  return definition;
}

constexpr RecordLine kDescription = RecordLine::kDescription;
constexpr RecordLine kCutDescription = RecordLine::kCutDescription;

const CodeDefinition kCodes[] = {
    TreeCode<BillSummaryTree, Merge::kByFlag, true>(1, 2),
    SheetCode<BillSummaryTree, Merge::kByFlag, true, kDescription>(21, 1),
    [] {
      CodeDefinition prices{50, 1};
      prices.stream = [](TableContext& context, std::wstring_view name, CStringArray& out) {
        auto& tree = context.tables.bill_summary_tree();
        StreamPrices(out, tree.nodes, tree.index, name, context.state.partition);
      };
      return prices;
    }(),
    TreeCode<BillConsumptionTree, Merge::kByFlag, true>(2, 3),
    SheetCode<BillConsumptionTree, Merge::kByFlag, true, kDescription>(22, 2),
    TreeCode<ConsumptionSummaryTree, Merge::kAlways, true>(3, 2),
    SheetCode<ConsumptionSummaryTree, Merge::kAlways, true, kDescription>(23, 3),
    TreeCode<QuotaSummaryTree, Merge::kAlways, true>(11, 2),
    SheetCode<QuotaSummaryTree, Merge::kAlways, true, kDescription>(31, 11),
    TreeCode<QuotaByFloorTree, Merge::kAlways, false>(12, 0),
    SheetCode<QuotaByFloorTree, Merge::kAlways, false, kCutDescription>(32, 12),
    TreeCode<QuotaByFloorComponentTree, Merge::kAlways, false>(13, -1),
    SheetCode<QuotaByFloorComponentTree, Merge::kAlways, false, kCutDescription>(33, 13),
    // The component summary; its new-style rows count each drawing once, so
    // they come from the component table.
    [] {
      CodeDefinition summary{14, CodeDefinition::kAllHeld};
      summary.tree_items = &ComponentSummaryTree::Items;
      summary.stream = [](TableContext& context, std::wstring_view name, CStringArray& out) {
        StreamComponentTable(context, true, name, out);
      };
      summary.by_condition = &FloorSelectionStream<ComponentSummaryTree, RecordLine::kNone>;
      return summary;
    }(),
};

}  // namespace

std::span<const CodeDefinition> BillQuotaCodes() { return kCodes; }

}  // namespace reportdata
