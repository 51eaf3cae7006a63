#include "tables/cell_tip.h"

namespace rerore {

CellTip::CellTip(QWidget* parent) : QLabel(parent, Qt::ToolTip | Qt::FramelessWindowHint) {
  setForegroundRole(QPalette::ToolTipText);
  setBackgroundRole(QPalette::ToolTipBase);
  setAutoFillBackground(true);
  setMargin(2);
  hide();
}

void CellTip::showAt(const QPoint& globalTopLeft, const QString& text) {
  setText(text);
  adjustSize();
  move(globalTopLeft);
  show();
}

}  // namespace rerore
