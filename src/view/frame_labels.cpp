// The element numbers and node labels of the frame drawing. They come
// after everything else of the frame, each in the first free place beside
// what it names, so that no line, symbol or other label crosses it; one
// that finds no room close by stands farther out with a leader line.
#include <QFontMetrics>
#include <QPainter>
#include <cmath>

#include "gui/message_boxes.h"
#include "view/core/frame_geometry.h"
#include "view/frame_drawing.h"

namespace rerore {

namespace {

constexpr double kLabelGap = 3.0;  // pixels between a label and what it names
constexpr double kDegreesPerRadian = 57.295779513082323;
const QColor kLeaderColor(150, 150, 150);

}  // namespace

void FrameDrawing::drawFrameLabels() {
  if (fontPixels() < 1.0) return;
  painter_.setFont(viewFont());
  const QFontMetrics metrics = painter_.fontMetrics();
  const double height = metrics.height();
  const bool tidy = session_.view.display.tidyText;
  // With tidy labels a label that finds no free place is left out; else it
  // takes the place it covers the least of.
  const auto admit = [&](const LabelPlace& place) {
    return (place.free || !tidy) && static_cast<int>(labels_.frame.size()) < kMaxLabels;
  };
  const ModelTables& model = session_.model;
  // Clear of the node's end marks, or the hinge circles that lie on it.
  const double clearance = std::max(kLabelGap, toPixels(mapping_.markRadius()));
  const double lineClearance = kLabelGap + pen_.widthF() / 2;
  for (int i = 1; i <= ElementRows(model); ++i) {
    const ElementRecord& e = model.elements[i];
    const std::string text = Format("%i", i);
    double angle = ElementLabelAngle(e);
    if (tidy) angle = TidyAngle(angle);
    const PointF a = device({e.xa, e.ya});
    const PointF b = device({e.xb, e.yb});
    const double width = metrics.horizontalAdvance(FromAnsi(text));
    const LabelPlace place = layout_->besideLine(a, b, lineClearance, width, height, angle);
    if (admit(place)) drawLabelAt(text, place, {(a.x + b.x) / 2, (a.y + b.y) / 2}, angle);
  }
  for (int k = 1; k <= NodeRows(model); ++k) {
    const NodeRecord& n = model.nodes[k];
    const std::string text = Format("N %i", k);
    const PointF at = device({n.x, n.y});
    const double width = metrics.horizontalAdvance(FromAnsi(text));
    std::vector<PointF> ways;
    for (const WorldPoint& w : FreeDirections(model, k)) ways.push_back({w.x, -w.y});  // y down
    const LabelPlace place = layout_->besidePoint(at, clearance, width, height, ways);
    if (admit(place)) drawLabelAt(text, place, at, 0.0);
  }
}

// The grey line from what a label names to a label that stands farther out.
void FrameDrawing::drawLeader(const LabelPlace& place) {
  if (!place.leader) return;
  painter_.save();
  QPen leader(kLeaderColor, target_.printing ? originScale() : 0);
  leader.setCosmetic(!target_.printing);
  painter_.setPen(leader);
  const auto& [from, to] = *place.leader;
  painter_.drawLine(QPointF(from.x, from.y), QPointF(to.x, to.y));
  painter_.restore();
}

void FrameDrawing::drawLabelAt(const std::string& text, const LabelPlace& place, PointF anchor,
                               double angle) {
  layout_->take(place);
  labels_.frame.push_back({text, place.box, anchor});
  painter_.save();
  drawLeader(place);
  const QFontMetrics metrics = painter_.fontMetrics();
  const QString qtext = FromAnsi(text);
  PointF centre{0.0, 0.0};
  for (const PointF& p : place.box.corners) centre = {centre.x + p.x / 4, centre.y + p.y / 4};
  painter_.translate(centre.x, centre.y);
  painter_.rotate(-angle * kDegreesPerRadian);
  if (place.onLine) {
    const double w = metrics.horizontalAdvance(qtext);
    painter_.fillRect(QRectF(-w / 2, -metrics.height() / 2.0, w, metrics.height()), Qt::white);
  }
  painter_.setPen(Qt::black);
  painter_.drawText(
      QPointF(-metrics.horizontalAdvance(qtext) / 2.0, -metrics.height() / 2.0 + metrics.ascent()),
      qtext);
  painter_.restore();
  painterStateChanged();
}

}  // namespace rerore
