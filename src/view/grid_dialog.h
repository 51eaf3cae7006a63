// The grid dialog: mesh width and snap radius of the drawing grid.
#pragma once

#include <QDialog>

#include "model/user_messages.h"

class QLineEdit;

namespace rerore {

class GridDialog : public QDialog {
  Q_OBJECT
 public:
  GridDialog(float meshWidth, float snapRadius, UserMessages& messages, QWidget* parent = nullptr);

  // The values of the fields after OK (a text that is no number gives 0).
  float meshWidth() const { return meshWidth_; }
  float snapRadius() const { return snapRadius_; }

  QLineEdit* meshField() const { return mesh_; }
  QLineEdit* snapField() const { return snap_; }

 public slots:
  void accept() override;

 private:
  void showValues(float meshWidth, float snapRadius);

  UserMessages& messages_;
  QLineEdit* mesh_;
  QLineEdit* snap_;
  float meshWidth_;
  float snapRadius_;
};

}  // namespace rerore
