// The grid and the unit arithmetic of the sample building. Lengths are whole
// millimetres and quantities whole thousandths of their unit, so that every
// quantity text is exact and the same on every machine.
#ifndef CLI_SAMPLE_GEOMETRY_H_
#define CLI_SAMPLE_GEOMETRY_H_

#include <string>
#include <string_view>

namespace reportdata::cli {

// The building stands on column axes 1 to 12 and rows A to F; the partitions
// share axes 1 to 11 and whatever reaches axis 12 stays unpartitioned.
inline constexpr int kPartitionedAxes = 11;
inline constexpr std::string_view kRows = "ABCDEF";
inline constexpr int kBay = 3600;          // axis spacing, mm
inline constexpr int kLength = kBay * 11;  // building length, mm
inline constexpr int kDepth = 15000;       // building depth, mm
inline constexpr std::string_view kRest = "未分区";

// Thousandths of a cubic metre from millimetres, rounded.
inline long long Volume(long long a, long long b, long long c) {
  return (a * b * c + 500000) / 1000000;
}
// Thousandths of a square metre from millimetres, rounded.
inline long long Area(long long a, long long b) { return (a * b + 500) / 1000; }

// Decimal text of a quantity given in thousandths and divided by a unit
// factor of 1, 10, 100 or 1000: QuantityText(12345, 10) is "1.2345".
std::string QuantityText(long long milli, int factor = 1);

// Millimetres as metres with three decimals.
inline std::string M(long long mm) { return QuantityText(mm); }

}  // namespace reportdata::cli

#endif  // CLI_SAMPLE_GEOMETRY_H_
