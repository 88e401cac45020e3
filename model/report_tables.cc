// ReportTables: construction, clearing and the chapter look-ups of the
// quota-library service shared by the bill and quota intakes.
#include "model/report_tables.h"

#include "keys/hash_index.h"
#include "model/tree_order.h"
#include "reportdata/services.h"

namespace reportdata {

ReportTables::ReportTables(std::vector<std::wstring> common_parameter_names)
    : common_parameter_names_(std::move(common_parameter_names)) {}

void ReportTables::ClearBillSide() {
  bill_summary_.Clear();
  bill_consumption_.Clear();
  pending_bill_parts_.clear();
  bill_parts_deferred_ = true;
  consumption_summary_.Clear();
  // A new build may run against another bill or quota library.
  bill_chapter_cache_.clear();
  quota_chapter_cache_.clear();
}

void ReportTables::ClearQuotaSide() {
  quota_summary_.Clear();
  quota_by_floor_.Clear();
  quota_by_floor_component_.Clear();
  quota_chapter_cache_.clear();
}

void ReportTables::ClearComponentSummary() { component_summary_.Clear(); }

namespace {

// The cached chapter of a code, asking `look_up` the first time; a failed
// look-up or an empty name files the code under "其他章".
template <typename Cache, typename LookUp>
const auto& CachedChapter(Cache& cache, const PooledText& code, LookUp&& look_up) {
  auto found = cache.find(code);
  if (found != cache.end()) return found->second;
  SNYTJChapterInfo info;
  typename Cache::mapped_type chapter{PooledText(kOtherChapter), PooledText()};
  if (look_up(CString(code.str()), info) && !info.name.IsEmpty()) {
    chapter = {PooledText(info.name.str()), PooledText(info.orderId.str())};
  }
  return cache.emplace(code, chapter).first->second;
}

}  // namespace

const ReportTables::Chapter& ReportTables::BillChapter(const PooledText& bill_code) {
  return CachedChapter(bill_chapter_cache_, bill_code,
                       [](const CString& code, SNYTJChapterInfo& info) {
                         return IQdChinaDekInfo::GetZhangNameByUserQdIndex(code, info);
                       });
}

const ReportTables::Chapter& ReportTables::QuotaLibraryChapter(const PooledText& quota_code) {
  return CachedChapter(quota_chapter_cache_, quota_code,
                       [](const CString& code, SNYTJChapterInfo& info) {
                         return IDekDbInfo::GetZhangJ(code, info, kSearchQuotaByCode);
                       });
}

const ReportTables::Chapter& ReportTables::QuotaChapter(const RecordKeys& keys) {
  static const PooledText kOther = PooledText::Lasting(kOtherChapter);
  static const Chapter kCommonParameters{PooledText::Lasting(kCommonParameterChapter),
                                         PooledText()};
  const Chapter& chapter = QuotaLibraryChapter(keys.quota_code);
  if (chapter.name == kOther) {
    for (const std::wstring& name : common_parameter_names_) {
      if (keys.quota_name == name) return kCommonParameters;
    }
  }
  return chapter;
}

}  // namespace reportdata
