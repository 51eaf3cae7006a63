// The mechanism display over the frame: the nodes of the singular equation
// in red, the displaced shape with arrows in the green pen, the poles as red
// dots with their labels in boxes beside them. The live check's mechanism
// is drawn the same way in light colours, without the dots of poles at
// infinity (which have no place of their own).
#include <QFontMetrics>
#include <QPainter>
#include <array>
#include <set>

#include "gui/message_boxes.h"
#include "view/core/label_placement.h"
#include "view/frame_drawing.h"
#include "view/view_pens.h"

namespace rerore {

namespace {

constexpr int kDotRadiusMarks = 3;
constexpr int kLabelPadding = 2;  // pixels between a label's text and its box

const QColor kLightRed(255, 165, 165);
const QColor kLightGreen(140, 210, 140);
const QColor kLabelFrame(120, 120, 120);
const QColor kLiveLabelText(90, 90, 90);
constexpr int kPoleLabelGap = 3;  // pixels between a pole's dot and its label
// Poles crowd where a frame moves as a whole; a label that finds no room
// within this many places farther out takes the least covered of them.
constexpr size_t kPoleLabelPlaces = 120;

}  // namespace

void FrameDrawing::mechanismDot(WorldPoint centre, int32_t radius, bool live) {
  if (live) {
    const QPen pen = pen_;
    const QBrush brush = brush_;
    selectPen(QPen(kLightRed, 0));
    selectBrush(QBrush(kLightRed));
    circle(centre, radius);
    selectPen(pen);
    selectBrush(brush);
  } else {
    redDot(centre, radius);
  }
  const int pixels = static_cast<int>(std::lround(toPixels(radius)));
  keepClear(DotRect(mapping_.toDevice(centre.x, centre.y), pixels));
}

void FrameDrawing::drawMechanism(const ModelTables& model, const CheckResults& check, bool live) {
  const int32_t dot = kDotRadiusMarks * mapping_.markRadius();
  const int32_t singular = check.outcome->equation;  // drawn only for a mechanism
  for (int k = 1; k <= NodeRows(model); ++k) {
    const NodeRecord& n = model.nodes[k];
    if (CarriesSingularEquation(n, singular)) mechanismDot({n.x, n.y}, dot, live);
  }
  QPen shapePen = ViewPen(kPenGreenWide, pixelsPerUnit());
  if (live) shapePen.setColor(kLightGreen);
  selectPen(shapePen);
  const double amplitude = session_.view.mechanismAmplitude * ModeScale(model, check);
  // Every element at a node would draw the node's arrow again, over itself.
  std::set<std::array<float, 4>> arrows;
  for (const DisplacedElement& d : DisplacedShape(model, check, amplitude)) {
    for (const auto& [from, to] : {std::pair{d.a, d.movedA}, std::pair{d.b, d.movedB}}) {
      if (!arrows.insert({from.x, from.y, to.x, to.y}).second) continue;
      const auto arrow = Arrow(from, to);
      drawLine(arrow[0].a, arrow[0].b);
      plainLine(arrow[1].a, arrow[1].b);  // the head without end marks
      plainLine(arrow[2].a, arrow[2].b);
    }
    drawLine(d.movedA, d.movedB);
  }
  selectPen(kPenSolid);
  const std::vector<std::string> labels = PoleLabels(model, check);
  for (int i = 1; i <= ElementRows(model); ++i) {
    const Pole& pole = check.poleTable[i];
    if (!(live && pole.atInfinity)) mechanismDot({pole.x, pole.y}, dot, live);
  }
  // The labels go where they cover no dot, no line, no label drawn before
  // and neither the origin symbol nor a dimension.
  const int dotPixels = static_cast<int>(std::lround(toPixels(dot)));
  for (int i = 1; i <= ElementRows(model); ++i) {
    if (labels[i].empty()) continue;
    const Pole& pole = check.poleTable[i];
    poleLabel(labels[i], mapping_.toDevice(pole.x, pole.y), dotPixels, live);
  }
}

void FrameDrawing::poleLabel(const std::string& text, DevicePoint at, int dotPixels, bool live) {
  if (fontPixels() < 1.0) return;
  painter_.save();
  painter_.setFont(viewFont());
  const QFontMetrics metrics = painter_.fontMetrics();
  const QString qtext = FromAnsi(text);
  const int pad = kLabelPadding * originScale();
  const int width = metrics.horizontalAdvance(qtext) + 2 * pad;
  const int height = metrics.height() + 2 * pad;
  const LabelPlace place = layout_->besidePoint(
      {double(at.x), double(at.y)}, dotPixels + kPoleLabelGap, width, height, {}, kPoleLabelPlaces);
  layout_->take(place);
  const DeviceRect r = place.box.bounds();
  labels_.poles.push_back(r);
  drawLeader(place);
  const QRectF box(r.left, r.top, r.right - r.left - 1, r.bottom - r.top - 1);
  painter_.setPen(QPen(live ? kLightRed : kLabelFrame, 0));
  painter_.setBrush(Qt::white);
  painter_.drawRect(box);
  painter_.setPen(live ? kLiveLabelText : QColor(Qt::black));
  painter_.drawText(box, Qt::AlignCenter, qtext);
  painter_.restore();
  painterStateChanged();
}

}  // namespace rerore
