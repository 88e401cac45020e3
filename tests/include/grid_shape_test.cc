// The tree of a layout A answer, read by its row ids alone.
#include "reportdata/grid_shape.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

using reportdata::GridShape;
constexpr size_t kNone = GridShape::kNone;

TEST(GridShapeTest, RowIdsGiveParentsAndDepths) {
  const struct {
    const char* what;
    std::vector<std::pair<std::string, std::string>> ids;  // cells 0 and 1, header first
    std::vector<size_t> parents;
    std::vector<int> depths;
  } cases[] = {
      {"nested rows",
       {{"1", "0"}, {"2", "0"}, {"3", "2"}, {"4", "3"}, {"5", "0"}, {"6", "2"}},
       {kNone, kNone, 1, 2, kNone, 1},
       {0, 0, 1, 2, 0, 1}},
      {"the header and unknown ids are no parents",
       {{"1", "0"}, {"2", "1"}, {"3", "9"}, {"4", "3"}},
       {kNone, kNone, kNone, 2},
       {0, 0, 0, 1}},
      {"a repeated id names its later row",
       {{"1", "0"}, {"2", "0"}, {"2", "0"}, {"3", "2"}},
       {kNone, kNone, kNone, 2},
       {0, 0, 0, 1}},
  };
  for (const auto& c : cases) {
    GridShape narrow;
    GridShape wide;
    for (const auto& [id, parent] : c.ids) {
      narrow.Add(id, parent);
      wide.Add(std::wstring(id.begin(), id.end()), std::wstring(parent.begin(), parent.end()));
    }
    for (const GridShape* shape : {&narrow, &wide}) {
      ASSERT_EQ(shape->rows(), c.ids.size()) << c.what;
      for (size_t r = 0; r < shape->rows(); ++r) {
        EXPECT_EQ(shape->parent(r), c.parents[r]) << c.what << ", row " << r;
        EXPECT_EQ(shape->depth(r), c.depths[r]) << c.what << ", row " << r;
      }
    }
  }
}

}  // namespace
