// The exported table facades. Each class stands for one report table; its
// operations are static, hold no state and forward to the engine with the
// table's type code. Row arrays are owned by the caller.
//
// Answers come in three forms:
// - tree items: one name per top-level item; the array is cleared first.
// - layout A, a tree grid: rows of exactly GetparaNum() cells; cell 0 is the
//   row id, cell 1 the parent id ("0" at the top), the rest the table's cells.
//   The first row is the header ("1", "0", the condition text, then empty
//   cells). The array is cleared first, except for the building-area and
//   door and window tables (codes 4 and 5), whose rows are appended.
// - layout B, a flagged stream: a flag ("#ZhangFlag#", "#QDItemFlag#",
//   "#DEItemFlag#", "#FloorFlag#", "#MemFlag#", "#CalItemFlag#",
//   "#AttNameFlag#", "#RecordFlag#") opens each record and its cells follow.
//   The stream is appended: asking twice doubles the array.
// Quantities are "%f". Nothing is reported on failure: an empty table, a
// name that matches no item or a code a query does not serve gives an empty
// answer (layout A: the header row alone; unserved codes leave every array
// untouched). A table file that cannot be saved, or a damaged one, throws
// reportdata::TableFileError.
//
// Shared arguments: `name` picks the top-level item of that name, all items
// when empty; with a name, layout A also lists record rows. The three-array
// forms take (floors, second list, rows): the floor list and the second
// list narrow the table (see docs/tables.md), the rows go to the third.
// GetHandles reads the handle text of a row ("$"-joined groups of handles,
// "￥", a first text, "￥", a second text), sets `floor` from a cell of
// `rowCells` cut before "层", and appends (handle, first text, second text)
// triples to `out`; `unused` is not read.
#ifndef REPORTDATA_FACADES_H_
#define REPORTDATA_FACADES_H_

#include <map>
#include <set>
#include <vector>

#include "reportdata/cloud_data.h"
#include "reportdata/export.h"
#include "reportdata/framework.h"
#include "reportdata/records.h"
#include "reportdata/report_types.h"

// Bill summary (清单汇总表), type code 1; JSS variant 21. Tree: chapter, bill
// item, floor, component, record.
class REPORTDATA_API CInterQingDan {
 public:
  // 12: layout A cells per row.
  static int GetparaNum();
  // Chapter names in chapter order, only chapters with something visible.
  static void GetTreeItem(CStringArray& items);
  // Layout A: chapter (name in cell 2); bill item (text in cell 3, unit, quantity);
  // floor ("2,5层" in cell 4, formula "%.2f*%d层"); component; record.
  static void GetItemData(CString name, CStringArray& rows);
  // Layout A of every chapter, without record rows.
  static void GetTotalData(CStringArray& rows);
  // Layout A of the floors and component names listed, with record rows.
  static void GetItemData(CStringArray& floors, CStringArray& components, CStringArray& rows);
  // Layout B: "#ZhangFlag#" chapter; "#QDItemFlag#" code, name, unit, quantity,
  // feature, extra; "#FloorFlag#" floor, quantity, formula; "#AttNameFlag#" component,
  // quantity, handles.
  static void GetNewQdHz(CString name, CStringArray& rows);
  // Layout B appended to `rows` for the floors and components listed; the condition
  // keeps bill items whose name or feature contains it (empty keeps all).
  static void GetDataByCondition(CStringArray& rows, CStringArray& floors, CStringArray& components,
                                 const CString& condition);
  // As GetNewQdHz, with a "#RecordFlag#" line per record below each component:
  // position, quantity, description, formula, handles.
  static void GetNewQdHzJSS(CString name, CStringArray& rows);
  // As GetDataByCondition, with the record lines of GetNewQdHzJSS.
  static void GetJSSDataByCondition(CStringArray& rows, CStringArray& floors,
                                    CStringArray& components, const CString& condition);
  // Handle triples of a layout A row; the floor comes from cell 2.
  static void GetHandles(CStringArray& rowCells, CString& handles, CString& floor,
                         CStringArray& out, CStringArray& unused);
  // The component table (each drawing counted once), appended to `rows`: per
  // category ("" for all) "#ZhangFlag#" category; "#FloorFlag#" floor, pieces,
  // "%d×%d" or ""; "#RecordFlag#" component, pieces × storeys, type text,
  // "%d×%d" or "".
  static void GetGJHZ(CString name, CStringArray& rows);
  // The component summary built from the bill summary (code 14), narrowed by
  // floors and component names, appended to `rows`: "#ZhangFlag#" category;
  // "#FloorFlag#" floor, instances; "#MemFlag#" component, type text,
  // instances, handles.
  static void GetGJHZ(CStringArray& floors, CStringArray& components, CStringArray& rows);
  // Category names of the component summary (code 14); cleared first.
  static void GetMemTreeItem(CStringArray& items);
  // Bill price rows (code 50), layout B: "#ZhangFlag#" chapter, then every bill item's
  // "#QDItemFlag#" record, whatever the partition shows.
  static void GetQdPriceData(CString name, CStringArray& rows);

