#include "view/frame_drawing.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "check/mechanism.h"
#include "gui/message_boxes.h"
#include "view/view_pens.h"

namespace rerore {

namespace {

// End marks are dots of half the mark radius: far smaller than a hinge.
constexpr double kEndMarkShare = 0.5;
constexpr int kGridColumns = 150;
constexpr int kGridRows = 100;
constexpr int kGridLead = 4;          // the grid starts this many meshes left of and below 0
constexpr float kGridReach = 100.0f;  // grid lines run from -100 m to +100 m

QPointF Pixel(DevicePoint p) { return QPointF(p.x, p.y); }

}  // namespace

FrameDrawing::FrameDrawing(QPainter& painter, Session& session, WorldMapping& mapping,
                           DrawTarget target, FrameExtras extras)
    : painter_(painter),
      session_(session),
      mapping_(mapping),
      target_(target),
      extras_(extras),
      pen_(ViewPen(kPenSolid, 0.0)),
      brush_(Qt::white) {}

bool FrameDrawing::drawAll(UserMessages& messages) {
  DisplayOptions& display = session_.view.display;
  if (display.tidyTextWanted && !display.tidyTextSuppressed) display.tidyText = true;
  labels_ = {};
  if (!prepareMapping(messages)) return false;
  layout_.emplace(DeviceRect{0, 0, mapping_.areaWidth(), mapping_.areaHeight()});
  painter_.save();
  painter_.setRenderHint(QPainter::Antialiasing, true);
  painter_.setRenderHint(QPainter::TextAntialiasing, true);
  // Pixel centres: a one-pixel line on a whole device coordinate covers
  // exactly that row or column of pixels.
  painter_.translate(0.5, 0.5);
  endMarks_ = display.endMarks;
  symbolSize_ = SymbolSize(session_.view.extents);
  selectPen(kPenSolid);
  drawOriginAndDimensions();
  if (session_.view.grid.on) drawGrid();
  if (display.auxLines) drawAuxLines();
  drawElements();
  drawSupports();
  drawNodeCircles();
  drawHinges();
  drawRigidEnds();
  drawFrameLabels();
  if (session_.check.mechanismShown())
    drawMechanism(session_.model, session_.check, false);
  else if (const LiveMechanism* live = extras_.liveMechanism)
    drawMechanism(live->model, live->mode, true);
  if (session_.view.markedPoint.set) drawMarkedPoint();
  painter_.restore();
  layout_.reset();
  return true;
}

bool FrameDrawing::prepareMapping(UserMessages& messages) {
  std::optional<WorldRect> rectangle = mapping_.paintRectangle(session_.model.params.tolerance);
  if (!rectangle) return false;
  // The poles widen the extents; this paint still fits the rectangle taken
  // before, the next one fits the widened extents. The displaced shape, as
  // it first shows, is fitted in as well, so that the whole motion is in
  // the picture; a larger amplitude chosen later may leave it.
  if (session_.check.mechanismShown()) {
    WritePolesExtent(session_);
    if (!mapping_.zoomed()) includeDisplacedShape(*rectangle);
  }
  mapping_.fit(*rectangle, messages);
  return true;
}

void FrameDrawing::includeDisplacedShape(WorldRect& r) const {
  const ModelTables& model = session_.model;
  const CheckResults& check = session_.check;
  for (const DisplacedElement& d : DisplacedShape(model, check, ModeScale(model, check))) {
    for (const WorldPoint& p : {d.movedA, d.movedB}) {
      r.x1 = std::min(r.x1, p.x);
      r.y1 = std::min(r.y1, p.y);
      r.x2 = std::max(r.x2, p.x);
      r.y2 = std::max(r.y2, p.y);
    }
  }
}

double FrameDrawing::pixelsPerUnit() const { return std::fabs(mapping_.transform().scaleX()); }

double FrameDrawing::toPixels(int32_t logical) const { return logical * pixelsPerUnit(); }

void FrameDrawing::selectPen(int index) { selectPen(ViewPen(index, pixelsPerUnit())); }

void FrameDrawing::selectPen(const QPen& pen) {
  pen_ = pen;
  // On paper the widths are the page's pixels: a print preview, which
  // shows the page scaled down, must scale them with it.
  if (target_.printing && pen_.widthF() > 0.0) pen_.setCosmetic(false);
  penDirty_ = true;
}

void FrameDrawing::selectBrush(const QBrush& brush) {
  brush_ = brush;
  brushDirty_ = true;
}

void FrameDrawing::usePenAndBrush() {
  if (penDirty_) painter_.setPen(pen_);
  if (brushDirty_) painter_.setBrush(brush_);
  penDirty_ = brushDirty_ = false;
}

void FrameDrawing::plainLine(WorldPoint a, WorldPoint b) {
  usePenAndBrush();
  painter_.drawLine(Pixel(mapping_.toDevice(a.x, a.y)), Pixel(mapping_.toDevice(b.x, b.y)));
}

void FrameDrawing::circle(WorldPoint centre, int32_t radius) {
  const DevicePoint d = mapping_.toDevice(centre.x, centre.y);
  circlePixels({double(d.x), double(d.y)}, toPixels(radius));
}

PointF FrameDrawing::device(WorldPoint p) const {
  const DevicePoint d = mapping_.toDevice(p.x, p.y);
  return {double(d.x), double(d.y)};
}

void FrameDrawing::circlePixels(PointF centre, double r) {
  const QPointF c(centre.x, centre.y);
  // Circles off the device cost their whole outline and show nothing (the
  // grid's end marks lie 100 m out).
  const double reach = r + pen_.widthF() + 1.0;
  if (c.x() + reach < 0 || c.y() + reach < 0 || c.x() - reach > mapping_.areaWidth() ||
      c.y() - reach > mapping_.areaHeight())
    return;
  usePenAndBrush();
  // Small circles come out as well without smoothing, and the painter has a
  // fast way for them then.
  const bool smooth = painter_.testRenderHint(QPainter::Antialiasing);
  painter_.setRenderHint(QPainter::Antialiasing, false);
  painter_.drawEllipse(c, r, r);
  painter_.setRenderHint(QPainter::Antialiasing, smooth);
}

void FrameDrawing::redDot(WorldPoint centre, int32_t radius) {
  const QPen pen = pen_;
  const QBrush brush = brush_;
  selectPen(kPenRed);
  selectBrush(QBrush(kRed));
  circle(centre, radius);
  selectPen(pen);
  selectBrush(brush);
}

void FrameDrawing::drawLine(WorldPoint a, WorldPoint b) {
  plainLine(a, b);
  if (!endMarks_) return;
  const QBrush brush = brush_;
  selectBrush(QBrush(pen_.color()));
  const double r = std::max(1.0, kEndMarkShare * toPixels(mapping_.markRadius()));
  circlePixels(device(a), r);
  circlePixels(device(b), r);
  selectBrush(brush);
}

void FrameDrawing::keepClear(WorldPoint a, WorldPoint b) {
  layout_->addLine(device(a), device(b), std::max(1.0, pen_.widthF() / 2) + 1.0);
}

void FrameDrawing::keepClear(WorldPoint centre, double radius) {
  const PointF c = device(centre);
  layout_->addObstacle(UprightBox(c.x - radius, c.y - radius, 2 * radius, 2 * radius));
}

void FrameDrawing::keepClear(const DeviceRect& r) { layout_->addObstacle(r); }

QPen FrameDrawing::thinPen() const {
  QPen pen(Qt::black, target_.printing ? originScale() : 0);
  pen.setCosmetic(!target_.printing);
  return pen;
}

double FrameDrawing::fontPixels() const {
  const double height = kViewTextHeight * session_.view.textScale;
  return mapping_.fontHeight(height, target_.dotsPerInch) * pixelsPerUnit();
}

QFont FrameDrawing::viewFont() const {
  QFont font("Arial");
  font.setPixelSize(std::max(1, static_cast<int>(std::lround(fontPixels()))));
  return font;
}

void FrameDrawing::drawGrid() {
  selectPen(kPenRed);
  const float m = session_.view.grid.meshWidth;
  for (int k = 1; k <= kGridColumns; ++k) {
    const float x = -kGridLead * m + k * m;
    drawLine({x, -kGridReach}, {x, kGridReach});
  }
  for (int k = 1; k <= kGridRows; ++k) {
    const float y = -kGridLead * m + k * m;
    drawLine({-kGridReach, y}, {kGridReach, y});
  }
  selectPen(kPenSolid);
}

// A horizontal and a vertical line through every node across the picture,
// to line up what is drawn next with what is there.
void FrameDrawing::drawAuxLines() {
  const int32_t units = mapping_.unitsPerMetre();
  const LogicalPoint a = mapping_.deviceToLogical({0, 0});
  const LogicalPoint b = mapping_.deviceToLogical({mapping_.areaWidth(), mapping_.areaHeight()});
  const float x1 = static_cast<float>(std::min(a.x, b.x)) / units;
  const float x2 = static_cast<float>(std::max(a.x, b.x)) / units;
  const float y1 = static_cast<float>(std::min(a.y, b.y)) / units;
  const float y2 = static_cast<float>(std::max(a.y, b.y)) / units;
  QPen pen = ViewPen(kPenLightGrey, pixelsPerUnit());
  pen.setStyle(Qt::DashLine);
  selectPen(pen);
  const ModelTables& model = session_.model;
  for (int j = 1; j <= NodeRows(model); ++j) {
    const NodeRecord& n = model.nodes[j];
    plainLine({x1, n.y}, {x2, n.y});
    plainLine({n.x, y1}, {n.x, y2});
  }
  selectPen(kPenSolid);
}

void FrameDrawing::drawElements() {
  selectPen(ElementPen(session_.view.lineWidth, pixelsPerUnit()));
  const ModelTables& model = session_.model;
  for (int i = 1; i <= ElementRows(model); ++i) {
    const ElementRecord& e = model.elements[i];
    drawLine({e.xa, e.ya}, {e.xb, e.yb});
    keepClear({e.xa, e.ya}, {e.xb, e.yb});
  }
}

void FrameDrawing::drawMarkedPoint() {
  const MarkedPoint& p = session_.view.markedPoint;
  redDot({p.x, p.y}, mapping_.bigMarkRadius());
}

}  // namespace rerore
