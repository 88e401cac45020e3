// Rows of the chapter-based tables: the bill summary (codes 1, 21, 50), the
// bill consumption table (2, 22) and the two quota chapter tables, the
// consumption summary (3, 23) and the quota summary (11, 31). The writers
// sort each level in place, as the rows are produced.
#ifndef REPORTDATA_ROWS_BILL_ROWS_H_
#define REPORTDATA_ROWS_BILL_ROWS_H_

#include <string_view>
#include <vector>

#include "model/report_tree.h"
#include "reportdata/framework.h"
#include "rows/row_layout.h"
#include "rows/tree_rows.h"

namespace reportdata {

// Which chapters a query lists: every chapter for an empty name.
struct ChapterChoice {
  std::wstring_view name;       // chapter name, empty for every chapter
  std::wstring_view condition;  // items whose texts do not contain it are left out
};

// Layout A (12 cells; 13 for the bill consumption table).
void WriteBillSummaryRows(std::vector<SQdChapterNode>& chapters, HashIndex& index,
                          const ChapterChoice& choice, const RowOptions& options,
                          RowWriter& writer);
void WriteBillConsumptionRows(std::vector<SQdXhlChapterNode>& chapters, HashIndex& index,
                              const ChapterChoice& choice, const RowOptions& options,
                              RowWriter& writer);
void WriteQuotaChapterRows(std::vector<SDeChapterNode>& chapters, HashIndex& index,
                           const ChapterChoice& choice, const RowOptions& options,
                           RowWriter& writer);

// Layout B streams; record lines per options.records.
void StreamBillSummary(CStringArray& out, std::vector<SQdChapterNode>& chapters, HashIndex& index,
                       const ChapterChoice& choice, const StreamOptions& options);
void StreamBillConsumption(CStringArray& out, std::vector<SQdXhlChapterNode>& chapters,
                           HashIndex& index, const ChapterChoice& choice,
                           const StreamOptions& options);
void StreamQuotaChapters(CStringArray& out, std::vector<SDeChapterNode>& chapters, HashIndex& index,
                         const ChapterChoice& choice, const StreamOptions& options);

// Price rows (code 50): every chapter and bill item, visible or not.
void StreamPrices(CStringArray& out, std::vector<SQdChapterNode>& chapters, HashIndex& index,
                  std::wstring_view name, std::wstring_view partition);

// Names of the chapters with something visible, in chapter order.
void ListChapters(std::vector<SQdChapterNode>& chapters, HashIndex& index,
                  std::wstring_view partition, CStringArray& items);
void ListChapters(std::vector<SQdXhlChapterNode>& chapters, HashIndex& index,
                  std::wstring_view partition, CStringArray& items);
void ListChapters(std::vector<SDeChapterNode>& chapters, HashIndex& index,
                  std::wstring_view partition, CStringArray& items);

}  // namespace reportdata

#endif  // REPORTDATA_ROWS_BILL_ROWS_H_
