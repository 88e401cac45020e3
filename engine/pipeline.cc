// The build pipelines: the silent bill build, the interactive bill rebuild
// and the silent quota build. Each asks the outside services for the
// project's calculation results and files every record into the engine's
// trees, in the order the host's reports rely on.
#include <functional>
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
#include "services/stored_results.h"

namespace reportdata {

// The records of a bill build: the project's partitions and floors, then
// the classified entries, the loose quota records and the other items, each
// step handing its records to the filing one at a time; a step is false when
// its read failed. The entry steps hand the filing each entry's keys, its
// bill record's calculation item included.
struct BillInput {
  std::set<CString> partitions;
  std::vector<CString> floors;
  size_t entries = 0;  // classified entries, for the progress count
  std::function<bool(const EntryKeysVisitor&)> each_entry;
  std::function<bool(const KeysVisitor&)> each_loose_quota;
  std::function<bool(const EntryKeysVisitor&)> each_other_item;
};

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

// A host service's records are interned field by field as they are handed out.
bool EachHeldEntry(SNYRAQdDeClassResultInfo& result, const EntryKeysVisitor& file) {
  EntryKeys keys;
  for (SNYTJQdDeClassResult& entry : result.items) {
    KeysOf(entry, keys);
    file(keys);
  }
  return true;
}

bool EachHeldRecord(const std::vector<TJQd>& records, const KeysVisitor& file) {
  for (const TJQd& record : records) file(KeysOf(record));
  return true;
}

// Hands out the answers of the calculation-result service, held whole.
BillInput HeldBillInput(SNYRAQdDeClassResultInfo& result, SNYRAQdDeClassResultInfo& other_items) {
  BillInput input;
  input.partitions = result.partitions;
  input.floors = result.floors;
  input.entries = result.items.size();
  input.each_entry = [&result](const EntryKeysVisitor& file) {
    return EachHeldEntry(result, file);
  };
  input.each_loose_quota = [&result](const KeysVisitor& file) {
    return EachHeldRecord(result.looseQuotas, file);
  };
  input.each_other_item = [&other_items](const EntryKeysVisitor& file) {
    return EachHeldEntry(other_items, file);
  };
  return input;
}

// Hands out the stored results row by row. False when the partitions or
// floors cannot be read. The count of the entries is taken before (see
// InitQdData).
bool StoredBillInput(StoredResults& stored, BillInput& input) {
  input.each_entry = [&stored](const EntryKeysVisitor& file) {
    return stored.EachEntry(false, file);
  };
  input.each_loose_quota = [&stored](const KeysVisitor& file) {
    return stored.EachLooseQuota(file);
  };
  input.each_other_item = [&stored](const EntryKeysVisitor& file) {
    return stored.EachEntry(true, file);
  };
  return stored.ReadPartitionsAndFloors(input.partitions, input.floors);
}

// The records of a quota build, handed out as those of a bill build are.
struct QuotaInput {
  std::set<CString> partitions;
  std::vector<CString> floors;
  size_t quotas = 0;  // for the progress count
  std::function<bool(const KeysVisitor&)> each_quota;
  std::function<bool(const KeysVisitor&)> each_other_quota;
};

QuotaInput HeldQuotaInput(SNYRADeResultInfo& result, SNYRADeResultInfo& other_items) {
  QuotaInput input;
  input.partitions = result.partitions;
  input.floors = result.floors;
  input.quotas = result.quotas.size();
  input.each_quota = [&result](const KeysVisitor& file) {
    return EachHeldRecord(result.quotas, file);
  };
  input.each_other_quota = [&other_items](const KeysVisitor& file) {
    return EachHeldRecord(other_items.quotas, file);
  };
  return input;
}

bool StoredQuotaInput(StoredResults& stored, QuotaInput& input) {
  input.each_quota = [&stored](const KeysVisitor& file) {
    return stored.EachQuotaResult(false, file);
  };
  input.each_other_quota = [&stored](const KeysVisitor& file) {
    return stored.EachQuotaResult(true, file);
  };
  return stored.ReadPartitionsAndFloors(input.partitions, input.floors) &&
         stored.CountQuotaResults(false, input.quotas);
}

}  // namespace

void CAnalyze::FailBuild(std::wstring& failure, std::wstring reason) {
  failure = std::move(reason);
  ShowMessageBox(kSettingsErrorText, kMessageBoxCaption, MessageBoxIcon::kExclamation);
}

bool CAnalyze::OpenBuildInputs(bool flag, std::wstring& failure) {
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
  areas_.rooms.Clear();
  areas_.building_area.Clear();
}

SNYRAGetResultParam CAnalyze::BillResultParam() const {
  SNYRAGetResultParam param;
  param.billLibKey = bill_key_;
  param.quotaLibKey = quota_key_;
  param.b0 = true;
  param.b2 = true;
  param.b3 = true;
  param.b4 = true;
  param.b5 = true;
  param.b7 = OwnQuotaMergeFlag(project_dir_);
  return param;
}

