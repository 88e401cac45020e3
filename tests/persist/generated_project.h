// A generated project of calculation-result records for the table file
// tests and benchmarks: bill items with own quotas, quotas with categories,
// single floors, ranges and lists, facade decoration, partition shares,
// "||" suffixes and groups of four equal instances that merge into one
// measurement record. Quantities are multiples of 1/8 so that "%f" carries
// them exactly.
#ifndef REPORTDATA_TESTS_PERSIST_GENERATED_PROJECT_H_
#define REPORTDATA_TESTS_PERSIST_GENERATED_PROJECT_H_

#include <string>
#include <vector>

#include "model/report_tables.h"
#include "reportdata/records.h"

namespace reportdata::testing {

inline TJQd GeneratedRecord(size_t index) {
  static const wchar_t* const kFloors[] = {L"1", L"2", L"2,5", L"3/4/6", L"-1", L"0", L"3"};
  const size_t group = index / 4;  // four instances of a group merge
  const std::wstring g = std::to_wstring(group % 50);
  TJQd record;
  record.id = static_cast<int>(index);
  record.billCode = CString(L"0104" + std::to_wstring(10 + group % 37));
  record.billName = CString(L"砖墙" + std::to_wstring(group % 37));
  record.billUnit = L"m3";
  record.feature = CString(L"M" + std::to_wstring(group % 5) + L" 砂浆\n标准砖");
  record.extra = group % 2 ? L"附注" : L"";
  if (group % 4 == 0) {
    record.quotaFeatures.push_back({CString(L"A1-" + std::to_wstring(group % 3)),
                                    CString(L"砌砖"),
                                    CString(L"10m3"),
                                    {{CString(L"v1"), CString(L"强度"), CString(L"M5")}}});
  }
  record.floor = kFloors[group % 7];
  if (group % 10 == 0) {
    record.typePath = L"ZS\\LMZS";
    record.componentName = L"立面装饰";
  } else {
    record.typePath = L"Q\\TWQ";
    record.componentName = CString(L"墙" + std::to_wstring(group % 7));
  }
  record.subType = L"普通";
  record.subCode = CString(std::to_wstring(group % 12));
  const double quantity = static_cast<double>(group % 50 + 1) * 0.125;
  record.quantity = CString(std::to_wstring(quantity));
  record.description = CString(L"L=" + g + L"*H" + (group % 3 == 0 ? L"||扣减" + g : L""));
  record.position = CString(L"轴" + std::to_wstring(index));
  if (index % 11 != 0) record.handle = CString(L"h" + std::to_wstring(index));
  if (group % 3 == 1) {
    record.partitions = {{CString(L"一区"), CString(L"L/2"), quantity * 0.5},
                         {CString(L"二区"), CString(L"L/2"), quantity * 0.5}};
  } else if (group % 3 == 2) {
    record.partitions = {{CString(L"二区"), CString(L"L"), quantity}};
  }
  record.kind = L"1";
  return record;
}

// The quota records classified under a bill record.
inline std::vector<TJQd> GeneratedQuotas(const TJQd& bill, size_t index) {
  std::vector<TJQd> quotas;
  const size_t group = index / 4;
  for (size_t q = 0; q < 1 + group % 2; ++q) {
    TJQd quota = bill;
    quota.kind = L"2";
    quota.quotaCode =
        CString(L"A" + std::to_wstring(1 + (group + q) % 13) + L"-" + std::to_wstring(q + 1));
    quota.quotaName = CString(L"砌筑" + std::to_wstring((group + q) % 13));
    quota.quotaUnit = L"10m3";
    if ((group + q) % 2 == 0) {
      quota.categories = {{CString(L"v"), CString(L"砂浆"), CString(L"M" + std::to_wstring(q))}};
    }
    quotas.push_back(quota);
  }
  return quotas;
}

inline std::vector<SNYTJQdDeClassResult> GeneratedEntries(size_t count) {
  std::vector<SNYTJQdDeClassResult> entries;
  entries.reserve(count);
  for (size_t i = 0; i < count; ++i) {
    SNYTJQdDeClassResult& entry = entries.emplace_back();
    entry.bill = GeneratedRecord(i);
    entry.quotas = GeneratedQuotas(entry.bill, i);
  }
  return entries;
}

// Files count generated entries, with their quota records on the quota
// side when asked, and ends the filing as a build does.
inline void FileGenerated(ReportTables& tables, size_t count, bool quota_side = true) {
  for (const SNYTJQdDeClassResult& entry : GeneratedEntries(count)) {
    tables.AddClassifiedEntry(KeysOf(entry));
    for (const TJQd& quota : entry.quotas) {
      if (quota_side) tables.AddQuotaRecord(KeysOf(quota));
    }
  }
  tables.FinishBillEntries();
}

}  // namespace reportdata::testing

#endif  // REPORTDATA_TESTS_PERSIST_GENERATED_PROJECT_H_
