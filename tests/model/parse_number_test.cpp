#include "model/parse_number.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <utility>

namespace rerore {

TEST(ParseNumber, CommaExponentBlanksFirstForeignCharacterAnd119Characters) {
  const std::pair<std::string, float> cases[] = {
      {"1,5", 1.5f},
      {" 2.5e3x", 2500.0f},
      {"  -0,25E-2", -0.0025f},
      {"3e", 3.0f},     // an exponent without digits is not read
      {"4.0.1", 4.0f},  // a second point ends the number
      {"", 0.0f},
      {"abc", 0.0f},
      {"0.1", 0.1f},  // single precision
      {"1e39", HUGE_VALF},
      {"1e-50", 0.0f},
      // Only the first 119 characters count: 118 blanks, then "12" gives 1.
      {std::string(118, ' ') + "12", 1.0f},
      // 200 characters: the digits of the exponent of "2e3" lie beyond the 119th.
      {std::string(117, '0') + "2e3" + std::string(80, 'x'), 2.0f},
      {std::string(116, '0') + "2e3", 2000.0f}};
  for (const auto& [text, value] : cases) EXPECT_EQ(parseNumber(text), value) << '"' << text << '"';
}

TEST(ParseFiniteNumber, RefusesWhatDoesNotFitAFloat) {
  for (const char* text : {"1e39", "-4e38", "3.5E38", "1e400", "-1e99999"})
    EXPECT_FALSE(parseFiniteNumber(text).has_value()) << text;
  const std::pair<const char*, float> kept[] = {
      {"3.4e38", 3.4e38f}, {"-3.4e38", -3.4e38f}, {"1e-50", 0.0f}, {"abc", 0.0f}, {"2,5", 2.5f}};
  for (const auto& [text, value] : kept) EXPECT_EQ(parseFiniteNumber(text), value) << text;
  EXPECT_EQ(TooLargeNumberMessage("1E39"), "The number 1E39 is too large");
}

TEST(ParseInteger, LeadingDigitsCount) {
  const std::pair<const char*, int> cases[] = {
      {" 42abc", 42}, {"-3", -3}, {"x1", 0}, {"", 0}, {"6.7", 6}};
  for (const auto& [text, value] : cases) EXPECT_EQ(parseInteger(text), value) << text;
}

}  // namespace rerore
