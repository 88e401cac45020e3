// The engine: the one object that holds everything the module knows about
// the open project — every report tree, the project and system directories,
// the current partition and condition, the merge flag, and the outside
// objects the builds and queries use. Every exported facade obtains it
// through GetEngine() and calls one of its operations with the facade's table
// type code. The engine is created on first use and lives until the process
// ends; it is used from one thread at a time, and files every table on it.
#ifndef REPORTDATA_ENGINE_ANALYZE_H_
#define REPORTDATA_ENGINE_ANALYZE_H_

#include <memory>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "areas/area_tables.h"
#include "areas/physical_tables.h"
#include "engine/deferred_reads.h"
#include "engine/table_definitions.h"
#include "model/report_tables.h"
#include "reportdata/cloud_data.h"
#include "reportdata/framework.h"
#include "reportdata/records.h"
#include "reportdata/report_types.h"
#include "reportdata/services.h"
#include "rows/row_selection.h"

namespace reportdata {

class CalculationRecords;
class CloudDataIntake;
struct RecordsOutline;

class CAnalyze : public CObject {
 public:
  CAnalyze();
  ~CAnalyze() override;
  CAnalyze(const CAnalyze&) = delete;
  CAnalyze& operator=(const CAnalyze&) = delete;

  // Engine state.
  void SetHebing(bool merge) { merge_ = merge; }
  bool merge() const { return merge_; }
  void SetCondition(const CString& condition) { condition_ = condition.str(); }
  const std::wstring& condition() const { return condition_; }
  void SetCurrentPartition(const CString& partition) { partition_ = partition.str(); }
  CString GetCurrentPartitionName() const { return partition_; }
  // The partition names sorted in natural order, then "未分区".
  void GetEngPatitions(std::vector<CString>& partitions) const;
  const std::set<std::wstring>& partitions() const { return partitions_; }
  std::set<std::wstring>& mutable_partitions() { return partitions_; }
  CCloudDataMng* GetCloudDataMnd() { return &cloud_; }
  // Appends the calculated-floor names; does not clear the array.
  void GetCalFloorMsg(CArray<CString>& floors) const;
  std::vector<CString>& cal_floors() { return cal_floors_; }
  const std::vector<std::wstring>& common_parameter_names() const { return common_params_; }
  // The tables, with every file a reload holds read first.
  ReportTables& tables() {
    deferred_.LoadAll();
    return tables_;
  }
  AreaTables& area_tables() {
    deferred_.LoadAll();
    return areas_;
  }
  PhysicalTables& physical() {
    deferred_.LoadAll();
    return physical_;
  }
  const std::wstring& project_dir() const { return project_dir_; }
  const std::wstring& system_dir() const { return system_dir_; }

  // Empties every table; keeps the project, the partitions and the settings.
  void ReleaseAll();

  // Row queries by table type code.
  void GetTreeItem(CStringArray& items, int code);
  void GetItemData(const CString& name, CStringArray& rows, int code);
  void GetTotalData(CStringArray& rows, int code);
  // GetTotalData's rows without the instance lists, as a reader sees them.
  void GetShownRows(CStringArray& rows, int code);
  // The rows GetTotalData gives, the header not counted, made by no cell.
  std::size_t CountTotalRows(int code);
  void GetItemData(CStringArray& floors, CStringArray& second, CStringArray& rows, int code);
  void GetNewItemData(const CString& name, CStringArray& rows, int code);
  void GetDataByCondition(CStringArray& a, CStringArray& b, CStringArray& c, int code,
                          const CString& condition);
  void GetHandles(CStringArray& row_cells, CString& handles, CString& floor, CStringArray& out,
                  CStringArray& unused, int code);
  void GetAllQdInfoForFenQu(CArray<FenQuQdHZInfo>& out, bool from_bills);
  void GetAllDeInfoForFenQu(CArray<FenQuQdHZInfo>& out);

  // Build and reload pipelines.
  void InitQdData(const CString& report_dir);
  bool ShowQdListDialog();
  bool InitialTable(const CString& report_dir);
  // Why the last build of the bill (quota) side could not read its inputs;
  // empty when it could, or after a reload of that side. A failed build
  // keeps the tables as they were, and the write sequence of its side then
  // writes nothing, so the files of the last good build stay.
  const std::wstring& bill_build_failure() const { return bill_failure_; }
  const std::wstring& quota_build_failure() const { return quota_failure_; }
  void InitDataFromXml(const CString& report_dir);
  bool InitialTableFromXml(const CString& report_dir);

  // Table files (the bill family, the quota family, the export file) and the
  // settings files kept beside them.
  void Write_xml(const CString& report_dir);
  void WriteXML(const CString& report_dir);
  void ExportToXML(const CString& path);
  void ReadNormXml(const CString& report_dir);
  void WriteReportCompColumn(const SReportColunm& root, const CString& dir);
  void ReadReportCompColumn(SReportColunm& root, const CString& dir);

  // Answers of the area tables.
  void GetProjectArea(CString& total, CString& above_ground, CString& below_ground,
                      CString& first_floor);

  // Services reached through the engine's open objects.
  bool GetIsPriatedCalResult(const CString& dir, bool flag);
  bool GetCompIndexByCompDir(const CString& comp_dir, CString& index);
  bool ShowDePriceDialog();
  bool ReadDePrice(std::map<STJReportDePriceId, CString>& prices);
  bool ReadDeCategoryShowConfig(std::map<CString, std::set<CString>>& config);
  bool WriteDeCategoryShowConfig(const std::map<CString, std::set<CString>>& config);
  bool GetFloorBaseInfo(const CString& floor, STJReportFloorBaseInfo& info);
  bool GetAllFloorNames(CStringArray& names);
  bool GetProjectSummary(std::vector<SNYPair>& pairs);
  bool GetOutDesignLevel(double& level);

