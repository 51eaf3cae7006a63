#include "tables/CTitleTip.h"

namespace rerore {

CTitleTip::CTitleTip(QWidget* parent) : QLabel(parent, Qt::ToolTip | Qt::FramelessWindowHint) {
  setForegroundRole(QPalette::ToolTipText);
  setBackgroundRole(QPalette::ToolTipBase);
  setAutoFillBackground(true);
  setMargin(2);
  hide();
}

void CTitleTip::showAt(const QPoint& globalTopLeft, const QString& text) {
  setText(text);
  adjustSize();
  move(globalTopLeft);
  show();
}

}  // namespace rerore
