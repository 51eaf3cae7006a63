#include "check/assemble_and_check.h"

#include <gtest/gtest.h>

#include "check_fixture.h"

namespace rerore {
namespace {

class AssembleAndCheckTest : public test::CheckFixture {
 protected:
  // A beam of two elements on the ground: nodes 1, 2, 3, equations 1..9.
  void SetUp() override {
    CheckFixture::SetUp();
    Add(0.0f, 0.0f, 3.0f, 0.0f, 0, 1);
    Add(3.0f, 0.0f, 6.0f, 0.0f, 1, 0);
    Rebuild();
  }
  int Run() {
    k = StiffnessMatrix(Equations());
    return AssembleAndCheck(session, k, messages);
  }
  StiffnessMatrix k;
};

TEST_F(AssembleAndCheckTest, RigidSupportIsLargestModulusTimesLargestArea) {
  model.params.materialCount = model.params.crossSectionCount = 2;
  model.materials[1].modulus = 3.0e7f;
  model.materials[2].modulus = 2.1e8f;
  model.crossSections[1].area = 0.08f;
  model.crossSections[2].area = 0.12f;
  Run();
  EXPECT_FLOAT_EQ(model.params.rigidStiffness, 2.52e7f);
  EXPECT_EQ(Plain("DEFSUP.TXT"), "Support stiffness = 2.520E+07");
}

TEST_F(AssembleAndCheckTest, SupportFactorsScaleTheRigidSpringOnTheDiagonal) {
  Support(1, 1.0f, 1.0f, 0.0f);
  Support(2, 0.0f, 0.0f, 1.0f);  // both ends hinged at node 2: two rotations
  Support(3, 0.0f, 0.5f, 0.25f);
  StiffnessMatrix bare(Equations());
  ASSERT_EQ(AssembleElements(model, bare, messages), 1);
  ASSERT_EQ(Run(), 1);
  const int first = model.nodes[2].dofPhi[1];
  const int second = model.nodes[2].dofPhi[2];
  const int v3 = model.nodes[3].dofV;
  EXPECT_DOUBLE_EQ(k(1, 1) - bare(1, 1), 1.0e6);
  EXPECT_DOUBLE_EQ(k(first, first) - bare(first, first), 1.0e6);
  EXPECT_EQ(k(second, second), bare(second, second));  // only the first rotation
  EXPECT_DOUBLE_EQ(k(v3, v3) - bare(v3, v3), 0.5e6);
  EXPECT_DOUBLE_EQ(k(v3 + 1, v3 + 1) - bare(v3 + 1, v3 + 1), 0.25e6);
  EXPECT_EQ(k(v3 - 1, v3 - 1), bare(v3 - 1, v3 - 1));
  EXPECT_EQ(k(1, 2), bare(1, 2));
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
    EXPECT_EQ(MessageTexts(), c.expected) << c.u1 << " " << c.v1 << " " << c.v3;
  }
}

}  // namespace
}  // namespace rerore
