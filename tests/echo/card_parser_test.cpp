#include "echo/card_parser.h"

#include <gtest/gtest.h>

namespace rerore {
namespace {

const std::vector<int> kSectionTypes = {kFieldInteger, kFieldDecimal, kFieldDecimal, kFieldExponent,
                                        kFieldExponent};

TEST(CardParser, FieldFilters) {
  CardField f = ParseField("2,5", kFieldDecimal);
  EXPECT_TRUE(f.present);
  EXPECT_EQ(f.text, "2.5");
  EXPECT_FLOAT_EQ(f.value, 2.5f);
  // A character outside the set ends the number where it stands.
  EXPECT_FLOAT_EQ(ParseField("1.5E-01", kFieldDecimal).value, 1.5f);
  EXPECT_FLOAT_EQ(ParseField("1.5e-01", kFieldExponent).value, 0.15f);
  EXPECT_FLOAT_EQ(ParseField("3,0E+02", kFieldExponent).value, 300.0f);
  EXPECT_EQ(ParseField("12.7", kFieldInteger).integer, 12);
  EXPECT_EQ(ParseField("-5", kFieldInteger).integer, 5);  // no sign in integer fields
  EXPECT_EQ(ParseField("99999", kFieldInteger).integer, 32767);
  f = ParseField("abc", kFieldInteger);
  EXPECT_FALSE(f.present);
  EXPECT_EQ(f.integer, 0);
  EXPECT_EQ(f.value, 0.0f);
  EXPECT_EQ(ParseField("j", kFieldYesNo).text, "J");
  EXPECT_EQ(ParseField("Tr\x84ger?", kFieldText).text, "Tr\x84ger?");
  EXPECT_EQ(ParseField("a~b", kFieldText).text, "a b");
  EXPECT_EQ(ParseField(std::string(80, '7'), kFieldText).text.size(), 62u);
}

TEST(CardParser, TokensAtMostThirtyAndAnnotationsDroppedFromNumericFields) {
  EXPECT_EQ(SplitTokens("  1   2.5 x "), (std::vector<std::string>{"1", "2.5", "x"}));
  EXPECT_TRUE(SplitTokens("    ").empty());
  std::string line;
  for (int i = 1; i <= 35; ++i) line += std::to_string(i) + " ";
  EXPECT_EQ(SplitTokens(line).size(), 30u);
  EXPECT_EQ(SplitTokens(line).back(), "30");

  std::vector<std::string> tokens = {"1", "b=0.2", "0.3", "0.5", "1.5E-01", "3.1E-03"};
  DropInvalidTokens(tokens, kSectionTypes);
  EXPECT_EQ(tokens, (std::vector<std::string>{"1", "0.3", "0.5", "1.5E-01", "3.1E-03"}));
  // Positions beyond the fields are text and stay; dropping ends where no
  // later token could be a number.
  for (const std::vector<std::string>& kept :
       {std::vector<std::string>{"1", "2", "3", "4", "5", "note", "x"},
        {"1", "2", "x", "y", "z", "w"}}) {
    tokens = kept;
    DropInvalidTokens(tokens, kSectionTypes);
    EXPECT_EQ(tokens, kept);
  }
}

TEST(CardParser, RowsCountsAndMissingTokens) {
  EchoLineStore store;
  store.fill("count: 2 rows\n1 b=0.2 0,3 0.5 1.5E-01 3.1E-03\n2 0.4\n\n");
  CardParser parser(store);
  EXPECT_EQ(parser.parseCountLine(1), 2);
  EXPECT_EQ(parser.field(2, 1).text, "rows");           // later tokens land as text in field 1
  EXPECT_EQ(parser.parseRows(2, 5, kSectionTypes), 3);  // only stored lines are read
  // A row with more tokens than fields loses its annotation.
  EXPECT_EQ(parser.integer(1, 1), 1);
  EXPECT_FLOAT_EQ(parser.value(1, 2), 0.3f);
  EXPECT_FLOAT_EQ(parser.value(1, 5), 0.0031f);
  EXPECT_FLOAT_EQ(parser.value(2, 2), 0.4f);
  EXPECT_EQ(parser.value(2, 3), 0.0f);  // missing tokens read as "0"
  EXPECT_TRUE(parser.field(2, 5).present);
  for (int k = 1; k <= 5; ++k) EXPECT_EQ(parser.value(3, k), 0.0f) << "empty line, field " << k;
  EXPECT_EQ(parser.parseCountLine(4), 0);
  EXPECT_EQ(parser.parseCountLine(9), 0);  // past the last line
}

}  // namespace
}  // namespace rerore
