// The About box of the program.
#pragma once

#include <QDialog>

namespace rerore {

class CAboutDlg : public QDialog {
  Q_OBJECT
 public:
  explicit CAboutDlg(QWidget* parent = nullptr);
};

}  // namespace rerore
