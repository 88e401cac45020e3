// The build pipelines: the silent bill build, the interactive bill rebuild
// and the silent quota build. Each pulls the project's calculation results
// one record at a time (services/calculation_records.h) and files every
// record into the engine's trees on the calling thread, in the order the
// host's reports rely on: one filing loop per side.
#include <string>

#include "engine/analyze.h"
#include "engine/floor_names.h"
#include "engine/project_settings.h"
#include "keys/floor_text.h"
#include "keys/hash_index.h"
#include "model/tree_insert.h"
#include "platform/message_box.h"
#include "platform/text.h"
#include "services/cal_database.h"
#include "services/cloud_data_intake.h"
#include "services/held_results.h"

namespace reportdata {

namespace {

// The silent builds report through the progress-dialog service too: a build
// of a large project takes a while. The count is shown every few thousand
// records, often enough for a person and rarely enough for any display.
void ShowFilingCount(NyProInterface& progress, size_t done, size_t total) {
  if (done % 4096 != 0 && done != total) return;
  progress.SetShowInformation(L"正在汇总 " + std::to_wstring(done) + L"/" + std::to_wstring(total) +
                              L" 条计算结果");
}

// Ends the read of the calculation database that a build began, on every
// way out of the build.
class EndReadOnExit {
 public:
  explicit EndReadOnExit(IDMDatabase& database) : database_(database) {}
  ~EndReadOnExit() { database_.EndRead(); }
  EndReadOnExit(const EndReadOnExit&) = delete;
  EndReadOnExit& operator=(const EndReadOnExit&) = delete;

