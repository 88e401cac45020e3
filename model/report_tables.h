// The bill and quota tables of a project.
// ReportTables owns, by value, the trees of the bill summary (code 1), the
// bill consumption table (2), the consumption summary (3), the quota summary
// (11), the quota summary by floor (12), by floor and component (13) and the
// component summary (14, 15). The engine owns one ReportTables, files the
// calculation-result records into it during a build, and answers the row
// queries of these codes from its trees through the table definitions
// (engine/table_definitions.h); a table file reader fills the trees through
// the accessors. Intake lives in model/, the row writers in engine/.
#ifndef REPORTDATA_MODEL_REPORT_TABLES_H_
#define REPORTDATA_MODEL_REPORT_TABLES_H_

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "keys/record_keys.h"
#include "model/report_tree.h"
#include "reportdata/framework.h"
#include "reportdata/records.h"
#include "reportdata/report_types.h"

namespace reportdata {

// Engine state that the row writers read.
struct QueryState {
  std::wstring_view condition;  // the engine's condition: header row cell 2, and nothing else
  std::wstring_view partition;  // current partition, empty for the whole project
  bool merge = true;            // the engine's merge flag
};

// A top-level list of a tree with the lookup index over it.
template <typename Node, typename Index = HashIndex>
struct IndexedList {
  std::vector<Node> nodes;
  Index index;
  void Clear() {
    nodes.clear();
    index.Reset();
  }
};

class ReportTables {
 public:
  // The common calculation parameter names: a quota item of chapter "其他章"
  // with one of these names is filed under "常用计算参数".
  explicit ReportTables(std::vector<std::wstring> common_parameter_names);

  // Bill side. Facade entries are copied with "[floor层]" appended to the
  // component names inside. Records are filed by their keys alone.
  // Bill consumption, bill summary, consumption summary:
  void AddClassifiedEntry(const EntryKeys& entry);
  // Consumption summary; kind "1" skipped:
  void AddLooseQuota(const RecordKeys& record);
  // Other items (其他项目):
  void AddOtherItem(const EntryKeys& entry);
  // Completes the bill parts of the bill consumption table, which the
  // filing of a new bill side leaves to its end (see PendingBillPart);
  // entries filed later go to both tables at once. A build calls it after
  // its last entry, on its own thread; until then the bill parts of the
  // bill consumption table are empty. A table file reader fills both trees
  // whole and needs no such step.
  void FinishBillEntries();
  void BuildComponentSummaryFromBills();  // code 14

  // Quota side: quota summary, quota by floor, quota by floor and component.
  void AddQuotaRecord(const RecordKeys& keys);
  void BuildComponentSummaryFromQuotas();  // code 15

  void ClearBillSide();   // codes 1, 2, 3
  void ClearQuotaSide();  // codes 11, 12, 13
  void ClearComponentSummary();

  // The trees with their lookup indexes, for the row writers of the table
  // definitions (engine/table_definitions.h).
  IndexedList<SQdChapterNode>& bill_summary_tree() { return bill_summary_; }
  IndexedList<SQdXhlChapterNode>& bill_consumption_tree() { return bill_consumption_; }
  IndexedList<SDeChapterNode>& consumption_summary_tree() { return consumption_summary_; }
  IndexedList<SDeChapterNode>& quota_summary_tree() { return quota_summary_; }
  IndexedList<SDeFloorGroupNode, FloorIndex>& quota_by_floor_tree() { return quota_by_floor_; }
  IndexedList<SDeFloorCompGroupNode, FloorIndex>& quota_by_floor_component_tree() {
    return quota_by_floor_component_;
  }
  IndexedList<GjhzGroupNode>& component_summary_tree() { return component_summary_; }

  // The trees, for the table files. Readers append to these lists.
  std::vector<SQdChapterNode>& bill_summary() { return bill_summary_.nodes; }
  std::vector<SQdXhlChapterNode>& bill_consumption() { return bill_consumption_.nodes; }
  std::vector<SDeChapterNode>& consumption_summary() { return consumption_summary_.nodes; }
  std::vector<SDeChapterNode>& quota_summary() { return quota_summary_.nodes; }
  std::vector<SDeFloorGroupNode>& quota_by_floor() { return quota_by_floor_.nodes; }
  std::vector<SDeFloorCompGroupNode>& quota_by_floor_component() {
    return quota_by_floor_component_.nodes;
  }
  std::vector<GjhzGroupNode>& component_summary() { return component_summary_.nodes; }
  const std::vector<SQdChapterNode>& bill_summary() const { return bill_summary_.nodes; }
  const std::vector<SQdXhlChapterNode>& bill_consumption() const { return bill_consumption_.nodes; }
  const std::vector<SDeChapterNode>& consumption_summary() const {
    return consumption_summary_.nodes;
  }
  const std::vector<SDeChapterNode>& quota_summary() const { return quota_summary_.nodes; }
  const std::vector<SDeFloorGroupNode>& quota_by_floor() const { return quota_by_floor_.nodes; }
  const std::vector<SDeFloorCompGroupNode>& quota_by_floor_component() const {
    return quota_by_floor_component_.nodes;
  }
  const std::vector<GjhzGroupNode>& component_summary() const { return component_summary_.nodes; }

 private:
  struct Chapter {
    PooledText name;
    PooledText order_id;
  };
  struct PooledHash {
    size_t operator()(const PooledText& text) const { return text.hash(); }
  };
  // Keyed by the pool entry of the code: a record's keys carry it already.
  using ChapterCache = std::unordered_map<PooledText, Chapter, PooledHash>;

  // Chapter look-ups of the quota-library service, asked once per code.
  const Chapter& BillChapter(const PooledText& bill_code);
  const Chapter& QuotaLibraryChapter(const PooledText& quota_code);
  // Quota chapter with the common calculation parameter rule.
  const Chapter& QuotaChapter(const RecordKeys& keys);

  void AddBillEntry(const EntryKeys& entry);
  void AddToConsumptionSummary(const RecordKeys& record, const PooledText& component_name,
                               const PooledText& bill_code);

  std::vector<std::wstring> common_parameter_names_;
  ChapterCache bill_chapter_cache_;
  ChapterCache quota_chapter_cache_;

  IndexedList<SQdChapterNode> bill_summary_;
  IndexedList<SQdXhlChapterNode> bill_consumption_;
  // A named bill item's bill records are filed alike into the bill summary
  // and into the bill part of its item in the bill consumption table. A
  // build files them into the summary alone and copies the finished floors
  // across once, exactly sized, instead of merging every record twice.
  struct PendingBillPart {
    uint32_t consumption_chapter;
    uint32_t consumption_item;
    uint32_t summary_chapter;
    uint32_t summary_item;
  };
  std::vector<PendingBillPart> pending_bill_parts_;
  bool bill_parts_deferred_ = true;  // from ClearBillSide to FinishBillEntries
  IndexedList<SDeChapterNode> consumption_summary_;

  IndexedList<SDeChapterNode> quota_summary_;
  IndexedList<SDeFloorGroupNode, FloorIndex> quota_by_floor_;
  IndexedList<SDeFloorCompGroupNode, FloorIndex> quota_by_floor_component_;

  IndexedList<GjhzGroupNode> component_summary_;
};

}  // namespace reportdata

#endif  // REPORTDATA_MODEL_REPORT_TABLES_H_
