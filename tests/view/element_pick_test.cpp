#include "view/core/element_pick.h"

#include <gtest/gtest.h>

#include <utility>

#include "support/test_support.h"

namespace rerore {
namespace {

// With a pick tolerance of 0.05 m the pick box reaches r = 0.0849 m around
// the point, and the bounding test looks 2r = 0.17 m far.
constexpr float kTolerance = 0.05f;

struct Frame {
  ModelTables model;
  void add(float xa, float ya, float xb, float yb) { test::AddElement(model, xa, ya, xb, yb); }
  int pick(float x, float y, WorldPoint* moved = nullptr) {
    WorldPoint p{x, y};
    const int k = PickElement(model, kTolerance, p);
    if (moved) *moved = p;
    return k;
  }
};

TEST(PickElement, TheHigherNumberWinsWhereTwoElementsCrossTheBox) {
  Frame f;
  f.add(0, 0, 4, 0);
  f.add(2, -2, 2, 3);
  WorldPoint at;
  EXPECT_EQ(f.pick(2.0f, 0.0f, &at), 2);
  EXPECT_EQ(std::pair(at.x, at.y), std::pair(2.0f, -2.0f));  // the lower end is nearer
  f.add(1.95f, -1, 1.95f, 1);
  EXPECT_EQ(f.pick(2.0f, 0.0f, &at), 3);
  EXPECT_EQ(at.y, 1.0f);  // equally far: end b
}

TEST(PickElement, MovesThePointToTheNearerEnd) {
  Frame f;
  f.add(0, 0, 4, 0);
  f.add(1, 0, 1, 3);  // vertical: its line gets a steep slope
  WorldPoint at;
  EXPECT_EQ(f.pick(3.1f, 0.03f, &at), 1);
  EXPECT_EQ(std::pair(at.x, at.y), std::pair(4.0f, 0.0f));
  EXPECT_EQ(f.pick(1.04f, 1.0f, &at), 2);
  EXPECT_EQ(std::pair(at.x, at.y), std::pair(1.0f, 0.0f));
}

TEST(PickElement, MissesPointsBesideTheLineAndBeyondTheEnds) {
  Frame f;
  f.add(0, 0, 4, 4);
  WorldPoint at;
  EXPECT_EQ(f.pick(2.0f, 2.06f), 1);
  // Within the element's x and y ranges, but the line passes the box.
  EXPECT_EQ(f.pick(2.0f, 2.3f, &at), 0);
  EXPECT_EQ(std::pair(at.x, at.y), std::pair(2.0f, 2.3f));  // unchanged
  // On the line's extension: near the end it counts, farther out not.
  EXPECT_EQ(f.pick(4.1f, 4.1f), 1);
  EXPECT_EQ(f.pick(4.3f, 4.3f), 0);
  EXPECT_EQ(Frame{}.pick(0, 0), 0);
}

TEST(SnapToGrid, ALineCloserThanTheSnapRadiusCatchesTheCoordinate) {
  EXPECT_EQ(SnapToGrid(2.1f, 2.0f, 0.15f), 2.0f);
  EXPECT_EQ(SnapToGrid(3.9f, 2.0f, 0.15f), 4.0f);
  EXPECT_EQ(SnapToGrid(2.2f, 2.0f, 0.15f), 2.2f);
  EXPECT_EQ(SnapToGrid(-1.9f, 2.0f, 0.15f), -2.0f);
  EXPECT_EQ(SnapToGrid(-2.1f, 2.0f, 0.15f), -2.0f);
  EXPECT_EQ(SnapToGrid(0.55f, 0.5f, 0.1f), 0.5f);
  EXPECT_EQ(SnapToGrid(0.1f, 0.0f, 0.15f), 0.1f);  // no mesh, no snapping
}

TEST(SnapPoint, AnElementEndBeatsTheGrid) {
  Frame f;
  f.add(0.1f, 0.1f, 3.1f, 0.1f);
  GridSettings grid;
  grid.on = true;
  SnapResult s = SnapPoint(f.model, kTolerance, grid, {3.0f, 0.1f});
  EXPECT_EQ(s.element, 1);
  EXPECT_EQ(std::pair(s.point.x, s.point.y), std::pair(3.1f, 0.1f));
  // Away from the element the grid takes x and y separately.
  s = SnapPoint(f.model, kTolerance, grid, {4.1f, 2.9f});
  EXPECT_EQ(s.element, 0);
  EXPECT_EQ(std::pair(s.point.x, s.point.y), std::pair(4.0f, 2.9f));
  EXPECT_EQ(s.beforeGrid.x, 4.1f);
  grid.on = false;
  s = SnapPoint(f.model, kTolerance, grid, {4.1f, 2.9f});
  EXPECT_EQ(s.point.x, 4.1f);
}

TEST(OrthogonalLock, TheLargerMovementChoosesTheDirection) {
  const DevicePoint start{100, 100};
  EXPECT_EQ(ChooseLock(start, {200, 120}), OrthogonalLock::Horizontal);
  EXPECT_EQ(ChooseLock(start, {80, 30}), OrthogonalLock::Vertical);
  EXPECT_EQ(ChooseLock(start, {110, 90}), OrthogonalLock::Vertical);
  const DevicePoint h = LockPoint(start, {200, 120}, OrthogonalLock::Horizontal);
  EXPECT_EQ(std::pair(h.x, h.y), std::pair(200, 100));
  const DevicePoint v = LockPoint(start, {80, 30}, OrthogonalLock::Vertical);
  EXPECT_EQ(std::pair(v.x, v.y), std::pair(100, 30));
}

}  // namespace
}  // namespace rerore
