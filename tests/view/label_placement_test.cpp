#include "view/core/label_placement.h"

#include <gtest/gtest.h>

namespace rerore {
namespace {

const DeviceRect kArea{0, 0, 800, 600};

TEST(LabelPlacement, BesideTheDotOnItsRightWhenThatIsFree) {
  const DeviceRect r = PlaceBeside({100, 100}, 6, 50, 14, {DotRect({100, 100}, 6)}, kArea);
  EXPECT_EQ(r.left, 109);  // radius + a gap of 3
  EXPECT_EQ(r.top, 93);    // its middle level with the dot
  EXPECT_EQ(r.right - r.left, 50);
  EXPECT_EQ(r.bottom - r.top, 14);
}

// Dots and labels close together: every label finds a place of its own,
// on no dot and on no other label.
TEST(LabelPlacement, CrowdedDotsGetLabelsThatCoverNothing) {
  std::vector<DeviceRect> taken;
  const DevicePoint dots[] = {{100, 100}, {130, 100}, {100, 120}, {115, 110}, {160, 100}};
  for (const DevicePoint& d : dots) taken.push_back(DotRect(d, 6));
  const size_t dotCount = taken.size();
  for (const DevicePoint& d : dots) taken.push_back(PlaceBeside(d, 6, 60, 14, taken, kArea));
  for (size_t i = dotCount; i < taken.size(); ++i)
    for (size_t j = 0; j < taken.size(); ++j)
      if (i != j) EXPECT_FALSE(Overlaps(taken[i], taken[j])) << i << " on " << j;
}

TEST(LabelPlacement, StaysInsideThePictureAtItsEdge) {
  const DeviceRect r = PlaceBeside({795, 300}, 6, 60, 14, {}, kArea);
  EXPECT_LE(r.right, kArea.right);
  EXPECT_LT(r.right, 795);  // to the left of the dot
}

TEST(LabelPlacement, FindsTheOneFreePlaceFartherOut) {
  // Everything near the dot is taken but a strip below it.
  const std::vector<DeviceRect> taken = {{0, 0, 800, 300}, {0, 300, 90, 600}, {110, 300, 800, 600}};
  const DeviceRect r = PlaceBeside({100, 290}, 4, 16, 10, taken, kArea);
  EXPECT_GE(r.top, 290);
  EXPECT_GE(r.left, 90);
  EXPECT_LE(r.right, 110);
  EXPECT_TRUE(Overlaps({0, 0, 10, 10}, {9, 9, 20, 20}));
  EXPECT_FALSE(Overlaps({0, 0, 10, 10}, {10, 0, 20, 10}));  // touching edges
}

}  // namespace
}  // namespace rerore
