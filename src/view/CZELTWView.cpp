#include "view/CZELTWView.h"

#include <QPainter>

#include "shell/QtMessages.h"

namespace rerore {

CZELTWView::CZELTWView(Session& session, QWidget* parent) : QWidget(parent), session_(session) {
  setAutoFillBackground(true);
  QPalette p = palette();
  p.setColor(QPalette::Window, Qt::white);
  setPalette(p);
}

void CZELTWView::paintEvent(QPaintEvent*) {
  // The frame's title follows the position at every paint.
  emit titleChanged(FromAnsi("Position " + session_.paths.positionName + " "));
  QPainter painter(this);
  painter.fillRect(rect(), Qt::white);
}

}  // namespace rerore
