// Records per second of the bill and quota table builds at 10 000, 100 000 and
// 1 000 000 calculation-result records. The time per record must stay flat as
// the project grows: every merge partner is found through an index.
//
// Generated project: 40 bill chapters, about 2 000 bill items, 30 floors of
// which every seventh record sits on a range and every eleventh is facade
// decoration, 150 component names (five per bill item), 50 distinct
// quantities (so instances merge into records), three partitions, and two quota records per bill
// record. One record object is refilled for each record, so generation costs no allocation once the
// strings have grown.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <string>

#include "areas/index_analysis.h"
#include "areas/physical_tables.h"
#include "model/report_tables.h"
#include "reportdata/cloud_data.h"
#include "services/cloud_data_intake.h"
#include "support/table_services.h"

namespace reportdata {
namespace {

class RecordGenerator {
 public:
  RecordGenerator() {
    entry_.quotas.resize(2);
    entry_.bill.partitions.resize(3);
    for (TJQd& quota : entry_.quotas) quota.partitions.resize(3);
  }

  // Fills the entry for record number i.
  const SNYTJQdDeClassResult& Make(long i) {
    TJQd& bill = entry_.bill;
    const long item = (i * 7919) % 2003;
    Fill(bill, i);
    Number(bill.billCode.str(), L"01", 4000 + (item % 40) * 100 + item, 10);
    Number(bill.billName.str(), L"清单", item, 0);
    bill.billUnit = L"m3";
    Number(bill.feature.str(), L"特征", item % 17, 0);
    bill.kind = L"1";
    for (size_t q = 0; q < entry_.quotas.size(); ++q) {
      TJQd& quota = entry_.quotas[q];
      Fill(quota, i);
      Number(quota.quotaCode.str(), L"A", (item % 300) * 2 + static_cast<long>(q), 0);
      Number(quota.quotaName.str(), L"定额", (item % 300) * 2 + static_cast<long>(q), 0);
      quota.quotaUnit = L"10m3";
      Number(quota.subCode.str(), L"", 1 + (i % 12), 0);
      quota.kind = L"2";
    }
    return entry_;
  }

  // The same entry as concrete of three grades (one written "c30"), every
  // fifth record a floor finish in a room instead, every tenth a base layer.
  const SNYTJQdDeClassResult& MakePhysical(long i) {
    Make(i);
    static const wchar_t* const kGrades[] = {L"C30", L"c30", L"C35"};
    const bool finish = i % 5 == 0;
    for (TJQd* record : {&entry_.bill, &entry_.quotas[0], &entry_.quotas[1]}) {
      record->grade = finish ? L"" : kGrades[i % 3];
      record->typePath = finish ? L"ZS\\DMS" : L"Q\\TWQ";
      record->subCode = finish ? (i % 10 == 0 ? L"27" : L"28") : L"1";
      Number(record->room.str(), L"房间", i % 40, 0);
    }
    entry_.bill.billUnit = finish ? L"m2" : L"m3";
    for (TJQd& quota : entry_.quotas) quota.quotaUnit = finish ? L"100m2" : L"10m3";
    return entry_;
  }

 private:
  // prefix + value, zero-padded to `width` digits (value >= 0).
  static void Number(std::wstring& out, const wchar_t* prefix, long value, int width) {
    wchar_t digits[24];
    int length = 0;
    do {
      digits[length++] = static_cast<wchar_t>(L'0' + value % 10);
      value /= 10;
    } while (value > 0);
    out.assign(prefix);
    for (int pad = length; pad < width; ++pad) out += L'0';
    while (length > 0) out += digits[--length];
  }

  static void Fill(TJQd& record, long i) {
    const long floor = 1 + (i / 13) % 30;
    Number(record.floor.str(), L"", floor, 0);
    if (i % 7 == 0) {
      std::wstring last;
      Number(last, L",", floor + 3, 0);
      record.floor.str() += last;
    }
    record.typePath = i % 11 == 0 ? L"ZS\\LMZS" : L"Q\\TWQ";
    Number(record.componentName.str(), L"构件", ((i * 7919) % 2003 * 3 + i % 5) % 150, 0);
    record.subType = L"240";
    const long quantity = (i * 104729) % 50;
    Number(record.quantity.str(), L"", quantity / 10, 0);
    record.quantity.str() += L'.';
    record.quantity.str() += static_cast<wchar_t>(L'0' + quantity % 10);
    Number(record.position.str(), L"A/", i % 5000, 0);
    Number(record.handle.str(), L"H", i, 0);
    record.description = L"长*宽*高||说明";
    static const wchar_t* const kPartitions[] = {L"1区", L"2区", L"3区"};
    for (size_t p = 0; p < record.partitions.size(); ++p) {
      record.partitions[p].name = kPartitions[p];
      record.partitions[p].quantity = static_cast<double>((quantity + p) % 3);
    }
  }

