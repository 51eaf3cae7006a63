#include "shell/CMainFrame.h"

#include <QMenuBar>
#include <QStatusBar>

#include "shell/QtMessages.h"
#include "view/CZELTWView.h"

namespace rerore {

CMainFrame::CMainFrame(Session& session) : session_(session) {
  view_ = new CZELTWView(session_, this);
  setCentralWidget(view_);
  menuBar()->addMenu(tr("&Position"));
  statusBar()->showMessage(QString());
  setWindowTitle(FromAnsi("Position " + session_.paths.positionName + " "));
  connect(view_, &CZELTWView::titleChanged, this, &QWidget::setWindowTitle);
}

}  // namespace rerore
