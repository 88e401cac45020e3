// The records that pass between the module and its outside services: the
// calculation-result record, the containers the calculation-result service
// fills, the request parameter, and the small records of the quota-library,
// attribute proxy and calculation-database services. All of them are plain
// values; whoever holds one owns it.
#ifndef REPORTDATA_RECORDS_H_
#define REPORTDATA_RECORDS_H_

#include <set>
#include <vector>

#include "reportdata/framework.h"

// A record's quantity within one partition of the project.
struct SNYTJFenQuInfo {
  CString name;     // partition name
  CString formula;  // the formula text of the quantity within the partition
  double quantity = 0.0;
};

// One classification variable of a quota item (shown as "DeCategory").
struct SNYTJFenLeiVarDescInfo {
  CString var;
  CString name;
  CString value;
};

// A quota item hanging under a bill item (the bill item's own quotas).
struct SNYTJReportDEFeature {
  CString code;
  CString name;
  CString unit;
  std::vector<SNYTJFenLeiVarDescInfo> categories;
};

// Calculation-result record: one per bill or quota item and per floor,
// component and instance.
struct TJQd {
  int id = 0;        // identity of the instance; with the handle the instance key
  CString billCode;  // bill item code, the bill item's identity
  CString billName;
  CString billUnit;
  CString description;  // describes the instance; text after "||" is not compared
  CString quantity;     // decimal quantity of one instance
  CString subType;      // component sub-type
  CString typePath;     // component kind code such as "Q\TWQ" or "ZS\LMZS"
  CString componentName;
  CString position;  // axis text of the instance
  CString handle;    // drawing handle of the instance
  CString grade;     // concrete grade, empty for other work
  CString floor;     // floor text: "3", "2,5" or "2/4/6"
  CString kind;      // "1" for a bill record, anything else a quota record
  CString subCode;   // calculation-item id of the component's sub-part
  CString quotaCode;
  CString quotaName;
  CString quotaUnit;
  CString room;    // room of the instance, empty when it belongs to none
  CString place;   // first place text under the room (room table 2)
  CString place2;  // second place text under the room
  std::vector<SNYTJFenQuInfo> partitions;
  CString feature;  // bill item feature description (项目特征)
  std::vector<SNYTJFenLeiVarDescInfo> categories;
  std::vector<SNYTJReportDEFeature> quotaFeatures;
  CString extra;     // carried into the bill item unchanged
  CString calcItem;  // calculation-item name, matched by index analysis
};

// One bill record with the quota records classified under it.
struct SNYTJQdDeClassResult {
  TJQd bill;
  std::vector<TJQd> quotas;
};

// Bill/quota classification result of the calculation-result service.
struct SNYRAQdDeClassResultInfo {
  std::vector<SNYTJQdDeClassResult> items;
  std::vector<TJQd> looseQuotas;  // quota records not classified under a bill
  std::set<CString> partitions;
  std::vector<CString> floors;
};

// Quota result of the calculation-result service.
struct SNYRADeResultInfo {
  std::vector<TJQd> quotas;
  std::set<CString> partitions;
  std::vector<CString> floors;
};

// Request of every calculation-result call.
struct SNYRAGetResultParam {
  CString billLibKey;
  CString quotaLibKey;
  bool b0 = false, b1 = false, b2 = false, b3 = false;
  bool b4 = false, b5 = false, b6 = false, b7 = false;  // b7: own quotas merge alike
};

// Chapter answer of the quota-library look-ups.
struct SNYTJChapterInfo {
  CString name;
  CString orderId;  // sorts chapters in natural name order
};

enum SearchQuotaMode { kSearchQuotaByCode = 0 };

namespace NS_NYProject {
// A bill or quota library of the project: four texts, the second the key.
struct SBillQuotaLibInfo {
  CString name;
  CString key;
  CString region;
  CString version;
};
}  // namespace NS_NYProject

// A name/value pair of the project summary.
struct SNYPair {
  CString name;
  CString value;
};

// Identity of a quota price: the four texts of a price entry.
struct STJReportDePriceId {
  CString code;
  CString name;
  CString unit;
  CString library;
  friend bool operator<(const STJReportDePriceId& a, const STJReportDePriceId& b) {
    if (a.code != b.code) return a.code < b.code;
    if (a.name != b.name) return a.name < b.name;
    if (a.unit != b.unit) return a.unit < b.unit;
    return a.library < b.library;
  }
};

// One price entry of the calculation database.
struct SNYDePriceEntry {
  STJReportDePriceId id;
  CString price;
};

// Base data of one floor, as the attribute proxy gives it.
struct STJReportFloorBaseInfo {
  CString name;
  CString label;
  int number = 0;
  CString kind;
  CString remark;
  double height = 0.0;
  double bottomElevation = 0.0;
};

// A floor-area record of the calculation database.
struct SNYFloorAreaRecord {
  CString floor;  // floor label
  CString kind;   // "FL_MainArea", "FL_YTArea", …
  double value = 0.0;
};

// A door or window occurrence of the calculation database.
struct SNYDoorWindowRecord {
  int type = 0;  // component type number of the kind catalogue
  CString floor;
  CString typeName;
  CString position;
  CString key;  // identifies the occurrence
};

// A component index entry of the calculation database.
struct SNYCompIndexEntry {
  CString compDir;   // component directory such as "Q\TWQ"
  CString index;     // its index code
  CString category;  // its category path such as "墙\砼外墙"
};

#endif  // REPORTDATA_RECORDS_H_
