#include "view/core/label_placement.h"

#include <gtest/gtest.h>

#include <tuple>

namespace rerore {
namespace {

const DeviceRect kArea{0, 0, 800, 600};

TEST(LabelBoxes, TurnedBoxesAndLinesOverlapOnlyWhereTheyShareAnArea) {
  const LabelBox upright = UprightBox(0, 0, 20, 10);
  EXPECT_FALSE(Overlaps(upright, UprightBox(20, 0, 5, 5)));  // touching
  EXPECT_TRUE(Overlaps(upright, UprightBox(19, 9, 5, 5)));
  // A text turned by -45 degrees: its bounds cover the box's corner, the text not.
  const LabelBox turned = TurnedBox({25, -5}, 20, 4, -0.785398);
  EXPECT_TRUE(Overlaps(DeviceRect{0, 0, 20, 10}, turned.bounds()));
  EXPECT_FALSE(Overlaps(upright, turned));
  // A line leaving a point at a shallow angle stays on a line through it.
  const LabelBox line = LineBox({0, 0}, {100, 20}, 2);
  EXPECT_TRUE(Overlaps(line, LineBox({5, 0}, {60, 0}, 0.5)));
  EXPECT_FALSE(Overlaps(line, LineBox({5, -5}, {60, -40}, 0.5)));
}

TEST(LabelLayout, ANodeLabelTakesTheFirstFreeQuadrant) {
  LabelLayout layout(kArea);
  const PointF node{200, 200};
  LabelPlace place = layout.besidePoint(node, 4, 30, 12);
  EXPECT_TRUE(place.free && !place.leader);
  EXPECT_EQ(std::tuple(place.box.bounds().right, place.box.bounds().top), std::tuple(196, 204));
  // A support below, a column above: above, on the side with room.
  layout.addObstacle(DeviceRect{190, 200, 210, 215});
  layout.addLine(node, {200, 100}, 1);
  place = layout.besidePoint(node, 4, 30, 12, {{0.8, 0.6}});
  EXPECT_TRUE(place.free);
  EXPECT_EQ(std::tuple(place.box.bounds().left, place.box.bounds().bottom), std::tuple(204, 196));
}

// Crowded points get leaders; labels and leaders cover no label or line.
TEST(LabelLayout, CrowdedPointsGetLeadersAndNothingIsCovered) {
  LabelLayout layout(kArea);
  std::vector<LabelBox> drawn;
  std::vector<LabelBox> leaders;
  for (int i = 0; i < 20; ++i) {
    const PointF a{100.0 + 10 * i, 300.0 - 3 * i};
    const PointF b{110.0 + 10 * i, 297.0 - 3 * i};
    layout.addLine(a, b, 1.5);
    drawn.push_back(LineBox(a, b, 1.5));
  }
  for (int i = 0; i <= 20; ++i) {
    const PointF room{-0.29, -0.96};  // across the line, upwards
    const LabelPlace place =
        layout.besidePoint({100.0 + 10 * i, 300.0 - 3 * i}, 4, 34, 13, {room, {-room.x, -room.y}});
    ASSERT_TRUE(place.free) << i;
    for (const LabelBox& other : drawn) EXPECT_FALSE(Overlaps(place.box, other)) << i;
    for (const LabelBox& other : leaders) EXPECT_FALSE(Overlaps(place.box, other)) << i;
    if (place.leader) {
      leaders.push_back(LineBox((*place.leader)[0], (*place.leader)[1], 0.5));
      for (const LabelBox& other : drawn) EXPECT_FALSE(Overlaps(leaders.back(), other)) << i;
    }
    layout.take(place);
    drawn.push_back(place.box);
  }
  EXPECT_FALSE(leaders.empty());
  EXPECT_EQ(layout.labels().size(), 21u);
}

}  // namespace
}  // namespace rerore
