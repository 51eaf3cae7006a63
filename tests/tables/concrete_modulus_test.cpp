#include "tables/core/concrete_modulus.h"

#include <gtest/gtest.h>

namespace rerore {
namespace {

TEST(ConcreteModulus, CurrentClassesFollowTheChosenTable) {
  int last = 0;
  EXPECT_EQ(ConcreteModulus("c30/37", false, last), 28300000.0f);
  EXPECT_EQ(last, 2);
  last = 0;
  EXPECT_EQ(ConcreteModulus("C30/37", true, last), 33000000.0f);
  EXPECT_EQ(ConcreteModulus("C90/105", true, last), 44000000.0f);
  EXPECT_EQ(ConcreteModulus("C100/115", false, last), 45200000.0f);
}

TEST(ConcreteModulus, UnknownCurrentClassKeepsTheClassUsedLast) {
  int last = 0;
  ASSERT_TRUE(ConcreteModulus("C30/37", false, last));
  EXPECT_EQ(ConcreteModulus("C12", false, last), 28300000.0f);
  EXPECT_EQ(last, 2);
  // Class 100 has no place in the second table.
  EXPECT_EQ(ConcreteModulus("C100", true, last), 33000000.0f);
  EXPECT_EQ(last, 2);
}

TEST(ConcreteModulus, OldClassesAndBareNumbers) {
  int last = 5;
  EXPECT_EQ(ConcreteModulus("B10", false, last), 22000000.0f);
  EXPECT_EQ(ConcreteModulus("b55", true, last), 39000000.0f);
  EXPECT_EQ(ConcreteModulus("25", false, last), 30000000.0f);
  EXPECT_EQ(ConcreteModulus("B12", false, last), 30000000.0f);
  EXPECT_EQ(ConcreteModulus("45/55", false, last), 37000000.0f);
  EXPECT_EQ(last, 5);
}

TEST(ConcreteModulus, NoClassNumberGivesNothing) {
  int last = 3;
  EXPECT_FALSE(ConcreteModulus("C", false, last));
  EXPECT_FALSE(ConcreteModulus("B0", false, last));
  EXPECT_FALSE(ConcreteModulus("/37", false, last));
  EXPECT_EQ(last, 3);
}

}  // namespace
}  // namespace rerore
