// The origin symbol and the overall dimensions of the frame drawing. Their
// sizes are device pixels, times the page's scale factor when printing, and
// they are drawn in a hairline, so that zooming in leaves them thin. The
// dimensions keep clear of the support symbols below and left of the frame.
#include <QFontMetrics>
#include <QPainter>
#include <QPolygonF>
#include <cmath>

#include "view/frame_drawing.h"
#include "view/view_pens.h"

namespace rerore {

namespace {

constexpr int kPageUnitWidth = 680;  // printed pixels per pixel of the screen's symbol
constexpr int kOriginRadius = 5;
constexpr int kXArrowShaft = 35;
constexpr int kXArrowTip = 55;
constexpr int kYArrowShaft = 25;
constexpr int kYArrowTip = 45;
constexpr int kArrowBase = 5;
constexpr int kWidthLineDrop = 17;    // the width dimension lies this far below the frame
constexpr int kHeightLineScreen = 6;  // the height dimension lies this far left of it
constexpr int kHeightLinePaper = 17;
constexpr int kTextGap = 5;
constexpr int kHeadLength = 6;
constexpr int kHeadHalfWidth = 3;
constexpr int kExtensionInside = 3;
constexpr int kExtensionOutside = 6;
constexpr float kSmallestHeight = 0.1f;
// The support symbols reach this many symbol sizes beyond their node.
constexpr float kSymbolReach = 1.5f;
constexpr int kClearOfSymbols = 8;  // pixels between a support symbol and a dimension

// A filled arrowhead with its tip at `tip`, pointing along (ux, uy).
void Head(QPainter& p, QPointF tip, double ux, double uy, int k) {
  const QPointF base = tip - QPointF(ux, uy) * kHeadLength * k;
  const QPointF side(-uy * kHeadHalfWidth * k, ux * kHeadHalfWidth * k);
  p.setBrush(Qt::black);
  p.drawPolygon(QPolygonF() << tip << base + side << base - side);
}

}  // namespace

void FrameDrawing::drawOriginAndDimensions() {
  drawOrigin();
  // An empty position has nothing to measure: its extents are the defaults.
  if (!session_.view.autoScale || ElementRows(session_.model) == 0) return;
  drawWidthDimension(originScale());
  const DrawingExtents& e = session_.view.extents;
  if (e.ymax - e.ymin > kSmallestHeight) drawHeightDimension(originScale());
  painterStateChanged();
}

void FrameDrawing::drawOrigin() {
  const int k = originScale();
  const DevicePoint d = mapping_.toDevice(0.0f, 0.0f);
  const QPointF o(d.x, d.y);
  painter_.setPen(thinPen());
  painter_.setBrush(Qt::NoBrush);
  painter_.drawEllipse(o, kOriginRadius * k, kOriginRadius * k);
  painter_.drawLine(o, o + QPointF(kXArrowShaft * k, 0));
  painter_.drawPolygon(QPolygonF() << o + QPointF(kXArrowShaft * k, -kArrowBase * k)
                                   << o + QPointF(kXArrowShaft * k, kArrowBase * k)
                                   << o + QPointF(kXArrowTip * k, 0));
  painter_.drawLine(o, o - QPointF(0, kYArrowShaft * k));
  keepClear({d.x - kOriginRadius * k, d.y - kYArrowTip * k, d.x + kXArrowTip * k + 1,
             d.y + kOriginRadius * k + 1});
  painter_.drawPolygon(QPolygonF() << o + QPointF(-kArrowBase * k, -kYArrowShaft * k)
                                   << o + QPointF(kArrowBase * k, -kYArrowShaft * k)
                                   << o + QPointF(0, -kYArrowTip * k));
  painterStateChanged();
}

// How far the dimensions stand off the frame's extents: beyond the support
// symbols and the node circles at its edges.
double FrameDrawing::symbolClearance() const {
  const double reach = std::max(kSymbolReach * symbolSize_, 0.03f) * mapping_.unitsPerMetre();
  return toPixels(static_cast<int32_t>(reach)) + kClearOfSymbols * originScale();
}

// Sizes of the origin symbol and the dimensions are screen pixels; a page
// scales them by its width.
int FrameDrawing::originScale() const {
  return target_.printing ? std::max(1, mapping_.areaWidth() / kPageUnitWidth) : 1;
}

void FrameDrawing::drawDimensionText(const QString& text, QPointF centre, bool upright) {
  if (fontPixels() < 1.0) return;
  painter_.save();
  painter_.setFont(viewFont());
  const QFontMetrics metrics = painter_.fontMetrics();
  const QRectF box(-metrics.horizontalAdvance(text) / 2.0, -metrics.height() / 2.0,
                   metrics.horizontalAdvance(text), metrics.height());
  // Where the text lies on the device, turned or not (centred either way).
  const QRectF shown =
      upright ? QRectF(-box.height() / 2.0, -box.width() / 2.0, box.height(), box.width()) : box;
  keepClear({static_cast<int32_t>(centre.x() + shown.left()),
             static_cast<int32_t>(centre.y() + shown.top()),
             static_cast<int32_t>(centre.x() + shown.right()) + 1,
             static_cast<int32_t>(centre.y() + shown.bottom()) + 1});
  painter_.translate(centre);
  if (upright) painter_.rotate(-90.0);
  painter_.fillRect(box, Qt::white);  // written on an opaque background
  painter_.setPen(Qt::black);
  painter_.drawText(box, Qt::AlignCenter, text);
  painter_.restore();
}

void FrameDrawing::drawWidthDimension(int k) {
  const DrawingExtents& e = session_.view.extents;
  const DevicePoint left = mapping_.toDevice(e.xmin, e.ymin);
  const DevicePoint right = mapping_.toDevice(e.xmax, e.ymin);
  // On whole pixels, so that the hairline is one crisp row.
  const double y = left.y + std::round(std::max<double>(kWidthLineDrop * k, symbolClearance()));
  const double mid = mapping_.toDevice((e.xmin + e.xmax) / 2, e.ymin).x;
  const QString text = QString::fromLatin1(Format("%.2lf", double(e.xmax - e.xmin)).c_str());
  painter_.setFont(viewFont());
  const double half = painter_.fontMetrics().horizontalAdvance(text) / 2.0;
  drawDimensionText(text, QPointF(mid, y), false);
  painter_.setPen(thinPen());
  painter_.drawLine(QPointF(left.x, y), QPointF(mid - half - kTextGap * k, y));
  painter_.drawLine(QPointF(mid + half + kTextGap * k, y), QPointF(right.x, y));
  layout_->addLine({double(left.x), y}, {double(right.x), y}, kHeadHalfWidth * k);
  Head(painter_, QPointF(left.x, y), -1.0, 0.0, k);
  Head(painter_, QPointF(right.x, y), 1.0, 0.0, k);
  for (const double x : {double(left.x), double(right.x)})
    painter_.drawLine(QPointF(x, y - kExtensionInside * k), QPointF(x, y + kExtensionOutside * k));
}

void FrameDrawing::drawHeightDimension(int k) {
  const DrawingExtents& e = session_.view.extents;
  const DevicePoint bottom = mapping_.toDevice(e.xmin, e.ymin);
  const DevicePoint top = mapping_.toDevice(e.xmin, e.ymax);
  const double mid = mapping_.toDevice(e.xmin, (e.ymin + e.ymax) / 2).y;
  const QString text = QString::fromLatin1(Format("%.2lf", double(e.ymax - e.ymin)).c_str());
  painter_.setFont(viewFont());
  const double half = painter_.fontMetrics().horizontalAdvance(text) / 2.0;
  // The turned text keeps its gap to the frame with its lower edge; the
  // dimension line runs through its middle.
  const double gap = std::max<double>((target_.printing ? kHeightLinePaper : kHeightLineScreen) * k,
                                      symbolClearance());
  const double x = bottom.x - std::round(gap + painter_.fontMetrics().height() / 2.0);
  drawDimensionText(text, QPointF(x, mid), true);
  painter_.setPen(thinPen());
  painter_.drawLine(QPointF(x, bottom.y), QPointF(x, mid + half + kTextGap * k));
  painter_.drawLine(QPointF(x, mid - half - kTextGap * k), QPointF(x, top.y));
  layout_->addLine({x, double(bottom.y)}, {x, double(top.y)}, kHeadHalfWidth * k);
  Head(painter_, QPointF(x, bottom.y), 0.0, 1.0, k);
  Head(painter_, QPointF(x, top.y), 0.0, -1.0, k);
  for (const double y : {double(bottom.y), double(top.y)})
    painter_.drawLine(QPointF(x + kExtensionInside * k, y), QPointF(x - kExtensionOutside * k, y));
}

}  // namespace rerore
