#include "view/page_border.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

#include "gui/message_boxes.h"

namespace rerore {

namespace {

// The page is laid out in units of a 3383 x 2363 grid.
constexpr double kPageColumns = 3383.0;
constexpr double kPageRows = 2363.0;
constexpr double kMarginUnits = 2.0;
constexpr double kLandscapeShiftUnits = 100.0;
constexpr double kHeaderRuleUnits = 150.0;
constexpr double kHeaderBaseUnits = 50.0;

}  // namespace

std::string PageHeader(const Session& s) {
  return "Pos. " + s.paths.positionName + "  " + s.model.params.titleText();
}

void DrawPageBorder(QPainter& p, const Session& s, int width, int height, bool landscape,
                    int dotsPerInch) {
  const double ux = width / kPageColumns;
  const double uy = height / kPageRows;
  // At least a pixel, so that the right and bottom sides stay on a page of
  // low resolution.
  const int mx = std::max(1, static_cast<int>(kMarginUnits * ux + 0.5));
  const int my = std::max(1, static_cast<int>(kMarginUnits * uy + 0.5));
  const int shift = landscape ? static_cast<int>(kLandscapeShiftUnits * ux) : 0;
  const int left = mx + shift;
  const int right = width - mx;
  p.save();
  p.setPen(QPen(Qt::black, 0));
  p.setBrush(Qt::NoBrush);
  p.drawPolyline(QPolygon() << QPoint(left, my) << QPoint(left, height - my)
                            << QPoint(right, height - my) << QPoint(right, my) << QPoint(left, my));
  const int rule = static_cast<int>(kHeaderRuleUnits * uy);
  p.drawLine(QPoint(left, rule), QPoint(right, rule));
  QFont font("Arial");
  const double points = kViewTextHeight / 10.0 * s.view.textScale;
  font.setPixelSize(std::max(1, static_cast<int>(points * dotsPerInch / kPointsPerInch)));
  p.setFont(font);
  // Centred between the frame's sides by the text's real width, whatever
  // the paper, the resolution and the font; a title too long for the frame
  // ends in an ellipsis.
  const int y = static_cast<int>(kHeaderBaseUnits * uy + 0.5);
  const QRect band(left, y, right - left, p.fontMetrics().height());
  p.drawText(band, Qt::AlignHCenter | Qt::AlignTop,
             p.fontMetrics().elidedText(FromAnsi(PageHeader(s)), Qt::ElideRight, band.width()));
  p.restore();
}

}  // namespace rerore