void CAnalyze::InitQdData(const CString& report_dir) {
  deferred_.LoadAll();
  bill_failure_.clear();
  SetProjectDirFromReportDir(report_dir);
  FillSystemDir();
  if (!OpenBuildInputs(true, bill_failure_)) return;
  const EndReadOnExit end_read(*database_);
  const std::set<std::wstring> old_partitions = partitions_;
  partitions_.clear();
  // The stored results are filed while their rows are read; a host's
  // calculation-result service answers with its vectors, held whole.
  const std::unique_ptr<StoredResults> stored = StoredResults::Open(project_dir_);
  BillInput input;
  // Counting the stored entries reads every row once, so that most damage
  // is found before the tables change.
  const bool counted = !stored || stored->CountEntries(false, input.entries);
  InitLibraries(0);

  NyProInterface progress;
  progress.ShowProgressDialog(L"处理清单报表中...", nullptr);
  progress.SetShowInformation(L"正在读取计算结果!");
  SNYRAQdDeClassResultInfo result;
  SNYRAQdDeClassResultInfo other_items;
  bool read = false;
  if (stored) {
    read = counted && StoredBillInput(*stored, input);
  } else {
    SNYRAGetResultParam param = BillResultParam();
    read = CNYRADealCalResult::GetQdDeClassResultData(project_dir_, param, result, true);
    param.b4 = false;
    read = read && CNYRADealCalResult::GetQTXMQdDeClassResult(project_dir_, param, other_items);
    input = HeldBillInput(result, other_items);
  }
  if (!read) {
    partitions_ = old_partitions;
    FailBuild(bill_failure_, L"cannot read the bill results of " + project_dir_);
    return;
  }

  ResetForRebuild();
  ReadIndexSettingsFile();
  if (BuildBillTables(input, true, progress)) return;
  // Damage that the count could not see fails the filing half way: no
  // half-built bill tables are left behind.
  ResetForRebuild();
  physical_.Clear();
  FailBuild(bill_failure_, L"cannot read the bill results of " + project_dir_);
}

bool CAnalyze::ShowQdListDialog() {
  deferred_.LoadAll();
  SNYRAQdDeClassResultInfo result;
  SNYRAQdDeClassResultInfo other_items;
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
    SNYRAGetResultParam param = BillResultParam();
    progress.SetShowInformation(L"正在初始化编码数据!");
    if (!CNYRADealCalResult::GetQdDeClassResultData(project_dir_, param, result, true)) {
      progress.CloseProgressDialog();
      return false;
    }
    param.b4 = false;
    const bool read = CNYRADealCalResult::GetQTXMQdDeClassResult(project_dir_, param, other_items);
    progress.CloseProgressDialog();
    if (!read) return false;
  }
  if (!CNYRADealCalResult::ShowQdListDialog(project_dir_, bill_key_, quota_key_, result.items,
                                            other_items.items)) {
    return false;
  }
  NyProInterface progress;
  progress.ShowProgressDialog(L"处理报表数据中...", nullptr);
  progress.SetShowInformation(L"正在重新加载报表数据!");
  ResetForRebuild();
  ReadIndexSettingsFile();
  BillInput input = HeldBillInput(result, other_items);
  const bool built = BuildBillTables(input, false, progress);
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
  areas_.index_analysis.Offer(bill);
  cloud.Add(bill, FiledComponentName(bill, IsFacadeTypePath(bill.type_path)));
}

