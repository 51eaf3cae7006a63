#include "view/core/world_mapping.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace rerore {

namespace {

int32_t RoundToInt(double value) { return static_cast<int32_t>(std::floor(value + 0.5)); }

// A non-zero extent keeps its sign; a zero one becomes 1 (the platform
// refuses zero extents).
int32_t NonZero(int32_t extent) { return extent == 0 ? 1 : extent; }

struct ScaleRow {
  float above;  // both sizes (or, in the first row, either) larger than this
  int32_t units;
};

// The finer the frame, the more logical units to the metre; the first
// matching row wins.
constexpr ScaleRow kScaleRows[] = {
    {50.0f, 20}, {40.0f, 25}, {30.0f, 30}, {20.0f, 50}, {10.0f, 100}};
constexpr float kHugeFrame = 100.0f;
constexpr int32_t kHugeFrameUnits = 10;
constexpr float kSmallFrame = 3.0f;
constexpr int32_t kSmallFrameUnits = 500;
constexpr int32_t kMediumFrameUnits = 200;

}  // namespace

DevicePoint Transformation::toDevice(LogicalPoint p) const {
  return {
      RoundToInt(double(p.x - windowOriginX) * viewportExtentX / windowExtentX) + viewportOriginX,
      RoundToInt(double(p.y - windowOriginY) * viewportExtentY / windowExtentY) + viewportOriginY};
}

LogicalPoint Transformation::toLogical(DevicePoint p) const {
  return {
      RoundToInt(double(p.x - viewportOriginX) * windowExtentX / viewportExtentX) + windowOriginX,
      RoundToInt(double(p.y - viewportOriginY) * windowExtentY / viewportExtentY) + windowOriginY};
}

void Transformation::makeIsotropic() {
  windowExtentX = NonZero(windowExtentX);
  windowExtentY = NonZero(windowExtentY);
  viewportExtentX = NonZero(viewportExtentX);
  viewportExtentY = NonZero(viewportExtentY);
  const double xScale = std::fabs(double(viewportExtentX) / windowExtentX);
  const double yScale = std::fabs(double(viewportExtentY) / windowExtentY);
  if (xScale > yScale) {
    const int32_t sign = viewportExtentX >= 0 ? 1 : -1;
    viewportExtentX = RoundToInt(viewportExtentX * yScale / xScale);
    if (viewportExtentX == 0) viewportExtentX = sign;
  } else {
    const int32_t sign = viewportExtentY >= 0 ? 1 : -1;
    viewportExtentY = RoundToInt(viewportExtentY * xScale / yScale);
    if (viewportExtentY == 0) viewportExtentY = sign;
  }
}

int32_t ChooseUnitsPerMetre(const DrawingExtents& extents, bool autoScale) {
  if (!autoScale) return kFixedUnitsPerMetre;
  const float dx = std::fabs(extents.xmax - extents.xmin);
  const float dy = std::fabs(extents.ymax - extents.ymin);
  if (dx > kHugeFrame || dy > kHugeFrame) return kHugeFrameUnits;
  for (const ScaleRow& row : kScaleRows)
    if (dx > row.above && dy > row.above) return row.units;
  if (dx < kSmallFrame && dy < kSmallFrame) return kSmallFrameUnits;
  return kMediumFrameUnits;
}

void WorldMapping::setDeviceArea(int32_t width, int32_t height, MappingTarget target) {
  width_ = width;
  height_ = height;
  target_ = target;
  const double share =
      target == MappingTarget::Printer ? kPrintViewportShare : kScreenViewportShare;
  viewportCx_ = static_cast<int32_t>(share * width);
  viewportCy_ = static_cast<int32_t>(share * height);
}

std::optional<WorldRect> WorldMapping::paintRectangle(double tolerance) const {
  if (zoomed_) {
    if (zoomWindow_.x2 - zoomWindow_.x1 < tolerance || zoomWindow_.y2 - zoomWindow_.y1 < tolerance)
      return std::nullopt;
    return zoomWindow_;
  }
  const DrawingExtents& e = settings_.extents;
  return WorldRect{e.xmin, e.ymin, e.xmax, e.ymax};
}

void WorldMapping::fit(const WorldRect& r, UserMessages& messages) {
  settings_.unitsPerMetre = ChooseUnitsPerMetre(settings_.extents, settings_.autoScale);
  if (zoomed_ && exactWindow_) {
    if (defineWorld(r.x1, r.y1, r.x2, r.y2, messages)) applyMapping();
    deriveSizes();
    return;
  }
  float x1 = std::min(r.x1, r.x2);
  const float y1 = std::min(r.y1, r.y2);
  const float largestX = std::max(r.x1, r.x2);
  const float largestY = std::max(r.y1, r.y2);
  const float x2 = largestX > kMinWorldSize ? largestX : kMinWorldSize;
  const float y2 = largestY > kMinWorldSize ? largestY : kMinWorldSize;
  if (std::fabs(x2 - x1) < kNarrowWorld) x1 = x2 - kMinWorldSize;
  if (defineWorld(x1, y1, x2, y2, messages)) applyMapping();
  deriveSizes();
}

