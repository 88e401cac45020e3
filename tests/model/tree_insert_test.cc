// Merge rules of the report tree levels, checked on the nodes they build.
#include "model/tree_insert.h"

#include <gtest/gtest.h>

#include <cmath>

#include "model/tree_quantity.h"
#include "support/records.h"

namespace reportdata::testing {
namespace {

SQdCompNode Build(const std::vector<TJQd>& records) {
  SQdCompNode component;
  for (const TJQd& record : records) {
    InsertRecord(component.records, component.record_index, KeysOf(record),
                 ParseQuantity(record.quantity));
  }
  return component;
}

TEST(TreeInsertTest, RecordsMergeWithinOneTenMillionth) {
  Rec rec{.quantity = L"2.5", .handle = L"h1", .description = L"a*b||1"};
  // Differs only after "||".
  Rec same{.quantity = L"2.5", .position = L"B/2", .handle = L"h2", .description = L"a*b||2"};
  Rec near{.quantity = L"2.50000005", .handle = L"h1", .description = L"a*b||1"};
  Rec far{.quantity = L"2.500001", .handle = L"h1", .description = L"a*b||1"};
  Rec other{.quantity = L"2.5", .handle = L"h1", .description = L"c*d||1"};
  const SQdCompNode component =
      Build({rec.Bill(L"1", L"x"), same.Bill(L"1", L"x"), near.Bill(L"1", L"x"),
             far.Bill(L"1", L"x"), other.Bill(L"1", L"x")});
  ASSERT_EQ(component.records.size(), 3u);
  const SQdRecordNode& merged = component.records[0];
  EXPECT_EQ(merged.count, 3);
  EXPECT_EQ(merged.positions, "A/1$B/2$A/1");
  EXPECT_EQ(merged.handles, "$h1$$h2$$h1");
  EXPECT_EQ(merged.description, L"a*b||1");
  EXPECT_DOUBLE_EQ(merged.quantity, 2.5);
  EXPECT_EQ(RecordFormula(merged, L""), L"2.50*3件");
  EXPECT_EQ(component.records[1].count, 1);
  // Partition entries compare as sets, texts and quantities exactly.
  TJQd a = rec.Bill(L"1", L"x");
  a.partitions = {Share(L"1区", 1.0, L"f"), Share(L"2区", 1.5, L"g")};
  TJQd b = a;
  b.partitions = {Share(L"2区", 1.5, L"g"), Share(L"1区", 1.0, L"f")};
  TJQd c = a;
  c.partitions = {Share(L"2区", 1.5, L"g"), Share(L"1区", 1.0, L"other")};
  TJQd d = a;
  d.partitions = {Share(L"2区", 1.5, L"g")};
  EXPECT_EQ(Build({a, b, c, d}).records.size(), 3u);
  // Instances without a handle add to the piece count only; a record begun
  // by one has empty handles and keeps its position.
  Rec bare{.quantity = L"2.5", .position = L"C/3", .handle = L"", .description = L"a*b||1"};
  const SQdCompNode mixed =
      Build({bare.Bill(L"1", L"x"), rec.Bill(L"1", L"x"), bare.Bill(L"1", L"x")});
  ASSERT_EQ(mixed.records.size(), 1u);
  EXPECT_EQ(mixed.records[0].count, 3);
  EXPECT_EQ(mixed.records[0].handles, "$$h1");
  EXPECT_EQ(mixed.records[0].positions, "C/3$A/1");
}

// Descriptions are compared up to their first "||", wherever it falls.
TEST(TreeInsertTest, DescriptionsCompareBeforeTheirFirstBars) {
  const struct {
    const wchar_t* first;
    const wchar_t* second;
    bool merge;
  } cases[] = {
      {L"a*b", L"a*b||2", true}, {L"a*b||1", L"a*b", true},   {L"a*b||1", L"a*b||", true},
      {L"a|", L"a|||x", false},  {L"a|||x", L"a|", false},    {L"a|||x", L"a||y", true},
      {L"a|", L"a|x", false},    {L"a*b", L"a*bc||1", false}, {L"a*bc", L"a*b||c", false},
      {L"", L"||x", true},       {L"a|b", L"a|b||", true},    {L"a|b||", L"a|b|||", true},
  };
  for (const auto& c : cases) {
    Rec first{.quantity = L"2.5", .description = c.first};
    Rec second{.quantity = L"2.5", .description = c.second};
    const size_t nodes = Build({first.Bill(L"1", L"x"), second.Bill(L"1", L"x")}).records.size();
    EXPECT_EQ(nodes, c.merge ? 1u : 2u) << c.first << L" / " << c.second;
  }
}

// Partition entries compare as multisets: a record listing one entry twice
// does not match a record listing another entry twice, whether the record
// list is short (scanned) or long (looked up by key).
TEST(TreeInsertTest, PartitionEntriesMatchAsMultisets) {
  for (int filler : {0, 12}) {
    std::vector<TJQd> records;
    for (int i = 0; i < filler; ++i) {
      Rec rec{.quantity = std::to_wstring(100 + i)};
      records.push_back(rec.Bill(L"1", L"x"));
    }
    Rec rec{.quantity = L"3", .handle = L"h1"};
    TJQd aab = rec.Bill(L"1", L"x");
    aab.partitions = {Share(L"1区", 1.0), Share(L"1区", 1.0), Share(L"2区", 1.0)};
    TJQd abb = aab;
    abb.handle = L"h2";
    abb.partitions = {Share(L"1区", 1.0), Share(L"2区", 1.0), Share(L"2区", 1.0)};
    TJQd aba = aab;
    aba.handle = L"h3";
    aba.partitions = {Share(L"1区", 1.0), Share(L"2区", 1.0), Share(L"1区", 1.0)};
    records.insert(records.end(), {aab, abb, aba});
    const SQdCompNode component = Build(records);
    ASSERT_EQ(component.records.size(), filler + 2u) << filler;
    EXPECT_EQ(component.records[filler].handles, "$h1$$h3") << filler;
    EXPECT_EQ(component.records[filler + 1].handles, "$h2") << filler;
    // A partition quantity that is no number matches nothing.
    TJQd odd = aab;
    odd.partitions = {Share(L"1区", std::nan(""))};
    records = {odd, odd};
    EXPECT_EQ(Build(records).records.size(), 2u);
  }
}

// An item made from a record's lists matches a record holding equal lists,
// and no record whose lists differ in an entry.
TEST(TreeInsertTest, ItemsMatchTheListsTheyWereMadeFromAlsoThroughTheIndex) {
  Rec rec;
  TJQd record = rec.Quota(L"A4-1", L"砖墙");
  record.quotaFeatures.push_back({CString(L"A4-1"), {}, {}, {}});
  record.categories.push_back({CString(L"v"), CString(L"砂浆"), CString(L"M5")});
  const RecordKeys keys = KeysOf(record);
  record.quotaFeatures[0].code = L"A4-2";
  record.categories[0].value = L"M7.5";
  const RecordKeys other = KeysOf(record);
  SQdItemNode bill;
  FillBillItem(bill, keys);
  bool created = false;
  std::vector<SDeItemNode> quotas;
  HashIndex index;
  FindOrAddQuotaItem(quotas, index, keys, created);
  EXPECT_TRUE(SameBillItem(bill, keys));
  EXPECT_FALSE(SameBillItem(bill, other));
  EXPECT_TRUE(SameQuotaItem(quotas[0], keys));
  EXPECT_FALSE(SameQuotaItem(quotas[0], other));
  // Past a dozen quota items they are found through the index, on code,
  // name, unit and categories alike.
  TJQd a = rec.Quota(L"A1", L"n");
  TJQd b = a;
  b.categories.push_back({CString(), CString(L"砂浆"), CString(L"M5")});
  TJQd c = a;
  c.quotaUnit = L"10m3";
  for (int round = 0; round < 12; ++round) {
    FindOrAddQuotaItem(quotas, index, KeysOf(rec.Quota(L"F" + std::to_wstring(round), L"n")),
                       created);
    EXPECT_TRUE(created);
  }
  for (const TJQd* item : {&a, &b, &c, &a, &b})
    FindOrAddQuotaItem(quotas, index, KeysOf(*item), created);
  EXPECT_FALSE(created);
  EXPECT_EQ(quotas.size(), 16u);
}

// The indexed lookup of long record lists agrees with the rule applied by a
// scan: earliest matching record in list order, at the edges of 1e-7.
TEST(TreeInsertTest, IndexedLookupAgreesWithScanAtTheEdges) {
  std::vector<TJQd> records;
  const double offsets[] = {0.0, 0.99e-7, -0.99e-7, 1.01e-7, -1.01e-7, 0.5e-7, 2.0e-7, 0.0};
  for (int base = 0; base < 40; ++base) {
    for (double offset : offsets) {
      Rec rec;
      TJQd record = rec.Bill(L"1", L"x");
      wchar_t text[64];
      std::swprintf(text, 64, L"%.12f", base * 0.3 + offset);
      record.quantity = text;
      record.description = (base % 3 == 0) ? L"d||x" : L"e";
      records.push_back(record);
    }
  }
  const SQdCompNode component = Build(records);
  // Reference: the same rule by brute force.
  struct Ref {
    double quantity;
    std::wstring description;
    int count;
  };
  std::vector<Ref> reference;
  for (const TJQd& record : records) {
    const double quantity = ParseQuantity(record.quantity);
    const std::wstring description(CutAtBars(record.description.str()));
    auto match = std::find_if(reference.begin(), reference.end(), [&](const Ref& ref) {
      return std::fabs(ref.quantity - quantity) < 1e-7 && ref.description == description;
    });
    if (match == reference.end()) {
      reference.push_back({quantity, description, 1});
    } else {
      ++match->count;
    }
  }
  ASSERT_EQ(component.records.size(), reference.size());
  for (size_t i = 0; i < reference.size(); ++i) {
    EXPECT_EQ(component.records[i].count, reference[i].count) << i;
    EXPECT_EQ(component.records[i].quantity, reference[i].quantity) << i;
  }
}

// Facade floors match the single floors they cover, ranges before equal
// floor texts, in list order; two different ranges or lists never match. A
// range of a billion floors is neither expanded nor stands for the floors
// between its ends.
TEST(TreeInsertTest, FacadeFloorsMatchCoveredSingleFloorsFirstInListOrder) {
  struct Lookup {
    const wchar_t* floor;
    bool facade;
    int at;  // -1: no match
  };
  const struct {
    std::vector<std::wstring> floors;
    std::vector<Lookup> lookups;
  } cases[] = {
      {{L"4", L"2,5", L"1/3/5", L"3"},
       {{L"3", true, 1},
        {L"3", false, 3},
        {L"5", true, 1},
        {L"6", true, -1},
        {L"3,4", true, 0},
        {L"2/3", true, 3},
        {L"1,5", true, 0},
        {L"2,5", true, 0},
        {L"5/7", true, -1},
        {L"1,3", false, -1}}},
      {{L"1,1000000000", L"7"},
       {{L"1000000000", true, 0},
        {L"5", true, -1},
        {L"7", true, 1},
        {L"2,1000000000", true, -1},
        {L"7,1000000000", true, 1}}},
  };
  for (int filler : {0, 20}) {  // a short list is scanned, a long one indexed
    for (const auto& c : cases) {
      std::vector<SQdFloorNode> floors;
      FloorIndex index;
      for (int i = 0; i < filler; ++i) floors.emplace_back().floor_text = L"B" + std::to_wstring(i);
      for (const std::wstring& floor : c.floors) floors.emplace_back().floor_text = floor;
      for (const Lookup& l : c.lookups) {
        EXPECT_EQ(FindFloor(floors, index, l.floor, l.facade), l.at < 0 ? -1 : filler + l.at)
            << l.floor << " after " << filler;
      }
      // Appended floors are found after earlier lookups.
      floors.emplace_back().floor_text = L"6,7";
      EXPECT_EQ(FindFloor(floors, index, L"6", true), filler + static_cast<int>(c.floors.size()));
    }
  }
}

}  // namespace
}  // namespace reportdata::testing
