#include "model/model_tables.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <set>

#include "model/startup.h"

namespace rerore {
namespace {

constexpr double kPi = 3.14159265358979323846;

ElementRecord Element(float xa, float ya, float xb, float yb) {
  ElementRecord e{};
  SetElementLeft(e, xa, ya);
  SetElementRight(e, xb, yb);
  return e;
}

TEST(ElementGeometry, HorizontalVerticalAndSlopedElements) {
  ElementRecord e = Element(1.0f, 2.0f, 4.0f, 6.0f);  // 3-4-5 triangle, rising
  ComputeElementGeometry(e, true, kPi);
  EXPECT_EQ(e.dx, 3.0f);
  EXPECT_EQ(e.dz, -4.0f);  // z points down
  EXPECT_EQ(e.length, 5.0f);
  EXPECT_FLOAT_EQ(e.axis[0], 0.8f);   // -s
  EXPECT_FLOAT_EQ(e.axis[1], 0.6f);   // c
  EXPECT_FLOAT_EQ(e.axis[2], 0.6f);   // c
  EXPECT_FLOAT_EQ(e.axis[3], -0.8f);  // s
  EXPECT_FLOAT_EQ(e.angle, static_cast<float>(std::atan2(-0.8, 0.6)));

  ElementRecord column = Element(0.0f, 0.0f, 0.0f, 3.0f);
  ComputeElementGeometry(column, true, kPi);
  EXPECT_FLOAT_EQ(column.angle, static_cast<float>(kPi / 2));
}

TEST(ElementGeometry, AngleSnapsNearTheAxesAndTurnsWhileTheFlagIsClear) {
  // s = 0.005: counted as horizontal.
  ElementRecord flat = Element(0.0f, 0.0f, 1.0f, -0.005f);
  ComputeElementGeometry(flat, true, kPi);
  EXPECT_EQ(flat.angle, 0.0f);
  // c = 0.005, s = 1: counted as vertical.
  ElementRecord steep = Element(0.0f, 0.0f, 0.005f, -1.0f);
  ComputeElementGeometry(steep, true, kPi);
  EXPECT_FLOAT_EQ(steep.angle, static_cast<float>(kPi / 2));
  // angleFlag 0 adds pi to every angle.
  ComputeElementGeometry(flat, false, kPi);
  EXPECT_FLOAT_EQ(flat.angle, static_cast<float>(kPi));
}

TEST(ElementGeometry, ZeroLengthElementGetsTheDegenerateAxis) {
  ElementRecord e = Element(2.0f, 2.0f, 2.0f, 2.0f);
  ComputeElementGeometry(e, true, kPi);
  EXPECT_EQ(e.length, 0.0f);
  EXPECT_FLOAT_EQ(e.axis[0], -0.1f);
  EXPECT_FLOAT_EQ(e.axis[1], 0.1f);
  EXPECT_FLOAT_EQ(e.axis[3], 0.1f);
  EXPECT_FLOAT_EQ(e.angle, static_cast<float>(std::atan2(0.1, 0.1)));
}

TEST(StiffnessProducts, ZeroReferencesBecomeOneAndRigidStiffnessTakesTheMaxima) {
  ModelTables model;
  SetDefaultMaterial(model);
  SetDefaultCrossSection(model);
  model.params.materialCount = 2;
  model.materials[2].modulus = 2.1e8f;
  model.params.crossSectionCount = 2;
  model.crossSections[2].area = 0.12f;
  ElementRecord e{};
  UpdateStiffnessProducts(model, e);
  EXPECT_EQ(e.material, 1);
  EXPECT_EQ(e.crossSection, 1);
  EXPECT_EQ(e.ea, 26700000.0f * 0.08f);
  EXPECT_EQ(e.ei, 26700000.0f * 0.0010666667f);
  EXPECT_EQ(RigidStiffness(model), 2.1e8f * 0.12f);

  // Negative values never win and empty tables give 0.
  ModelTables empty;
  empty.params.materialCount = 1;
  empty.materials[1].modulus = -5.0f;
  empty.params.crossSectionCount = 0;
  EXPECT_EQ(RigidStiffness(empty), 0.0f);

  // A reference outside the table counts as no stiffness instead of reading past it.
  e.material = 999;
  UpdateStiffnessProducts(model, e);
  EXPECT_EQ(e.ea, 0.0f);
}

TEST(ChangeSum, SumsBytesOneTo743) {
  ModelParameters p;
  std::memset(&p, 0, sizeof p);
  EXPECT_EQ(ChangeSum(p), 0u);
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
  const std::set<int> cleared = [] {
    std::set<int> s;
    const int ranges[][2] = {{0, 7},     {12, 17},   {20, 23},   {28, 33},   {38, 41},
                             {44, 51},   {58, 59},   {62, 63},   {66, 91},   {98, 99},
                             {130, 131}, {496, 511}, {520, 575}, {592, 607}, {664, 664},
                             {666, 670}, {672, 677}, {684, 684}};
    for (const auto& r : ranges)
      for (int i = r[0]; i <= r[1]; ++i) s.insert(i);
    return s;
  }();
  const uint8_t* b = model.params.bytes();
  for (int i = 0; i < 744; ++i) {
    if (i >= 679 && i <= 682) continue;
    if (i >= 512 && i <= 519) continue;
    EXPECT_EQ(b[i], cleared.count(i) ? 0 : 0xAB) << "byte " << i;
  }
  EXPECT_EQ(model.params.angleFlag, 1);
  EXPECT_EQ(b[680], 0);
  EXPECT_EQ(b[681], 0);
  EXPECT_EQ(b[682], 0);
  EXPECT_EQ(model.params.tolerance, 1.0e-6);
  EXPECT_EQ(model.params.elementCount, static_cast<int16_t>(0xABAB));  // kept
  EXPECT_EQ(model.params.nodeCount, 0);                                // cleared
  EXPECT_EQ(model.params.defaultModulus, 0.0);                         // cleared
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