 private:
  IDMDatabase& database_;
};

}  // namespace

void CAnalyze::FailBuild(std::wstring& failure, std::wstring reason) {
  failure = std::move(reason);
  ShowMessageBox(kSettingsErrorText, kMessageBoxCaption, MessageBoxIcon::kExclamation);
}

bool CAnalyze::OpenBuildInputs(const CString& report_dir, bool flag, std::wstring& failure) {
  deferred_.LoadAll();
  failure.clear();
  SetProjectDirFromReportDir(report_dir);
  FillSystemDir();
  if (!OpenCalDatabase(flag) || !database_->BeginRead()) {
    const std::string& why = CalDatabase::LastFailure();
    FailBuild(failure, L"cannot read the calculation database in " + project_dir_ +
                           (why.empty() ? L" (missing, damaged, or written by a newer version)"
                                        : L": " + FromUtf8(why)));
    return false;
  }
  if (!OpenAttrProxy()) {
    database_->EndRead();
    FailBuild(failure, L"cannot read the project description project.ld in " + project_dir_);
    return false;
  }
  return true;
}

void CAnalyze::ResetForRebuild() {
  partitions_.clear();
  tables_.ClearBillSide();
  cloud_.Clear();
  StartFilingTables();
  areas_.building_area.Clear();
}

void CAnalyze::StartFilingTables() {
  for (const TableDefinition* table : RecordFiledTables()) {
    if (table->filing.start != nullptr) table->filing.start(areas_);
  }
}

void CAnalyze::FileRecord(const RecordKeys& record, FiledRecord as) {
  for (const TableDefinition* table : RecordFiledTables()) table->filing.file(areas_, record, as);
}

SNYRAGetResultParam CAnalyze::BillResultParam() const {
  return {.billLibKey = bill_key_,
          .quotaLibKey = quota_key_,
          .b0 = true,
          .b2 = true,
          .b3 = true,
          .b4 = true,
          .b5 = true,
          .b7 = OwnQuotaMergeFlag(project_dir_)};
}

void CAnalyze::InitQdData(const CString& report_dir) {
  if (!OpenBuildInputs(report_dir, true, bill_failure_)) return;
  const EndReadOnExit end_read(*database_);
  InitLibraries(0);
  NyProInterface progress;
  progress.ShowProgressDialog(L"处理清单报表中...", nullptr);
  progress.SetShowInformation(L"正在读取计算结果!");
  // Until the outline is read the engine's partitions and tables stay as
  // they were.
  const std::unique_ptr<CalculationRecords> records =
      PullRecords(project_dir_, true, BillResultParam());
  RecordsOutline outline;
  if (!records || !records->ReadOutline(true, outline)) {
    FailBuild(bill_failure_, L"cannot read the bill results of " + project_dir_);
    return;
  }
  if (BuildBillTables(*records, outline, true, progress)) return;
  // Damage that the count could not see fails the filing half way: no
  // half-built bill tables are left behind.
  ResetForRebuild();
  physical_.Clear();
  FailBuild(bill_failure_, L"cannot read the bill results of " + project_dir_);
}

bool CAnalyze::ShowQdListDialog() {
  deferred_.LoadAll();
  HeldResults held;
  {
    NyProInterface progress;
    progress.ShowProgressDialog(L"处理清单编码中...", nullptr);
    if (attr_proxy_) {
      NS_NYProject::SBillQuotaLibInfo library;
      bill_key_ = attr_proxy_->GetBillLibInfo(library) ? library.key : CString();
      quota_key_ = attr_proxy_->GetQuotaLibInfo(library, false) ? library.key : CString();
    } else {
      progress.SetShowInformation(L"正在初始化工程设置信息!");
      if (!OpenAttrProxy()) {
        ShowMessageBox(kSettingsErrorText, kMessageBoxCaption, MessageBoxIcon::kExclamation);
      }
      InitLibraries(0);
    }
    progress.SetShowInformation(L"正在初始化编码数据!");
    const bool read = held.AskBillResults(project_dir_, BillResultParam());
    progress.CloseProgressDialog();
    if (!read) return false;
  }
  if (!CNYRADealCalResult::ShowQdListDialog(project_dir_, bill_key_, quota_key_, held.entries(),
                                            held.other_items())) {
    return false;
  }
  NyProInterface progress;
  progress.ShowProgressDialog(L"处理报表数据中...", nullptr);
  progress.SetShowInformation(L"正在重新加载报表数据!");
  // The outline of the lists as the dialog left them.
  RecordsOutline outline;
  held.ReadOutline(true, outline);
  const bool built = BuildBillTables(held, outline, false, progress);
  progress.CloseProgressDialog();
  if (!built) {
    ResetForRebuild();
    physical_.Clear();
    FailBuild(bill_failure_, L"cannot read the bill results of " + project_dir_);
    return false;
  }
  // A rebuild that could read its results allows writing again, as a bill
  // build does.
  bill_failure_.clear();
  return true;
}

void CAnalyze::AddBillToCloudData(const RecordKeys& bill, CloudDataIntake& cloud) {
  // Bill records without a name stay out of the bill summary and so out of
  // the cloud-index data.
  if (bill.bill_name.empty()) return;
  FileRecord(bill, FiledRecord::kBill);
  cloud.Add(bill, FiledComponentName(bill, IsFacadeTypePath(bill.type_path)));
}

bool CAnalyze::BuildBillTables(CalculationRecords& records, const RecordsOutline& outline,
                               bool with_doors_windows, NyProInterface& progress) {
  ResetForRebuild();
  ReadIndexSettingsFile();
  for (const CString& name : outline.partitions) partitions_.insert(name.str());
  FloorNames floor_names;
  for (const CString& floor : outline.floors) floor_names.Add(std::wstring_view(floor.str()));
  FloorNames decoration_floors;
  physical_.Clear();

  // Each entry is filed whole before the next is read: the trees, the
  // cloud-index data and the index analysis by its bill record, and the
  // physical tables and the rooms, unless it is a facade's, by its bill
  // record and its quota records, the bill side taking the records of the
  // bill kind.
  CloudDataIntake cloud(cloud_);
  size_t done = 0;
  const bool entries_read = records.EachEntry([&](const EntryKeys& keys) {
    ShowFilingCount(progress, ++done, outline.count);
    tables_.AddClassifiedEntry(keys);
    AddBillToCloudData(keys.bill, cloud);
    if (IsFacadeTypePath(keys.bill.type_path)) {
      decoration_floors.Add(keys.bill.floor);
      return;
    }
    physical_.AddToSide(true, keys.bill);
    physical_.AddToSide(false, keys.bill);
    for (const RecordKeys& quota : keys.quotas) {
      if (IsBillRecord(quota)) physical_.AddToSide(true, quota);
      physical_.AddToSide(false, quota);
      FileRecord(quota, FiledRecord::kEntryQuota);
    }
  });
  if (!entries_read) return false;
  physical_.FinishDecoration();
  const bool loose_read = records.EachLooseQuota([&](const RecordKeys& keys) {
    if (IsBillRecord(keys)) return;
    if (IsFacadeTypePath(keys.type_path)) {
      decoration_floors.Add(keys.floor);
    } else {
      FileRecord(keys, FiledRecord::kLooseQuota);
    }
    tables_.AddLooseQuota(keys);
  });
  // Other items are filed like classified entries, the cloud-index data included.
  const bool read = loose_read && records.EachOtherItem([&](const EntryKeys& keys) {
    tables_.AddOtherItem(keys);
    AddBillToCloudData(keys.bill, cloud);
  });
  if (!read) return false;

  // A decoration floor stands on its own only when no floor name (those of
  // the result and the decoration floors added before it) stands for it.
  floor_names.AddUncovered(decoration_floors);
  AppendCalculatedFloors(floor_names.Texts());
  if (!BuildBuildingArea()) return false;
  areas_.index_analysis.SetBuildingArea(areas_.building_area);
  cloud_.InitDifCalArea(cal_floors_);

  // The end of the build, step by step: the component summary and table
  // from the bill summary, the bill parts of the bill consumption table, and
  // the door and window table, which nothing filed above reads.
  BuildComponentTables(true);
  tables_.FinishBillEntries();
  return !with_doors_windows || ReadDatabaseTables();
}

void CAnalyze::AppendCalculatedFloors(const std::vector<std::wstring_view>& floors) {
  // Looked up through an index over the list itself, so that a project of
  // many floors neither compares each new floor with all before it nor
  // copies every name into a set.
  HashIndex listed;
  const auto hash_of = [](std::wstring_view floor) { return HashFold(HashText(floor)); };
  cal_floors_.reserve(cal_floors_.size() + floors.size());
  for (const std::wstring_view floor : floors) {
    const int at = FindFirst(
        cal_floors_, listed, [&] { return hash_of(floor); },
        [&](const CString& listed_floor) { return hash_of(listed_floor.str()); },
        [&](const CString& listed_floor) { return listed_floor.str() == floor; });
    if (at < 0) cal_floors_.emplace_back(floor);
  }
}

bool CAnalyze::InitialTable(const CString& report_dir) {
  if (!OpenBuildInputs(report_dir, false, quota_failure_)) return false;
  const EndReadOnExit end_read(*database_);
  InitLibraries(1);
  NyProInterface progress;
  progress.ShowProgressDialog(L"处理定额报表中...", nullptr);
  progress.SetShowInformation(L"正在读取计算结果!");
  const SNYRAGetResultParam param{
      .billLibKey = L"-1", .quotaLibKey = quota_key_, .b2 = true, .b3 = true, .b4 = true};
  // Until the outline is read the engine's partitions and tables stay as
  // they were.
  const std::unique_ptr<CalculationRecords> records = PullRecords(project_dir_, false, param);
  RecordsOutline outline;
  if (!records || !records->ReadOutline(false, outline)) {
    FailBuild(quota_failure_, L"cannot read the quota results of " + project_dir_);
    return false;
  }
  // A second build of the same project replaces the quota tables rather than
  // adding every quantity twice.
  tables_.ClearQuotaSide();
  physical_.ClearQuotaSide();
  ReadIndexSettingsFile();
  partitions_.clear();
  for (const CString& name : outline.partitions) partitions_.insert(name.str());
  FloorNames floor_names;
  for (const CString& floor : outline.floors) floor_names.Add(std::wstring_view(floor.str()));
  StartFilingTables();
  // A build that fails part way leaves no half-built quota tables behind.
  const auto fail = [&] {
    tables_.ClearQuotaSide();
    physical_.ClearQuotaSide();
    StartFilingTables();
    FailBuild(quota_failure_, L"cannot read the quota results of " + project_dir_);
    return false;
  };

  size_t done = 0;
  CloudDataIntake cloud(cloud_);
  const bool quotas_read = records->EachQuota([&](const RecordKeys& keys) {
    ShowFilingCount(progress, ++done, outline.count);
    tables_.AddQuotaRecord(keys);
    FileRecord(keys, FiledRecord::kQuota);
    const bool facade = IsFacadeTypePath(keys.type_path);
    cloud.Add(keys, FiledComponentName(keys, facade));
    if (!facade) {
      floor_names.Add(keys.floor);
      physical_.Add(keys);
    }
  });
  if (quotas_read) physical_.FinishDecoration();
  if (!quotas_read || !records->EachOtherQuota([&](const RecordKeys& keys) {
        tables_.AddQuotaRecord(keys);
        FileRecord(keys, FiledRecord::kOtherQuota);
        floor_names.Add(keys.floor);
        cloud.Add(keys, keys.component_name);
      })) {
    return fail();
  }

  // The building area lands on the project's floors, so they are known
  // before its records are resolved; floors it adds reach the cloud-index
  // data with the others.
  AppendCalculatedFloors(floor_names.Texts());
  areas_.building_area.Clear();
  const bool areas_read = BuildBuildingArea();
  areas_.index_analysis.SetBuildingArea(areas_.building_area);
  cloud_.InitDifCalArea(cal_floors_);
  // The end of the build: the component summary and table from the quota
  // trees, then the door and window table.
  BuildComponentTables(false);
  if (ReadDatabaseTables() && areas_read) return true;
  areas_.building_area.Clear();
  return fail();
}

void CAnalyze::BuildComponentTables(bool from_bills) {
  tables_.ClearComponentSummary();
  if (from_bills) {
    tables_.BuildComponentSummaryFromBills();
  } else {
    tables_.BuildComponentSummaryFromQuotas();
  }
  areas_.component_table.Clear();
  areas_.component_table.AddSummary(tables_.component_summary());
  physical_.Sort();
}

}  // namespace reportdata
