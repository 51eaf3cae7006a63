#include "model/parse_number.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace rerore {

TEST(ParseNumber, ReadsDecimalCommaExponentAndStopsAtFirstForeignCharacter) {
  EXPECT_FLOAT_EQ(parseNumber("1,5"), 1.5f);
  EXPECT_FLOAT_EQ(parseNumber(" 2.5e3x"), 2500.0f);
  EXPECT_FLOAT_EQ(parseNumber("  -0,25E-2"), -0.0025f);
  EXPECT_FLOAT_EQ(parseNumber("+7"), 7.0f);
  EXPECT_FLOAT_EQ(parseNumber(".5"), 0.5f);
  EXPECT_FLOAT_EQ(parseNumber("3e"), 3.0f);     // an exponent without digits is not read
  EXPECT_FLOAT_EQ(parseNumber("4.0.1"), 4.0f);  // a second point ends the number
  EXPECT_FLOAT_EQ(parseNumber("1 2"), 1.0f);
}

TEST(ParseNumber, EmptyOrNonNumericGivesZero) {
  EXPECT_EQ(parseNumber(""), 0.0f);
  EXPECT_EQ(parseNumber("abc"), 0.0f);
  EXPECT_EQ(parseNumber("   "), 0.0f);
  EXPECT_EQ(parseNumber("-"), 0.0f);
  EXPECT_EQ(parseNumber("."), 0.0f);
  EXPECT_EQ(parseNumber("e5"), 0.0f);
}

TEST(ParseNumber, ReadsOnlyTheFirst119Characters) {
  // 118 blanks, then "12": only the "1" lies within the first 119.
  EXPECT_FLOAT_EQ(parseNumber(std::string(118, ' ') + "12"), 1.0f);
  // A 200-character text: the exponent of "2e3" starts at character 118
  // and its digits lie beyond the first 119, so only the 2 is read.
  const std::string text = std::string(117, '0') + "2e3" + std::string(80, 'x');
  ASSERT_EQ(text.size(), 200u);
  EXPECT_FLOAT_EQ(parseNumber(text), 2.0f);
  EXPECT_FLOAT_EQ(parseNumber(std::string(116, '0') + "2e3"), 2000.0f);
}

TEST(ParseNumber, ResultIsSinglePrecision) {
  EXPECT_EQ(parseNumber("0.1"), 0.1f);
  EXPECT_EQ(parseNumber("1e39"), HUGE_VALF);  // beyond single precision
  EXPECT_EQ(parseNumber("1e-50"), 0.0f);
}

TEST(ParseInteger, LeadingDigitsCount) {
  EXPECT_EQ(parseInteger(" 42abc"), 42);
  EXPECT_EQ(parseInteger("-3"), -3);
  EXPECT_EQ(parseInteger("x1"), 0);
  EXPECT_EQ(parseInteger(""), 0);
  EXPECT_EQ(parseInteger("6.7"), 6);
}

}  // namespace rerore
