// The cloud-index data library's records and its manager, which gathers the
// calculation results per floor for the cloud index reports. The engine owns
// one manager; a host reaches it through CReportComMethod::GetCloudDataMnd and
// must not free it. Copies of every record are deep.
#ifndef REPORTDATA_CLOUD_DATA_H_
#define REPORTDATA_CLOUD_DATA_H_

#include <cstddef>
#include <string>
#include <unordered_map>
#include <vector>

#include "reportdata/export.h"
#include "reportdata/framework.h"
#include "reportdata/records.h"

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
  int id_ = 0;
  double quantity_ = 0.0;
  CString name_;
};

class REPORTDATA_API CCloudDataSMem {
 public:
  int key = -1;
  CString name;
  CString typePath;
  std::vector<CCloudDataCalItem> items;
  std::vector<CString> handles;
  std::vector<CString> partitions;
  // A member whose key is -1 is never less; otherwise the smaller key is less.
  bool operator<(const CCloudDataSMem& other) const;
};

class REPORTDATA_API CCloudDataFloor {
 public:
  int floorNum = 0;
  int sortKey = 0;
  CString floorName;
  std::vector<CCloudDataSMem> members;
};

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
  void Clear();
  // A copy of a calculation-result record of the bill or quota build.
  void AddData(const TJQd& record);
  // The area of one floor entry of the building-area table.
  void AddArea(const CString& floorName, double area);
  // The calculated floors, after every AddArea.
  void InitDifCalArea(const std::vector<CString>& floors);

  const CString& GetVertion() const { return version_; }
  const std::vector<CCloudDataUnit>& GetUnits() const { return units_; }
  const std::vector<CCloudDataArea>& GetAreas() const { return areas_; }
  const std::vector<CString>& GetCalFloors() const { return calFloors_; }

 private:
  std::vector<CCloudDataUnit> units_;
  std::vector<CCloudDataArea> areas_;
  std::vector<CString> calFloors_;
  CString version_;
  // Where AddData filed each component: positions of its unit, floor and
  // member, by category, floor, component name and type path.
  struct MemberPos {
    std::size_t unit, floor, member;
  };
  std::unordered_map<std::wstring, MemberPos> memberIndex_;
};

#endif  // REPORTDATA_CLOUD_DATA_H_
