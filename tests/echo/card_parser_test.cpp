#include "echo/card_parser.h"

#include <gtest/gtest.h>

#include <tuple>

namespace rerore {
namespace {

const std::vector<int> kSectionTypes = {kFieldInteger, kFieldDecimal, kFieldDecimal, kFieldExponent,
                                        kFieldExponent};

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

// At most 30 tokens; annotations go until no number can follow; missing ones read 0.
TEST(CardParser, TokensRowsAndCounts) {
  std::string line;
  for (int i = 1; i <= 35; ++i) line += std::to_string(i) + " ";
  EXPECT_EQ(std::tuple(SplitTokens(line).size(), SplitTokens(line).back()), std::tuple(30u, "30"));
  for (const std::vector<std::string>& kept :
       {std::vector<std::string>{"1", "2", "3", "4", "5", "note", "x"},
        {"1", "2", "x", "y", "z", "w"}}) {
    std::vector<std::string> tokens = kept;
    DropInvalidTokens(tokens, kSectionTypes);
    EXPECT_EQ(tokens, kept);
  }
  EchoLineStore store;
  store.fill("count: 2 rows\n1 b=0.2 0,3 0.5 1.5E-01 3.1E-03\n2 0.4\n\n");
  CardParser parser(store);
  EXPECT_EQ(parser.parseCountLine(1), 2);
  EXPECT_EQ(parser.field(2, 1).text, "rows");           // later tokens land as text in field 1
  EXPECT_EQ(parser.parseRows(2, 5, kSectionTypes), 3);  // only stored lines are read
  EXPECT_EQ((std::vector<float>{parser.value(1, 2), parser.value(1, 5), parser.value(2, 3),
                                parser.value(3, 1)}),
            (std::vector<float>{0.3f, 0.0031f, 0, 0}));
  EXPECT_EQ(parser.parseCountLine(4) + parser.parseCountLine(9), 0);  // 9: past the last line
}

}  // namespace
}  // namespace rerore
