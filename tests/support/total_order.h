// A check that a three-way comparison is a total order on a set of values,
// for the tests of the orders that sorting relies on.
#ifndef REPORTDATA_TESTS_SUPPORT_TOTAL_ORDER_H_
#define REPORTDATA_TESTS_SUPPORT_TOTAL_ORDER_H_

#include <gtest/gtest.h>

#include <vector>

namespace reportdata::testing {

// Checks that compare orders values strictly and weakly, tying just the
// values equal calls equal: antisymmetric and transitive over every pair and
// triple. With exact_signs compare must answer -1, 0 or 1 itself.
template <typename T, typename Compare, typename Equal>
void ExpectTotalOrder(const std::vector<T>& values, Compare compare, Equal equal,
                      bool exact_signs) {
  const size_t n = values.size();
  std::vector<int> order(n * n);
  int failures = 0;
  for (size_t x = 0; x < n; ++x) {
    for (size_t y = 0; y < n; ++y) {
      const int answer = compare(values[x], values[y]);
      if (exact_signs && answer != -1 && answer != 0 && answer != 1) ++failures;
      order[x * n + y] = (answer > 0) - (answer < 0);
    }
  }
  const auto sign = [&](size_t x, size_t y) { return order[x * n + y]; };
  for (size_t x = 0; x < n && failures < 5; ++x) {
    for (size_t y = 0; y < n; ++y) {
      if (sign(x, y) != -sign(y, x) || (sign(x, y) == 0) != equal(values[x], values[y])) ++failures;
      for (size_t z = 0; z < n && sign(x, y) < 0; ++z) {
        if (sign(y, z) < 0 && sign(x, z) >= 0) ++failures;
      }
    }
  }
  EXPECT_EQ(failures, 0);
}

}  // namespace reportdata::testing

#endif  // REPORTDATA_TESTS_SUPPORT_TOTAL_ORDER_H_
