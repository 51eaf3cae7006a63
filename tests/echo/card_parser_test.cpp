#include "echo/card_parser.h"

#include <gtest/gtest.h>

#include <tuple>

namespace rerore {
namespace {

const std::vector<int> kSectionTypes = {kFieldInteger, kFieldDecimal, kFieldDecimal, kFieldExponent,
                                        kFieldExponent};

TEST(CardParser, FieldFilters) {
  CardField f = ParseField("2,5", kFieldDecimal);
  EXPECT_EQ(std::tuple(f.present, f.text, f.value), std::tuple(true, "2.5", 2.5f));
  // A character outside the set ends the number where it stands.
  EXPECT_FLOAT_EQ(ParseField("1.5E-01", kFieldDecimal).value, 1.5f);
  EXPECT_FLOAT_EQ(ParseField("1.5e-01", kFieldExponent).value, 0.15f);
  EXPECT_FLOAT_EQ(ParseField("3,0E+02", kFieldExponent).value, 300.0f);
  // No sign in integer fields.
  EXPECT_EQ((std::vector<int>{ParseField("12.7", kFieldInteger).integer,
                              ParseField("-5", kFieldInteger).integer,
                              ParseField("99999", kFieldInteger).integer}),
            (std::vector<int>{12, 5, 32767}));
  f = ParseField("abc", kFieldInteger);
  EXPECT_EQ(std::tuple(f.present, f.integer, f.value), std::tuple(false, 0, 0.0f));
  EXPECT_EQ((std::vector<std::string>{ParseField("j", kFieldYesNo).text,
                                      ParseField("Tr\x84ger?", kFieldText).text,
                                      ParseField("a~b", kFieldText).text}),
            (std::vector<std::string>{"J", "Tr\x84ger?", "a b"}));
  EXPECT_EQ(ParseField(std::string(80, '7'), kFieldText).text.size(), 62u);
}

TEST(CardParser, TokensAtMostThirtyAndAnnotationsDroppedFromNumericFields) {
  EXPECT_EQ(SplitTokens("  1   2.5 x "), (std::vector<std::string>{"1", "2.5", "x"}));
  EXPECT_TRUE(SplitTokens("    ").empty());
  std::string line;
  for (int i = 1; i <= 35; ++i) line += std::to_string(i) + " ";
  EXPECT_EQ(std::tuple(SplitTokens(line).size(), SplitTokens(line).back()), std::tuple(30u, "30"));

  std::vector<std::string> tokens = {"1", "b=0.2", "0.3", "0.5", "1.5E-01", "3.1E-03"};
  DropInvalidTokens(tokens, kSectionTypes);
  EXPECT_EQ(tokens, (std::vector<std::string>{"1", "0.3", "0.5", "1.5E-01", "3.1E-03"}));
  // Tokens beyond the fields stay; dropping ends where no number can follow.
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
  // An annotation in a full row goes; missing tokens read as "0".
  EXPECT_EQ((std::vector<float>{float(parser.integer(1, 1)), parser.value(1, 2), parser.value(1, 5),
                                parser.value(2, 2), parser.value(2, 3)}),
            (std::vector<float>{1, 0.3f, 0.0031f, 0.4f, 0}));
  EXPECT_TRUE(parser.field(2, 5).present);
  for (int k = 1; k <= 5; ++k) EXPECT_EQ(parser.value(3, k), 0.0f) << "empty line, field " << k;
  EXPECT_EQ(parser.parseCountLine(4) + parser.parseCountLine(9), 0);  // 9: past the last line
}

}  // namespace
}  // namespace rerore
