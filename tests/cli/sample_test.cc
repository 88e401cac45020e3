#include <gtest/gtest.h>

#include <map>
#include <set>

#include "cli/sample_building.h"
#include "cli/sample_geometry.h"

namespace reportdata::cli {
namespace {

// The digits of a quantity text without its decimal point: texts with the
// same number of decimals add up as these numbers do.
long long Digits(const std::string& text) {
  const size_t dot = text.find('.');
  return std::stoll(text.substr(0, dot) + text.substr(dot + 1));
}

TEST(SampleTest, FormatsQuantitiesExactly) {
  EXPECT_EQ(QuantityText(12345), "12.345");
  EXPECT_EQ(QuantityText(12345, 10), "1.2345");
  EXPECT_EQ(QuantityText(5, 1000), "0.000005");
  EXPECT_EQ(QuantityText(0, 100), "0.00000");
  EXPECT_EQ(QuantityText(-8700), "-8.700");
  EXPECT_EQ(QuantityText(-5), "-0.005");
}

// The default storeys are those of the shipped sample, which pins them.
TEST(SampleTest, LaysOutRangesListsAndSingleFloors) {
  const std::pair<int, std::vector<std::string>> cases[] = {
      {18, {"0", "-2", "-1", "1", "2,13", "14/16", "15", "17", "18"}},
      {5, {"0", "-2", "-1", "1", "2,4", "5"}},
      {3, {"0", "-2", "-1", "1", "2", "3"}},
      {1, {"0", "-2", "-1", "1"}},
  };
  for (const auto& [floors, labels] : cases) {
    SampleOptions options;
    options.floors = floors;
    const SampleBuilding building(options);
    std::vector<std::string> shown;
    for (const SampleFloor& floor : building.floors()) shown.push_back(floor.label);
    EXPECT_EQ(shown, labels) << floors;
  }
}

// Walks a default and a low-merge project larger than the shipped sample and
// checks what every consumer of the records relies on where size and shape
// matter; the kinds, codes and features of the records are those of the
// shipped sample, which pins them. The low-merge shape splits most records
// over two or three partitions and leaves almost no two records of one item,
// floor and component alike; the default shape merges many.
TEST(SampleTest, RecordsAreConsistentInEitherShape) {
  struct Case {
    bool low_merge;
    double min_split, max_split;  // share of records over two or three partitions
    double min_alike, max_alike;  // share of records that would merge with an earlier one
    size_t min_names;             // component names of the interior wall item
  };
  const Case cases[] = {
      {false, 0.0, 0.5, 0.2, 1.0, 1},
      {true, 0.7, 0.9, 0.0, 0.05, 20},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.low_merge);
    SampleOptions options;
    options.scale = 8;
    options.seed = 4;
    options.low_merge = c.low_merge;
    SampleBuilding building(options);
    EXPECT_EQ(building.partitions(), (std::vector<std::string>{"1区", "2区", "未分区"}));
    std::map<long long, std::string> handle_of;
    std::set<std::string> handles, seen, wall_names;
    long long records = 0, split = 0, alike = 0;
    bool has_rest = false;
    const auto check = [&](const SampleRecord& r) {
      ++records;
      if (r.partitions.size() == 2 || r.partitions.size() == 3) ++split;
      std::string key = std::string(r.bill_code) + "|" + std::string(r.quota_code) + "|" +
                        std::string(r.floor) + "|" + r.component_name + "|" + r.quantity;
      for (const SampleShare& share : r.partitions) key += "|" + share.name;
      if (!seen.insert(key).second) ++alike;
      if (r.type_path == "Q\\TNQ") wall_names.insert(r.component_name);
      // Partition quantities add up to the record's quantity, digit for digit.
      long long sum = 0;
      for (const SampleShare& share : r.partitions) {
        sum += Digits(share.quantity);
        has_rest = has_rest || share.name == "未分区";
      }
      EXPECT_EQ(sum, Digits(r.quantity)) << r.type_path << " " << r.position;
      if (r.handle.empty()) return;
      // One handle per instance, shared by all records of that instance.
      const auto [at, fresh] = handle_of.emplace(r.id, r.handle);
      EXPECT_EQ(at->second, r.handle);
      if (fresh) {
        EXPECT_TRUE(handles.insert(r.handle).second) << r.handle;
      }
    };
    building.WalkClassified([&](const SampleRecord& bill, std::span<const SampleRecord> quotas) {
      check(bill);
      for (const SampleRecord& quota : quotas) check(quota);
    });
    const double split_share = static_cast<double>(split) / static_cast<double>(records);
    const double alike_share = static_cast<double>(alike) / static_cast<double>(records);
    EXPECT_GE(split_share, c.min_split);
    EXPECT_LE(split_share, c.max_split);
    EXPECT_GE(alike_share, c.min_alike);
    EXPECT_LE(alike_share, c.max_alike);
    EXPECT_GE(wall_names.size(), c.min_names);
    building.WalkLooseQuotas([&](const SampleRecord& r) { check(r); });
    EXPECT_TRUE(has_rest);
    // Every door and window instance is listed once with its handle as key;
    // bay windows (53, 54) are occurrences only and share their block's key.
    size_t openings = 0;
    size_t bays = 0;
    for (const SampleDoorWindow& dw : building.doors_windows()) {
      if (dw.type == 53 || dw.type == 54) {
        ++bays;
        continue;
      }
      EXPECT_TRUE(dw.type == 51 || dw.type == 52);
      EXPECT_TRUE(handles.contains(dw.key));
      ++openings;
    }
    EXPECT_GT(openings, 10u);
    EXPECT_GT(bays, 2u);
  }
}

}  // namespace
}  // namespace reportdata::cli
