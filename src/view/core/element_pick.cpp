#include "view/core/element_pick.h"

#include <algorithm>
#include <cmath>

namespace rerore {

namespace {

// The pick box grows with the pick tolerance: the diagonal of a square of
// that side, with a fifth added.
constexpr double kPickBoxGrowth = 1.2;
// The bounding test looks twice as far as the box reaches.
constexpr float kNearRangeFactor = 2.0f;
// The slope given to a line without x extent.
constexpr double kSteepSlope = 1.0e6;

struct PickBox {
  float left, bottom, right, top;
};

bool RangeReaches(float a, float b, float low, float high) {
  return std::max(a, b) >= low && std::min(a, b) <= high;
}

bool Within(double value, float low, float high) {
  const float v = static_cast<float>(value);
  return v >= low && v <= high;
}

// The element's straight line (not only the bar) passes through one of the
// four sides, tried bottom, right, top, left.
bool LineCrossesBox(const ElementRecord& e, const PickBox& box, double tolerance) {
  const double dx = double(e.xb) - e.xa;
  const double slope = std::fabs(dx) <= tolerance ? kSteepSlope : (double(e.yb) - e.ya) / dx;
  auto xAt = [&](float y) { return e.xa + (y - double(e.ya)) / slope; };
  auto yAt = [&](float x) { return e.ya + slope * (x - double(e.xa)); };
  // A horizontal line meets the horizontal sides nowhere (or everywhere).
  const bool level = slope == 0.0;
  if (!level && Within(xAt(box.bottom), box.left, box.right)) return true;
  if (Within(yAt(box.right), box.bottom, box.top)) return true;
  if (!level && Within(xAt(box.top), box.left, box.right)) return true;
  return Within(yAt(box.left), box.bottom, box.top);
}

double Distance(float x1, float y1, float x2, float y2) {
  return std::hypot(double(x2) - x1, double(y2) - y1);
}

}  // namespace

int PickElement(const ModelTables& model, float pickTolerance, WorldPoint& cursorPoint) {
  const float x = cursorPoint.x;
  const float y = cursorPoint.y;
  const double t = pickTolerance;
  const float r = static_cast<float>(std::sqrt(2.0 * t * t) * kPickBoxGrowth);
  const PickBox box{x - r, y - r, x + r, y + r};
  const float near = kNearRangeFactor * r;
  for (int k = ElementRows(model); k >= 1; --k) {
    const ElementRecord& e = model.elements[k];
    if (!RangeReaches(e.xa, e.xb, x - near, x + near)) continue;
    if (!RangeReaches(e.ya, e.yb, y - near, y + near)) continue;
    if (!LineCrossesBox(e, box, model.params.tolerance)) continue;
    if (Distance(x, y, e.xb, e.yb) <= Distance(x, y, e.xa, e.ya))
      cursorPoint = {e.xb, e.yb};
    else
      cursorPoint = {e.xa, e.ya};
    return k;
  }
  return 0;
}

float SnapToGrid(float value, float meshWidth, float snapRadius) {
  if (!(meshWidth > 0.0f)) return value;
  const double meshes = std::floor(double(value) / meshWidth);
  if (!std::isfinite(meshes)) return value;
  const float below = static_cast<float>(meshes * meshWidth);
  const float above = static_cast<float>((meshes + 1.0) * meshWidth);
  float snapped = value;
  if (value - below < snapRadius) snapped = below;
  if (above - value < snapRadius) snapped = above;
  return snapped;
}

SnapResult SnapPoint(const ModelTables& model, float pickTolerance, const GridSettings& grid,
                     WorldPoint raw) {
  SnapResult result;
  result.point = raw;
  result.element = PickElement(model, pickTolerance, result.point);
  result.beforeGrid = result.point;
  if (result.element == 0 && grid.on) {
    result.point.x = SnapToGrid(raw.x, grid.meshWidth, grid.snapRadius);
    result.point.y = SnapToGrid(raw.y, grid.meshWidth, grid.snapRadius);
  }
  return result;
}

OrthogonalLock ChooseLock(DevicePoint start, DevicePoint point) {
  const int64_t dx = int64_t(start.x) - point.x;
  const int64_t dy = int64_t(start.y) - point.y;
  return dx * dx > dy * dy ? OrthogonalLock::Horizontal : OrthogonalLock::Vertical;
}

DevicePoint LockPoint(DevicePoint start, DevicePoint point, OrthogonalLock lock) {
  if (lock == OrthogonalLock::Horizontal) point.y = start.y;
  if (lock == OrthogonalLock::Vertical) point.x = start.x;
  return point;
}

}  // namespace rerore
