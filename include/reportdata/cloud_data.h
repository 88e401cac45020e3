// The cloud-index data library's records and its manager, which gathers the
// calculation results per measurement unit, floor and component for the cloud
// index reports and answers their floor, area and quantity questions. The
// engine owns one manager; a host reaches it through
// CReportComMethod::GetCloudDataMnd and must not free it. Copies of every
// record are deep.
#ifndef REPORTDATA_CLOUD_DATA_H_
#define REPORTDATA_CLOUD_DATA_H_

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include "reportdata/export.h"
#include "reportdata/framework.h"
#include "reportdata/records.h"

namespace reportdata {
class CloudDataIntake;
}

// Which floors a template node covers.
enum ECloudFloorType : int {
  eCloudFloorAll = 0,    // every calculated floor of the project
  eCloudFloorFirst = 1,  // the first floor (the label that reads as 1)
  eCloudFloorUnder = 2,  // floors below ground (label reads below 1)
  eCloudFloorAbove = 3,  // floors above ground
};

// Which building area a template node divides by.
enum ECloudAreaType : int {
  eCloudAreaAll = 0,     // the whole project
  eCloudAreaUnder = 1,   // floors below ground
  eCloudAreaAbove = 2,   // floors above ground
  eCloudAreaFloors = 3,  // the sum over the node's own floors
  eCloudAreaFirst = 4,   // the first floor
};

// What a template node asks the data for.
struct SCloudNormCondition {
  CString keyWords;               // ";"-separated keywords; a record matching any counts
  CString unit;                   // unit of the answer; empty takes every unit as it is
  std::vector<CString> floors;    // floor names the quantity is gathered over
  std::vector<CString> excludes;  // keywords whose records never count
};

// The answer to a condition.
struct SCloudNormQuantity {
  double quantity = 0.0;
  double rateNumerator = 0.0;    // the quantity over the condition's floors
  double rateDenominator = 0.0;  // the same condition over every floor
};

class REPORTDATA_API CCloudDataCalItem {
 public:
  CCloudDataCalItem() = default;
  CCloudDataCalItem(int id, double quantity, const CString& name)
      : id_(id), quantity_(quantity), name_(name) {}
  int GetId() const { return id_; }
  double GetQuantity() const { return quantity_; }
  const CString& GetName() const { return name_; }
  void AddQuantity(double quantity) { quantity_ += quantity; }
  // By id, then by name.
  bool operator<(const CCloudDataCalItem& other) const;

 private:
  int id_ = 0;             // the calculation-item id of the component's sub-part
  double quantity_ = 0.0;  // one storey, in the unit's base unit
  CString name_;           // the calculation item
};

// One component kind and bill or quota item on one floor.
class REPORTDATA_API CCloudDataSMem {
 public:
  int key = -1;      // 1 for bill records, 2 for quota records
  CString typePath;  // component type path such as "Q\TWQ"
  CString code;      // the bill code, or the quota code of a quota record
  std::vector<CCloudDataCalItem> items;
  std::vector<CString> componentNames;  // distinct, in order of arrival
  std::vector<CString> partitions;      // distinct partition names, in order of arrival
  // A member whose key is -1 is never less; otherwise the smaller key is less.
  bool operator<(const CCloudDataSMem& other) const;
};

class REPORTDATA_API CCloudDataFloor {
 public:
  int floorNum = 0;  // storeys the floor label stands for
  int sortKey = 0;   // order key of the label
  CString floorName;
  std::vector<CCloudDataSMem> members;
};

// The records of one measurement unit: a base unit ("m3", "m2", "m") or the
// unit text itself when it is none of those.
class REPORTDATA_API CCloudDataUnit {
 public:
  CString name;
  std::vector<CCloudDataFloor> floors;
  bool operator<(const CCloudDataUnit& other) const { return name < other.name; }
};

