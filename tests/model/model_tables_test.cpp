#include "model/model_tables.h"

#include <cmath>
#include <limits>
#include <tuple>

#include "support/test_support.h"

namespace rerore {
namespace {

using test::MakeElement;

TEST(ElementGeometry, AxisLengthAndTheAngleRules) {
  ElementRecord e = MakeElement(1.0f, 2.0f, 4.0f, 6.0f);  // a rising 3-4-5 triangle; z points down
  EXPECT_EQ(std::vector<float>({e.dx, e.dz, e.length, e.axis[0], e.axis[1], e.axis[2], e.axis[3]}),
            std::vector<float>({3.0f, -4.0f, 5.0f, 0.8f, 0.6f, 0.6f, -0.8f}));  // -s, c, c, s
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
    e = MakeElement(c.xa, c.ya, c.xb, c.yb);
    ComputeElementGeometry(e, c.angleFlag);
    EXPECT_FLOAT_EQ(e.angle, static_cast<float>(c.angle)) << c.xb << " " << c.yb;
  }
  // The last one has no length: the degenerate axis.
  EXPECT_EQ(std::vector<float>({e.length, e.axis[0], e.axis[1], e.axis[3]}),
            std::vector<float>({0.0f, -0.1f, 0.1f, 0.1f}));
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
  EXPECT_EQ(std::tuple(e.material, e.crossSection, e.ea, e.ei),
            std::tuple(1, 1, 26700000.0f * 0.08f, 26700000.0f * 0.0010666667f));
  EXPECT_EQ(RigidStiffness(model), 2.1e8f * 0.12f);
  // A product beyond the float range stays the largest float, never infinite.
  model.crossSections[1].area = 1.0e32f;
  EXPECT_EQ(RigidStiffness(model), std::numeric_limits<float>::max());
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
  const uint32_t none = ChangeSum(p);
  p.bytes()[1] = 200;
  p.bytes()[743] = 255;
  const uint32_t ends = ChangeSum(p);
  p.elementCount = 3;
  EXPECT_EQ(std::tuple(none, ends, ChangeSum(p)), std::tuple(0u, 455u, 458u));
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
