// "Font": the text size as a factor, "%.2f".
#pragma once

#include <QDialog>

#include "model/user_messages.h"

class QLineEdit;

namespace rerore {

class TextSizeDialog : public QDialog {
  Q_OBJECT
 public:
  TextSizeDialog(float textScale, UserMessages& messages, QWidget* parent = nullptr);
  // The number of the field after OK; "1,5" reads as 1.5, a text that is
  // no number as 0.
  float textScale() const { return textScale_; }
  QLineEdit* sizeField() const { return size_; }

 public slots:
  // A number too large for a float keeps the dialog open.
  void accept() override;

 private:
  UserMessages& messages_;
  QLineEdit* size_;
  float textScale_;
};

}  // namespace rerore
