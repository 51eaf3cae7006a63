#include <gmock/gmock.h>

#include "check/assemble_and_check.h"
#include "check/element_stiffness.h"
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

// K times a translation or a small turn about the left end is zero.
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
  Frame({{0, 0, 4, 0}, {4, 0, 4, 4}, {4, 4, 8, 4}});
  StiffnessMatrix k(Equations());
  ASSERT_EQ(AssembleElements(model, k, messages), 1);
  // Node 2 (equations 4..6): the beam's right end and the post's foot.
  // Only the post couples u and phi, only the beam v and phi.
  EXPECT_EQ(std::vector<double>({k(4, 4), k(6, 6), k(4, 6), k(5, 6)}),
            std::vector<double>({250000.0 + 1875.0, 10000.0 + 10000.0, -3750.0, 3750.0}));

  model.params.materialCount = 2;
  model.elements[2].material = 2;  // E = 0
  ASSERT_EQ(AssembleElements(model, k, messages), 0);
  EXPECT_EQ(messages.texts(), std::vector<std::string>{std::string(kApplicationTitle) +
                                                       ": Error in the stiffness of element 2. "
                                                       "Check E, A and I"});
  EXPECT_EQ(std::tuple(k(4, 4), k(12, 12)), std::tuple(250000.0, 0.0));  // nothing after 2
}

class AssembleAndCheckTest : public test::CheckFixture {
 protected:
  // A beam of two elements on the ground: nodes 1, 2, 3, equations 1..9.
  void SetUp() override {
    CheckFixture::SetUp();
    Frame({{0, 0, 3, 0, 0, 1}, {3, 0, 6, 0, 1, 0}});
  }
  int Run() {
    k = StiffnessMatrix(Equations());
    return AssembleAndCheck(session, k, messages);
  }
  StiffnessMatrix k;
};

TEST_F(AssembleAndCheckTest, SupportFactorsScaleTheRigidSpringOnTheDiagonal) {
  Support(1, 1, 1, 0);
  Support(2, 0, 0, 1);  // both ends hinged at node 2: two rotations
  Support(3, 0, 0.5f, 0.25f);
  StiffnessMatrix bare(Equations());
  ASSERT_EQ(AssembleElements(model, bare, messages), 1);
  ASSERT_EQ(Run(), 1);
  // Springs on u1, the first rotation of node 2 (not its second), v3 and phi3; not on u3.
  const auto added = [&](int i, int j) { return k(i, j) - bare(i, j); };
  const int first = model.nodes[2].dofPhi[1], second = model.nodes[2].dofPhi[2];
  const int v3 = model.nodes[3].dofV;
  EXPECT_THAT(
      std::vector<double>({added(1, 1), added(first, first), added(second, second), added(v3, v3),
                           added(v3 + 1, v3 + 1), added(v3 - 1, v3 - 1), added(1, 2)}),
      testing::Pointwise(testing::DoubleNear(1e-6),
                         std::vector<double>({1.0e6, 1.0e6, 0, 0.5e6, 0.25e6, 0, 0})));
  EXPECT_TRUE(messages.messages.empty());
}

TEST_F(AssembleAndCheckTest, WarningsNameTheFreeDirectionsSidewaysFirst) {
  const std::string sideways = "Error: Frame can roll sideways!";
  const std::string notAnchored = "Error: Frame is not anchored at the ground!";
  struct Case {
    float u1, v1, v3;
    std::vector<std::string> expected;
  };
  const Case cases[] = {{1.0f, 0.0f, 0.0f, {notAnchored}},
                        {0.0f, 1.0f, 1.0f, {sideways}},
                        {5.0e-8f, 1.0f, 0.0f, {sideways}},  // a spring of 0.05 is no support
                        {0.0f, 0.0f, 0.0f, {sideways, notAnchored}},
                        {1.0f, 1.0f, 0.0f, {}}};
  for (const Case& c : cases) {
    messages.messages.clear();
    Support(1, c.u1, c.v1, 0.0f);
    Support(3, 0.0f, c.v3, 0.0f);
    ASSERT_EQ(Run(), 1);
    EXPECT_EQ(messages.texts(), c.expected) << c.u1 << " " << c.v1 << " " << c.v3;
  }
}

}  // namespace
}  // namespace rerore
