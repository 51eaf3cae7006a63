#include "view/core/frame_geometry.h"

#include <cmath>
#include <tuple>

#include "check/rebuild.h"
#include "support/test_support.h"

namespace rerore {
namespace {

using test::MakeElement;

struct SupportFixture : ::testing::Test {
  ModelTables model;
  NodeRecord& node = model.nodes[1];
  void SetUp() override {
    model.params.nodeCount = 1;
    node.x = 2.0f;
    node.y = 1.0f;
    node.z = -1.0f;
  }
  SupportSymbol symbol(float s = 0.5f) { return MakeSupportSymbol(model, 1, s, 100); }
};

// Held only sideways: a vertical roller; elastic: dashed; clamped: a turned square.
TEST_F(SupportFixture, SymbolsFollowHowThePointIsHeld) {
  node.supportedU = 1;
  const SupportSymbol side = symbol();
  ASSERT_EQ(std::tuple(side.kind, side.lines.size()), std::tuple(SupportKind::SideRoller, 4u));
  EXPECT_EQ(std::tuple(side.lines[0].b.x, side.lines[3].a.x), std::tuple(1.5f, 1.4f));  // tip left
  node.supportedU = 0;
  node.supportU = 0.2f;
  EXPECT_EQ(symbol().kind, SupportKind::Elastic);
  node.supportU = 0.0f;
  EXPECT_EQ(symbol().kind, SupportKind::None);

  node.supportedPhi = node.supportedU = 1;
  node.startingElement = 1;
  model.elements[1] = MakeElement(2, 1, 2, 5);  // a column upwards: c = 0, s' = -1
  const SupportSymbol clamped = symbol(0.06f);
  ASSERT_EQ(std::tuple(clamped.kind, clamped.lines.size()), std::tuple(SupportKind::Clamped, 1u));
  EXPECT_FLOAT_EQ(clamped.lines[0].a.y, 1.06f);
  // Corner (-6, -6) turns to (-6, 6), moves to (194, -94) and flips to y = 94.
  EXPECT_EQ(std::tuple(clamped.square[0].x, clamped.square[0].y, clamped.square[2].x,
                       clamped.square[2].y),
            std::tuple(194, 94, 206, 106));
}

// Two elements 1-2-3 from (0, 0) up to (0, 3) and across to (4, 3); u, v, phi of node j
// are the equations 3j - 2, 3j - 1 and 3j.
struct Mechanism : test::PositionTest {
  Session& s = session;
  void SetUp() override {
    PositionTest::SetUp();
    test::AddElement(s.model, 0, 0, 0, 3);
    test::AddElement(s.model, 0, 3, 4, 3);
    RebuildModel(s, messages);
  }
};

// The largest node displacement is shown as a quarter of the larger side (4 m);
// a displaced element moving less than 0.01 m is left out.
TEST_F(Mechanism, TheModeIsScaledToAQuarterOfTheFrameAndVGrowsDownwards) {
  EXPECT_EQ(ModeScale(s.model, s.check), 1.0);  // nothing moves
  s.check.kinematicVector[4] = 30.0;            // u of node 2
  s.check.kinematicVector[8] = 40.0;            // v of node 3: the largest, 50 with its u
  s.check.kinematicVector[7] = 30.0;
  s.check.kinematicVector[6] = 900.0;  // a rotation does not count
  EXPECT_DOUBLE_EQ(ModeScale(s.model, s.check), 1.0 / 50.0);
  s.check.kinematicVector = {};
  s.check.kinematicVector[4] = 0.4;
  s.check.kinematicVector[8] = 0.1;
  auto shape = DisplacedShape(s.model, s.check, 2.25);
  ASSERT_EQ(shape.size(), 2u);
  EXPECT_LT(std::hypot(shape[0].movedB.x - 0.9f, shape[0].movedB.y - 3.0f) +
                std::hypot(shape[1].movedB.x - 4.0f, shape[1].movedB.y - (3.0f - 0.225f)),
            1e-6);
  s.check.kinematicVector[4] = 0.004;  // element 1 moves 0.009 m; element 2 0.009 + 0.0025
  s.check.kinematicVector[8] = 0.001;
  shape = DisplacedShape(s.model, s.check, 2.25);
  ASSERT_EQ(shape.size(), 1u);
  EXPECT_EQ(std::tuple(shape[0].a.x, shape[0].b.x), std::tuple(0.0f, 4.0f));
}

TEST_F(Mechanism, CoincidingPolesShareOneLabel) {
  s.model.params.elementCount = 4;
  const Pole poles[] = {{2.0f, 1.0f, 0}, {2.05f, 1.0f, 0}, {2.0f, 1.04f, 0}, {7.0f, 1.0f, 0}};
  std::copy(std::begin(poles), std::end(poles), &s.check.poleTable[1]);
  EXPECT_EQ(PoleLabels(s.model, s.check),
            (std::vector<std::string>{"", "Pole 1, 2, 3", "", "", "Pole 4"}));
  // A pure translation: every pole at infinity, no label at all.
  for (int i = 1; i <= 4; ++i) s.check.poleTable[i].atInfinity = 1;
  EXPECT_EQ(PoleLabels(s.model, s.check), std::vector<std::string>(5));
}

}  // namespace
}  // namespace rerore