  // Silent bill build from the project's calculation results: the report
  // directory's parent is the project. failure receives why the build could
  // not read its inputs, and is emptied when it could; after a failed build
  // Write_xml writes nothing.
  static void InitQdData(CString reportDir, CString& failure);
  // Interactive rebuild: false when the dialog or the classification is
  // cancelled, the tables then stay as they were.
  static bool ShowQdListDialog();
  // Reloads the bill-side tables from their files; missing or unreadable files
  // leave their table as it was, a foreign one throws TableFileError.
  static void InitDataFromXml(CString reportDir);
  // Writes the bill-side table files, replacing the old ones only once all
  // are written; throws TableFileError at the first file that cannot be
  // saved, and then no file is replaced.
  static void Write_xml(CString reportDir);

  // Quota price dialog of the calculation-result service; its answer.
  static bool ShowDePriceDialog();
  // Adds the quota library's prices to the map; present keys are not replaced.
  static bool ReadDePrice(std::map<STJReportDePriceId, CString>& prices);
  // Quota category display settings: the map is cleared; false when none are kept.
  static bool ReadDeCategoryShowConfig(std::map<CString, std::set<CString>>& config);
  // Stores the settings for the project; false when they cannot be stored.
  static bool WriteDeCategoryShowConfig(const std::map<CString, std::set<CString>>& config);
  // Calculation-result check of the directory; returns the flag.
  static bool GetIsPriatedCalResult(CString dir, bool flag);

  // The partition the quantities and record texts are shown for; empty for all.
  static void SetCurrentPartition(const CString& partition);
  static CString GetCurrentPartitionName();
  // Replaces the vector with the partitions in natural order, "未分区" last.
  static void GetEngPatitions(std::vector<CString>& partitions);

  // Label, height, elevations of a floor; false when the proxy cannot be opened
  // or the floor is unknown.
  static bool GetFloorBaseInfo(CString floorName, STJReportFloorBaseInfo& info);
  // Fills the array with the project's floor names; returns false in every case.
  static bool GetAllFloorNames(CStringArray& names);
  // Clears the vector, then fills name/value pairs; false when the proxy fails.
  static bool GetProjectSummary(std::vector<SNYPair>& pairs);
  // Outdoor design level as a number; false (level untouched) when unavailable.
  static bool GetOutDesignLevel(double& level);

  // Totals by partition, one entry per chapter (the array is cleared): the
  // consumption summary (false) or the bill consumption table (true).
  static void GetAllQdInfoForFenQu(CArray<FenQuQdHZInfo>& out, bool fromBills);
  // Concrete volumes per floor, groups and items with per-grade quantities;
  // `grades` receives the grade names met.
  static void GetSWLInfoByFloor(CArray<SWLReportFloorInfo>& rows,
                                std::map<CString, CString>& grades,
                                const SWLReportInputInfo& input);
  // As GetSWLInfoByFloor, a row per partition and a "小计(m3)" row per floor.
  static void GetSWLInfoByFloorFenQu(CArray<SWLReportFloorFenQuInfo>& rows,
                                     std::map<CString, CString>& grades,
                                     const SWLReportInputInfo& input);
  // Rows per partition ("未分区" included), then per floor, with "小计" rows.
  static void GetSWLInfoByFenQufloor(CArray<SWLReportFenQuFloorInfo>& rows,
                                     std::map<CString, CString>& grades,
                                     const SWLReportInputInfo& input);
  // Rows of the physical-quantity table collection; `kinds` names their kinds.
  static void GetSWLInfoByDec(CArray<SWLReportDecSmallInfo>& rows, std::map<int, CString>& kinds,
                              const SWLReportInputInfo& input);