bool WorldMapping::defineWorld(float x1, float y1, float x2, float y2, UserMessages& messages) {
  if (x1 == x2) x2 = x1 + kMinWorldSize;
  if (y1 == y2) y2 = y1 + kMinWorldSize;
  if (x1 == x2 || y1 == y2) {
    messages.message(Format("x1 = %.2f y1 = %.2f x2 = %.2f y2 = %.2f", x1, y1, x2, y2),
                     "Error in DefineWorld");
    throw ProgramExit(kDefineWorldExitCode);
  }
  worldX1_ = x1;
  worldX2_ = x2;
  worldY1_ = y1;
  worldY2_ = y2;
  worldDefined_ = true;
  return true;
}

void WorldMapping::applyMapping() {
  worldDefined_ = true;
  const float cx = static_cast<float>((double(worldX1_) + worldX2_) * 0.5);
  const float cy = static_cast<float>((double(worldY1_) + worldY2_) * 0.5);
  const float hw = static_cast<float>((double(worldX2_) - worldX1_) * settings_.zoomFactor) * 0.5f;
  const float hh = static_cast<float>((double(worldY2_) - worldY1_) * settings_.zoomFactor) * 0.5f;
  X1_ = double(cx) - hw;
  X2_ = double(cx) + hw;
  Y1_ = double(cy) - hh;
  Y2_ = double(cy) + hh;
  const double units = settings_.unitsPerMetre;
  Transformation& t = transform_;
  t.windowExtentX = static_cast<int32_t>((X2_ - X1_) * units * settings_.shrinkFactor);
  t.windowExtentY = static_cast<int32_t>((Y2_ - Y1_) * units * settings_.shrinkFactor);
  t.viewportExtentX = viewportCx_;
  t.viewportExtentY = -viewportCy_;
  t.makeIsotropic();
  const int32_t ax = t.viewportExtentX;
  const int32_t ay = t.viewportExtentY;
  t.viewportOriginX = static_cast<int32_t>((width_ - ax) * 0.5);
  t.viewportOriginY = static_cast<int32_t>((height_ + ay) * 0.5) - ay;
  t.windowOriginX = static_cast<int32_t>(units * X1_);
  t.windowOriginY = static_cast<int32_t>(units * Y1_);
  markRadius_ = std::max(logicalLength(kInputMarkPixels) + 1, 1);
  if (t.windowExtentX < kSmallWindowExtent) markRadius_ = 1;
}

int32_t WorldMapping::logicalLength(int32_t pixels) const {
  const LogicalPoint a = transform_.toLogical({pixels, pixels});
  const LogicalPoint o = transform_.toLogical({0, 0});
  return std::max(std::abs(a.x - o.x), std::abs(a.y - o.y));
}

void WorldMapping::deriveSizes() {
  markRadius_ = logicalLength(kMarkPixels);
  bigMarkRadius_ = logicalLength(kBigMarkPixels);
  const double ax = transform_.viewportExtentX;
  const double ay = transform_.viewportExtentY;
  double tx = kDefaultPickTolerance;
  double ty = kDefaultPickTolerance;
  if (zoomed_) {
    tx = (zoomWindow_.x2 - zoomWindow_.x1) * kPickPixels / ax;
    ty = (zoomWindow_.y2 - zoomWindow_.y1) * kPickPixels / ay;
  } else if (worldDefined_ && X2_ - X1_ != 0.0 && Y2_ - Y1_ != 0.0) {
    tx = kPickPixels / ax * std::fabs(X2_ - X1_);
    ty = kPickPixels / ay * std::fabs(Y2_ - Y1_);
  }
  pickTolerance_ = static_cast<float>(std::max(std::fabs(tx), std::fabs(ty)));
}

WorldPoint WorldMapping::deviceToWorld(DevicePoint p) {
  applyMapping();
  const LogicalPoint l = transform_.toLogical(p);
  const float units = static_cast<float>(settings_.unitsPerMetre);
  return {l.x / units, l.y / units};
}

DevicePoint WorldMapping::worldToDevice(WorldPoint p) {
  applyMapping();
  return toDevice(p.x, p.y);
}

