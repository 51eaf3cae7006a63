// The supports, node labels, node circles, hinge circles and rigid ends of
// the frame drawing.
#include <QPainter>
#include <QPolygonF>

#include "model/position_files.h"
#include "view/frame_drawing.h"
#include "view/view_pens.h"

namespace rerore {

namespace {

constexpr float kNodeCircle = 0.03f;  // 3 cm around supported nodes
constexpr int kHingeRadiusMarks = 3;

bool Supported(const NodeRecord& n) { return n.supportedU || n.supportedV; }

}  // namespace

void FrameDrawing::drawSupports() {
  const ModelTables& model = session_.model;
  const QPen solid = ElementPen(session_.view.lineWidth, pixelsPerUnit());
  for (int k = 1; k <= NodeRows(model); ++k) {
    const SupportSymbol symbol = MakeSupportSymbol(model, k, symbolSize_, mapping_.unitsPerMetre());
    selectPen(symbol.kind == SupportKind::Elastic ? ViewPen(kPenDashed, pixelsPerUnit()) : solid);
    for (const WorldLine& line : symbol.lines) plainLine(line.a, line.b);
    if (symbol.kind != SupportKind::Clamped) continue;
    QPolygonF square;
    for (const LogicalPoint& corner : symbol.square) {
      const DevicePoint d = mapping_.logicalToDevice(corner);
      square << QPointF(d.x, d.y);
    }
    usePenAndBrush();
    painter_.setBrush(kGreyBrush);
    painter_.drawPolygon(square, Qt::OddEvenFill);
    painterStateChanged();
  }
  selectPen(solid);
}

void FrameDrawing::drawNodeLabels() {
  ModelTables& model = session_.model;
  // The node table follows the NODES file whenever the file can be read:
  // it is what the last rebuild stored.
  ReadNodesFile(session_.paths, model);
  for (int k = 1; k <= NodeRows(model); ++k) {
    const NodeRecord& n = model.nodes[k];
    drawLabel(Format("N %i", k), n.x, n.y - symbolSize_, 0.0, Supported(n));
  }
  const int last = NodeRows(model);
  const int32_t radius = static_cast<int32_t>(kNodeCircle * mapping_.unitsPerMetre());
  selectBrush(QBrush(Qt::white));
  for (int k = 1; k <= last; ++k) {
    const NodeRecord& n = model.nodes[k];
    if (!Supported(n)) continue;
    if (model.params.beamGeneratorMark && k != 1 && k != last) continue;
    circle({n.x, n.y}, radius);
  }
}

void FrameDrawing::drawHinges() {
  const ModelTables& model = session_.model;
  const int32_t radius = kHingeRadiusMarks * mapping_.markRadius();
  selectBrush(QBrush(Qt::white));
  auto mixedAt = [&model](int node) {
    return node >= 1 && node <= kMaxNodes && model.nodes[node].mixedHinges == 1;
  };
  for (int i = 1; i <= ElementRows(model); ++i) {
    const ElementRecord& e = model.elements[i];
    if (e.hingeLeft == 1) circle(HingeCentre(e, true, mixedAt(e.nodeLeft)), radius);
    if (e.hingeRight == 1) circle(HingeCentre(e, false, mixedAt(e.nodeRight)), radius);
  }
}

void FrameDrawing::drawRigidEnds() {
  const ModelTables& model = session_.model;
  for (int k = 1; k <= NodeRows(model); ++k) {
    const NodeRecord& n = model.nodes[k];
    if (n.mixedHinges != 1) continue;
    for (int j = 1; j <= std::min<int>(n.elementEnds, kMaxEndsPerNode); ++j) {
      const int e = n.nodeElements[j];
      WorldLine stub;
      if (e >= 1 && e <= kMaxElements && RigidStub(model.elements[e], k, stub))
        plainLine(stub.a, stub.b);
    }
  }
}

}  // namespace rerore
