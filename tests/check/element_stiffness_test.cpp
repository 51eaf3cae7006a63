#include "check/element_stiffness.h"

#include <gtest/gtest.h>

#include "check_fixture.h"

namespace rerore {
namespace {

class ElementStiffnessTest : public test::CheckFixture {
 protected:
  ElementMatrix Matrix(int k) {
    ElementMatrix m{};
    EXPECT_EQ(ElementStiffness(model, k, m, messages), 1);
    return m;
  }
};

TEST_F(ElementStiffnessTest, HorizontalAndVerticalBarsHaveTheBeamCoefficients) {
  const ElementMatrix h = Matrix(Add(0.0f, 0.0f, 4.0f, 0.0f));  // L = 4, EA 1e6, EI 1e4
  EXPECT_DOUBLE_EQ(h[1][1], 250000.0);                          // EA / L
  EXPECT_DOUBLE_EQ(h[2][2], 1875.0);                            // 12 EI / L^3
  EXPECT_DOUBLE_EQ(h[2][3], -3750.0);                           // -6 EI / L^2
  EXPECT_DOUBLE_EQ(h[3][3], 10000.0);                           // 4 EI / L
  EXPECT_DOUBLE_EQ(h[3][6], 5000.0);                            // 2 EI / L
  EXPECT_EQ(h[1][2], 0.0);
  const ElementMatrix v = Matrix(Add(0.0f, 0.0f, 0.0f, 4.0f));  // upwards: s = 1
  EXPECT_DOUBLE_EQ(v[1][1], 1875.0);
  EXPECT_DOUBLE_EQ(v[2][2], 250000.0);
  EXPECT_DOUBLE_EQ(v[1][3], -3750.0);
  EXPECT_EQ(v[2][3], 0.0);
  for (int i = 1; i <= 6; ++i)
    for (int j = 1; j <= 6; ++j) EXPECT_EQ(v[i][j], v[j][i]);
}

// A rigid motion stores no energy: K times a translation or a small turn
// about the left end is zero for a bar in any direction.
TEST_F(ElementStiffnessTest, RigidMotionsOfAnInclinedBarNeedNoForce) {
  const ElementMatrix m = Matrix(Add(1.0f, 1.0f, 4.0f, 3.0f));
  const double t = 1.0e-3;  // counter-clockwise; v is positive downward
  const double motions[3][7] = {
      {0, 1, 0, 0, 1, 0, 0}, {0, 0, 1, 0, 0, 1, 0}, {0, 0, 0, t, -t * 2.0, -t * 3.0, t}};
  for (const auto& d : motions)
    for (int i = 1; i <= 6; ++i) {
      double force = 0.0;
      for (int j = 1; j <= 6; ++j) force += m[i][j] * d[j];
      EXPECT_NEAR(force, 0.0, 1e-9 * m[1][1]) << "row " << i;
    }
}

TEST_F(ElementStiffnessTest, AssemblyAddsSharedNodesAndStopsAtAnElementWithoutStiffness) {
  Add(0.0f, 0.0f, 4.0f, 0.0f);
  Add(4.0f, 0.0f, 4.0f, 4.0f);
  Add(4.0f, 4.0f, 8.0f, 4.0f);
  Rebuild();
  StiffnessMatrix k(Equations());
  ASSERT_EQ(AssembleElements(model, k, messages), 1);
  // Node 2 (equations 4..6): the beam's right end and the post's foot.
  EXPECT_DOUBLE_EQ(k(4, 4), 250000.0 + 1875.0);
  EXPECT_DOUBLE_EQ(k(6, 6), 10000.0 + 10000.0);
  EXPECT_DOUBLE_EQ(k(4, 6), -3750.0);  // only the post couples u and phi
  EXPECT_DOUBLE_EQ(k(5, 6), 3750.0);   // only the beam couples v and phi

  model.params.materialCount = 2;
  model.elements[2].material = 2;  // E = 0
  ASSERT_EQ(AssembleElements(model, k, messages), 0);
  EXPECT_EQ(MessageTexts(), std::vector<std::string>{std::string(kApplicationTitle) +
                                                     ": Error in the stiffness of element 2. "
                                                     "Check E, A and I"});
  EXPECT_DOUBLE_EQ(k(4, 4), 250000.0);  // element 1 only: nothing after element 2
  EXPECT_EQ(k(12, 12), 0.0);
}

}  // namespace
}  // namespace rerore
