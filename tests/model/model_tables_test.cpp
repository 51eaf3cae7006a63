#include "model/model_tables.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "commands/startup.h"

namespace rerore {
namespace {

ElementRecord Element(float xa, float ya, float xb, float yb) {
  ElementRecord e{};
  SetElementLeft(e, xa, ya);
  SetElementRight(e, xb, yb);
  return e;
}

TEST(ElementGeometry, AxisLengthAndTheAngleRules) {
  EXPECT_EQ(kPi, 4.0 * std::atan(1.0));               // the angles keep their last bit
  ElementRecord e = Element(1.0f, 2.0f, 4.0f, 6.0f);  // a rising 3-4-5 triangle; z points down
  ComputeElementGeometry(e, true);
  EXPECT_EQ(e.dx, 3.0f);
  EXPECT_EQ(e.dz, -4.0f);
  EXPECT_EQ(e.length, 5.0f);
  const float axis[4] = {0.8f, 0.6f, 0.6f, -0.8f};  // -s, c, c, s
  for (int i = 0; i < 4; ++i) EXPECT_FLOAT_EQ(e.axis[i], axis[i]) << i;

  const struct {
    float xa, ya, xb, yb;
    bool angleFlag;
    double angle;
  } cases[] = {{1.0f, 2.0f, 4.0f, 6.0f, true, std::atan2(-0.8, 0.6)},
               {0.0f, 0.0f, 0.0f, 3.0f, true, kPi / 2},
               {0.0f, 0.0f, 1.0f, -0.005f, true, 0.0},      // s = 0.005: horizontal
               {0.0f, 0.0f, 0.005f, -1.0f, true, kPi / 2},  // c = 0.005: vertical
               {0.0f, 0.0f, 1.0f, -0.005f, false, kPi},     // a clear flag adds pi
               {2.0f, 2.0f, 2.0f, 2.0f, true, std::atan2(0.1, 0.1)}};
  for (const auto& c : cases) {
    e = Element(c.xa, c.ya, c.xb, c.yb);
    ComputeElementGeometry(e, c.angleFlag);
    EXPECT_FLOAT_EQ(e.angle, static_cast<float>(c.angle)) << c.xb << " " << c.yb;
  }
  // The last one has no length: the degenerate axis.
  EXPECT_EQ(e.length, 0.0f);
  EXPECT_FLOAT_EQ(e.axis[0], -0.1f);
  EXPECT_FLOAT_EQ(e.axis[1], 0.1f);
  EXPECT_FLOAT_EQ(e.axis[3], 0.1f);
}

TEST(StiffnessProducts, ZeroReferencesBecomeOneAndRigidStiffnessTakesTheMaxima) {
  ModelTables model;
  SetDefaultMaterial(model);
  SetDefaultCrossSection(model);
  model.params.materialCount = model.params.crossSectionCount = 2;
  model.materials[2].modulus = 2.1e8f;
  model.crossSections[2].area = 0.12f;
  ElementRecord e{};
  UpdateStiffnessProducts(model, e);
  EXPECT_EQ(e.material, 1);
  EXPECT_EQ(e.crossSection, 1);
  EXPECT_EQ(e.ea, 26700000.0f * 0.08f);
  EXPECT_EQ(e.ei, 26700000.0f * 0.0010666667f);
  EXPECT_EQ(RigidStiffness(model), 2.1e8f * 0.12f);
  // A reference outside the table counts as no stiffness instead of reading past it.
  e.material = 999;
  UpdateStiffnessProducts(model, e);
  EXPECT_EQ(e.ea, 0.0f);

  // Negative values never win and empty tables give 0.
  ModelTables empty;
  empty.params.materialCount = 1;
  empty.materials[1].modulus = -5.0f;
  EXPECT_EQ(RigidStiffness(empty), 0.0f);
}

TEST(ChangeSum, SumsBytesOneTo743) {
  ModelParameters p;
  std::memset(&p, 0, sizeof p);
  p.bytes()[0] = 200;  // byte 0 is left out
  EXPECT_EQ(ChangeSum(p), 0u);
  p.bytes()[1] = 200;
  p.bytes()[743] = 255;
  EXPECT_EQ(ChangeSum(p), 455u);
  p.elementCount = 3;
  EXPECT_EQ(ChangeSum(p), 458u);
}

TEST(ResetParameters, ClearsExactlyItsByteRanges) {
  ModelTables model;
  std::memset(model.params.bytes(), 0xAB, sizeof(ModelParameters));
  ResetParameters(model);
  const int cleared[][2] = {{0, 7},     {12, 17},   {20, 23},   {28, 33},   {38, 41},
                            {44, 51},   {58, 59},   {62, 63},   {66, 91},   {98, 99},
                            {130, 131}, {496, 511}, {520, 575}, {592, 607}, {664, 664},
                            {666, 670}, {672, 677}, {680, 682}, {684, 684}};
  const uint8_t* b = model.params.bytes();
  for (int i = 0; i < 744; ++i) {
    if (i == 679 || (i >= 512 && i <= 519)) continue;  // angleFlag and tolerance, below
    bool zero = false;
    for (const auto& r : cleared) zero = zero || (i >= r[0] && i <= r[1]);
    EXPECT_EQ(b[i], zero ? 0 : 0xAB) << "byte " << i;
  }
  EXPECT_EQ(model.params.angleFlag, 1);
  EXPECT_EQ(model.params.tolerance, 1.0e-6);
  EXPECT_EQ(model.params.elementCount, static_cast<int16_t>(0xABAB));  // kept
}

TEST(ModelTables, CountsAreClampedForLoops) {
  ModelTables model;
  model.params.elementCount = 32767;
  model.params.nodeCount = -4;
  EXPECT_EQ(ElementRows(model), 100);
  EXPECT_EQ(NodeRows(model), 0);
  model.params.setTitle(std::string(400, 'x'));
  EXPECT_EQ(model.params.titleText().size(), 359u);
}

}  // namespace
}  // namespace rerore
