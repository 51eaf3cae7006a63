// The About box of the program.
#pragma once

#include <QDialog>

namespace rerore {

class AboutDialog : public QDialog {
  Q_OBJECT
 public:
  explicit AboutDialog(QWidget* parent = nullptr);
};

}  // namespace rerore
