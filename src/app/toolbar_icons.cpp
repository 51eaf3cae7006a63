#include "app/toolbar_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <functional>

#include "gui/command_ids.h"

namespace rerore {

namespace {

// Drawn four times larger than the button and scaled down, so that the
// lines stay clean on screens of any density.
constexpr int kScale = 4;
const QColor kBlue(0, 70, 160);
const QColor kGreyFill(200, 200, 200);

QIcon Draw(const std::function<void(QPainter&)>& picture) {
  QPixmap pixmap(kButtonWidth * kScale, kButtonHeight * kScale);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(kScale, kScale);
  picture(p);
  p.end();
  return QIcon(pixmap);
}

QPen Line(const QColor& color, double width = 1.0) {
  return QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void Store(QPainter& p) {  // a disk
  p.setPen(Line(Qt::black));
  p.setBrush(kBlue);
  p.drawRect(QRectF(1.5, 1.5, 13, 12));
  p.setBrush(Qt::white);
  p.drawRect(QRectF(4, 1.5, 8, 5));
  p.setBrush(kGreyFill);
  p.drawRect(QRectF(4, 9, 8, 4.5));
}

void Print(QPainter& p) {  // a printer with a sheet
  p.setPen(Line(Qt::black));
  p.setBrush(Qt::white);
  p.drawRect(QRectF(4.5, 1.5, 7, 5));
  p.setBrush(kGreyFill);
  p.drawRect(QRectF(1.5, 6.5, 13, 5));
  p.setBrush(Qt::white);
  p.drawRect(QRectF(4.5, 10, 7, 3.5));
}

void Dimensions(QPainter& p) {  // a dimension line with arrowheads
  p.setPen(Line(Qt::black));
  p.drawLine(QPointF(1.5, 3), QPointF(1.5, 12));
  p.drawLine(QPointF(14.5, 3), QPointF(14.5, 12));
  p.drawLine(QPointF(2, 9), QPointF(14, 9));
  p.setBrush(Qt::black);
  p.drawPolygon(QPolygonF() << QPointF(2, 9) << QPointF(5, 7.5) << QPointF(5, 10.5));
  p.drawPolygon(QPolygonF() << QPointF(14, 9) << QPointF(11, 7.5) << QPointF(11, 10.5));
  p.setPen(Line(kBlue));
  p.drawLine(QPointF(6, 5), QPointF(10, 5));
}

void Copy(QPainter& p) {  // two sheets
  p.setPen(Line(Qt::black));
  p.setBrush(Qt::white);
  p.drawRect(QRectF(1.5, 1.5, 8, 9));
  p.drawRect(QRectF(6.5, 4.5, 8, 9));
  p.setPen(Line(kBlue, 0.8));
  for (const double y : {7.0, 9.0, 11.0}) p.drawLine(QPointF(8, y), QPointF(13, y));
}

void GraphicalInput(QPainter& p) {  // a chain of two elements with its points
  p.setPen(Line(Qt::black, 1.4));
  p.drawPolyline(QPolygonF() << QPointF(2, 13) << QPointF(6, 3) << QPointF(14, 6));
  p.setPen(Line(Qt::red));
  p.setBrush(Qt::white);
  for (const QPointF c : {QPointF(2, 13), QPointF(6, 3), QPointF(14, 6)})
    p.drawEllipse(c, 1.5, 1.5);
}

void Grid(QPainter& p) {  // the red grid
  p.setPen(Line(Qt::red, 0.8));
  for (const double v : {2.0, 6.0, 10.0, 14.0}) {
    p.drawLine(QPointF(v, 1), QPointF(v, 14));
    p.drawLine(QPointF(1, v - 0.5), QPointF(15, v - 0.5));
  }
}

// A half turn with its arrowhead: back to the left for Undo, on to the
// right (mirrored) for Redo.
void TurnArrow(QPainter& p, bool forward) {
  if (forward) {
    p.translate(kButtonWidth, 0);
    p.scale(-1, 1);
  }
  p.setPen(Line(kBlue, 1.6));
  p.setBrush(Qt::NoBrush);
  QPainterPath turn(QPointF(4, 6));
  turn.cubicTo(QPointF(9, 2), QPointF(15, 5), QPointF(13, 10));
  turn.lineTo(QPointF(11, 13));
  p.drawPath(turn);
  p.setPen(Line(kBlue));
  p.setBrush(kBlue);
  p.drawPolygon(QPolygonF() << QPointF(1.5, 7.5) << QPointF(6.5, 2.5) << QPointF(7, 8.5));
}

void Hinge(QPainter& p) {  // two bars meeting in a hinge circle
  p.setPen(Line(Qt::black, 1.4));
  p.drawLine(QPointF(1.5, 13), QPointF(7, 7));
  p.drawLine(QPointF(9, 7), QPointF(14.5, 3));
  p.setPen(Line(Qt::black));
  p.setBrush(Qt::white);
  p.drawEllipse(QPointF(8, 7), 2.2, 2.2);
}

void ZoomWindow(QPainter& p) {  // a dotted window and a magnifier
  p.setPen(QPen(Qt::black, 0.8, Qt::DotLine));
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRectF(1.5, 1.5, 9, 7));
  p.setPen(Line(kBlue, 1.4));
  p.drawEllipse(QPointF(9, 8), 3.2, 3.2);
  p.drawLine(QPointF(11.3, 10.3), QPointF(14.5, 13.5));
}

void AuxLines(QPainter& p) {  // dashed lines through two nodes
  p.setPen(QPen(Qt::gray, 0.9, Qt::DashLine));
  for (const double v : {4.5, 10.5}) {
    p.drawLine(QPointF(0.5, v), QPointF(15.5, v));
    p.drawLine(QPointF(v, 0.5), QPointF(v, 14.5));
  }
  p.setPen(Line(Qt::black, 1.4));
  p.drawLine(QPointF(4.5, 10.5), QPointF(10.5, 4.5));
}

void EndMarks(QPainter& p) {  // an element with its end circles
  p.setPen(Line(Qt::black, 1.4));
  p.drawLine(QPointF(3, 11), QPointF(13, 4));
  p.setPen(Line(Qt::black));
  p.setBrush(Qt::white);
  p.drawEllipse(QPointF(3, 11), 2, 2);
  p.drawEllipse(QPointF(13, 4), 2, 2);
}

void TidyLabels(QPainter& p) {  // two labels side by side, none on the other
  p.setPen(Line(Qt::black, 0.8));
  p.setBrush(Qt::white);
  p.drawRect(QRectF(0.5, 2.5, 7, 5));
  p.drawRect(QRectF(8.5, 7.5, 7, 5));
  p.setPen(Line(kBlue, 0.9));
  p.drawLine(QPointF(2, 5), QPointF(6, 5));
  p.drawLine(QPointF(10, 10), QPointF(14, 10));
}

void Redraw(QPainter& p) {  // a circle of an arrow
  p.setPen(Line(kBlue, 1.5));
  p.setBrush(Qt::NoBrush);
  p.drawArc(QRectF(2.5, 2, 11, 11), 60 * 16, 290 * 16);
  p.setBrush(kBlue);
  p.drawPolygon(QPolygonF() << QPointF(12.5, 0.5) << QPointF(13.5, 5.5) << QPointF(8.5, 4));
}

void LiveCheck(QPainter& p) {  // a frame with its pole, and a tick
  p.setPen(Line(Qt::black, 1.2));
  p.drawPolyline(QPolygonF() << QPointF(2, 14) << QPointF(2, 5) << QPointF(9, 5) << QPointF(9, 14));
  p.setPen(Line(QColor(0, 140, 0), 1.8));
  p.drawPolyline(QPolygonF() << QPointF(8.5, 9.5) << QPointF(11, 12.5) << QPointF(15, 3.5));
}

void Undo(QPainter& p) { TurnArrow(p, false); }
void Redo(QPainter& p) { TurnArrow(p, true); }

}  // namespace

QIcon ToolbarIcon(int id) {
  switch (id) {
    case kCmdStore:
      return Draw(Store);
    case kCmdPrint:
      return Draw(Print);
    case kCmdDimensions:
      return Draw(Dimensions);
    case kCmdCopyToClipboard:
      return Draw(Copy);
    case kCmdGraphicalInput:
      return Draw(GraphicalInput);
    case kCmdGrid:
      return Draw(Grid);
    case kCmdHinge:
      return Draw(Hinge);
    case kCmdZoom:
      return Draw(ZoomWindow);
    case kCmdAuxLines:
      return Draw(AuxLines);
    case kCmdEndMarks:
      return Draw(EndMarks);
    case kCmdTidyText:
      return Draw(TidyLabels);
    case kCmdRedraw:
      return Draw(Redraw);
    case kCmdLiveCheck:
      return Draw(LiveCheck);
    case kCmdEditUndo:
      return Draw(Undo);
    case kCmdEditRedo:
      return Draw(Redo);
    default:
      return QIcon();
  }
}

}  // namespace rerore