  // Orders condition floor names: key 0, then negative, then positive keys;
  // a name whose key is taken is dropped.
  static void SortConditionFloor(CStringArray& floors);
  // Index of a component directory ("QTXM" for "其他项目"); an unknown
  // directory leaves the index untouched. Returns true.
  static bool GetCompIndexByCompDir(const CString& compDir, CString& index);
};

// Bill consumption table (清单消耗量表), type code 2; JSS variant 22. Tree:
// chapter, bill item, quota item, floor, component, record.
class REPORTDATA_API CInterQingDan2 {
 public:
  // 13: layout A cells per row.
  static int GetparaNum();
  // Chapter names with something visible, in chapter order.
  static void GetTreeItem(CStringArray& items);
  // Layout A: chapter; bill item (text in cell 3); quota item (text in cell 4);
  // then floors, components and records one cell further right than code 1.
  static void GetItemData(CString name, CStringArray& rows);
  static void GetTotalData(CStringArray& rows);
  static void GetItemData(CStringArray& floors, CStringArray& second, CStringArray& rows);
  // Layout B: "#ZhangFlag#" chapter, code prefix; "#QDItemFlag#" as code 1;
  // "#DEItemFlag#" code, name, unit, quantity, classification text; its floors.
  static void GetNewItemData(CString name, CStringArray& rows);
  // Layout B appended to `rows`, narrowed by the lists and the condition.
  static void GetDataByCondition(CStringArray& rows, CStringArray& floors, CStringArray& second,
                                 const CString& condition);
  // As GetNewItemData with "#RecordFlag#" lines below each component.
  static void GetNewItemDataJSS(CString name, CStringArray& rows);
  static void GetJSSDataByCondition(CStringArray& rows, CStringArray& floors, CStringArray& second,
                                    const CString& condition);
  // Handle triples of a layout A row; the floor comes from cell 3.
  static void GetHandles(CStringArray& rowCells, CString& handles, CString& floor,
                         CStringArray& out, CStringArray& unused);
  // Writes the bill consumption table as a bill/quota export file at `path`;
  // throws TableFileError when it cannot be saved.
  static void ExportToXML(CString path);
};

// Consumption summary (消耗量汇总表), type code 3; JSS variant 23. Tree:
// chapter, quota item, floor, component, record.
class REPORTDATA_API CInterHuiZong {
 public:
  // 12: layout A cells per row.
  static int GetparaNum();
  // Chapter names with something visible, "常用计算参数" and "其他章" last.
  static void GetTreeItem(CStringArray& items);
  // Layout A as code 1, the quota text in place of the bill text.
  static void GetItemData(CString name, CStringArray& rows);
  static void GetTotalData(CStringArray& rows);
  static void GetItemData(CStringArray& floors, CStringArray& second, CStringArray& rows);
  // Layout B: "#ZhangFlag#" chapter; "#DEItemFlag#" code, name, unit, quantity,
  // classification text; floors and components as code 1.
  static void GetNewItemData(CString name, CStringArray& rows);
  // Layout B appended to `rows`; the condition keeps quota items whose name or
  // classification text contains it.
  static void GetXHLConditionData(CStringArray& rows, CStringArray& floors, CStringArray& second,
                                  const CString& condition);
  // The two streams above with "#RecordFlag#" lines below each component.
  static void GetNewItemDataJSS(CString name, CStringArray& rows);
  static void GetXHLJSSConditionData(CStringArray& rows, CStringArray& floors, CStringArray& second,
                                     const CString& condition);
  // Handle triples of a layout A row; the floor comes from cell 2.
  static void GetHandles(CStringArray& rowCells, CString& handles, CString& floor,
                         CStringArray& out, CStringArray& unused);
};