bool CAnalyze::BuildBillTables(BillInput& input, bool with_doors_windows,
                               NyProInterface& progress) {
  partitions_.clear();
  for (const CString& name : input.partitions) partitions_.insert(name.str());
  FloorNames floor_names;
  for (const CString& floor : input.floors) floor_names.Add(std::wstring_view(floor.str()));
  FloorNames decoration_floors;
  physical_.Clear();

  // Each entry is filed whole before the next is read: the trees, the
  // cloud-index data and the index analysis by its bill record, and the
  // physical tables and the rooms, unless it is a facade's, by its bill
  // record and its quota records, the bill side taking the records of the
  // bill kind.
  CloudDataIntake cloud(cloud_);
  size_t done = 0;
  const bool entries_read = input.each_entry([&](const EntryKeys& keys) {
    ShowFilingCount(progress, ++done, input.entries);
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
      areas_.rooms.Add(quota);
    }
  });
  if (!entries_read) return false;
  physical_.FinishDecoration();
  const bool read = input.each_loose_quota([&](const RecordKeys& keys) {
    if (IsBillRecord(keys)) return;
    if (IsFacadeTypePath(keys.type_path)) {
      decoration_floors.Add(keys.floor);
    } else {
      areas_.rooms.Add(keys);
    }
    tables_.AddLooseQuota(keys);
  }) &&
                    // Other items are filed like classified entries, the cloud-index data included.
                    input.each_other_item([&](const EntryKeys& keys) {
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

void CAnalyze::AppendCalculatedFloors(const std::vector<std::wstring>& floors) {
  // Looked up through an index over the list itself, so that a project of
  // many floors neither compares each new floor with all before it nor
  // copies every name into a set.
  HashIndex listed;
  const auto hash_of = [](std::wstring_view floor) { return HashFold(HashText(floor)); };
  cal_floors_.reserve(cal_floors_.size() + floors.size());
  for (const std::wstring& floor : floors) {
    const int at = FindFirst(
        cal_floors_, listed, [&] { return hash_of(floor); },
        [&](const CString& listed_floor) { return hash_of(listed_floor.str()); },
        [&](const CString& listed_floor) { return listed_floor.str() == floor; });
    if (at < 0) cal_floors_.emplace_back(floor);
  }
}

bool CAnalyze::InitialTable(const CString& report_dir) {
  deferred_.LoadAll();
  quota_failure_.clear();
  SetProjectDirFromReportDir(report_dir);
  FillSystemDir();
  if (!OpenBuildInputs(false, quota_failure_)) return false;
  const EndReadOnExit end_read(*database_);
  const std::set<std::wstring> old_partitions = partitions_;
  partitions_.clear();
  InitLibraries(1);
  NyProInterface progress;
  progress.ShowProgressDialog(L"处理定额报表中...", nullptr);
  progress.SetShowInformation(L"正在读取计算结果!");

  const std::unique_ptr<StoredResults> stored = StoredResults::Open(project_dir_);
  SNYRADeResultInfo result;
  SNYRADeResultInfo other_items;
  QuotaInput input;
  bool read = false;
  if (stored) {
    read = StoredQuotaInput(*stored, input);
  } else {
    SNYRAGetResultParam param;
    param.billLibKey = L"-1";
    param.quotaLibKey = quota_key_;
    param.b2 = true;
    param.b3 = true;
    param.b4 = true;
    read = CNYRADealCalResult::GetDeResultData(project_dir_, param, result, true) &&
           CNYRADealCalResult::GetQTXMDeResult(project_dir_, param, other_items);
    input = HeldQuotaInput(result, other_items);
  }
  if (!read) {
    partitions_ = old_partitions;
    FailBuild(quota_failure_, L"cannot read the quota results of " + project_dir_);
    return false;
  }
  // A second build of the same project replaces the quota tables rather than
  // adding every quantity twice.
  tables_.ClearQuotaSide();
  physical_.ClearQuotaSide();
  ReadIndexSettingsFile();
  for (const CString& name : input.partitions) partitions_.insert(name.str());
  FloorNames floor_names;
  for (const CString& floor : input.floors) floor_names.Add(std::wstring_view(floor.str()));
  areas_.rooms.Clear();

  size_t done = 0;
  CloudDataIntake cloud(cloud_);
  const bool quotas_read = input.each_quota([&](const RecordKeys& keys) {
    ShowFilingCount(progress, ++done, input.quotas);
    tables_.AddQuotaRecord(keys);
    areas_.index_analysis.Offer(keys);
    const bool facade = IsFacadeTypePath(keys.type_path);
    cloud.Add(keys, FiledComponentName(keys, facade));
    if (!facade) {
      floor_names.Add(keys.floor);
      physical_.Add(keys);
      areas_.rooms.Add(keys);
    }
  });
  if (quotas_read) physical_.FinishDecoration();
  if (!quotas_read || !input.each_other_quota([&](const RecordKeys& keys) {
        tables_.AddQuotaRecord(keys);
        areas_.index_analysis.Offer(keys);
        floor_names.Add(keys.floor);
        cloud.Add(keys, keys.component_name);
      })) {
    // A read that fails half way leaves no half-built quota tables behind.
    tables_.ClearQuotaSide();
    physical_.ClearQuotaSide();
    areas_.rooms.Clear();
    FailBuild(quota_failure_, L"cannot read the quota results of " + project_dir_);
    return false;
  }

  // The building area lands on the project's floors, so they are known
  // before its records are resolved; floors it adds reach the cloud-index
  // data with the others.
  AppendCalculatedFloors(floor_names.Texts());
  areas_.building_area.Clear();
  bool areas_read = BuildBuildingArea();
  areas_.index_analysis.SetBuildingArea(areas_.building_area);
  cloud_.InitDifCalArea(cal_floors_);
  // The end of the build: the component summary and table from the quota
  // trees, then the door and window table.
  BuildComponentTables(false);
  areas_read = ReadDatabaseTables() && areas_read;
  if (!areas_read) {
    tables_.ClearQuotaSide();
    physical_.ClearQuotaSide();
    areas_.rooms.Clear();
    areas_.building_area.Clear();
    FailBuild(quota_failure_, L"cannot read the quota results of " + project_dir_);
    return false;
  }
  return true;
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
