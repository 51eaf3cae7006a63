// The view's pens, chosen by index, and the element pen. Widths are given
// in logical units, so a pen is made for the scale of the paint: one
// logical unit is `pixelsPerUnit` device pixels. Width 0 is a hairline.
#pragma once

#include <QColor>
#include <QPen>

namespace rerore {

inline constexpr int kPenGreenWide = -3;  // the displaced shape of a mechanism
inline constexpr int kPenRed = 0;         // grid, red dots
inline constexpr int kPenSolid = 1;       // the default pen
inline constexpr int kPenDashed = 2;      // elastic supports
inline constexpr int kPenDotted = 3;
inline constexpr int kPenDashDot = 4;
inline constexpr int kPenLightGrey = 5;
inline constexpr int kPenDashDotDot = 6;

inline const QColor kRed(255, 0, 0);
inline const QColor kGreen(0, 130, 0);
inline const QColor kLightGrey(205, 205, 205);
inline const QColor kGreyBrush(192, 192, 192);

QPen ViewPen(int index, double pixelsPerUnit);
// Solid black, `lineWidth` logical units wide (below 0 counts as 0).
QPen ElementPen(int lineWidth, double pixelsPerUnit);

}  // namespace rerore
