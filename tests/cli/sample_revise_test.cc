#include "cli/sample_revise.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>

#include "cli/input_error.h"

namespace reportdata::cli {
namespace {

nlohmann::json Revised(const std::string& project, RevisionCounts& counts) {
  std::istringstream in(project);
  const std::unique_ptr<std::FILE, int (*)(std::FILE*)> out(std::tmpfile(), &std::fclose);
  counts = ReviseProject(in, "in.json", out.get());
  std::rewind(out.get());
  return nlohmann::json::parse(out.get());
}

TEST(SampleReviseTest, AddsAStoreyChangesTheWallsBelowAndRemovesTheDoorsOfStoreyOne) {
  const std::string project = R"j({"project": {"name": "p", "floors": ["0", "1", "2,3", "4"],
    "floorBase": [{"name": "4", "label": "4", "number": 4, "kind": "", "remark": "",
                   "height": "3.000", "bottomElevation": "9.000"}],
    "summary": [{"name": "地上层数", "value": "4"}]},
  "floors": ["1", "4"],
  "classified": [
    {"bill": {"id": 7, "floor": "4", "typePath": "Z\\KZ", "quantity": "1"},
     "quotas": [{"id": 7, "floor": "4", "quantity": "0.1"}]},
    {"bill": {"id": 8, "floor": "1", "typePath": "MCD\\M", "componentName": "M1", "quantity": "1"}},
    {"bill": {"id": 9, "floor": "1", "typePath": "Q\\TCQ", "feature": "填充墙 100厚"}}],
  "doorsWindows": [{"type": 52, "floor": "1", "typeName": "M1", "position": "", "key": "A"},
                   {"type": 51, "floor": "1", "typeName": "C1", "position": "", "key": "B"}],
  "floorAreas": [{"floor": "4", "kind": "FL_MainArea", "value": 10.5}]})j";
  RevisionCounts counts;
  const nlohmann::json revised = Revised(project, counts);
  EXPECT_EQ(counts.added_floor, "5");
  // Storey 3 is only part of the range 2,3: no storey below the top to change.
  EXPECT_EQ(counts.wall_floor, "");
  EXPECT_EQ(revised["project"]["floors"].back(), "5");
  EXPECT_EQ(revised["project"]["floorBase"][1]["bottomElevation"], "12.000");
  EXPECT_EQ(revised["project"]["summary"][0]["value"], "5");
  EXPECT_EQ(revised["floors"].back(), "5");
  ASSERT_EQ(revised["classified"].size(), 3u);  // the door gone, the column twice
  EXPECT_EQ(revised["classified"][1]["bill"]["floor"], "5");
  EXPECT_EQ(revised["classified"][1]["bill"]["id"], 100000007);
  EXPECT_EQ(revised["classified"][1]["quotas"][0]["floor"], "5");
  EXPECT_EQ(revised["classified"][2]["bill"]["feature"], "填充墙 100厚");
  ASSERT_EQ(revised["doorsWindows"].size(), 1u);
  EXPECT_EQ(revised["doorsWindows"][0]["typeName"], "C1");
  EXPECT_EQ(revised["floorAreas"].size(), 2u);
  EXPECT_EQ(counts.doors_removed, 2);

  // With storey 3 on its own, its infill walls become 200 thick.
  std::string with_three = project;
  with_three.replace(with_three.find("\"2,3\""), 5, "\"3\"");
  with_three.replace(with_three.find("\"floor\": \"1\", \"typePath\": \"Q"), 12,
                     "\"floor\": \"3\"");
  const nlohmann::json walls = Revised(with_three, counts);
  EXPECT_EQ(counts.wall_floor, "3");
  EXPECT_EQ(walls["classified"][2]["bill"]["feature"], "填充墙 200厚");
  EXPECT_EQ(counts.walls_changed, 1);

  RevisionCounts ignored;
  EXPECT_THROW(Revised(R"({"project": {"floors": ["0", "-1"]}, "classified": []})", ignored),
               InputError);
}

}  // namespace
}  // namespace reportdata::cli
