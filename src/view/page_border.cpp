#include "view/page_border.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

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
constexpr double kHeaderCentreUnits = 1650.0;

}  // namespace

std::string PageHeader(const Session& s) {
  return "Pos. " + s.paths.positionName + "  " + s.model.params.titleText();
}

void DrawPageBorder(QPainter& p, const Session& s, int width, int height, bool landscape,
                    int dotsPerInch) {
  const double ux = width / kPageColumns;
  const double uy = height / kPageRows;
  const int mx = static_cast<int>(kMarginUnits * ux + 0.5);
  const int my = static_cast<int>(kMarginUnits * uy + 0.5);
  const int shift = landscape ? static_cast<int>(kLandscapeShiftUnits * ux) : 0;
  const int left = mx + shift;
  p.save();
  p.setPen(QPen(Qt::black, 0));
  p.setBrush(Qt::NoBrush);
  p.drawPolyline(QPolygon() << QPoint(left, my) << QPoint(left, height - my)
                            << QPoint(width - mx, height - my) << QPoint(width - mx, my)
                            << QPoint(left, my));
  const int rule = static_cast<int>(kHeaderRuleUnits * uy);
  p.drawLine(QPoint(left, rule), QPoint(width - mx, rule));
  QFont font("Arial");
  const double points = kViewTextHeight / 10.0 * s.view.textScale;
  font.setPixelSize(std::max(1, static_cast<int>(points * dotsPerInch / kPointsPerInch)));
  p.setFont(font);
  const QString header = FromAnsi(PageHeader(s));
  const double average = p.fontMetrics().averageCharWidth();
  const int x =
      static_cast<int>((kHeaderCentreUnits - header.size() * 0.5 * average) * ux + 0.5) + shift;
  const int y = static_cast<int>(kHeaderBaseUnits * uy + 0.5);
  p.drawText(QPoint(x, y + p.fontMetrics().ascent()), header);
  p.restore();
}

}  // namespace rerore
