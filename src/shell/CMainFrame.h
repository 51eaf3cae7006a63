// The main window: menu bar, status bar and the view.
#pragma once

#include <QMainWindow>

#include "model/session.h"

namespace rerore {

class CZELTWView;

class CMainFrame : public QMainWindow {
  Q_OBJECT
 public:
  explicit CMainFrame(Session& session);
  CZELTWView* view() const { return view_; }

 private:
  Session& session_;
  CZELTWView* view_;
};

}  // namespace rerore