LogicalPoint WorldMapping::toLogical(float x, float y) const {
  const int32_t units = settings_.unitsPerMetre;
  return {static_cast<int32_t>(units * x), static_cast<int32_t>(units * y)};
}

int32_t WorldMapping::fontHeight(double tenthsOfPoint, int32_t dotsPerInch) const {
  const double pixels = tenthsOfPoint * dotsPerInch / kPointsPerInch;
  const double logical =
      pixels * std::fabs(double(transform_.windowExtentY) / transform_.viewportExtentY);
  return static_cast<int32_t>(std::fabs(logical) / 10.0 + 0.5);
}

void WorldMapping::exactWorld(DevicePoint p, double& x, double& y) const {
  const Transformation& t = transform_;
  const double units = settings_.unitsPerMetre;
  x = (t.windowOriginX + double(p.x - t.viewportOriginX) * t.windowExtentX / t.viewportExtentX) /
      units;
  y = (t.windowOriginY + double(p.y - t.viewportOriginY) * t.windowExtentY / t.viewportExtentY) /
      units;
}

bool WorldMapping::navigateTo(double x1, double y1, double x2, double y2) {
  zoomWindow_ = {static_cast<float>(x1), static_cast<float>(y1), static_cast<float>(x2),
                 static_cast<float>(y2)};
  zoomed_ = exactWindow_ = true;
  worldX1_ = zoomWindow_.x1;
  worldY1_ = zoomWindow_.y1;
  worldX2_ = zoomWindow_.x2;
  worldY2_ = zoomWindow_.y2;
  applyMapping();
  deriveSizes();
  return true;
}

bool WorldMapping::zoomAbout(DevicePoint p, double factor) {
  if (!worldDefined_ || !(factor > 0.0)) return false;
  applyMapping();
  double px = 0.0;
  double py = 0.0;
  exactWorld(p, px, py);
  const double x1 = px + (worldX1_ - px) / factor;
  const double x2 = px + (worldX2_ - px) / factor;
  const double y1 = py + (worldY1_ - py) / factor;
  const double y2 = py + (worldY2_ - py) / factor;
  const double smallest = kNavigationMinUnits / settings_.unitsPerMetre;
  if (factor > 1.0 && std::min(x2 - x1, y2 - y1) < smallest) return false;
  if (factor < 1.0 && std::max(x2 - x1, y2 - y1) > kNavigationMaxMetres) return false;
  navigateTo(x1, y1, x2, y2);
  // The mapping puts its origins on whole logical units and pixels: the
  // point is moved back under the pointer by what that rounding cost.
  const Transformation& t = transform_;
  const double units = settings_.unitsPerMetre;
  const double dx =
      t.viewportOriginX + (units * px - t.windowOriginX) * t.viewportExtentX / t.windowExtentX;
  const double dy =
      t.viewportOriginY + (units * py - t.windowOriginY) * t.viewportExtentY / t.windowExtentY;
  const double pixelsPerMetre = std::fabs(t.scaleX()) * units;
  const double mx = (dx - p.x) / pixelsPerMetre;
  const double my = (dy - p.y) / pixelsPerMetre;
  return navigateTo(worldX1_ + mx, worldY1_ - my, worldX2_ + mx, worldY2_ - my);
}

bool WorldMapping::panBy(int32_t dx, int32_t dy) {
  if (!worldDefined_ || (dx == 0 && dy == 0)) return false;
  applyMapping();
  const double pixelsPerMetre = std::fabs(transform_.scaleX()) * settings_.unitsPerMetre;
  if (!(pixelsPerMetre > 0.0)) return false;
  // The picture follows the pointer: the window moves the other way, and
  // device y grows downwards.
  const double mx = dx / pixelsPerMetre;
  const double my = dy / pixelsPerMetre;
  return navigateTo(worldX1_ - mx, worldY1_ + my, worldX2_ - mx, worldY2_ + my);
}

bool WorldMapping::zoomByDrag(DevicePoint press, DevicePoint release) {
  if (std::abs(release.x - press.x) <= kZoomDragPixels &&
      std::abs(release.y - press.y) <= kZoomDragPixels)
    return false;
  const WorldPoint a = deviceToWorld(press);
  const WorldPoint b = deviceToWorld(release);
  zoomWindow_ = {std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)};
  zoomed_ = true;
  exactWindow_ = false;
  return true;
}

bool WorldMapping::landscapeForPrinting() const {
  if (zoomed_)
    return std::fabs(zoomWindow_.x2 - zoomWindow_.x1) > std::fabs(zoomWindow_.y2 - zoomWindow_.y1);
  const DrawingExtents& e = settings_.extents;
  return std::fabs(e.xmax - e.xmin) > std::fabs(e.ymax - e.ymin);
}

}  // namespace rerore