 private:
  QueryState State() const;
  // The trees and state that the table definitions answer from.
  TableContext Context() { return {tables_, areas_, State()}; }
  // Intake of the building-area table from the calculation database, and the
  // hand-over of its floor areas to the cloud-index data. False when the
  // database could not be read.
  bool BuildBuildingArea();
  // Replaces each table read from the calculation database at the end of a
  // build (the door and window table) with the database's records, in
  // catalogue order. False when the database could not be read; that
  // table is left empty.
  bool ReadDatabaseTables();
  // The last steps of a build that read only its trees: the component
  // summary from the bill trees or the quota trees, the component table from
  // the summary, and the physical tables sorted.
  void BuildComponentTables(bool from_bills);
  // Sets the project directory from a report data directory (the text before
  // its last separator); false when it has none and the directory is kept.
  bool SetProjectDirFromReportDir(const CString& report_dir);
  // Sets the project directory from a report data directory for a reload (the
  // whole text when it has no separator) and makes the project current for
  // the calculation-database service.
  void SetProjectDirForReload(const CString& report_dir);
  void FillSystemDir();
  bool OpenCalDatabase(bool flag);
  bool OpenAttrProxy();
  // Begins a build of report_dir: reads the files a reload still holds,
  // empties failure, sets the project and system directories and opens
  // both, the database for reading; on failure records the reason in
  // failure.
  bool OpenBuildInputs(const CString& report_dir, bool flag, std::wstring& failure);
  // Records why a build failed and shows the settings error message.
  void FailBuild(std::wstring& failure, std::wstring reason);
  // The library step: fills the bill and quota library keys; flag 1 reads
  // only the project's own quota library.
  void InitLibraries(int flag);
  // The quota library key as the price operations find it.
  CString QuotaKeyForPrices();
  SNYRAGetResultParam BillResultParam() const;
  // The rebuild reset of the build pipeline.
  void ResetForRebuild();
  // Empties the tables filed from the records (RecordFiling::start), and
  // hands one record to each of them.
  void StartFilingTables();
  void FileRecord(const RecordKeys& record, FiledRecord as);
  // Runs the rebuild reset, reads the index settings, then files the bill
  // side's records as they come, the partitions and floors of their outline
  // first; progress shows how many are filed. With
  // with_doors_windows, builds the door and window table from the
  // calculation database too. False when a read of the records failed.
  bool BuildBillTables(CalculationRecords& records, const RecordsOutline& outline,
                       bool with_doors_windows, NyProInterface& progress);
  // Hands a bill record that enters the bill summary, by its keys, to the
  // index analysis and the cloud-index data.
  void AddBillToCloudData(const RecordKeys& bill, CloudDataIntake& cloud);
  void AppendCalculatedFloors(const std::vector<std::wstring_view>& floors);
  // Replaces the index groups with those of "\AnalyzeComponent.xml" beside
  // the system directory; none when it is missing or unreadable.
  void ReadIndexSettingsFile();
  // Reads the table files of one family after the project directory is set:
  // the small files at once, the others held for their first query.
  void ReadBillFamily(const CString& report_dir);
  void ReadQuotaFamily(const CString& report_dir);
  void ReadSharedTables(std::wstring_view dir);
  void HoldPhysicalTables(std::wstring_view dir, bool bill_side);
  // Writes the table files of one family: the partitions, the family's own
  // tables, the shared tables, and the physical tables of the quota side,
  // with bill_side those of the bill side before them.
  void WriteFamily(const CString& report_dir, bool bill_side);
  // Reads the table files of one side's tables (table_definitions.h), at
  // once or held for their first query.
  void ReadTables(std::wstring_view dir, TableSide side);
  // Holds the table file name of dir for read(), a step of `table`.
  void HoldTableFile(int table, std::wstring_view dir, std::wstring_view name,
                     std::function<void()> read);

  bool merge_ = true;
  std::wstring condition_;
  std::vector<std::wstring> common_params_;  // the 20 common calculation parameter names
  std::vector<CString> cal_floors_;          // calculated-floor names, in build order
  ReportTables tables_;                      // bill and quota trees, component summary
  AreaTables areas_;                         // building area, doors and windows, rooms
  PhysicalTables physical_;                  // concrete and decoration tables of both sides
  CCloudDataMng cloud_;
  DeferredReads deferred_;           // files of the last reloads not read yet
  std::wstring system_dir_;          // with a trailing separator once filled
  std::wstring project_dir_;         // without a trailing separator
  IDMDatabase* database_ = nullptr;  // owned by the calculation-database service
  std::wstring partition_;           // current partition; empty for the whole project
  std::set<std::wstring> partitions_;
  std::unique_ptr<IEAPObject> attr_proxy_;
  CString bill_key_ = L"-1";    // bill library key of the last library step
  CString quota_key_ = L"-1";   // quota library key of the last library step
  std::wstring bill_failure_;   // see bill_build_failure()
  std::wstring quota_failure_;  // see quota_build_failure()
};

// The engine, created on first call.
CAnalyze* GetEngine();

}  // namespace reportdata

#endif  // REPORTDATA_ENGINE_ANALYZE_H_