  SNYTJQdDeClassResult entry_;
};

void AddChapters(testing::TestServices& services) {
  for (int chapter = 0; chapter < 40; ++chapter) {
    const std::wstring code = L"01" + std::to_wstring(40 + chapter);
    services.library->bill_chapters[code] = {CString(L"章" + std::to_wstring(chapter)),
                                             CString(std::to_wstring(chapter))};
  }
  for (int chapter = 1; chapter < 10; ++chapter) {
    services.library->quota_chapters[L"A" + std::to_wstring(chapter)] = {
        CString(L"定额章" + std::to_wstring(chapter)), CString(std::to_wstring(chapter))};
  }
}

void BM_BillBuild(benchmark::State& state) {
  testing::TestServices services;
  AddChapters(services);
  const long records = state.range(0);
  for (auto _ : state) {
    const size_t heap_before = mallinfo2().uordblks;
    ReportTables tables({L"主体建筑面积"});
    RecordGenerator generator;
    for (long i = 0; i < records; ++i) {
      const SNYTJQdDeClassResult entry = generator.Make(i);
      tables.AddClassifiedEntry(KeysOf(entry));
    }
    tables.FinishBillEntries();
    tables.BuildComponentSummaryFromBills();
    state.counters["heap_mb"] =
        static_cast<double>(mallinfo2().uordblks - heap_before) / (1024.0 * 1024.0);
    benchmark::DoNotOptimize(tables.bill_summary().data());
    state.PauseTiming();
    { ReportTables discard = std::move(tables); }
    state.ResumeTiming();
  }
  // Each entry is one bill record and two quota records.
  state.counters["records_per_second"] = benchmark::Counter(
      static_cast<double>(records) * 3 * state.iterations(), benchmark::Counter::kIsRate);
  state.counters["seconds_per_record"] =
      benchmark::Counter(static_cast<double>(records) * 3 * state.iterations(),
                         benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void BM_QuotaBuild(benchmark::State& state) {
  testing::TestServices services;
  AddChapters(services);
  const long records = state.range(0);
  for (auto _ : state) {
    ReportTables tables({L"主体建筑面积"});
    RecordGenerator generator;
    for (long i = 0; i < records; ++i) {
      const TJQd quota = generator.Make(i).quotas[0];
      tables.AddQuotaRecord(KeysOf(quota));
    }
    tables.BuildComponentSummaryFromQuotas();
    benchmark::DoNotOptimize(tables.quota_summary().data());
    state.PauseTiming();
    { ReportTables discard = std::move(tables); }
    state.ResumeTiming();
  }
  state.counters["records_per_second"] = benchmark::Counter(
      static_cast<double>(records) * state.iterations(), benchmark::Counter::kIsRate);
  state.counters["seconds_per_record"] =
      benchmark::Counter(static_cast<double>(records) * state.iterations(),
                         benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

// The physical-quantity intake alone over the records of a bill build, and
// the heap it holds once filled (glibc's count of bytes in use).
void BM_PhysicalBuild(benchmark::State& state) {
  const long records = state.range(0);
  for (auto _ : state) {
    const size_t heap_before = mallinfo2().uordblks;
    PhysicalTables tables;
    RecordGenerator generator;
    for (long i = 0; i < records; ++i) {
      const EntryKeys keys = KeysOf(generator.MakePhysical(i));
      tables.Add(keys.bill);
      for (const RecordKeys& quota : keys.quotas) tables.Add(quota);
    }
    tables.FinishDecoration();
    tables.Sort();
    state.counters["heap_mb"] =
        static_cast<double>(mallinfo2().uordblks - heap_before) / (1024.0 * 1024.0);
    benchmark::DoNotOptimize(tables.concrete(true).floors().data());
    state.PauseTiming();
    { PhysicalTables discard = std::move(tables); }
    state.ResumeTiming();
  }
  state.counters["records_per_second"] = benchmark::Counter(
      static_cast<double>(records) * 3 * state.iterations(), benchmark::Counter::kIsRate);
}

// What the index analysis and the cloud-index data add to a bill build of the
// same records: each record is offered to index groups whose sources it hits
// (the walls) or misses (the facade), and gathered into the cloud-index data.
void BM_IndexAndCloudIntake(benchmark::State& state) {
  const long records = state.range(0);
  std::vector<SIndexGroup> groups(6);
  for (size_t g = 0; g < groups.size(); ++g) {
    groups[g].name = L"指标" + std::to_wstring(g);
    groups[g].unit = g % 2 == 0 ? L"m2" : L"m3";
    for (int item = 0; item < 5; ++item) {
      groups[g].items.push_back({L"项" + std::to_wstring(item), {{L"Q\\TWQ", L""}}, {}, {}});
    }
  }
  for (auto _ : state) {
    IndexAnalysisTable index;
    index.SetGroups(groups);
    CCloudDataMng cloud;
    CloudDataIntake intake(cloud);
    RecordGenerator generator;
    for (long i = 0; i < records; ++i) {
      const EntryKeys keys = KeysOf(generator.Make(i));
      index.Offer(keys.bill);
      intake.Add(keys.bill, keys.bill.component_name);
      for (const RecordKeys& quota : keys.quotas) {
        index.Offer(quota);
        intake.Add(quota, quota.component_name);
      }
    }
    benchmark::DoNotOptimize(cloud.GetUnits().data());
  }
  state.counters["records_per_second"] = benchmark::Counter(
      static_cast<double>(records) * 3 * state.iterations(), benchmark::Counter::kIsRate);
}

BENCHMARK(BM_BillBuild)->Arg(10'000)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_QuotaBuild)->Arg(10'000)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PhysicalBuild)
    ->Arg(10'000)
    ->Arg(100'000)
    ->Arg(1'000'000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_IndexAndCloudIntake)
    ->Arg(10'000)
    ->Arg(100'000)
    ->Arg(1'000'000)
    ->Unit(benchmark::kMillisecond);
}  // namespace

}  // namespace reportdata

BENCHMARK_MAIN();
