// Filing records into the cloud-index data by their keys leaves the data as
// AddData of the same records does.
#include "services/cloud_data_intake.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "support/records.h"

namespace reportdata {
namespace {

using testing::Calc;
using testing::Rec;
using testing::Share;

// Everything the data holds, quantities to the last bit.
std::wstring Dump(const CCloudDataMng& data) {
  std::wstring out;
  for (const CCloudDataUnit& unit : data.GetUnits()) {
    out += L"unit " + unit.name.str() + L"\n";
    for (const CCloudDataFloor& floor : unit.floors) {
      out += L" floor " + floor.floorName.str() + L"\n";
      for (const CCloudDataSMem& member : floor.members) {
        out += L"  member " + std::to_wstring(member.key) + L" " + member.typePath.str() + L" " +
               member.code.str() + L":";
        for (const CCloudDataCalItem& item : member.items) {
          char quantity[32];
          std::snprintf(quantity, sizeof quantity, "%a", item.GetQuantity());
          out += L" " + std::to_wstring(item.GetId()) + item.GetName().str() + L"=" +
                 std::wstring(quantity, quantity + std::char_traits<char>::length(quantity));
        }
        for (const CString& name : member.componentNames) out += L" c" + name.str();
        for (const CString& name : member.partitions) out += L" p" + name.str();
        out += L"\n";
      }
    }
  }
  return out;
}

TEST(CloudDataIntake, LeavesTheDataAsAddDataDoes) {
  TJQd shared =
      Calc(Rec{.component = L"墙2", .quantity = L"0.7"}.Bill(L"010401001", L"墙"), L"体积");
  shared.partitions = {Share(L"A区", 0.5), Share(L"B区", 0.2)};
  const std::vector<TJQd> records = {
      Calc(Rec{.quantity = L"1.5"}.Bill(L"010401001", L"墙"), L"体积"),
      shared,
      // The same member and item again, with a partition listed before.
      shared,
      // The same base unit from another unit text: one member, scaled.
      Calc(Rec{.quantity = L"0.1"}.Bill(L"010401001", L"墙", L"10m3"), L"体积"),
      // Another item of the member: by calculation item, then by id.
      Calc(Rec{}.Bill(L"010401001", L"墙"), L"模板面积"),
      Calc(Rec{}.Bill(L"010401001", L"墙"), L"体积", L"2"),
      // A unit that is no base unit is filed under its own text.
      Calc(Rec{.component = L"M1", .quantity = L"3"}.Bill(L"010801001", L"门", L"樘"), L"数量"),
      Calc(Rec{.floor = L"2,3"}.Quota(L"A4-1", L"墙", L"10m3"), L"体积"),
      Calc(Rec{.component = L""}.Quota(L"A4-1", L"墙", L"10m3"), L"体积"),
      Calc(Rec{.floor = L"2,3", .component = L"墙1"}.Quota(L"A4-1", L"墙", L"10m3"), L"体积"),
  };
  // A member, a component name and a partition the data holds before the
  // build, as from an earlier build.
  TJQd earlier = Calc(Rec{}.Bill(L"010401001", L"墙"), L"体积");
  earlier.partitions = {Share(L"B区", 1.0)};

  // The facade's component name handed in is the one listed.
  TJQd tagged = records[0];
  tagged.componentName = L"墙1[1层]";

  CCloudDataMng by_record;
  CCloudDataMng by_keys;
  by_record.AddData(earlier);
  by_keys.AddData(earlier);
  // Two builds, each with its intake: the second finds what the first
  // filed in the data alone, the facade's record first.
  for (int build = 0; build < 2; ++build) {
    CloudDataIntake intake(by_keys);
    const auto add_tagged = [&] {
      by_record.AddData(tagged);
      intake.Add(KeysOf(records[0]), PooledText(L"墙1[1层]"));
    };
    if (build == 1) add_tagged();
    for (const TJQd& record : records) {
      by_record.AddData(record);
      const RecordKeys keys = KeysOf(record);
      intake.Add(keys, keys.component_name);
    }
    if (build == 0) add_tagged();
    EXPECT_EQ(Dump(by_keys), Dump(by_record)) << "build " << build;
  }
}

}  // namespace
}  // namespace reportdata
