// The drawing view of the frame.
#pragma once

#include <QWidget>

#include "model/session.h"

namespace rerore {

class CZELTWView : public QWidget {
  Q_OBJECT
 public:
  CZELTWView(Session& session, QWidget* parent = nullptr);

 signals:
  void titleChanged(const QString& title);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  Session& session_;
};

}  // namespace rerore
