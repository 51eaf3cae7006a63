#include "check/matrix_text.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <random>
#include <vector>

namespace rerore {
namespace {

std::string Printf(const char* format, double value) {
  char buffer[512];
  return std::string(buffer, std::snprintf(buffer, sizeof buffer, format, value));
}

std::string Fast(double value, int width) {
  std::string out;
  AppendFixed(out, value, 2, width);
  return out;
}

// Ties, tiny, signed zero, huge, subnormal, non-finite, random values and bits.
TEST(MatrixText, ToCharsGivesTheBytesOfPrintf) {
  const double inf = std::numeric_limits<double>::infinity();
  const double nan = std::numeric_limits<double>::quiet_NaN();
  std::vector<double> values = {0.0,    -0.0,    0.005, -0.005,  0.004,   -0.004,     0.0049999,
                                0.015,  0.125,   2.675, -1.115,  99.995,  999999.995, 1e-300,
                                5e-324, -5e-324, 1e22,  1e300,   DBL_MAX, -DBL_MAX,   inf,
                                -inf,   nan,     -nan,  1.0 / 3, -2.0 / 3};
  for (double x = -0.01; x <= 0.01; x += 0.0001) values.push_back(x);
  std::mt19937_64 random(3);
  std::uniform_real_distribution<double> mantissa(-10.0, 10.0);
  std::uniform_int_distribution<int> exponent(-20, 20);
  for (int i = 0; i < 200000; ++i) values.push_back(std::ldexp(mantissa(random), exponent(random)));
  for (int i = 0; i < 20000; ++i) values.push_back(std::round(mantissa(random) * 1e5) / 200.0);
  for (int i = 0; i < 50000; ++i) {
    const uint64_t bits = random();
    double d;
    std::memcpy(&d, &bits, sizeof d);
    values.push_back(d);
  }
  for (double x : values) {
#ifdef _WIN32
    // MinGW's printf drops the sign of a NaN; the files keep it, as on Linux.
    if (std::isnan(x) && std::signbit(x)) {
      ASSERT_EQ(Fast(x, 0), "-nan");
      ASSERT_EQ(Fast(x, 5), " -nan");
      continue;
    }
#endif
    ASSERT_EQ(Fast(x, 0), Printf("%.2f", x)) << std::hexfloat << x;
    ASSERT_EQ(Fast(x, 5), Printf("%5.2lf", x)) << std::hexfloat << x;
  }
}

}  // namespace
}  // namespace rerore
