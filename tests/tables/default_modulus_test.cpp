#include "tables/core/default_modulus.h"

#include <gtest/gtest.h>

#include <cstring>

namespace rerore {
namespace {

int32_t Word32(const ModelParameters& p, size_t offset) {
  int32_t value = 0;
  std::memcpy(&value, p.bytes() + offset, sizeof value);
  return value;
}

int16_t Word16(const ModelParameters& p, size_t offset) {
  int16_t value = 0;
  std::memcpy(&value, p.bytes() + offset, sizeof value);
  return value;
}

TEST(DefaultModulus, AfterAMaterialsTableFollowsTheModulusTable) {
  for (uint8_t flag : {0, 1}) {
    ModelParameters p{};
    p.materialInputState = 1;
    p.modulusTableFlag = flag;
    std::memset(p.bytes() + 110, 0x7F, 2);
    ApplyDefaultModulus(p);
    EXPECT_EQ(p.defaultModulus, flag != 0 ? 3.0e7 : 2.49e7);
    EXPECT_EQ(Word32(p, 108), 20);
    EXPECT_EQ(Word16(p, 68), -1);
    EXPECT_EQ(Word16(p, 112), 0);
  }
}

TEST(DefaultModulus, WithoutMaterialsInputTakesThePlainModulusAndMarksIt) {
  ModelParameters p{};
  ApplyDefaultModulus(p);
  EXPECT_EQ(p.defaultModulus, 3.0e7);
  EXPECT_EQ(Word16(p, 68), 25);
  EXPECT_EQ(Word16(p, 108), -1);
  EXPECT_EQ(Word16(p, 112), 1);
}

TEST(DefaultModulus, AModulusAlreadySetStays) {
  ModelParameters p{};
  p.defaultModulus = 2.67e7;
  p.displayState68 = 3;
  ApplyDefaultModulus(p);
  EXPECT_EQ(p.defaultModulus, 2.67e7);
  EXPECT_EQ(p.displayState68, 3);
  EXPECT_EQ(p.defaultModulusSet, 0);
}

}  // namespace
}  // namespace rerore
