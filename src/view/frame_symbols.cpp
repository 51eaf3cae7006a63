// The supports, node circles, hinge circles and rigid ends of the frame
// drawing. Each of them is kept clear of the labels that follow.
#include <QPainter>
#include <QPolygonF>
#include <algorithm>
#include <climits>
#include <cmath>

#include "model/position_files.h"
#include "view/frame_drawing.h"
#include "view/view_pens.h"

namespace rerore {

namespace {

constexpr float kNodeCircle = 0.03f;  // 3 cm around supported nodes
constexpr int kHingeRadiusMarks = 3;
// A hinge's outline is drawn this many times as wide as a hairline, so
// that the open circle reads as a hinge at a glance.
constexpr double kHingeOutline = 2.0;

// A pin: a support that holds the node but lets it turn. A clamped node
// gets no pin circle, which would make it look hinged.
bool Pinned(const NodeRecord& n) { return (n.supportedU || n.supportedV) && !n.supportedPhi; }

DeviceRect Bounds(const std::vector<PointF>& points) {
  DeviceRect r{INT32_MAX, INT32_MAX, INT32_MIN, INT32_MIN};
  for (const PointF& p : points) {
    r.left = std::min(r.left, static_cast<int32_t>(std::floor(p.x)) - 1);
    r.top = std::min(r.top, static_cast<int32_t>(std::floor(p.y)) - 1);
    r.right = std::max(r.right, static_cast<int32_t>(std::ceil(p.x)) + 1);
    r.bottom = std::max(r.bottom, static_cast<int32_t>(std::ceil(p.y)) + 1);
  }
  return r;
}

}  // namespace

void FrameDrawing::drawSupports() {
  const ModelTables& model = session_.model;
  const QPen solid = ElementPen(session_.view.lineWidth, pixelsPerUnit());
  for (int k = 1; k <= NodeRows(model); ++k) {
    const SupportSymbol symbol = MakeSupportSymbol(model, k, symbolSize_, mapping_.unitsPerMetre());
    if (symbol.kind == SupportKind::None) continue;
    selectPen(symbol.kind == SupportKind::Elastic ? ViewPen(kPenDashed, pixelsPerUnit()) : solid);
    std::vector<PointF> outline;
    for (const WorldLine& line : symbol.lines) {
      plainLine(line.a, line.b);
      outline.insert(outline.end(), {device(line.a), device(line.b)});
    }
    if (symbol.kind != SupportKind::Clamped) {
      keepClear(Bounds(outline));
      continue;
    }
    QPolygonF square;
    for (const LogicalPoint& corner : symbol.square) {
      const DevicePoint d = mapping_.logicalToDevice(corner);
      square << QPointF(d.x, d.y);
      outline.push_back({double(d.x), double(d.y)});
    }
    keepClear(Bounds(outline));
    usePenAndBrush();
    painter_.setBrush(kGreyBrush);
    painter_.drawPolygon(square, Qt::OddEvenFill);
    painterStateChanged();
  }
  selectPen(solid);
}

void FrameDrawing::drawNodeCircles() {
  ModelTables& model = session_.model;
  // The node table follows the NODES file whenever the file can be read:
  // it is what the last rebuild stored.
  ReadNodesFile(session_.paths, model);
  const int last = NodeRows(model);
  const int32_t radius = static_cast<int32_t>(kNodeCircle * mapping_.unitsPerMetre());
  selectBrush(QBrush(Qt::white));
  for (int k = 1; k <= last; ++k) {
    const NodeRecord& n = model.nodes[k];
    if (!Pinned(n)) continue;
    if (model.params.beamGeneratorMark && k != 1 && k != last) continue;
    circle({n.x, n.y}, radius);
    keepClear({n.x, n.y}, toPixels(radius) + 1.0);
  }
}

void FrameDrawing::drawHinges() {
  const ModelTables& model = session_.model;
  const int32_t radius = kHingeRadiusMarks * mapping_.markRadius();
  const QPen pen = pen_;
  QPen outline = ViewPen(kPenSolid, pixelsPerUnit());
  outline.setWidthF(kHingeOutline * (target_.printing ? originScale() : 1));
  selectPen(outline);
  selectBrush(QBrush(Qt::white));
  auto mixedAt = [&model](int node) {
    return node >= 1 && node <= kMaxNodes && model.nodes[node].mixedHinges == 1;
  };
  auto hinge = [&](WorldPoint centre) {
    circle(centre, radius);
    keepClear(centre, toPixels(radius) + kHingeOutline);
  };
  for (int i = 1; i <= ElementRows(model); ++i) {
    const ElementRecord& e = model.elements[i];
    if (e.hingeLeft == 1) hinge(HingeCentre(e, true, mixedAt(e.nodeLeft)));
    if (e.hingeRight == 1) hinge(HingeCentre(e, false, mixedAt(e.nodeRight)));
  }
  selectPen(pen);
}

void FrameDrawing::drawRigidEnds() {
  const ModelTables& model = session_.model;
  for (int k = 1; k <= NodeRows(model); ++k) {
    const NodeRecord& n = model.nodes[k];
    if (n.mixedHinges != 1) continue;
    for (int j = 1; j <= std::min<int>(n.elementEnds, kMaxEndsPerNode); ++j) {
      const int e = n.nodeElements[j];
      WorldLine stub;
      if (e >= 1 && e <= kMaxElements && RigidStub(model.elements[e], k, stub)) {
        plainLine(stub.a, stub.b);
        keepClear(stub.a, stub.b);
      }
    }
  }
}

}  // namespace rerore
