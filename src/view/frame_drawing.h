// The drawing of the whole frame from the model tables, the same for the
// window, the printed page, a PDF and an image: the origin symbol and the
// overall dimensions, the grid, the elements, the support symbols, the node
// circles, the hinges, the rigid ends at mixed-hinge nodes, then the
// element numbers and node labels in the space all that leaves free, the
// mechanism display and the marked point.
//
// Everything is drawn in device pixels through the world mapping, so that a
// world point lands on exactly the pixel the mapping gives for it.
#pragma once

#include <QBrush>
#include <QFont>
#include <QPen>
#include <optional>
#include <string>
#include <vector>

#include "check/live_check.h"
#include "model/session.h"
#include "model/user_messages.h"
#include "view/core/frame_geometry.h"
#include "view/core/label_placement.h"
#include "view/core/world_mapping.h"

class QPainter;

namespace rerore {

// A label of the frame as it was drawn: its text, where it stands and the
// point it names (a node, or the middle of an element).
struct DrawnLabel {
  std::string text;
  LabelBox box;
  PointF anchor;
};

// The labels of one picture.
struct PictureLabels {
  std::vector<DrawnLabel> frame;  // element numbers and node labels
  std::vector<DeviceRect> poles;
};

struct DrawTarget {
  bool printing = false;
  int dotsPerInch = kScreenDpi;
};

// What the window's picture shows besides the session's frame.
struct FrameExtras {
  // The live check's mechanism, drawn in light colours while the session
  // shows no mechanism of Store's check.
  const LiveMechanism* liveMechanism = nullptr;
};

class FrameDrawing {
 public:
  FrameDrawing(QPainter& painter, Session& session, WorldMapping& mapping, DrawTarget target,
               FrameExtras extras = {});

  // Sets up the mapping for the device area already given to the mapping,
  // then draws everything. Returns false when nothing was drawn (a zoom
  // window thinner than the tolerance). Throws ProgramExit when the world
  // cannot be defined.
  bool drawAll(UserMessages& messages);

  // A line in the current pen; with end marks on, a small dot in the
  // pen's colour on each end (a rigid joint, never to be taken for the
  // open circle of a hinge).
  void drawLine(WorldPoint a, WorldPoint b);

  // The labels of the last drawAll.
  const PictureLabels& labels() const { return labels_; }

 private:
  // Fits the mapping to this paint; false when there is nothing to draw.
  bool prepareMapping(UserMessages& messages);
  void includeDisplacedShape(WorldRect& r) const;
  // The current pen and brush reach the painter only when they changed:
  // setting them for every stroke costs more than the stroke.
  void selectPen(int index);
  void selectPen(const QPen& pen);
  void selectBrush(const QBrush& brush);
  void usePenAndBrush();
  void painterStateChanged() { penDirty_ = brushDirty_ = true; }
  double pixelsPerUnit() const;
  double toPixels(int32_t logical) const;
  void circle(WorldPoint centre, int32_t radius);
  void circlePixels(PointF centre, double radius);
  void redDot(WorldPoint centre, int32_t radius);
  void plainLine(WorldPoint a, WorldPoint b);
  PointF device(WorldPoint p) const;
  // What no label may cover.
  void keepClear(WorldPoint a, WorldPoint b);
  void keepClear(WorldPoint centre, double radiusPixels);
  void keepClear(const DeviceRect& r);
  // The hairline of the dimensions and the origin symbol: one pixel on the
  // screen at any zoom, the page's scale on paper.
  QPen thinPen() const;
  // The height of the view font in device pixels; labels below one pixel
  // are left out.
  double fontPixels() const;
  QFont viewFont() const;

  void drawOriginAndDimensions();
  void drawOrigin();
  int originScale() const;
  double symbolClearance() const;
  void drawWidthDimension(int k);
  void drawHeightDimension(int k);
  void drawDimensionText(const QString& text, QPointF centre, bool upright);
  void drawGrid();
  void drawElements();
  void drawSupports();
  void drawNodeCircles();
  void drawHinges();
  void drawRigidEnds();
  void drawAuxLines();
  // The node labels, then the element numbers, each in the first free
  // place beside what it names.
  void drawFrameLabels();
  void drawLabelAt(const std::string& text, const LabelPlace& place, PointF anchor, double angle);
  void drawMechanism(const ModelTables& model, const CheckResults& check, bool live);
  void mechanismDot(WorldPoint centre, int32_t radius, bool live);
  void poleLabel(const std::string& text, DevicePoint at, int dotPixels, bool live);
  void drawLeader(const LabelPlace& place);
  void drawMarkedPoint();

  QPainter& painter_;
  Session& session_;
  WorldMapping& mapping_;
  DrawTarget target_;
  FrameExtras extras_;
  std::optional<LabelLayout> layout_;
  PictureLabels labels_;
  // The origin symbol and the dimension texts, which pole labels avoid.
  QPen pen_;
  QBrush brush_;
  bool penDirty_ = true;
  bool brushDirty_ = true;
  bool endMarks_ = true;
  float symbolSize_ = 0.0f;
};

}  // namespace rerore
