// The number texts of the report rows, with printf as the oracle.
#include "keys/number_format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <random>

namespace reportdata {
namespace {

std::wstring Printf(const char* format, auto... values) {
  char text[kFixedChars];
  std::snprintf(text, sizeof text, format, values...);
  return std::wstring(text, text + std::strlen(text));
}

TEST(NumberFormatTest, FixedAndIntegerTextsArePrintfs) {
  using limits = std::numeric_limits<double>;
  std::vector<double> values = {0.0,      -0.0,          0.125,
                                0.0005,   2.675,         -1.0000005,
                                1e22,     limits::max(), limits::denorm_min(),
                                INFINITY, -INFINITY,     NAN,
                                -NAN};
  std::mt19937_64 random(12);
  for (int i = 0; i < 5000; ++i) {
    const uint64_t bits = random();
    double value;
    std::memcpy(&value, &bits, sizeof value);
    values.push_back(value);
    values.push_back(std::round(value) / 1000 + 0.0005);
  }
  // Quantities as tables hold them: a few decimals, halves at the printed
  // decimals that are exact in binary (0.125 at two), their neighbours, and
  // the largest magnitudes whose digits still fit below 2^52.
  std::uniform_real_distribution<double> quantity(-2e4, 2e4);
  for (int i = 0; i < 5000; ++i) {
    const double scale = std::pow(10.0, i % 8);
    const double value = std::round(quantity(random) * scale) / scale;
    values.insert(values.end(), {value, std::nextafter(value, INFINITY),
                                 std::nextafter(value, -INFINITY), value / 1024});
  }
  for (const double half : {0.5, 2.5, 0.125, 0.375, 1.625, 0.0625, 0.0078125, 4503.5999995,
                            4503599627.3704965, 4503599627370.49, 4.5e9, 4.6e9}) {
    for (const double value : {half, -half}) {
      values.insert(values.end(),
                    {value, std::nextafter(value, INFINITY), std::nextafter(value, -INFINITY)});
    }
  }
  for (const double value : values) {
    for (const int decimals : {0, 2, 3, 6, 15, 16}) {
      std::wstring text = L"x";
      AppendFixed(text, value, decimals);
      ASSERT_EQ(text, L"x" + Printf("%.*f", decimals, value)) << decimals;
    }
    if (std::isfinite(value)) {
      const long long integer = static_cast<long long>(std::fmod(value, 1e18));
      ASSERT_EQ(FormatInt(integer), Printf("%lld", integer));
    }
  }
  EXPECT_EQ(FormatInt(std::numeric_limits<long long>::min()),
            Printf("%lld", std::numeric_limits<long long>::min()));
}

}  // namespace
}  // namespace reportdata
