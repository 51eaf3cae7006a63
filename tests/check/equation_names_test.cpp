#include "check/equation_names.h"

#include <tuple>

#include "check_fixture.h"

namespace rerore {
namespace {

class EquationNamesTest : public test::CheckFixture {
 protected:
  std::string Name(int equation) { return DescribeUnknown(MeaningOfEquation(model, equation)); }
};

// Beam hinged at both ends: the posts' heads have a rotation of their own.
TEST_F(EquationNamesTest, HingedPortalNamesNodesAndHingedEnds) {
  Frame({{0, 0, 0, 4}, {0, 4, 6, 4, 1, 1}, {6, 4, 6, 0}});
  ASSERT_EQ(Equations(), 14);
  EXPECT_EQ(Name(1), "the horizontal displacement u of node 1");
  EXPECT_EQ(Name(5), "the vertical displacement v of node 2");
  EXPECT_EQ(Name(3), "the rotation of node 1");
  EXPECT_EQ(Name(6), "the rotation of the left end of element 2 at node 2");
  EXPECT_EQ(Name(7), "the rotation of node 2");
  EXPECT_EQ(Name(10), "the rotation of the right end of element 2 at node 3");
  EXPECT_EQ(Name(11), "the rotation of node 3");
  const EquationMeaning last = MeaningOfEquation(model, 14);
  EXPECT_EQ(std::tuple(last.node, last.kind, last.element), std::tuple(4, kDofPhi, 0));
  // The status bar's short form of the same.
  EXPECT_EQ(ShortMotion(model, 1), "node 1 can move in u");
  EXPECT_EQ(ShortMotion(model, 5), "node 2 can move in v");
  EXPECT_EQ(ShortMotion(model, 7), "node 2 can rotate");
  EXPECT_EQ(ShortMotion(model, 10), "the right end of element 2 can rotate at node 3");
  EXPECT_EQ(ShortMotion(model, 15), "equation 15 is free");
  for (int outside : {0, 15, -1}) {
    EXPECT_FALSE(MeaningOfEquation(model, outside).known()) << outside;
    EXPECT_EQ(SingularityExplanation(model, outside), "") << outside;
  }
}

// A hinged free end has only the element's rotation: the message names the end.
TEST_F(EquationNamesTest, LoneHingedEndIsNamedByItsElement) {
  Frame({{0, 0, 5, 0, 0, 1}});
  EXPECT_EQ(SingularityExplanation(model, 6),
            "Equation 6 is the rotation of the right end of element 1 at node 2: the frame can "
            "move there.");
  EXPECT_EQ(SingularityExplanation(model, 4),
            "Equation 4 is the horizontal displacement u of node 2: the frame can move there.");
}

}  // namespace
}  // namespace rerore
