// The exported table facades. Each class stands for one report table; its
// operations are static, hold no state and forward to the engine with the
// table's type code. Row arrays are owned by the caller: layout A operations
// clear them first, layout B operations and the handle query append.
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

// Bill summary (清单汇总表), type code 1; JSS variant 21.
class REPORTDATA_API CInterQingDan {
 public:
  static int GetparaNum();
  static void GetTreeItem(CStringArray& items);
  static void GetItemData(CString name, CStringArray& rows);
  static void GetTotalData(CStringArray& rows);
  static void GetItemData(CStringArray& floors, CStringArray& components, CStringArray& rows);
  static void GetNewQdHz(CString name, CStringArray& rows);
  static void GetDataByCondition(CStringArray& rows, CStringArray& floors, CStringArray& components,
                                 const CString& condition);
  static void GetNewQdHzJSS(CString name, CStringArray& rows);
  static void GetJSSDataByCondition(CStringArray& rows, CStringArray& floors,
                                    CStringArray& components, const CString& condition);
  static void GetHandles(CStringArray& rowCells, CString& handles, CString& floor,
                         CStringArray& out, CStringArray& unused);
  // Component summary built from the bill summary (code 14).
  static void GetGJHZ(CString name, CStringArray& rows);
  static void GetGJHZ(CStringArray& floors, CStringArray& components, CStringArray& rows);
  static void GetMemTreeItem(CStringArray& items);
  // Bill price rows (code 50).
  static void GetQdPriceData(CString name, CStringArray& rows);

  // Silent bill build from the project's calculation results. failure
  // receives why the build could not read its inputs, and is emptied when it
  // could; after a failed build Write_xml writes nothing.
  static void InitQdData(CString reportDir, CString& failure);
  static bool ShowQdListDialog();
  static void InitDataFromXml(CString reportDir);
  static void Write_xml(CString reportDir);

  static bool ShowDePriceDialog();
  static bool ReadDePrice(std::map<STJReportDePriceId, CString>& prices);
  static bool ReadDeCategoryShowConfig(std::map<CString, std::set<CString>>& config);
  static bool WriteDeCategoryShowConfig(const std::map<CString, std::set<CString>>& config);
  static bool GetIsPriatedCalResult(CString dir, bool flag);

  static void SetCurrentPartition(const CString& partition);
  static CString GetCurrentPartitionName();
  static void GetEngPatitions(std::vector<CString>& partitions);

  static bool GetFloorBaseInfo(CString floorName, STJReportFloorBaseInfo& info);
  // Fills the array with the project's floor names; returns false in every case.
  static bool GetAllFloorNames(CStringArray& names);
  static bool GetProjectSummary(std::vector<SNYPair>& pairs);
  static bool GetOutDesignLevel(double& level);

  // Totals by partition: the consumption summary (false) or the bill
  // consumption table (true).
  static void GetAllQdInfoForFenQu(CArray<FenQuQdHZInfo>& out, bool fromBills);
  static void GetSWLInfoByFloor(CArray<SWLReportFloorInfo>& rows,
                                std::map<CString, CString>& grades,
                                const SWLReportInputInfo& input);
  static void GetSWLInfoByFloorFenQu(CArray<SWLReportFloorFenQuInfo>& rows,
                                     std::map<CString, CString>& grades,
                                     const SWLReportInputInfo& input);
  static void GetSWLInfoByFenQufloor(CArray<SWLReportFenQuFloorInfo>& rows,
                                     std::map<CString, CString>& grades,
                                     const SWLReportInputInfo& input);
  static void GetSWLInfoByDec(CArray<SWLReportDecSmallInfo>& rows, std::map<int, CString>& kinds,
                              const SWLReportInputInfo& input);

  static void SortConditionFloor(CStringArray& floors);
  static bool GetCompIndexByCompDir(const CString& compDir, CString& index);
};

// Bill consumption table (清单消耗量表), type code 2; JSS variant 22.
class REPORTDATA_API CInterQingDan2 {
 public:
  static int GetparaNum();
  static void GetTreeItem(CStringArray& items);
  static void GetItemData(CString name, CStringArray& rows);
  static void GetTotalData(CStringArray& rows);
  static void GetItemData(CStringArray& floors, CStringArray& second, CStringArray& rows);
  static void GetNewItemData(CString name, CStringArray& rows);
  static void GetDataByCondition(CStringArray& rows, CStringArray& floors, CStringArray& second,
                                 const CString& condition);
  static void GetNewItemDataJSS(CString name, CStringArray& rows);
  static void GetJSSDataByCondition(CStringArray& rows, CStringArray& floors, CStringArray& second,
                                    const CString& condition);
  static void GetHandles(CStringArray& rowCells, CString& handles, CString& floor,
                         CStringArray& out, CStringArray& unused);
  // Writes the bill consumption table as a bill/quota export file.
  static void ExportToXML(CString path);
};

