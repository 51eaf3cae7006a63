#include "view/core/element_pick.h"

#include <tuple>

#include "support/test_support.h"

namespace rerore {
namespace {

// Tolerance 0.05 m: the pick box reaches 0.0849 m, the bounding test 0.17 m.
constexpr float kTolerance = 0.05f;

struct Frame {
  ModelTables model;
  void add(float xa, float ya, float xb, float yb) { test::AddElement(model, xa, ya, xb, yb); }
  // The element picked at (x, y), and where the point was moved to.
  std::tuple<int, float, float> pick(float x, float y) {
    WorldPoint p{x, y};
    const int k = PickElement(model, kTolerance, p);
    return {k, p.x, p.y};
  }
};

TEST(PickElement, TheHigherNumberWinsAndThePointMovesToTheNearerEnd) {
  Frame f;
  f.add(0, 0, 4, 0);
  f.add(2, -2, 2, 3);
  EXPECT_EQ(f.pick(2.0f, 0.0f), std::tuple(2, 2.0f, -2.0f));  // the lower end is nearer
  f.add(1.95f, -1, 1.95f, 1);
  EXPECT_EQ(f.pick(2.0f, 0.0f), std::tuple(3, 1.95f, 1.0f));  // equally far: end b

  Frame g;
  g.add(0, 0, 4, 0);
  g.add(1, 0, 1, 3);  // vertical: its line gets a steep slope
  EXPECT_EQ(g.pick(3.1f, 0.03f), std::tuple(1, 4.0f, 0.0f));
  EXPECT_EQ(g.pick(1.04f, 1.0f), std::tuple(2, 1.0f, 0.0f));
}

TEST(PickElement, MissesPointsBesideTheLineAndBeyondTheEnds) {
  Frame f;
  f.add(0, 0, 4, 4);
  EXPECT_EQ(std::get<0>(f.pick(2.0f, 2.06f)), 1);
  // Within the element's x and y ranges, but the line passes the box: unchanged.
  EXPECT_EQ(f.pick(2.0f, 2.3f), std::tuple(0, 2.0f, 2.3f));
  // On the line's extension: near the end it counts, farther out not.
  EXPECT_EQ(std::get<0>(f.pick(4.1f, 4.1f)), 1);
  EXPECT_EQ(std::get<0>(f.pick(4.3f, 4.3f)), 0);
  EXPECT_EQ(std::get<0>(Frame{}.pick(0, 0)), 0);
}

TEST(SnapToGrid, ALineCloserThanTheSnapRadiusCatchesTheCoordinate) {
  // The last: no mesh, no snapping.
  const float cases[][4] = {{2.1f, 2, 0.15f, 2},   {3.9f, 2, 0.15f, 4},   {2.2f, 2, 0.15f, 2.2f},
                            {-1.9f, 2, 0.15f, -2}, {-2.1f, 2, 0.15f, -2}, {0.55f, 0.5f, 0.1f, 0.5f},
                            {0.1f, 0, 0.15f, 0.1f}};
  for (const auto& c : cases) EXPECT_EQ(SnapToGrid(c[0], c[1], c[2]), c[3]) << c[0];
}

TEST(SnapPoint, AnElementEndBeatsTheGrid) {
  Frame f;
  f.add(0.1f, 0.1f, 3.1f, 0.1f);
  GridSettings grid;
  grid.on = true;
  SnapResult s = SnapPoint(f.model, kTolerance, grid, {3.0f, 0.1f});
  EXPECT_EQ(std::tuple(s.element, s.point.x, s.point.y), std::tuple(1, 3.1f, 0.1f));
  // Away from the element the grid takes x and y separately.
  s = SnapPoint(f.model, kTolerance, grid, {4.1f, 2.9f});
  EXPECT_EQ(std::tuple(s.element, s.point.x, s.point.y, s.beforeGrid.x),
            std::tuple(0, 4.0f, 2.9f, 4.1f));
  grid.on = false;
  EXPECT_EQ(SnapPoint(f.model, kTolerance, grid, {4.1f, 2.9f}).point.x, 4.1f);
}

TEST(OrthogonalLock, TheLargerMovementChoosesTheDirection) {
  const DevicePoint start{100, 100};
  EXPECT_EQ(ChooseLock(start, {200, 120}), OrthogonalLock::Horizontal);
  EXPECT_EQ(ChooseLock(start, {80, 30}), OrthogonalLock::Vertical);
  EXPECT_EQ(ChooseLock(start, {110, 90}), OrthogonalLock::Vertical);
  const DevicePoint h = LockPoint(start, {200, 120}, OrthogonalLock::Horizontal);
  const DevicePoint v = LockPoint(start, {80, 30}, OrthogonalLock::Vertical);
  EXPECT_EQ(std::tuple(h.x, h.y, v.x, v.y), std::tuple(200, 100, 100, 30));
}

}  // namespace
}  // namespace rerore