// Building-area summary (建筑面积汇总表), type code 4: main-body and balcony
// area floor by floor. Layout A rows are appended, not cleared.
class REPORTDATA_API CAARInterHuiZong {
 public:
  CAARInterHuiZong();
  virtual ~CAARInterHuiZong();
  // 10: layout A cells per row.
  static int GetparaNum();
  // The one item, "建筑面积".
  static void GetTreeItem(CStringArray& items);
  // The name is not used: every name gives the whole table, as GetTotalData.
  static void GetItemData(CString name, CStringArray& rows);
  static void GetTotalData(CStringArray& rows);
  static void GetItemData(CStringArray& floors, CStringArray& second, CStringArray& rows);
  // Layout B of the area table, appended.
  static void GetNewItemData(CString name, CStringArray& rows);
  static void GetNewItemData(CStringArray& floors, CStringArray& second, CStringArray& rows);
};

// Door and window summary (门窗汇总表), type code 5; detail rows 40; new tree 15.
class REPORTDATA_API CInterDoorWindow {
 public:
  // 11: layout A cells per row.
  static int GetparaNum();
  // Kind texts of the door and window table, in table order.
  static void GetTreeItem(CStringArray& items);
  // Kind texts of the regrouped view (code 15).
  static void GetNewTreeItem(CStringArray& items);
  // Layout A, appended: the rows of one kind with occurrence rows; an empty name
  // gives all kinds without them.
  static void GetItemData(CString name, CStringArray& rows);
  static void GetTotalData(CStringArray& rows);
  // Layout A narrowed to the listed floors and component codes, appended.
  static void GetItemData(CStringArray& floors, CStringArray& codes, CStringArray& rows);
  // Layout B of the regrouped view (code 40), rebuilt first: "#ZhangFlag#" kind;
  // "#AttNameFlag#" type name, key, count; "#FloorFlag#" floor, count.
  static void GetNewItemData(CString name, CStringArray& rows);
  static void GetNewItemData(CStringArray& floors, CStringArray& codes, CStringArray& rows);
  // Every floor of the engine, by floor order, each followed by "层".
  static void GetAllFloorData(CStringArray& floors);
};

// Room table 1, one group per room, type code 6.
class REPORTDATA_API RoomTable1 {
 public:
  // 12: layout A cells per row.
  static int GetparaNum();
  // Room names, sorted.
  static void GetTreeItem(CStringArray& items);
  // Layout A: room, then quota items, floors, components and records.
  static void GetItemData(CString name, CStringArray& rows);
  static void GetTotalData(CStringArray& rows);
  static void GetItemData(CStringArray& floors, CStringArray& second, CStringArray& rows);
  // Layout B, appended.
  static void GetNewItemData(CString name, CStringArray& rows);
  static void GetNewItemData(CStringArray& floors, CStringArray& second, CStringArray& rows);
  // Handle triples of a layout A row; the floor comes from cell 2.
  static void GetHandles(CStringArray& rowCells, CString& handles, CString& floor,
                         CStringArray& out, CStringArray& unused);
};

// Room table 2, one group per floor, type code 7.
class REPORTDATA_API RoomTable2 {
 public:
  // 12: layout A cells per row.
  static int GetparaNum();
  // Floor labels followed by "层", sorted by floor.
  static void GetTreeItem(CStringArray& items);
  // Layout A: floor, room, place, then quota items and what lies below them.
  static void GetItemData(CString name, CStringArray& rows);
  static void GetTotalData(CStringArray& rows);
  static void GetItemData(CStringArray& floors, CStringArray& second, CStringArray& rows);
  // Layout B, appended.
  static void GetNewItemData(CString name, CStringArray& rows);
  // Answers nothing: the arrays are left as they are.
  static void GetNewItemData(CStringArray& floors, CStringArray& second, CStringArray& rows);
  // Handle triples of a layout A row; the floor comes from cell 0.
  static void GetHandles(CStringArray& rowCells, CString& handles, CString& floor,
                         CStringArray& out, CStringArray& unused);
};

