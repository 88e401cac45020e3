// Records the module hands to a host whole: the partition summaries, the
// physical-quantity summaries and the comparison-report column tree. The
// caller owns every array and record it passes in.
#ifndef REPORTDATA_REPORT_TYPES_H_
#define REPORTDATA_REPORT_TYPES_H_

#include <vector>

#include "reportdata/export.h"
#include "reportdata/framework.h"

// Quantity of one item within one partition; empty when the item has
// nothing there.
struct FenQuSGDInfo {
  CString name;
  CString quantity;
};

// One item of a partition summary.
struct FenQuDeInfo {
  CString number;  // running sequence number across all chapters of a request
  CString code;
  CString name;
  CString unit;
  CString description;
  CString total;  // "%f", empty when the total is not above 1e-5
  CArray<FenQuSGDInfo> partitions;
};

// One chapter of a partition summary.
struct FenQuQdHZInfo {
  CString chapterName;
  CArray<FenQuDeInfo> items;
};

// What a physical-quantity summary is asked for.
struct SWLReportInputInfo {
  bool fromBill = true;    // true: the bill-record collection; false: the quota records
  CStringArray floors;     // empty: every floor
  CStringArray typePaths;  // empty: every component
};

// Quantity of one concrete grade under an item.
struct SWLReportGradeInfo {
  CString grade;
  CString quantity;
};

// A group or item entry of a physical-quantity row.
struct SWLReportEntryInfo {
  CString name;
  CString quantity;  // "%f"
  int order = 0;
  std::vector<SWLReportEntryInfo> items;   // items of a group
  std::vector<SWLReportGradeInfo> grades;  // grades of an item
};

struct SWLReportFloorInfo {
  CString name;
  CString floorText;
  std::vector<SWLReportEntryInfo> entries;
};

struct SWLReportFloorFenQuInfo {
  CString name;       // row name: partition or "小计(m3)"
  CString floorText;  // the floor the row belongs to
  std::vector<SWLReportEntryInfo> entries;
};

struct SWLReportFenQuFloorInfo {
  CString name;       // row name: floor or "小计"
  CString partition;  // the partition the row belongs to
  std::vector<SWLReportEntryInfo> entries;
};

// One row of the decoration report.
struct SWLReportDecSmallInfo {
  CString kind;       // decoration kind name
  CString floor;      // floor label as the records carry it ("3", "2,5")
  CString attribute;  // component name of the finish; empty on "楼层小计(m2)"
  CString room;       // room name, "无房间", "楼层小计(m2)" or empty
  CString quantity;   // "%f"
};

// One column of the host's comparison report, with its sub-columns.
struct REPORTDATA_API SReportColunm {
  SReportColunm();
  SReportColunm(const SReportColunm& other);
  SReportColunm& operator=(const SReportColunm& other);
  ~SReportColunm();

  int image;
  int selectedImage;
  double width;
  CString parentId;
  CString columnId;
  CString columnText;
  std::vector<SReportColunm> children;
};

#endif  // REPORTDATA_REPORT_TYPES_H_
