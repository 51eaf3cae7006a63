#include "echo/card_parser.h"

#include <gtest/gtest.h>

#include <tuple>

namespace rerore {
namespace {

// A character outside a field's set ends the number; integers have no sign.
TEST(CardParser, FieldFilters) {
  EXPECT_EQ(std::tuple(ParseField("1.5E-01", kFieldDecimal).value,
                       ParseField("3,0E+02", kFieldExponent).value),
            std::tuple(1.5f, 300.0f));
  EXPECT_EQ((std::vector<int>{ParseField("12.7", kFieldInteger).integer,
                              ParseField("-5", kFieldInteger).integer,
                              ParseField("99999", kFieldInteger).integer}),
            (std::vector<int>{12, 5, 32767}));
  const CardField f = ParseField("abc", kFieldInteger);
  EXPECT_EQ(std::tuple(f.present, f.integer, f.value), std::tuple(false, 0, 0.0f));
  EXPECT_EQ((std::vector<std::string>{ParseField("j", kFieldYesNo).text,
                                      ParseField("Tr\x84ger?", kFieldText).text,
                                      ParseField("a~b", kFieldText).text}),
            (std::vector<std::string>{"J", "Tr\x84ger?", "a b"}));
  EXPECT_EQ(ParseField(std::string(80, '7'), kFieldText).text.size(), 62u);
}

TEST(CardParser, AtMostThirtyTokens) {
  std::string line;
  for (int i = 1; i <= 35; ++i) line += std::to_string(i) + " ";
  EXPECT_EQ(std::tuple(SplitTokens(line).size(), SplitTokens(line).back()), std::tuple(30u, "30"));
}

}  // namespace
}  // namespace rerore