// Consumption summary (消耗量汇总表), type code 3; JSS variant 23.
class REPORTDATA_API CInterHuiZong {
 public:
  static int GetparaNum();
  static void GetTreeItem(CStringArray& items);
  static void GetItemData(CString name, CStringArray& rows);
  static void GetTotalData(CStringArray& rows);
  static void GetItemData(CStringArray& floors, CStringArray& second, CStringArray& rows);
  static void GetNewItemData(CString name, CStringArray& rows);
  static void GetXHLConditionData(CStringArray& rows, CStringArray& floors, CStringArray& second,
                                  const CString& condition);
  static void GetNewItemDataJSS(CString name, CStringArray& rows);
  static void GetXHLJSSConditionData(CStringArray& rows, CStringArray& floors, CStringArray& second,
                                     const CString& condition);
  static void GetHandles(CStringArray& rowCells, CString& handles, CString& floor,
                         CStringArray& out, CStringArray& unused);
};

// Building-area summary (建筑面积汇总表), type code 4.
class REPORTDATA_API CAARInterHuiZong {
 public:
  CAARInterHuiZong();
  virtual ~CAARInterHuiZong();
  static int GetparaNum();
  static void GetTreeItem(CStringArray& items);
  // The name is not used: every name gives the whole table.
  static void GetItemData(CString name, CStringArray& rows);
  static void GetTotalData(CStringArray& rows);
  static void GetItemData(CStringArray& floors, CStringArray& second, CStringArray& rows);
  static void GetNewItemData(CString name, CStringArray& rows);
  static void GetNewItemData(CStringArray& floors, CStringArray& second, CStringArray& rows);
};

// Door and window summary (门窗汇总表), type code 5; detail rows 40; new tree 15.
class REPORTDATA_API CInterDoorWindow {
 public:
  static int GetparaNum();
  static void GetTreeItem(CStringArray& items);
  static void GetNewTreeItem(CStringArray& items);
  static void GetItemData(CString name, CStringArray& rows);
  static void GetTotalData(CStringArray& rows);
  static void GetItemData(CStringArray& floors, CStringArray& codes, CStringArray& rows);
  static void GetNewItemData(CString name, CStringArray& rows);
  static void GetNewItemData(CStringArray& floors, CStringArray& codes, CStringArray& rows);
  static void GetAllFloorData(CStringArray& floors);
};

// Room table 1, one group per room, type code 6.
class REPORTDATA_API RoomTable1 {
 public:
  static int GetparaNum();
  static void GetTreeItem(CStringArray& items);
  static void GetItemData(CString name, CStringArray& rows);
  static void GetTotalData(CStringArray& rows);
  static void GetItemData(CStringArray& floors, CStringArray& second, CStringArray& rows);
  static void GetNewItemData(CString name, CStringArray& rows);
  static void GetNewItemData(CStringArray& floors, CStringArray& second, CStringArray& rows);
  static void GetHandles(CStringArray& rowCells, CString& handles, CString& floor,
                         CStringArray& out, CStringArray& unused);
};

// Room table 2, one group per floor, type code 7.
class REPORTDATA_API RoomTable2 {
 public:
  static int GetparaNum();
  static void GetTreeItem(CStringArray& items);
  static void GetItemData(CString name, CStringArray& rows);
  static void GetTotalData(CStringArray& rows);
  static void GetItemData(CStringArray& floors, CStringArray& second, CStringArray& rows);
  static void GetNewItemData(CString name, CStringArray& rows);
  // Answers nothing: the arrays are left as they are.
  static void GetNewItemData(CStringArray& floors, CStringArray& second, CStringArray& rows);
  static void GetHandles(CStringArray& rowCells, CString& handles, CString& floor,
                         CStringArray& out, CStringArray& unused);
};

// Index analysis (指标分析表), type code 10.
class REPORTDATA_API CIZBfFenXi {
 public:
  static int GetparaNum();
  static void GetTreeItem(CStringArray& items);
  static void GetItemData(CString name, CStringArray& rows);
  static void GetTotalData(CStringArray& rows);
  // Answers nothing: the arrays are left as they are.
  static void GetItemData(CStringArray& floors, CStringArray& second, CStringArray& rows);
  static void GetNewItemData(CString name, CStringArray& rows);
};