// Index analysis (指标分析表), type code 10.
class REPORTDATA_API CIZBfFenXi {
 public:
  // 10: layout A cells per row.
  static int GetparaNum();
  // Index items as stored.
  static void GetTreeItem(CStringArray& items);
  // Layout A of one index item, or all of them.
  static void GetItemData(CString name, CStringArray& rows);
  static void GetTotalData(CStringArray& rows);
  // Answers nothing: the arrays are left as they are.
  static void GetItemData(CStringArray& floors, CStringArray& second, CStringArray& rows);
  // Layout B, appended.
  static void GetNewItemData(CString name, CStringArray& rows);
};

// Quota summary (定额汇总表), type code 11; JSS variant 31. Tree: chapter,
// quota item, floor, component, record.
class REPORTDATA_API DeTable1 {
 public:
  // 12: layout A cells per row.
  static int GetparaNum();
  // Chapter names with something visible, in chapter order.
  static void GetTreeItem(CStringArray& items);
  // Layout A as the consumption summary (code 3).
  static void GetItemData(CString name, CStringArray& rows);
  static void GetTotalData(CStringArray& rows);
  static void GetItemData(CStringArray& floors, CStringArray& second, CStringArray& rows);
  // Layout B: "#ZhangFlag#" chapter; "#DEItemFlag#" code, name, unit, quantity,
  // classification text; floors and components as code 1.
  static void GetNewItemData(CString name, CStringArray& rows);
  // Layout B appended to `rows`, narrowed by the lists and the condition (quota
  // name or classification text).
  static void GetDataByCondition(CStringArray& rows, CStringArray& floors, CStringArray& second,
                                 const CString& condition);
  // The two streams above with "#RecordFlag#" lines below each component.
  static void GetNewItemDataJSS(CString name, CStringArray& rows);
  static void GetJSSDataByCondition(CStringArray& rows, CStringArray& floors, CStringArray& second,
                                    const CString& condition);
  // Handle triples of a layout A row; the floor comes from cell 2.
  static void GetHandles(CStringArray& rowCells, CString& handles, CString& floor,
                         CStringArray& out, CStringArray& unused);
  // The component table, as CInterQingDan::GetGJHZ; a report directory
  // without a component table file fills it from the quota summary.
  static void GetGJHZ(CString name, CStringArray& rows);
  // The code 14 condition stream, as CInterQingDan::GetGJHZ with three arrays.
  static void GetGJHZ(CStringArray& floors, CStringArray& components, CStringArray& rows);
  // Category names of the code 14 component summary; cleared first.
  static void GetMemTreeItem(CStringArray& items);

  // Silent quota build; false when it could not read its inputs, with the
  // reason in failure (emptied otherwise). After a failed build WriteXML
  // writes nothing.
  static bool InitialTable(CString reportDir, CString& failure);
  // Reloads the quota-side tables from their files; returns true.
  static bool InitialTableFromXml(CString reportDir);
  // Writes the quota-side table files; throws TableFileError as Write_xml does.
  static void WriteXML(CString reportDir);
  // Quota totals by partition, one entry per chapter; the array is cleared.
  static void GetAllDeInfoForFenQu(CArray<FenQuQdHZInfo>& out);
};

// Quota summary by floor (分层汇总定额表), type code 12; JSS variant 32. Tree:
// floor group, chapter, quota item, component, record.
class REPORTDATA_API DeTable2 {
 public:
  // 12: layout A cells per row.
  static int GetparaNum();
  // Floor groups by floor order, each followed by "层".
  static void GetTreeItem(CStringArray& items);
  // Layout A of the group named "2,5" or "2,5层": chapter row; quota item in the
  // shape of a floor row with the formula "%.3f*%d层"; components; records.
  static void GetItemData(CString name, CStringArray& rows);
  static void GetTotalData(CStringArray& rows);
  static void GetItemData(CStringArray& floors, CStringArray& second, CStringArray& rows);
  // Layout B: "#ZhangFlag#" floor group; "#DEItemFlag#" code, name, unit, quantity,
  // classification text, formula; "#AttNameFlag#" components.
  static void GetNewItemData(CString name, CStringArray& rows);
  static void GetNewItemData(CStringArray& floors, CStringArray& second, CStringArray& rows);
  // The two streams above with "#RecordFlag#" lines, descriptions cut at "||".
  static void GetNewItemDataJSS(CString name, CStringArray& rows);
  static void GetNewItemDataJSS(CStringArray& floors, CStringArray& second, CStringArray& rows);
  // Handle triples of a layout A row; the floor comes from cell 0.
  static void GetHandles(CStringArray& rowCells, CString& handles, CString& floor,
                         CStringArray& out, CStringArray& unused);
};