class REPORTDATA_API CCloudDataArea {
 public:
  CCloudDataArea() = default;
  CCloudDataArea(int floorNum, int sortKey, const CString& floorName, double area)
      : floorNum_(floorNum), sortKey_(sortKey), floorName_(floorName), area_(area) {}
  int GetFloorNum() const { return floorNum_; }
  int GetSortKey() const { return sortKey_; }
  const CString& GetFloorName() const { return floorName_; }
  // The area of all storeys of the label.
  double GetFloorArea() const { return area_; }
  bool operator<(const CCloudDataArea& other) const { return sortKey_ < other.sortKey_; }

 private:
  int floorNum_ = 0;
  int sortKey_ = 0;
  CString floorName_;
  double area_ = 0.0;
};

class REPORTDATA_API CCloudDataMng {
 public:
  CCloudDataMng();
  // A copy holds the same lists; it finds its members again at its first
  // record, as a manager read from a file does.
  CCloudDataMng(const CCloudDataMng& other);
  CCloudDataMng& operator=(const CCloudDataMng& other);
  CCloudDataMng(CCloudDataMng&& other) noexcept;
  CCloudDataMng& operator=(CCloudDataMng&& other) noexcept;
  ~CCloudDataMng();

  void Clear();
  // A copy of a calculation-result record of the bill or quota build. A
  // record in a unit of 10, 100 or 1000 base units is counted in base units.
  void AddData(const TJQd& record);
  // The area of one floor entry of the building-area table (all its storeys).
  void AddArea(const CString& floorName, double area);
  // The calculated floors, after every AddArea.
  void InitDifCalArea(const std::vector<CString>& floors);

  // Fills floors (emptied first) with the floor names of a kind, by floor order.
  void GetFloorAry(std::vector<CString>& floors, ECloudFloorType kind) const;
  // The building area of a whole-project scope; 0 for eCloudAreaFloors.
  double GetFloorArea(ECloudAreaType type) const;
  // The building area of one floor name.
  double GetFloorNameArea(const CString& floorName) const;
  // Fills quantity with what the records matching condition hold over its
  // floors; with rate set, also the rate parts. Returns whether any record
  // matched.
  bool GetQuantityByCondition(SCloudNormQuantity& quantity, const SCloudNormCondition& condition,
                              bool rate) const;

  // "\CloudData.xml" in the report data directory. Writing throws
  // TableFileError when the save fails; reading replaces what the manager
  // holds, leaves it empty for a missing or unparsable file and throws
  // TableFileError for a file of foreign shape.
  void WriteToXmlFile(const CString& reportDir) const;
  void ReadFromXmlFile(const CString& reportDir);

  const CString& GetVertion() const { return version_; }
  const std::vector<CCloudDataUnit>& GetUnits() const { return units_; }
  const std::vector<CCloudDataArea>& GetAreas() const { return areas_; }
  const std::vector<CString>& GetCalFloors() const { return calFloors_; }

 private:
  // The module's own filing of a build's records by their pooled texts
  // files them through the steps of AddData.
  friend class reportdata::CloudDataIntake;

  // Where a member of units_ is.
  struct MemberPos {
    std::size_t unit, floor, member;
  };
  // The lookup of floors, members and component names beside the lists
  // (cloud_data.cc). It is derived from the lists and follows them lazily:
  // a cleared, copied or read manager has none until its first record.
  struct Index;
  Index& Indexes();

  MemberPos FindOrAddMember(std::wstring_view unit, std::wstring_view floor, int key,
                            std::wstring_view typePath, std::wstring_view code);
  CCloudDataSMem& Member(const MemberPos& pos) {
    return units_[pos.unit].floors[pos.floor].members[pos.member];
  }
  // The member's item of that id and calculation item, appended when there
  // is none.
  static CCloudDataCalItem& FindOrAddItem(CCloudDataSMem& member, int id, std::wstring_view name);
  // Lists a component name under the member at pos, once; hash is
  // HashFold(HashText(name)).
  void AddComponentName(const MemberPos& pos, std::wstring_view name, std::uint32_t hash);
  static void AddPartition(CCloudDataSMem& member, std::wstring_view name);

  std::vector<CCloudDataUnit> units_;
  std::vector<CCloudDataArea> areas_;
  std::vector<CString> calFloors_;
  CString version_;
  std::unique_ptr<Index> index_;
};

#endif  // REPORTDATA_CLOUD_DATA_H_
