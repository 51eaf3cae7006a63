// The mechanism display over the frame: the nodes of the singular equation
// in red, the displaced shape with arrows in the green pen, the poles as red
// dots with their labels.
#include <QPainter>

#include "view/frame_drawing.h"
#include "view/view_pens.h"

namespace rerore {

namespace {

constexpr int kDotRadiusMarks = 3;

}  // namespace

void FrameDrawing::drawMechanism() {
  const ModelTables& model = session_.model;
  const CheckResults& check = session_.check;
  const int32_t dot = kDotRadiusMarks * mapping_.markRadius();
  const int32_t singular = check.outcome->equation;  // drawn only while a mechanism is shown
  for (int k = 1; k <= NodeRows(model); ++k) {
    const NodeRecord& n = model.nodes[k];
    if (CarriesSingularEquation(n, singular)) redDot({n.x, n.y}, dot);
  }
  selectPen(kPenGreenWide);
  for (const DisplacedElement& d : DisplacedShape(model, check, session_.view.mechanismAmplitude)) {
    for (const auto& [from, to] : {std::pair{d.a, d.movedA}, std::pair{d.b, d.movedB}}) {
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
    redDot({pole.x, pole.y}, dot);
    if (!labels[i].empty()) drawLabel(labels[i], pole.x, pole.y, 0.0);
  }
}

}  // namespace rerore