// Quota summary by floor and component (分层分构件汇总定额表), type code 13;
// JSS variant 33. Tree: floor group, component, calculation item, quota item,
// record.
class REPORTDATA_API DeTable3 {
 public:
  // 12: layout A cells per row.
  static int GetparaNum();
  // Floor groups of this table by floor order, each followed by "层".
  static void GetTreeItem(CStringArray& items);
  // Layout A: component row; calculation item (catalogue name in cell 3); quota
  // item in the shape of a floor row; records.
  static void GetItemData(CString name, CStringArray& rows);
  static void GetTotalData(CStringArray& rows);
  static void GetItemData(CStringArray& floors, CStringArray& second, CStringArray& rows);
  // Layout B: "#ZhangFlag#" floor group; "#MemFlag#" component; "#CalItemFlag#"
  // calculation item; "#DEItemFlag#" as code 12.
  static void GetNewItemData(CString name, CStringArray& rows);
  static void GetNewItemData(CStringArray& floors, CStringArray& second, CStringArray& rows);
  // The two streams above with "#RecordFlag#" lines below each quota item.
  static void GetNewItemDataJSS(CString name, CStringArray& rows);
  static void GetNewItemDataJSS(CStringArray& floors, CStringArray& second, CStringArray& rows);
  // Served by the quota-by-floor handle query (code 12).
  static void GetHandles(CStringArray& rowCells, CString& handles, CString& floor,
                         CStringArray& out, CStringArray& unused);
};

// Engine state shared by every table.
class REPORTDATA_API CReportComMethod {
 public:
  // The text of the header row's third cell in layout A answers.
  static void SetCondition(const CString& condition);
  // Merge flag: off lists merged records once per instance (codes 1, 2, 21, 22).
  static void SetHebing(bool merge);
  // Empties every table; keeps the project, the partitions and the settings.
  static void ReleaseAll();
  // The engine's cloud-index data; owned by the engine, never to be freed.
  static CCloudDataMng* GetCloudDataMnd();
  // Handle triples (code 0): the floor comes from cell 0; appended to `out`.
  static void GetNewHandleAry(CStringArray& rowCells, CString& handles, CString& floor,
                              CStringArray& out, CStringArray& unused);
  // Total, above-ground, below-ground and first-floor area: "%.2f", or "" for
  // values not above 0.01.
  static void GetProjectArea(CString& total, CString& aboveGround, CString& belowGround,
                             CString& firstFloor);
  // The display-unit setting of the project settings file; true when absent.
  static bool IsUserDeUnitFromFile(const CString& dir);
  static void SetUserDeUnitToFile(const CString& dir, bool userUnit);
};

// The one instance-based export. Its single instance is never freed.
class REPORTDATA_API CReportExpComMethod {
 public:
  static CReportExpComMethod* GetSingle();

  // Stores or reads the report window handle and process id of a report kind
  // in the directory; both return true.
  bool WriteHandleAndPIdByType(void*& handle, unsigned long& processId, int kind, CString& dir);
  bool GetHandleAndPIdByType(void*& handle, unsigned long& processId, int kind, CString& dir);
  // Bill price rows (code 50), as CInterQingDan::GetQdPriceData.
  void GetQdPriceData(CString name, CStringArray& rows);
  // The cloud index norm file of the report directory.
  void ReadNormXml(CString reportDir);
  // Calculated-floor names, appended to the array.
  void GetCalFloorMsg(CArray<CString>& floors);
  // Writes or reads the comparison-report columns of the directory.
  void WriteReportCompColumn(SReportColunm& root, CString& dir);
  void ReadReportCompColumn(SReportColunm& root, CString& dir);

 private:
  CReportExpComMethod() = default;
};

#endif  // REPORTDATA_FACADES_H_