// Quota summary (定额汇总表), type code 11; JSS variant 31.
class REPORTDATA_API DeTable1 {
 public:
  static int GetparaNum();
  static void GetTreeItem(CStringArray& items);
  static void GetItemData(CString name, CStringArray& rows);
  static void GetTotalData(CStringArray& rows);
  static void GetItemData(CStringArray& floors, CStringArray& second, CStringArray& rows);
  static void GetNewItemData(CString name, CStringArray& rows);
  static void GetDataByCondition(CStringArray& rows, CStringArray& floors, CStringArray& second,
                                 const CString& condition);
  static void GetNewItemDataJSS(CString name, CStringArray& rows);
  static void GetJSSDataByCondition(CStringArray& rows, CStringArray& floors, CStringArray& second,
                                    const CString& condition);
  static void GetHandles(CStringArray& rowCells, CString& handles, CString& floor,
                         CStringArray& out, CStringArray& unused);
  // Component summary built from the quota summary (code 15 by name; the
  // three-array form and the tree items serve code 14).
  static void GetGJHZ(CString name, CStringArray& rows);
  static void GetGJHZ(CStringArray& floors, CStringArray& components, CStringArray& rows);
  static void GetMemTreeItem(CStringArray& items);

  // Silent quota build; false when it could not read its inputs, with the
  // reason in failure (emptied otherwise). After a failed build WriteXML
  // writes nothing.
  static bool InitialTable(CString reportDir, CString& failure);
  static bool InitialTableFromXml(CString reportDir);
  static void WriteXML(CString reportDir);
  static void GetAllDeInfoForFenQu(CArray<FenQuQdHZInfo>& out);
};

// Quota summary by floor (分层汇总定额表), type code 12; JSS variant 32.
class REPORTDATA_API DeTable2 {
 public:
  static int GetparaNum();
  static void GetTreeItem(CStringArray& items);
  static void GetItemData(CString name, CStringArray& rows);
  static void GetTotalData(CStringArray& rows);
  static void GetItemData(CStringArray& floors, CStringArray& second, CStringArray& rows);
  static void GetNewItemData(CString name, CStringArray& rows);
  static void GetNewItemData(CStringArray& floors, CStringArray& second, CStringArray& rows);
  static void GetNewItemDataJSS(CString name, CStringArray& rows);
  static void GetNewItemDataJSS(CStringArray& floors, CStringArray& second, CStringArray& rows);
  static void GetHandles(CStringArray& rowCells, CString& handles, CString& floor,
                         CStringArray& out, CStringArray& unused);
};

// Quota summary by floor and component (分层分构件汇总定额表), type code 13;
// JSS variant 33.
class REPORTDATA_API DeTable3 {
 public:
  static int GetparaNum();
  static void GetTreeItem(CStringArray& items);
  static void GetItemData(CString name, CStringArray& rows);
  static void GetTotalData(CStringArray& rows);
  static void GetItemData(CStringArray& floors, CStringArray& second, CStringArray& rows);
  static void GetNewItemData(CString name, CStringArray& rows);
  static void GetNewItemData(CStringArray& floors, CStringArray& second, CStringArray& rows);
  static void GetNewItemDataJSS(CString name, CStringArray& rows);
  static void GetNewItemDataJSS(CStringArray& floors, CStringArray& second, CStringArray& rows);
  // Served by the quota-by-floor handle query (code 12).
  static void GetHandles(CStringArray& rowCells, CString& handles, CString& floor,
                         CStringArray& out, CStringArray& unused);
};

// Engine state shared by every table.
class REPORTDATA_API CReportComMethod {
 public:
  static void SetCondition(const CString& condition);
  static void SetHebing(bool merge);
  // Empties every table; keeps the project, the partitions and the settings.
  static void ReleaseAll();
  // The engine's cloud-index data; owned by the engine, never to be freed.
  static CCloudDataMng* GetCloudDataMnd();
  static void GetNewHandleAry(CStringArray& rowCells, CString& handles, CString& floor,
                              CStringArray& out, CStringArray& unused);
  static void GetProjectArea(CString& total, CString& aboveGround, CString& belowGround,
                             CString& firstFloor);
  static bool IsUserDeUnitFromFile(const CString& dir);
  static void SetUserDeUnitToFile(const CString& dir, bool userUnit);
};

// The one instance-based export. Its single instance is never freed.
class REPORTDATA_API CReportExpComMethod {
 public:
  static CReportExpComMethod* GetSingle();

  bool WriteHandleAndPIdByType(void*& handle, unsigned long& processId, int kind, CString& dir);
  bool GetHandleAndPIdByType(void*& handle, unsigned long& processId, int kind, CString& dir);
  void GetQdPriceData(CString name, CStringArray& rows);
  void ReadNormXml(CString reportDir);
  void GetCalFloorMsg(CArray<CString>& floors);
  void WriteReportCompColumn(SReportColunm& root, CString& dir);
  void ReadReportCompColumn(SReportColunm& root, CString& dir);

 private:
  CReportExpComMethod() = default;
};

#endif  // REPORTDATA_FACADES_H_
