#include "view/core/element_pick.h"

#include <tuple>

#include "support/test_support.h"

namespace rerore {
namespace {

// Tolerance 0.05 m: the pick box reaches 0.0849 m, the bounding test 0.17 m.
constexpr float kTolerance = 0.05f;

// The element picked at (x, y), and where the point was moved to.
std::tuple<int, float, float> Pick(const ModelTables& model, float x, float y) {
  WorldPoint p{x, y};
  const int k = PickElement(model, kTolerance, p);
  return {k, p.x, p.y};
}

// The higher number wins, the point moves to the nearer end; beside or beyond: missed.
TEST(PickElement, TheHigherNumberWinsAndThePointMovesToTheNearerEnd) {
  ModelTables m;
  test::AddElement(m, 0, 0, 4, 0);
  test::AddElement(m, 2, -2, 2, 3);
  EXPECT_EQ(Pick(m, 2.0f, 0.0f), std::tuple(2, 2.0f, -2.0f));
  EXPECT_EQ(Pick(m, 3.1f, 0.03f), std::tuple(1, 4.0f, 0.0f));
  EXPECT_EQ(Pick(m, 2.04f, 1.0f), std::tuple(2, 2.0f, 3.0f));  // vertical: a steep line
  test::AddElement(m, 1.95f, -1, 1.95f, 1);
  EXPECT_EQ(Pick(m, 2.0f, 0.0f), std::tuple(3, 1.95f, 1.0f));  // equally far: end b

  ModelTables d;
  test::AddElement(d, 0, 0, 4, 4);
  EXPECT_EQ(std::get<0>(Pick(d, 2.0f, 2.06f)), 1);
  EXPECT_EQ(Pick(d, 2.0f, 2.3f), std::tuple(0, 2.0f, 2.3f));  // in the ranges, off the line
  EXPECT_EQ(std::tuple(std::get<0>(Pick(d, 4.1f, 4.1f)), std::get<0>(Pick(d, 4.3f, 4.3f))),
            std::tuple(1, 0));  // on the extension: near the end only
}

// An element end beats the grid; the grid takes x and y separately, within its radius.
TEST(SnapPoint, AnElementEndBeatsTheGrid) {
  EXPECT_EQ(std::tuple(SnapToGrid(3.9f, 2, 0.15f), SnapToGrid(-2.1f, 2, 0.15f),
                       SnapToGrid(2.2f, 2, 0.15f), SnapToGrid(0.1f, 0, 0.15f)),
            std::tuple(4.0f, -2.0f, 2.2f, 0.1f));  // the last: no mesh
  ModelTables m;
  test::AddElement(m, 0.1f, 0.1f, 3.1f, 0.1f);
  GridSettings grid;
  grid.on = true;
  SnapResult s = SnapPoint(m, kTolerance, grid, {3.0f, 0.1f});
  EXPECT_EQ(std::tuple(s.element, s.point.x, s.point.y), std::tuple(1, 3.1f, 0.1f));
  s = SnapPoint(m, kTolerance, grid, {4.1f, 2.9f});
  EXPECT_EQ(std::tuple(s.element, s.point.x, s.point.y, s.beforeGrid.x),
            std::tuple(0, 4.0f, 2.9f, 4.1f));
  grid.on = false;
  EXPECT_EQ(SnapPoint(m, kTolerance, grid, {4.1f, 2.9f}).point.x, 4.1f);
}

}  // namespace
}  // namespace rerore
