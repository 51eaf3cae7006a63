#include "view/view_pens.h"

#include <algorithm>
#include <cmath>

namespace rerore {

namespace {

struct PenRow {
  int index;
  QColor color;
  Qt::PenStyle style;
  int width;  // logical units; 0 = hairline
};

const PenRow kPens[] = {
    {kPenGreenWide, kGreen, Qt::SolidLine, 4},
    {kPenRed, kRed, Qt::SolidLine, 0},
    {kPenSolid, Qt::black, Qt::SolidLine, 1},
    {kPenDashed, Qt::black, Qt::DashLine, 0},
    {kPenDotted, Qt::black, Qt::DotLine, 0},
    {kPenDashDot, Qt::black, Qt::DashDotLine, 0},
    {kPenLightGrey, kLightGrey, Qt::SolidLine, 0},
    {kPenDashDotDot, Qt::black, Qt::DashDotDotLine, 0},
};

QPen MakePen(const QColor& color, Qt::PenStyle style, int width, double pixelsPerUnit) {
  QPen pen(color);
  pen.setStyle(style);
  // Pens are whole device pixels wide, at least one: a width that comes to
  // one pixel or less is the hairline.
  const long pixels = std::lround(width * std::fabs(pixelsPerUnit));
  pen.setWidth(pixels <= 1 ? 0 : static_cast<int>(pixels));
  pen.setCosmetic(true);
  pen.setCapStyle(Qt::RoundCap);
  pen.setJoinStyle(Qt::RoundJoin);
  return pen;
}

}  // namespace

QPen ViewPen(int index, double pixelsPerUnit) {
  for (const PenRow& row : kPens)
    if (row.index == index) return MakePen(row.color, row.style, row.width, pixelsPerUnit);
  return MakePen(Qt::black, Qt::SolidLine, 1, pixelsPerUnit);
}

QPen ElementPen(int lineWidth, double pixelsPerUnit) {
  return MakePen(Qt::black, Qt::SolidLine, std::max(lineWidth, 0), pixelsPerUnit);
}

}  // namespace rerore
