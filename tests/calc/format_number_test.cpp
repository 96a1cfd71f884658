#include "calc/format_number.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>

namespace quillpad {
namespace {

TEST(FormatNumberTest, FixedNotationFromE3ToE15) {
  EXPECT_EQ(FormatNumber(0.0001), "0.0001");
  EXPECT_EQ(FormatNumber(0.00012345), "0.00012345");
  EXPECT_EQ(FormatNumber(0.5), "0.5");
  EXPECT_EQ(FormatNumber(123.45), "123.45");
  EXPECT_EQ(FormatNumber(-123.45), "-123.45");
  EXPECT_EQ(FormatNumber(100), "100");
  EXPECT_EQ(FormatNumber(12345678.9), "12345678.9");
  EXPECT_EQ(FormatNumber(1e14), "100000000000000");
  EXPECT_EQ(FormatNumber(123456789012345), "123456789012345");
  EXPECT_EQ(FormatNumber(999999999999999), "999999999999999");
  EXPECT_EQ(FormatNumber(-999999999999999), "-999999999999999");
}

TEST(FormatNumberTest, ScientificNotationOutside) {
  EXPECT_EQ(FormatNumber(1e15), "1E15");
  EXPECT_EQ(FormatNumber(-1e15), "-1E15");
  EXPECT_EQ(FormatNumber(1e20), "1E20");
  EXPECT_EQ(FormatNumber(1.5e20), "1.5E20");
  EXPECT_EQ(FormatNumber(1234567890123456), "1.23456789012346E15");
  EXPECT_EQ(FormatNumber(0.00001), "1E-5");
  EXPECT_EQ(FormatNumber(0.000099), "9.9E-5");
  EXPECT_EQ(FormatNumber(1.5e-7), "1.5E-7");
  EXPECT_EQ(FormatNumber(-2.5e-300), "-2.5E-300");
  EXPECT_EQ(FormatNumber(DBL_MAX), "1.79769313486232E308");
  EXPECT_EQ(FormatNumber(std::numeric_limits<double>::denorm_min()), "4.94065645841247E-324");
}

TEST(FormatNumberTest, RoundsToFifteenSignificantDigits) {
  EXPECT_EQ(FormatNumber(1.0 / 3), "0.333333333333333");
  EXPECT_EQ(FormatNumber(2.0 / 3), "0.666666666666667");
  EXPECT_EQ(FormatNumber(0.1 + 0.2), "0.3");
  EXPECT_EQ(FormatNumber(1 - 1e-16), "1");
  EXPECT_EQ(FormatNumber(999999999999999.4), "999999999999999");
  // Rounding up may move the value into scientific notation.
  EXPECT_EQ(FormatNumber(999999999999999.6), "1E15");
  EXPECT_EQ(FormatNumber(0.000099999999999999999), "0.0001");
  EXPECT_EQ(FormatNumber(9.9999999999999999e-5), "0.0001");
  EXPECT_EQ(FormatNumber(0.0000999999999999994), "9.99999999999994E-5");
  // Exact ties (16-digit integers below 2^53) go to the even digit.
  EXPECT_EQ(FormatNumber(1234567890123455), "1.23456789012346E15");
  EXPECT_EQ(FormatNumber(1234567890123445), "1.23456789012344E15");
}

TEST(FormatNumberTest, ZeroInfinityAndNan) {
  EXPECT_EQ(FormatNumber(0), "0");
  EXPECT_EQ(FormatNumber(-0.0), "0");
  EXPECT_EQ(FormatNumber(INFINITY), "INF");
  EXPECT_EQ(FormatNumber(-INFINITY), "-INF");
  EXPECT_EQ(FormatNumber(NAN), "NAN");
  EXPECT_EQ(FormatNumber(-NAN), "NAN");
}

}  // namespace
}  // namespace quillpad
